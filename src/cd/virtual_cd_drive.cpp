// The virtual CD drive: a description file, a clock and MCI's answers.
#include "cd/virtual_cd_drive.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <utility>

#include "cd/mci_codes.h"
#include "cd/msf.h"

namespace bw {
namespace {

int64_t SteadyMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

bool SameDisc(const VirtualDisc& a, const VirtualDisc& b) {
  return a.trackOffsets == b.trackOffsets && a.leadOut == b.leadOut &&
         a.firstTrackAudio == b.firstTrackAudio;
}

}  // namespace

VirtualCdDrive::VirtualCdDrive(std::string descriptionPath, FileSystem& fileSystem, Clock clock)
    : VirtualCdDrive(std::vector<std::string>{std::move(descriptionPath)}, fileSystem,
                     std::move(clock)) {}

VirtualCdDrive::VirtualCdDrive(std::vector<std::string> descriptionPaths, FileSystem& fileSystem,
                               Clock clock)
    : paths_(std::move(descriptionPaths)), fileSystem_(fileSystem), clock_(std::move(clock)) {
  if (!paths_.empty()) path_ = paths_.front();
}

VirtualCdDrive::VirtualCdDrive(std::string descriptionPath)
    : VirtualCdDrive(std::move(descriptionPath), DefaultFileSystem(), SteadyMilliseconds) {}

VirtualCdDrive::VirtualCdDrive(std::vector<std::string> descriptionPaths)
    : VirtualCdDrive(std::move(descriptionPaths), DefaultFileSystem(), SteadyMilliseconds) {}

void VirtualCdDrive::UseDescriptionOf(char driveLetter) {
  if (paths_.size() < 2) return;
  const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(driveLetter)));
  for (const std::string& candidate : paths_) {
    VirtualDisc disc;
    if (!ReadVirtualDiscFile(fileSystem_, candidate, &disc).IsOk() || disc.driveLetter != wanted) {
      continue;
    }
    if (candidate != path_) {
      // Another drive: nothing of the last one's disc or motion carries over.
      path_ = candidate;
      described_ = false;
      Halt(0);
    }
    return;
  }
}

Status VirtualCdDrive::Reload() {
  VirtualDisc fresh;
  const Status status = ReadVirtualDiscFile(fileSystem_, path_, &fresh);
  if (status.IsCorrupt()) {
    if (motion_ != Motion::kStopped) Halt(0);
    described_ = false;
    return status;
  }
  // Missing for a moment, or locked by its writer: the last description stands.
  if (!status.IsOk()) return status;
  const bool wasReady = DiscReady();
  if (!wasReady || !fresh.IsReady() || !SameDisc(disc_, fresh)) {
    Halt(fresh.trackOffsets.empty() ? 0 : fresh.trackOffsets.front());
  }
  disc_ = std::move(fresh);
  described_ = true;
  return status;
}

void VirtualCdDrive::Halt(int32_t frame) {
  motion_ = Motion::kStopped;
  stillFrame_ = frame;
}

int32_t VirtualCdDrive::CurrentFrame() {
  if (motion_ != Motion::kPlaying) return stillFrame_;
  int64_t elapsed = clock_() - playStartTime_;
  if (elapsed < 0) elapsed = 0;
  const int64_t frame = playStartFrame_ + elapsed * kFramesPerSecond / 1000;
  if (frame >= disc_.leadOut) {
    Halt(disc_.leadOut - 1);
    return stillFrame_;
  }
  return static_cast<int32_t>(frame);
}

int VirtualCdDrive::TrackAtFrame(int32_t frame) const {
  int track = 1;
  for (int i = 1; i < TrackCount(); ++i) {
    if (disc_.trackOffsets[i] <= frame) track = i + 1;
  }
  return track;
}

int32_t VirtualCdDrive::TrackEndFrame(int track) const {
  return track < TrackCount() ? disc_.trackOffsets[track] : disc_.leadOut;
}

uint32_t VirtualCdDrive::Open(char driveLetter) {
  if (open_) return mci::kDuplicateAlias;
  UseDescriptionOf(driveLetter);
  const Status status = Reload();
  if (!described_) return status.IsCorrupt() ? mci::kHardware : mci::kCannotLoadDriver;
  if (std::toupper(static_cast<unsigned char>(driveLetter)) != disc_.driveLetter) {
    return mci::kInvalidDeviceName;
  }
  open_ = true;
  timeFormat_ = CdTimeFormat::kMsf;
  return mci::kOk;
}

uint32_t VirtualCdDrive::Close() {
  if (!open_) return mci::kInvalidDeviceId;
  open_ = false;
  return mci::kOk;
}

uint32_t VirtualCdDrive::SetTimeFormat(CdTimeFormat format) {
  if (!open_) return mci::kInvalidDeviceId;
  timeFormat_ = format;
  return mci::kOk;
}

uint32_t VirtualCdDrive::QueryCanEject(bool* canEject) {
  if (!open_) return mci::kInvalidDeviceId;
  if (!described_) return mci::kDeviceNotReady;
  *canEject = disc_.canEject;
  return mci::kOk;
}

uint32_t VirtualCdDrive::QueryTrackType(int track, CdTrackType* type) {
  if (!open_) return mci::kInvalidDeviceId;
  if (!DiscReady()) return mci::kDeviceNotReady;
  if (track < 1 || track > TrackCount()) return mci::kOutOfRange;
  *type = (track == 1 && !disc_.firstTrackAudio) ? CdTrackType::kOther : CdTrackType::kAudio;
  return mci::kOk;
}

uint32_t VirtualCdDrive::QueryTrackCount(int* count) {
  if (!open_) return mci::kInvalidDeviceId;
  if (!DiscReady()) return mci::kDeviceNotReady;
  *count = TrackCount();
  return mci::kOk;
}

uint32_t VirtualCdDrive::QueryTrackLength(int track, uint32_t* packedMsf) {
  if (!open_) return mci::kInvalidDeviceId;
  if (!DiscReady()) return mci::kDeviceNotReady;
  if (track < 1 || track > TrackCount()) return mci::kOutOfRange;
  int32_t end = disc_.lengthsRunToDiscEnd ? disc_.leadOut : TrackEndFrame(track);
  if (disc_.lastTrackOneFrameShort && end == disc_.leadOut) --end;
  *packedMsf = PackMsf(MsfFromFrames(end - disc_.trackOffsets[track - 1]));
  return mci::kOk;
}

uint32_t VirtualCdDrive::QueryTrackStart(int track, uint32_t* packedPosition) {
  if (!open_) return mci::kInvalidDeviceId;
  if (!DiscReady()) return mci::kDeviceNotReady;
  if (track < 1 || track > TrackCount()) return mci::kOutOfRange;
  if (timeFormat_ == CdTimeFormat::kMsf) {
    *packedPosition = PackMsf(MsfFromFrames(disc_.trackOffsets[track - 1]));
  } else {
    Tmsf start;
    start.track = track;
    *packedPosition = PackTmsf(start);
  }
  return mci::kOk;
}

uint32_t VirtualCdDrive::QueryMode(CdMode* mode) {
  if (!open_) return mci::kInvalidDeviceId;
  if (described_ && disc_.doorOpen) {
    *mode = CdMode::kOpen;
  } else if (!DiscReady()) {
    *mode = CdMode::kNotReady;
  } else {
    CurrentFrame();  // notices the end of the disc
    // Like the real drive, a pause reports "stopped"; the program keeps its own pause flag.
    *mode = motion_ == Motion::kPlaying ? CdMode::kPlaying : CdMode::kStopped;
  }
  return mci::kOk;
}

uint32_t VirtualCdDrive::QueryPosition(uint32_t* packedPosition) {
  if (!open_) return mci::kInvalidDeviceId;
  if (!DiscReady()) return mci::kDeviceNotReady;
  const int32_t frame = CurrentFrame();
  if (timeFormat_ == CdTimeFormat::kMsf) {
    *packedPosition = PackMsf(MsfFromFrames(frame));
    return mci::kOk;
  }
  const int track = TrackAtFrame(frame);
  const Msf intoTrack = MsfFromFrames(frame - disc_.trackOffsets[track - 1]);
  Tmsf position;
  position.track = track;
  position.minutes = intoTrack.minutes;
  position.seconds = intoTrack.seconds;
  position.frames = intoTrack.frames;
  *packedPosition = PackTmsf(position);
  return mci::kOk;
}

uint32_t VirtualCdDrive::QueryMediaPresent(bool* present) {
  if (!open_) return mci::kInvalidDeviceId;
  // A failed reload already says what it found through DiscReady().
  (void)Reload();
  *present = DiscReady();
  return mci::kOk;
}

uint32_t VirtualCdDrive::StartPlaying(int32_t frame) {
  if (!disc_.firstTrackAudio && TrackAtFrame(frame) == 1) return mci::kHardware;
  motion_ = Motion::kPlaying;
  playStartFrame_ = frame;
  playStartTime_ = clock_();
  return mci::kOk;
}

uint32_t VirtualCdDrive::PlayFrom(uint32_t packedPosition) {
  if (!open_) return mci::kInvalidDeviceId;
  if (!DiscReady()) return mci::kDeviceNotReady;
  int32_t frame = 0;
  if (timeFormat_ == CdTimeFormat::kTmsf) {
    const Tmsf from = UnpackTmsf(packedPosition);
    if (from.track < 1 || from.track > TrackCount()) return mci::kOutOfRange;
    Msf intoTrack;
    intoTrack.minutes = from.minutes;
    intoTrack.seconds = from.seconds;
    intoTrack.frames = from.frames;
    frame = disc_.trackOffsets[from.track - 1] + FramesFromMsf(intoTrack);
  } else {
    // The lead-in before track 1 holds no music; playing from there starts track 1.
    frame = std::max(FramesFromMsf(UnpackMsf(packedPosition)), disc_.trackOffsets.front());
  }
  if (frame >= disc_.leadOut) return mci::kOutOfRange;
  return StartPlaying(frame);
}

uint32_t VirtualCdDrive::Play() {
  if (!open_) return mci::kInvalidDeviceId;
  if (!DiscReady()) return mci::kDeviceNotReady;
  if (motion_ == Motion::kPlaying) return mci::kOk;
  return StartPlaying(CurrentFrame());
}

uint32_t VirtualCdDrive::Pause() {
  if (!open_) return mci::kInvalidDeviceId;
  if (!DiscReady()) return mci::kDeviceNotReady;
  const int32_t frame = CurrentFrame();
  if (motion_ == Motion::kPlaying) {
    motion_ = Motion::kPaused;
    stillFrame_ = frame;
  }
  return mci::kOk;
}

uint32_t VirtualCdDrive::Stop() {
  if (!open_) return mci::kInvalidDeviceId;
  if (!DiscReady()) return mci::kDeviceNotReady;
  Halt(disc_.trackOffsets.front());
  return mci::kOk;
}

uint32_t VirtualCdDrive::SetDoorOpen(bool open) {
  if (!open_) return mci::kInvalidDeviceId;
  // A missing file keeps the last description; a damaged one clears described_.
  (void)Reload();
  if (!described_) return mci::kHardware;
  if (!disc_.canEject) return mci::kUnsupportedFunction;
  if (disc_.doorOpen == open) return mci::kOk;
  VirtualDisc changed = disc_;
  changed.doorOpen = open;
  if (!WriteVirtualDiscFile(fileSystem_, path_, changed).IsOk()) return mci::kHardware;
  if (open) Halt(0);
  disc_ = std::move(changed);
  if (!open && DiscReady()) Halt(disc_.trackOffsets.front());
  return mci::kOk;
}

std::string VirtualCdDrive::ErrorText(uint32_t code) {
  switch (code) {
    case mci::kOk:
      return "The virtual CD drive carried out the command.";
    case mci::kInvalidDeviceId:
      return "The virtual CD drive is not open.";
    case mci::kHardware:
      return "The virtual CD drive cannot play a data track, or cannot read or write its "
             "description file.";
    case mci::kInvalidDeviceName:
      return std::string("The virtual CD drive answers for drive ") + disc_.driveLetter +
             ": only.";
    case mci::kCannotLoadDriver:
      return "The virtual CD drive's description file was not found.";
    case mci::kUnsupportedFunction:
      return "The virtual CD drive cannot open or close its door.";
    case mci::kDeviceNotReady:
      return "There is no disc in the virtual CD drive.";
    case mci::kOutOfRange:
      return "The position lies outside the disc in the virtual CD drive.";
    case mci::kDuplicateAlias:
      return "The virtual CD drive is already open.";
    default:
      return "The virtual CD drive reports error " + std::to_string(code) + ".";
  }
}

bool VirtualCdDrive::ReportsLastTrackOneFrameShort() const {
  return described_ && disc_.lastTrackOneFrameShort;
}

}  // namespace bw
