// The MCI "cdaudio" device: one device id, opened shareable under the alias "Brindlewax".
// No command asks for notification; the CD panel learns of changes by polling.
#include "cd/mci_cd_drive.h"

#include <windows.h>
// mmsystem.h needs the types of windows.h first.
#include <mmsystem.h>

#include "cd/mci_codes.h"
#include "cd/mci_error_report.h"
#include "base/unique_handle.h"

namespace bw {
namespace {

static_assert(mci::kInvalidDeviceId == MCIERR_INVALID_DEVICE_ID, "MCI code");
static_assert(mci::kHardware == MCIERR_HARDWARE, "MCI code");
static_assert(mci::kInvalidDeviceName == MCIERR_INVALID_DEVICE_NAME, "MCI code");
static_assert(mci::kCannotLoadDriver == MCIERR_CANNOT_LOAD_DRIVER, "MCI code");
static_assert(mci::kUnsupportedFunction == MCIERR_UNSUPPORTED_FUNCTION, "MCI code");
static_assert(mci::kDeviceNotReady == MCIERR_DEVICE_NOT_READY, "MCI code");
static_assert(mci::kOutOfRange == MCIERR_OUTOFRANGE, "MCI code");
static_assert(mci::kDuplicateAlias == MCIERR_DUPLICATE_ALIAS, "MCI code");

struct MciDeviceTraits {
  using Handle = MCIDEVICEID;
  static Handle Invalid() noexcept { return 0; }
  static void Close(Handle id) noexcept {
    MCI_GENERIC_PARMS params{};
    mciSendCommandA(id, MCI_CLOSE, 0, reinterpret_cast<DWORD_PTR>(&params));
  }
};
using UniqueMciDevice = UniqueHandle<MciDeviceTraits>;

CdMode ModeFromMci(DWORD_PTR mode) {
  switch (mode) {
    case MCI_MODE_NOT_READY: return CdMode::kNotReady;
    case MCI_MODE_OPEN: return CdMode::kOpen;
    case MCI_MODE_STOP: return CdMode::kStopped;
    case MCI_MODE_PLAY: return CdMode::kPlaying;
    case MCI_MODE_PAUSE: return CdMode::kPaused;
    case MCI_MODE_SEEK: return CdMode::kSeeking;
    default: return CdMode::kOther;
  }
}

class MciCdDrive final : public CdDrive {
 public:
  uint32_t Open(char driveLetter) override {
    const char element[3] = {driveLetter, ':', '\0'};
    MCI_OPEN_PARMSA params{};
    params.lpstrDeviceType = "cdaudio";
    params.lpstrElementName = element;
    params.lpstrAlias = "Brindlewax";
    const MCIERROR result = mciSendCommandA(
        0, MCI_OPEN,
        MCI_OPEN_TYPE | MCI_OPEN_ELEMENT | MCI_OPEN_ALIAS | MCI_OPEN_SHAREABLE | MCI_WAIT,
        reinterpret_cast<DWORD_PTR>(&params));
    if (result == 0) device_.Reset(params.wDeviceID);
    return result;
  }

  uint32_t Close() override {
    MCI_GENERIC_PARMS params{};
    const MCIERROR result =
        mciSendCommandA(device_.Release(), MCI_CLOSE, 0, reinterpret_cast<DWORD_PTR>(&params));
    return result;
  }

  uint32_t SetTimeFormat(CdTimeFormat format) override {
    MCI_SET_PARMS params{};
    params.dwTimeFormat = format == CdTimeFormat::kMsf ? MCI_FORMAT_MSF : MCI_FORMAT_TMSF;
    return Send(MCI_SET, MCI_SET_TIME_FORMAT, &params);
  }

  uint32_t QueryCanEject(bool* canEject) override {
    MCI_GETDEVCAPS_PARMS params{};
    params.dwItem = MCI_GETDEVCAPS_CAN_EJECT;
    const MCIERROR result = Send(MCI_GETDEVCAPS, MCI_GETDEVCAPS_ITEM | MCI_WAIT, &params);
    if (result == 0) *canEject = params.dwReturn != 0;
    return result;
  }

  uint32_t QueryTrackType(int track, CdTrackType* type) override {
    DWORD_PTR value = 0;
    const MCIERROR result = Status(MCI_CDA_STATUS_TYPE_TRACK, MCI_TRACK | MCI_WAIT, track, &value);
    if (result == 0)
      *type = value == MCI_CDA_TRACK_AUDIO ? CdTrackType::kAudio : CdTrackType::kOther;
    return result;
  }

  uint32_t QueryTrackCount(int* count) override {
    DWORD_PTR value = 0;
    const MCIERROR result = Status(MCI_STATUS_NUMBER_OF_TRACKS, MCI_WAIT, 0, &value);
    if (result == 0) *count = static_cast<int>(value);
    return result;
  }

  uint32_t QueryTrackLength(int track, uint32_t* packedMsf) override {
    DWORD_PTR value = 0;
    const MCIERROR result = Status(MCI_STATUS_LENGTH, MCI_TRACK | MCI_WAIT, track, &value);
    if (result == 0) *packedMsf = static_cast<uint32_t>(value);
    return result;
  }

  uint32_t QueryTrackStart(int track, uint32_t* packedPosition) override {
    DWORD_PTR value = 0;
    const MCIERROR result = Status(MCI_STATUS_POSITION, MCI_TRACK, track, &value);
    if (result == 0) *packedPosition = static_cast<uint32_t>(value);
    return result;
  }

  uint32_t QueryMode(CdMode* mode) override {
    DWORD_PTR value = 0;
    const MCIERROR result = Status(MCI_STATUS_MODE, MCI_WAIT, 0, &value);
    if (result == 0) *mode = ModeFromMci(value);
    return result;
  }

  uint32_t QueryPosition(uint32_t* packedPosition) override {
    DWORD_PTR value = 0;
    const MCIERROR result = Status(MCI_STATUS_POSITION, MCI_WAIT, 0, &value);
    if (result == 0) *packedPosition = static_cast<uint32_t>(value);
    return result;
  }

  uint32_t QueryMediaPresent(bool* present) override {
    DWORD_PTR value = 0;
    const MCIERROR result = Status(MCI_STATUS_MEDIA_PRESENT, MCI_WAIT, 0, &value);
    if (result == 0) *present = value != 0;
    return result;
  }

  uint32_t PlayFrom(uint32_t packedPosition) override {
    MCI_PLAY_PARMS params{};
    params.dwFrom = packedPosition;
    return Send(MCI_PLAY, MCI_FROM, &params);
  }

  uint32_t Play() override {
    MCI_PLAY_PARMS params{};
    return Send(MCI_PLAY, 0, &params);
  }

  uint32_t Pause() override {
    MCI_GENERIC_PARMS params{};
    return Send(MCI_PAUSE, 0, &params);
  }

  uint32_t Stop() override {
    MCI_GENERIC_PARMS params{};
    return Send(MCI_STOP, MCI_WAIT, &params);
  }

  uint32_t SetDoorOpen(bool open) override {
    MCI_SET_PARMS params{};
    return Send(MCI_SET, open ? MCI_SET_DOOR_OPEN : MCI_SET_DOOR_CLOSED, &params);
  }

  std::string ErrorText(uint32_t code) override {
    char text[kMciErrorTextLimit + 1] = {};
    if (!mciGetErrorStringA(code, text, sizeof text)) {
      return "MCI error " + std::to_string(code) + ".";
    }
    return text;
  }

  // The Windows CD audio driver ends the last track one frame before the lead-out.
  bool ReportsLastTrackOneFrameShort() const override { return true; }

 private:
  template <typename Params>
  MCIERROR Send(UINT command, DWORD flags, Params* params) {
    return mciSendCommandA(device_.Get(), command, flags, reinterpret_cast<DWORD_PTR>(params));
  }

  MCIERROR Status(DWORD item, DWORD flags, int track, DWORD_PTR* value) {
    MCI_STATUS_PARMS params{};
    params.dwItem = item;
    params.dwTrack = static_cast<DWORD>(track);
    const MCIERROR result = Send(MCI_STATUS, MCI_STATUS_ITEM | flags, &params);
    if (result == 0) *value = params.dwReturn;
    return result;
  }

  UniqueMciDevice device_;
};

}  // namespace

std::unique_ptr<CdDrive> CreateMciCdDrive() { return std::make_unique<MciCdDrive>(); }

}  // namespace bw
