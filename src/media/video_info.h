// What the video information dialog shows of an AVI, MPEG or QuickTime file: its kind, the
// picture's compression, frame size, frame count, frame rate and length.
#pragma once

#include <cstdint>
#include <string>

#include "media/byte_source.h"

namespace bw {

enum class VideoContainer { kUnknown, kAvi, kMpegProgram, kMpegElementary, kQuickTime };

struct VideoInfo {
  VideoContainer container = VideoContainer::kUnknown;
  bool damaged = false;  // headers missing or cut short; the texts show what was found
  std::string containerName;  // "AVI", "MPEG-1 Program Stream", "QuickTime", "MPEG-4"
  std::string compressionName;  // "MPEG-1 Video", a four-character code as "MJPG"
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint64_t frames = 0;
  bool framesKnown = false;
  double framesPerSecond = 0;
  std::uint64_t durationMs = 0;
  bool durationKnown = false;

  // Display texts; empty when unknown.
  std::string format;       // containerName
  std::string compression;  // compressionName
  std::string frameSize;    // "320 x 240 Pixels"
  std::string framesText;   // "250 Frames"
  std::string frameRate;    // "25 fps"
  std::string length;       // "10.000 Seconds"
};

// MPEG files up to this size have their pictures counted one by one; larger ones are
// measured by the time stamps at their start and end.
constexpr std::uint64_t kMpegExactCountLimit = 64ull * 1024 * 1024;

VideoInfo ReadAviInfo(ByteSource& source);
VideoInfo ReadMpegVideoInfo(ByteSource& source, std::uint64_t exactCountLimit = kMpegExactCountLimit);
VideoInfo ReadQuickTimeInfo(ByteSource& source);

// Tells the kind by the first bytes and reads with the matching reader.
VideoInfo ReadVideoInfo(ByteSource& source);

// Fills the display texts from the numbers; the readers call it last.
void DescribeVideo(VideoInfo* info);

// A four-character code as text: printable characters kept, trailing blanks and NULs dropped.
std::string FourCcText(const std::uint8_t* code);

}  // namespace bw
