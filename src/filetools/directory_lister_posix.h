// A folder lister over POSIX folders for the native tests, benchmarks and tools: each drive
// letter is mounted on a folder of the host, and "T:\Music\Rock\" lists <mount>/Music/Rock.
// Links to folders are reported as folders (with kEntryLink), as the Windows listing does
// with junctions, so the walk's loop guard is exercised the same way.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "filetools/directory_lister.h"

namespace bw {

class PosixDirectoryLister final : public DirectoryLister {
 public:
  // Drive `letter` (either case) shows the host folder `hostFolder`.
  void MountDrive(char letter, std::string hostFolder);

  Status List(const std::string& folder, FileId* folderId,
              const DirectoryEntryVisitor& visit) override;

  // The host path of a program path; none for an unmounted drive, a network path, or a
  // path with a ".." component (which could leave the mounted folder).
  std::optional<std::string> HostPath(const std::string& programPath) const;

 private:
  std::array<std::string, 26> mounts_;
};

}  // namespace bw
