// The Windows folder lister: FindFirstFileA/FindNextFileA over "<folder>*", and the folder's
// volume serial number and file index from GetFileInformationByHandle. Windows builds only.
// Critical-error boxes ("no disk in the drive") are suppressed while it lists.
#pragma once

#include "filetools/directory_lister.h"

namespace bw {

class Win32DirectoryLister final : public DirectoryLister {
 public:
  Status List(const std::string& folder, FileId* folderId,
              const DirectoryEntryVisitor& visit) override;
};

}  // namespace bw
