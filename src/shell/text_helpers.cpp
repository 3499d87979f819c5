// Durations and byte counts as the program shows them.
#include "shell/text_helpers.h"

#include "shell/texts.h"

namespace bw {

std::string TimeText(uint64_t milliseconds) {
  const uint64_t hours = milliseconds / 3600000;
  const uint64_t minutes = milliseconds / 60000 % 60;
  const uint64_t seconds = milliseconds / 1000 % 60;
  const uint64_t millis = milliseconds % 1000;
  // The figure's digits, with separators where the parts meet.
  const uint64_t figure = hours * 10000000 + minutes * 100000 + seconds * 1000 + millis;
  const std::string digits = std::to_string(figure);

  std::string text;
  const std::size_t count = digits.size();
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t fromRight = count - i;
    if (i > 0 && fromRight == 7 && figure >= 10000000) text += ':';
    if (i > 0 && fromRight == 5 && figure >= 100000) text += ':';
    if (i > 0 && fromRight == 3 && milliseconds >= 1000) text += '.';
    text += digits[i];
  }
  return text;
}

const char* UnitWord(uint64_t milliseconds) {
  if (milliseconds <= 999) return kTextUnitMilliseconds;
  if (milliseconds <= 59999) return kTextUnitSeconds;
  if (milliseconds <= 3599999) return kTextUnitMinutes;
  return kTextUnitHours;
}

std::string ByteCountText(uint64_t bytes) {
  const std::string digits = std::to_string(bytes);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text + kTextBytesSuffix;
}

}  // namespace bw
