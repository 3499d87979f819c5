// Digits without the C library's formatting, as the export builds them for every line.
#include "cddb/tool_texts.h"

#include <algorithm>
#include <cstring>

#include "cddb/cddb_texts.h"

namespace bw {

void AppendDecimal(std::uint64_t value, std::string* out) {
  char digits[20];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (count > 0) out->push_back(digits[--count]);
}

void AppendMinutesSeconds(std::uint32_t seconds, std::string* out) {
  AppendDecimal(seconds / 60, out);
  out->push_back(':');
  out->push_back(static_cast<char>('0' + seconds % 60 / 10));
  out->push_back(static_cast<char>('0' + seconds % 10));
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
