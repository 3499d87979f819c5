// Digits without the C library's formatting, as the export builds them for every line.
#include "cddb/tool_texts.h"

#include <algorithm>
#include <cstring>

#include "cddb/cddb_texts.h"

namespace bw {

void AppendDecimal(std::uint64_t value, std::string* out) {
  char digits[20];
  char* end = digits + sizeof(digits);
  char* p = end;
  do {
    *--p = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  out->append(p, static_cast<std::size_t>(end - p));
}

void AppendMinutesSeconds(std::uint32_t seconds, std::string* out) {
  char text[16];
  char* end = text + sizeof(text);
  char* p = end;
  const std::uint32_t rest = seconds % 60;
  *--p = static_cast<char>('0' + rest % 10);
  *--p = static_cast<char>('0' + rest / 10);
  *--p = ':';
  std::uint32_t minutes = seconds / 60;
  do {
    *--p = static_cast<char>('0' + minutes % 10);
    minutes /= 10;
  } while (minutes != 0);
  out->append(p, static_cast<std::size_t>(end - p));
}

std::string MinutesSeconds(std::uint32_t seconds) {
  std::string text;
  AppendMinutesSeconds(seconds, &text);
  return text;
}

std::string CountText(std::uint32_t current, std::uint32_t total) {
  std::string text;
  AppendDecimal(current, &text);
  text += kTextCountSeparator;
  AppendDecimal(total, &text);
  return text;
}

void CountTextBuffer::Render(std::uint32_t current, std::uint32_t total) {
  std::string text;
  AppendDecimal(current, &text);
  digits_ = text.size();
  text += kTextCountSeparator;
  AppendDecimal(total, &text);
  size_ = std::min(text.size(), sizeof(text_));
  std::memcpy(text_, text.data(), size_);
}

std::string_view CountTextBuffer::Make(std::uint32_t current, std::uint32_t total) {
  const bool next = made_ && total == total_ && current == current_ + 1;
  current_ = current;
  total_ = total;
  made_ = true;
  if (!next) {
    Render(current, total);
    return std::string_view(text_, size_);
  }
  // Add one to the digits in place; only a carry out of the first digit needs a new text.
  std::size_t at = digits_;
  while (at > 0 && text_[at - 1] == '9') text_[--at] = '0';
  if (at == 0) {
    Render(current, total);
  } else {
    ++text_[at - 1];
  }
  return std::string_view(text_, size_);
}

}  // namespace bw
