// The CD device's operations over the drive's command set.
#include "cd/cd_device.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "cd/disc_id.h"
#include "cd/mci_codes.h"
#include "cd/mci_error_report.h"

namespace bw {
namespace {

// Seeks land on frame 30 of the chosen second, as the position bar has always done.
constexpr int kSeekFrame = 30;

}  // namespace

CdDevice::CdDevice(std::unique_ptr<CdDrive> drive) : drive_(std::move(drive)) {}

CdDevice::~CdDevice() {
  if (open_) drive_->Close();
}

uint32_t CdDevice::Record(uint32_t result) {
  lastResult_ = result;
  return result;
}

uint32_t CdDevice::RecordAndReport(uint32_t result) {
  Record(result);
  if (result != mci::kOk) ReportMciError(BuildMciErrorReport(drive_->ErrorText(result)));
  return result;
}

std::string CdDevice::ErrorText(uint32_t code) const { return drive_->ErrorText(code); }

bool CdDevice::Open(std::string_view driveRoot) {
  // Opening again under the same alias would fail; let go of the old device quietly.
  if (open_) {
    drive_->Close();
    open_ = false;
  }
  if (driveRoot.empty() || driveRoot.front() == '\0') return false;

  const uint32_t result = Record(drive_->Open(driveRoot.front()));
  if (result != mci::kOk) {
    mediaPresent_ = false;
    paused_ = false;
    if (result != mci::kCannotLoadDriver) RecordAndReport(result);
    return false;
  }
  open_ = true;
  Record(drive_->SetTimeFormat(CdTimeFormat::kTmsf));
  bool canEject = false;
  if (Record(drive_->QueryCanEject(&canEject)) == mci::kOk) canEject_ = canEject;
  ClassifyDisc();
  return true;
}

void CdDevice::ClassifyDisc() {
  CdTrackType type = CdTrackType::kOther;
  if (Record(drive_->QueryTrackType(1, &type)) == mci::kOk && type == CdTrackType::kAudio) {
    dataDisc_ = false;
    return;
  }
  // A disc with only a data track is a data disc; a data track before music is not.
  int count = 0;
  Record(drive_->QueryTrackCount(&count));
  dataDisc_ = std::min(count, kMaxCdTracks) == 1;
}

void CdDevice::Close() {
  if (!open_) return;
  open_ = false;
  RecordAndReport(drive_->Close());
}

void CdDevice::ReadTableOfContents() {
  if (!open_) return;
  int count = 0;
  Record(drive_->QueryTrackCount(&count));
  count = std::clamp(count, 0, kMaxCdTracks);

  std::vector<ReportedTrack> tracks(static_cast<std::size_t>(count));
  for (int track = 1; track <= count; ++track) {
    uint32_t length = 0;
    Record(drive_->QueryTrackLength(track, &length));
    // Track starts come as absolute MSF only in the MSF time format.
    Record(drive_->SetTimeFormat(CdTimeFormat::kMsf));
    uint32_t start = 0;
    Record(drive_->QueryTrackStart(track, &start));
    Record(drive_->SetTimeFormat(CdTimeFormat::kTmsf));
    tracks[track - 1].length = UnpackMsf(length);
    tracks[track - 1].start = UnpackMsf(start);
  }
  toc_ = BuildTableOfContents(tracks, drive_->ReportsLastTrackOneFrameShort());
  if (tocListener_) tocListener_();
}

void CdDevice::SetTableOfContentsListener(std::function<void()> listener) {
  tocListener_ = std::move(listener);
}

bool CdDevice::Reopen(std::string_view driveRoot) {
  if (open_) Record(drive_->Stop());
  Close();
  paused_ = false;
  currentTrack_ = 0;
  const bool opened = Open(driveRoot);
  if (opened) ReadTableOfContents();
  return opened;
}

uint32_t CdDevice::PlayTrack(int track) {
  if (track <= 0 || track > kMaxCdTracks) track = 1;
  paused_ = false;
  currentTrack_ = track;
  Tmsf from;
  from.track = track;
  return RecordAndReport(drive_->PlayFrom(PackTmsf(from)));
}

uint32_t CdDevice::SeekWithinTrack(int track, int minutes, int seconds) {
  Tmsf from;
  from.track = track;
  from.minutes = minutes;
  from.seconds = seconds;
  from.frames = kSeekFrame;
  return RecordAndReport(drive_->PlayFrom(PackTmsf(from)));
}

uint32_t CdDevice::Pause() {
  const uint32_t result = RecordAndReport(drive_->Pause());
  if (result == mci::kOk) paused_ = true;
  return result;
}

uint32_t CdDevice::Resume() {
  const uint32_t result = RecordAndReport(drive_->Play());
  paused_ = false;
  return result;
}

uint32_t CdDevice::Stop() {
  if (paused_) Resume();
  const uint32_t result = Record(drive_->Stop());
  currentTrack_ = 1;
  return result;
}

uint32_t CdDevice::Eject(std::string_view driveRoot) {
  if (!open_ && !Open(driveRoot)) return lastResult_;
  Stop();
  return RecordAndReport(drive_->SetDoorOpen(true));
}

void CdDevice::Load() { Record(drive_->SetDoorOpen(false)); }

CdMode CdDevice::QueryMode() {
  CdMode mode = lastMode_;
  if (Record(drive_->QueryMode(&mode)) == mci::kOk) lastMode_ = mode;
  return lastMode_;
}

Tmsf CdDevice::QueryPosition() {
  uint32_t packed = 0;
  if (Record(drive_->QueryPosition(&packed)) == mci::kOk) lastPosition_ = UnpackTmsf(packed);
  return lastPosition_;
}

bool CdDevice::QueryMediaPresent() {
  bool present = mediaPresent_;
  if (Record(drive_->QueryMediaPresent(&present)) == mci::kOk) mediaPresent_ = present;
  return mediaPresent_;
}

uint32_t CdDevice::DiscId() const { return ComputeDiscId(toc_); }

}  // namespace bw
