// The Windows CD device: MCI, or the virtual drive when the environment names one.
#include "cd/cd_device_factory.h"

#include <windows.h>

#include <cctype>
#include <vector>

#include "cd/mci_cd_drive.h"
#include "cd/virtual_cd_drive.h"
#include "cd/virtual_cd_environment.h"

namespace bw {

std::unique_ptr<CdDevice> CreateCdDevice() {
  std::vector<std::string> paths = VirtualCdDescriptionPaths();
  if (!paths.empty()) {
    return std::make_unique<CdDevice>(std::make_unique<VirtualCdDrive>(std::move(paths)));
  }
  return std::make_unique<CdDevice>(CreateMciCdDrive());
}

bool IsCdRomDrive(char driveLetter) {
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(driveLetter)));
  if (letter < 'A' || letter > 'Z') return false;
  if (IsVirtualCdDrive(DefaultFileSystem(), letter)) return true;
  const char root[4] = {letter, ':', '\\', '\0'};
  return GetDriveTypeA(root) == DRIVE_CDROM;
}

char FindFirstCdRomDrive() {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (IsCdRomDrive(letter)) return letter;
  }
  return '\0';
}

}  // namespace bw
