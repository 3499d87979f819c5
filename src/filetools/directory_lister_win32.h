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

// The order of the system's sorted list boxes: the user's locale, case ignored. The windows
// sort folder names with it so their lists read as the system's own would.
int CompareNamesAsListBoxesDo(std::string_view a, std::string_view b);

}  // namespace bw
