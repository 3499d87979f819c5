// Creates the program's CD device and answers which drive letters are CD-ROM drives.
// When BRINDWAX_VIRTUAL_CD names a disc description file, the virtual drive stands in for
// MCI and its letter counts as a CD-ROM drive.
#pragma once

#include <memory>

#include "cd/cd_device.h"

namespace bw {

std::unique_ptr<CdDevice> CreateCdDevice();

bool IsCdRomDrive(char driveLetter);

// The first CD-ROM drive letter from A to Z, or '\0' when there is none.
char FindFirstCdRomDrive();

}  // namespace bw
