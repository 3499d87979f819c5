// Deleting the selected files of a media panel once the user has said yes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/file_system.h"

namespace bw {

struct DeleteSummary {
  int deleted = 0;
  std::vector<std::string> failedNames;  // file names, in the order they were tried
};

// Deletes each file; one that cannot be deleted (read-only, in use, gone) is left as it is
// and the others are still deleted.
DeleteSummary DeleteFiles(FileSystem& files, const std::vector<std::string>& paths);

// "Can't delete file: a.wav" (names joined by ", " when several failed, the ninth and later
// only counted); none when all went.
std::optional<std::string> DeleteFailureText(const DeleteSummary& summary);

}  // namespace bw
