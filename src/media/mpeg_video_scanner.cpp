// Start codes of the MPEG video syntax: 00 00 01 then B3 sequence header, B5 extension,
// B8 group of pictures, 00 picture.
#include "media/mpeg_video_scanner.h"

#include <cmath>

namespace bw {
namespace {

constexpr std::uint8_t kPictureCode = 0x00;
constexpr std::uint8_t kSequenceCode = 0xB3;
constexpr std::uint8_t kExtensionCode = 0xB5;
constexpr std::uint8_t kGroupCode = 0xB8;

constexpr double kFrameRates[16] = {0,  24000.0 / 1001, 24, 25, 30000.0 / 1001, 30, 50,
                                    60000.0 / 1001, 60, 0, 0, 0, 0, 0, 0, 0};

}  // namespace

double MpegFramesPerSecond(const MpegSequence& sequence) {
  const double base = kFrameRates[sequence.frameRateCode & 15];
  if (!sequence.mpeg2) return base;
  return base * (sequence.frameRateExtensionN + 1) / (sequence.frameRateExtensionD + 1);
}

void MpegVideoScanner::Feed(const std::uint8_t* data, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    const std::uint8_t byte = data[i];
    if (wanted_ != 0) {
      capture_[captured_++] = byte;
      if (captured_ == wanted_) Captured();
    }
    if ((recent_ & 0x00FFFFFF) == 0x000001) StartCode(byte);
    recent_ = (recent_ << 8) | byte;
  }
}

void MpegVideoScanner::StartCode(std::uint8_t code) {
  // A start code ends whatever was being collected; the byte itself is not part of it.
  captured_ = 0;
  wanted_ = 0;
  capturing_ = 0;
  switch (code) {
    case kPictureCode:
      ++pictures_;
      ++picturesSinceGroup_;
      return;
    case kSequenceCode: wanted_ = 8; break;
    case kExtensionCode: wanted_ = 6; break;
    case kGroupCode: wanted_ = 4; break;
    default: return;
  }
  capturing_ = code;
}

void MpegVideoScanner::Captured() {
  const std::uint8_t* b = capture_;
  if (capturing_ == kSequenceCode) {
    // Only the first sequence header counts; later ones repeat it.
    if (!sawSequence_) {
      sawSequence_ = true;
      sequence_.found = true;
      sequence_.width = (static_cast<std::uint32_t>(b[0]) << 4) | (b[1] >> 4);
      sequence_.height = (static_cast<std::uint32_t>(b[1] & 0x0F) << 8) | b[2];
      sequence_.frameRateCode = b[3] & 0x0F;
      const std::uint32_t rate = (static_cast<std::uint32_t>(b[4]) << 10) |
                                 (static_cast<std::uint32_t>(b[5]) << 2) | (b[6] >> 6);
      // 0x3FFFF marks a variable rate in MPEG-1; the unit is 400 bits per second.
      sequence_.bitRate = rate == 0x3FFFF ? 0 : rate * 400ull;
    }
  } else if (capturing_ == kExtensionCode) {
    // The sequence extension (identifier 1) that follows the first sequence header.
    if (sawSequence_ && (b[0] >> 4) == 1 && !sequence_.mpeg2) {
      sequence_.mpeg2 = true;
      const std::uint32_t widthExtension = ((b[1] & 0x01) << 1) | (b[2] >> 7);
      const std::uint32_t heightExtension = (b[2] >> 5) & 0x03;
      sequence_.width |= widthExtension << 12;
      sequence_.height |= heightExtension << 12;
      const std::uint32_t rateExtension = ((b[2] & 0x1F) << 7) | (b[3] >> 1);
      sequence_.bitRate += static_cast<std::uint64_t>(rateExtension) * (400ull << 18);
      sequence_.frameRateExtensionN = (b[5] >> 5) & 0x03;
      sequence_.frameRateExtensionD = b[5] & 0x1F;
    }
  } else if (capturing_ == kGroupCode) {
    const bool dropFrame = (b[0] & 0x80) != 0;
    const std::uint32_t hours = (b[0] >> 2) & 0x1F;
    const std::uint32_t minutes = ((b[0] & 0x03) << 4) | (b[1] >> 4);
    const std::uint32_t seconds = ((b[1] & 0x07) << 3) | (b[2] >> 5);
    const std::uint32_t frames = ((b[2] & 0x1F) << 1) | (b[3] >> 7);
    const double fps = MpegFramesPerSecond(sequence_);
    const std::uint64_t nominal = fps > 0 ? static_cast<std::uint64_t>(std::lround(fps)) : 25;
    const std::uint64_t totalMinutes = hours * 60ull + minutes;
    std::uint64_t frame = (totalMinutes * 60 + seconds) * nominal + frames;
    // Drop-frame time codes skip two numbers each minute except every tenth.
    if (dropFrame) {
      const std::uint64_t dropped = 2 * (totalMinutes - totalMinutes / 10);
      frame = frame > dropped ? frame - dropped : 0;
    }
    if (groups_ == 0) firstGroupFrame_ = frame;
    lastGroupFrame_ = frame;
    ++groups_;
    picturesSinceGroup_ = 0;
  }
  capturing_ = 0;
  wanted_ = 0;
  captured_ = 0;
}

}  // namespace bw
