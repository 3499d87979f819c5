// Where the virtual CD drive's description lives, as the environment says.
#pragma once

#include <string>
#include <vector>

#include "base/file_system.h"

namespace bw {

// The value of BRINDWAX_VIRTUAL_CD; empty when the real drive is meant. It names one
// description file, or several separated by ";" (one per virtual drive).
std::string VirtualCdDescriptionPath();
// The description files it names, in order; empty when the real drive is meant.
std::vector<std::string> VirtualCdDescriptionPaths();
std::vector<std::string> SplitDescriptionPaths(const std::string& value);

// The drive letter the first described virtual drive answers for, upper case; '\0' when no
// description is named or it cannot be read.
char VirtualCdDriveLetter(FileSystem& fileSystem);
// Whether one of the described virtual drives answers for `driveLetter` (either case).
bool IsVirtualCdDrive(FileSystem& fileSystem, char driveLetter);

}  // namespace bw
