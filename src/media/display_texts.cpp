// Numbers with their unit words for the information dialogs.
#include "media/display_texts.h"

#include <cmath>

#include "media/media_texts.h"
#include "shell/text_helpers.h"

namespace bw {

std::string KbpsText(int kbps) { return std::to_string(kbps) + kTextKbpsSuffix; }

std::string HzText(std::uint32_t hz) { return std::to_string(hz) + kTextHzSuffix; }

std::string LengthText(std::uint64_t milliseconds) {
  return TimeText(milliseconds) + " " + UnitWord(milliseconds);
}

std::string FramesText(std::uint64_t frames) {
  return CountText(frames, kTextFrameSuffix, kTextFramesSuffix);
}

std::string PixelsText(std::uint32_t width, std::uint32_t height) {
  return std::to_string(width) + kTextPixelsBetween + std::to_string(height) + kTextPixelsSuffix;
}

std::string FrameRateText(double framesPerSecond) {
  return DecimalText(framesPerSecond) + kTextFpsSuffix;
}

std::string BpmText(double beatsPerMinute) { return DecimalText(beatsPerMinute) + kTextBpmSuffix; }

std::string CountText(std::uint64_t count, const char* singular, const char* plural) {
  return std::to_string(count) + (count == 1 ? singular : plural);
}

std::string DecimalText(double value) {
  if (!(value > 0)) return "0";  // also NaN
  if (value > 1e15) value = 1e15;
  const auto hundredths = static_cast<std::uint64_t>(std::llround(value * 100));
  std::string text = std::to_string(hundredths / 100);
  const unsigned fraction = static_cast<unsigned>(hundredths % 100);
  if (fraction != 0) {
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
  }
  return text;
}

}  // namespace bw
