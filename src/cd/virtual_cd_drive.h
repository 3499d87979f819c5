// A CD drive that exists only in a description file (cd/virtual_disc.h), for tests and
// demonstrations on machines without a drive. It answers like the MCI "cdaudio" device:
// the same modes, packed positions that advance with the clock while playing, a stop at the
// end of the disc, a pause that reports "stopped". It rereads the file whenever it is asked
// whether media is present, so a test swaps discs by rewriting the file; its door commands
// rewrite the file in turn. Given several descriptions it stands for several drives: opening
// a drive letter uses the description that names that letter.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cd/cd_drive.h"
#include "cd/virtual_disc.h"
#include "base/file_system.h"

namespace bw {

class VirtualCdDrive final : public CdDrive {
 public:
  // Milliseconds from any fixed start; only differences are used.
  using Clock = std::function<int64_t()>;

  // `fileSystem` must outlive the drive.
  VirtualCdDrive(std::string descriptionPath, FileSystem& fileSystem, Clock clock);
  // One description per drive; the first one answers until a drive is opened.
  VirtualCdDrive(std::vector<std::string> descriptionPaths, FileSystem& fileSystem, Clock clock);
  // The platform's file system and a steady clock.
  explicit VirtualCdDrive(std::string descriptionPath);
  explicit VirtualCdDrive(std::vector<std::string> descriptionPaths);

  uint32_t Open(char driveLetter) override;
  uint32_t Close() override;
  uint32_t SetTimeFormat(CdTimeFormat format) override;

  uint32_t QueryCanEject(bool* canEject) override;
  uint32_t QueryTrackType(int track, CdTrackType* type) override;
  uint32_t QueryTrackCount(int* count) override;
  uint32_t QueryTrackLength(int track, uint32_t* packedMsf) override;
  uint32_t QueryTrackStart(int track, uint32_t* packedPosition) override;
  uint32_t QueryMode(CdMode* mode) override;
  uint32_t QueryPosition(uint32_t* packedPosition) override;
  uint32_t QueryMediaPresent(bool* present) override;

  uint32_t PlayFrom(uint32_t packedPosition) override;
  uint32_t Play() override;
  uint32_t Pause() override;
  uint32_t Stop() override;
  uint32_t SetDoorOpen(bool open) override;

  std::string ErrorText(uint32_t code) override;
  bool ReportsLastTrackOneFrameShort() const override;

 private:
  enum class Motion { kStopped, kPlaying, kPaused };

  // Rereads the description. A missing file keeps the last one (a writer may be between
  // its remove and rename); a damaged one counts as a drive without a disc. A disc that
  // changed or went away stops playback.
  Status Reload();
  bool DiscReady() const { return described_ && disc_.IsReady(); }
  int TrackCount() const { return static_cast<int>(disc_.trackOffsets.size()); }
  // The frame under the laser now; playing past the end of the disc stops there.
  int32_t CurrentFrame();
  // The track holding `frame` (1-based).
  int TrackAtFrame(int32_t frame) const;
  int32_t TrackEndFrame(int track) const;
  uint32_t StartPlaying(int32_t frame);
  void Halt(int32_t frame);

  // Switches to the description that names `driveLetter`, if another one does.
  void UseDescriptionOf(char driveLetter);

  std::vector<std::string> paths_;
  std::string path_;  // the description in use
  FileSystem& fileSystem_;
  Clock clock_;
  bool open_ = false;
  bool described_ = false;
  VirtualDisc disc_;
  CdTimeFormat timeFormat_ = CdTimeFormat::kMsf;
  Motion motion_ = Motion::kStopped;
  int32_t stillFrame_ = 0;       // position while not playing
  int32_t playStartFrame_ = 0;   // position when playing started
  int64_t playStartTime_ = 0;    // clock when playing started
};

}  // namespace bw
