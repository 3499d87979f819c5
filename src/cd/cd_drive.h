// The command set of one CD audio drive, as the MCI "cdaudio" device offers it. CdDevice
// keeps the program's state on top of it; the MCI drive and the virtual drive implement it.
#pragma once

#include <cstdint>
#include <string>

namespace bw {

enum class CdMode { kNotReady, kOpen, kStopped, kPlaying, kPaused, kSeeking, kOther };

// MSF: positions are minutes, seconds and frames from the start of the disc.
// TMSF: positions are a track and minutes, seconds and frames into that track.
enum class CdTimeFormat { kMsf, kTmsf };

enum class CdTrackType { kAudio, kOther };

// Every command returns the MCI result code, 0 on success. A failed query leaves its output
// untouched. Positions are packed (see cd/msf.h) in the current time format; track lengths
// are always packed MSF.
class CdDrive {
 public:
  virtual ~CdDrive() = default;

  // Opens the "cdaudio" device of the drive letter, shareable, under the program's alias.
  virtual uint32_t Open(char driveLetter) = 0;
  virtual uint32_t Close() = 0;
  virtual uint32_t SetTimeFormat(CdTimeFormat format) = 0;

  virtual uint32_t QueryCanEject(bool* canEject) = 0;
  virtual uint32_t QueryTrackType(int track, CdTrackType* type) = 0;
  virtual uint32_t QueryTrackCount(int* count) = 0;
  virtual uint32_t QueryTrackLength(int track, uint32_t* packedMsf) = 0;
  virtual uint32_t QueryTrackStart(int track, uint32_t* packedPosition) = 0;
  virtual uint32_t QueryMode(CdMode* mode) = 0;
  virtual uint32_t QueryPosition(uint32_t* packedPosition) = 0;
  virtual uint32_t QueryMediaPresent(bool* present) = 0;

  // Plays from the position to the end of the disc.
  virtual uint32_t PlayFrom(uint32_t packedPosition) = 0;
  // Plays on from where the drive stands (resumes a pause).
  virtual uint32_t Play() = 0;
  virtual uint32_t Pause() = 0;
  virtual uint32_t Stop() = 0;
  virtual uint32_t SetDoorOpen(bool open) = 0;

  // The drive's own description of a result code (at most 255 characters).
  virtual std::string ErrorText(uint32_t code) = 0;

  // The Windows CD audio driver reports the last track one frame shorter than it is.
  virtual bool ReportsLastTrackOneFrameShort() const = 0;
};

}  // namespace bw
