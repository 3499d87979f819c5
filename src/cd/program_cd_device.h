// The program's one CD audio device: opened at start-up on the default drive, reopened when
// the drive changes, closed at shutdown. Used from the main thread only.
#pragma once

#include <string>

#include "cd/cd_device.h"

namespace bw {

// The device, or null before start-up made it and after the program released it.
CdDevice* ProgramCdDevice();

// Makes the device and opens it on `driveRoot` ("D:\"; empty leaves it closed), reading the
// table of contents when it opened.
void OpenProgramCdDevice(const std::string& driveRoot);

// Lets go of the device at the end of the run.
void ReleaseProgramCdDevice();

}  // namespace bw
