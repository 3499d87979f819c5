// The description file of the virtual CD drive: which drive letter it answers for, the door,
// the disc in it and how the drive reports that disc. A small "key = value" text, written
// down in docs/virtual_cd.md; tests write it with WriteVirtualDiscFile.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/file_system.h"

namespace bw {

// Names the description file; when set, the program uses the virtual drive instead of MCI.
inline constexpr const char* kVirtualCdVariable = "BRINDWAX_VIRTUAL_CD";

// Limits of what a description may hold: track numbers and minutes fit one byte of the
// packed positions, and a description is a small file.
inline constexpr int kVirtualDiscMaxTracks = 255;
inline constexpr int32_t kVirtualDiscMaxFrame = 256 * 60 * 75 - 1;
inline constexpr std::size_t kVirtualDiscMaxFileSize = 64 * 1024;

struct VirtualDisc {
  char driveLetter = 'D';
  bool doorOpen = false;
  bool discPresent = true;
  bool canEject = true;
  bool firstTrackAudio = true;
  // The drive reports each track's length as running to the end of the disc.
  bool lengthsRunToDiscEnd = false;
  // The drive reports the last track one frame short, as the Windows driver does.
  bool lastTrackOneFrameShort = false;
  // Frame offsets of the track starts, two-second lead-in included (150 for a usual
  // first track), then the lead-out: where the disc ends.
  std::vector<int32_t> trackOffsets;
  int32_t leadOut = 0;

  // The disc can be read: door closed and a disc in the tray.
  bool IsReady() const { return !doorOpen && discPresent; }
};

bool operator==(const VirtualDisc& a, const VirtualDisc& b);
inline bool operator!=(const VirtualDisc& a, const VirtualDisc& b) { return !(a == b); }

// Parses a description. On damage returns false and says which line and why in `error`;
// `disc` is then left unspecified.
bool ParseVirtualDisc(const std::string& text, VirtualDisc* disc, std::string* error);

// The description as text, in the form ParseVirtualDisc reads.
std::string FormatVirtualDisc(const VirtualDisc& disc);

// Writes the description beside the file and renames it over, so a reader never sees half.
Status WriteVirtualDiscFile(FileSystem& fileSystem, const std::string& path,
                            const VirtualDisc& disc);
Status WriteVirtualDiscFile(const std::string& path, const VirtualDisc& disc);

// Reads and parses a description: NotFound for a missing file, Corrupt for a damaged one.
Status ReadVirtualDiscFile(FileSystem& fileSystem, const std::string& path, VirtualDisc* disc);

// A disc description from freedb-style frame offsets and lead-out (tests and demos).
VirtualDisc MakeVirtualDisc(char driveLetter, std::vector<int32_t> trackOffsets, int32_t leadOut);

}  // namespace bw
