// Small texts the catalogue tools build: minutes and seconds, and "n of total".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bw {

// Whole seconds as minutes, ":" and two-digit seconds, no leading zero: 75 -> "1:15",
// 5 -> "0:05", 65535 -> "1092:15". Appended to `out`.
void AppendMinutesSeconds(std::uint32_t seconds, std::string* out);
std::string MinutesSeconds(std::uint32_t seconds);

// Appends the decimal digits of `value`.
void AppendDecimal(std::uint64_t value, std::string* out);

// "5 of 120".
std::string CountText(std::uint32_t current, std::uint32_t total);

// The same text built in place, for the passes that report every entry without allocating.
// A pass counting up by one only steps the last digits of the text it made before.
class CountTextBuffer {
 public:
  std::string_view Make(std::uint32_t current, std::uint32_t total);

 private:
  void Render(std::uint32_t current, std::uint32_t total);

  char text_[40];
  std::size_t digits_ = 0;  // of the current number, at the start of text_
  std::size_t size_ = 0;
  std::uint32_t current_ = 0;
  std::uint32_t total_ = 0;
  bool made_ = false;
};

}  // namespace bw
