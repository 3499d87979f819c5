// Small texts the catalogue tools build: minutes and seconds, and "n of total".
#pragma once

#include <cstdint>
#include <string>

namespace bw {

// Whole seconds as minutes, ":" and two-digit seconds, no leading zero: 75 -> "1:15",
// 5 -> "0:05", 65535 -> "1092:15". Appended to `out`.
void AppendMinutesSeconds(std::uint32_t seconds, std::string* out);
std::string MinutesSeconds(std::uint32_t seconds);

// Appends the decimal digits of `value`.
void AppendDecimal(std::uint64_t value, std::string* out);

// "5 of 120".
std::string CountText(std::uint32_t current, std::uint32_t total);

}  // namespace bw
