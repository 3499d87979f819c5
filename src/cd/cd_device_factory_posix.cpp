// The CD device of the native build: only the virtual drive exists; without one, a drive
// that cannot be opened (like a machine whose MCI has no CD audio driver).
#include "cd/cd_device_factory.h"

#include <cctype>
#include <vector>

#include "cd/mci_codes.h"
#include "cd/virtual_cd_drive.h"
#include "cd/virtual_cd_environment.h"

namespace bw {
namespace {

class AbsentCdDrive final : public CdDrive {
 public:
  uint32_t Open(char) override { return mci::kCannotLoadDriver; }
  uint32_t Close() override { return mci::kInvalidDeviceId; }
  uint32_t SetTimeFormat(CdTimeFormat) override { return mci::kInvalidDeviceId; }
  uint32_t QueryCanEject(bool*) override { return mci::kInvalidDeviceId; }
  uint32_t QueryTrackType(int, CdTrackType*) override { return mci::kInvalidDeviceId; }
  uint32_t QueryTrackCount(int*) override { return mci::kInvalidDeviceId; }
  uint32_t QueryTrackLength(int, uint32_t*) override { return mci::kInvalidDeviceId; }
  uint32_t QueryTrackStart(int, uint32_t*) override { return mci::kInvalidDeviceId; }
  uint32_t QueryMode(CdMode*) override { return mci::kInvalidDeviceId; }
  uint32_t QueryPosition(uint32_t*) override { return mci::kInvalidDeviceId; }
  uint32_t QueryMediaPresent(bool*) override { return mci::kInvalidDeviceId; }
  uint32_t PlayFrom(uint32_t) override { return mci::kInvalidDeviceId; }
  uint32_t Play() override { return mci::kInvalidDeviceId; }
  uint32_t Pause() override { return mci::kInvalidDeviceId; }
  uint32_t Stop() override { return mci::kInvalidDeviceId; }
  uint32_t SetDoorOpen(bool) override { return mci::kInvalidDeviceId; }
  std::string ErrorText(uint32_t code) override {
    return "There is no CD audio driver (error " + std::to_string(code) + ").";
  }
  bool ReportsLastTrackOneFrameShort() const override { return false; }
};

}  // namespace

std::unique_ptr<CdDevice> CreateCdDevice() {
  std::vector<std::string> paths = VirtualCdDescriptionPaths();
  if (!paths.empty()) {
    return std::make_unique<CdDevice>(std::make_unique<VirtualCdDrive>(std::move(paths)));
  }
  return std::make_unique<CdDevice>(std::make_unique<AbsentCdDrive>());
}

bool IsCdRomDrive(char driveLetter) {
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(driveLetter)));
  return IsVirtualCdDrive(DefaultFileSystem(), letter);
}

char FindFirstCdRomDrive() {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (IsCdRomDrive(letter)) return letter;
  }
  return '\0';
}

}  // namespace bw
