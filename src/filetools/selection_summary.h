// The line under a file tool's list of the files it is about to act on.
#pragma once

#include <string>
#include <vector>

#include "base/file_system.h"

namespace bw {

// "3 files, 12,345 bytes" ("1 file, 99 bytes"); files that cannot be looked at count as files
// of no bytes.
std::string SelectionSummaryText(FileSystem& files, const std::vector<std::string>& paths);

}  // namespace bw
