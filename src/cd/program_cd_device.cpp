// The program's one CD audio device.
#include "cd/program_cd_device.h"

#include <memory>

#include "cd/cd_device_factory.h"

namespace bw {
namespace {

std::unique_ptr<CdDevice>& Device() {
  static std::unique_ptr<CdDevice> device;
  return device;
}

}  // namespace

CdDevice* ProgramCdDevice() { return Device().get(); }

void OpenProgramCdDevice(const std::string& driveRoot) {
  Device() = CreateCdDevice();
  if (Device()->Open(driveRoot)) Device()->ReadTableOfContents();
}

void ReleaseProgramCdDevice() { Device().reset(); }

}  // namespace bw
