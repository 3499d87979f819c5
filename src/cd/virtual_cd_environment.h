// Where the virtual CD drive's description lives, as the environment says.
#pragma once

#include <string>

#include "base/file_system.h"

namespace bw {

// The value of BRINDWAX_VIRTUAL_CD; empty when the real drive is meant.
std::string VirtualCdDescriptionPath();

// The drive letter the described virtual drive answers for, upper case; '\0' when no
// description is named or it cannot be read.
char VirtualCdDriveLetter(FileSystem& fileSystem);

}  // namespace bw
