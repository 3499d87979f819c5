// The MPEG-1/MPEG-2 video elementary stream, fed in pieces of any size: it finds the start
// codes (also across pieces) and keeps the sequence header, the first and last group-of-
// pictures time codes and the count of pictures.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bw {

struct MpegSequence {
  bool found = false;
  bool mpeg2 = false;  // a sequence extension followed
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int frameRateCode = 0;
  std::uint32_t frameRateExtensionN = 0;
  std::uint32_t frameRateExtensionD = 0;
  std::uint64_t bitRate = 0;  // bits per second, 0 when not given
};

// Frames per second of a sequence; 0 for a reserved code.
double MpegFramesPerSecond(const MpegSequence& sequence);

class MpegVideoScanner {
 public:
  void Feed(const std::uint8_t* data, std::size_t size);
  // For a scan that starts in the middle of a stream: the sequence read before, which the
  // frame rate of time codes depends on.
  void AssumeSequence(const MpegSequence& sequence) {
    sequence_ = sequence;
    sawSequence_ = true;
  }

  const MpegSequence& sequence() const { return sequence_; }
  std::uint64_t pictures() const { return pictures_; }
  // Time codes in frames (hours, minutes, seconds and pictures at the nominal rate).
  bool haveGroup() const { return groups_ != 0; }
  std::uint64_t firstGroupFrame() const { return firstGroupFrame_; }
  std::uint64_t lastGroupFrame() const { return lastGroupFrame_; }
  // Pictures that followed the last group header seen.
  std::uint64_t picturesSinceLastGroup() const { return picturesSinceGroup_; }

 private:
  void StartCode(std::uint8_t code);
  void Captured();

  std::uint32_t recent_ = 0xFFFFFFFFu;  // the last bytes seen, for start codes across pieces
  std::uint8_t capturing_ = 0;          // the start code whose following bytes are collected
                                        // (pictures need none)
  std::uint8_t capture_[8] = {};
  std::size_t captured_ = 0;
  std::size_t wanted_ = 0;

  MpegSequence sequence_;
  bool sawSequence_ = false;
  std::uint64_t pictures_ = 0;
  std::uint64_t groups_ = 0;
  std::uint64_t firstGroupFrame_ = 0;
  std::uint64_t lastGroupFrame_ = 0;
  std::uint64_t picturesSinceGroup_ = 0;
};

}  // namespace bw
