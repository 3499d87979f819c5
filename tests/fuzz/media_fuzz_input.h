// Shared by the media fuzz targets: the input either as it is or, when its first byte is odd,
// behind the opening bytes of the format under test, so short runs reach past the magic
// numbers into the structures themselves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace bw::fuzzing {

inline std::string Le32(std::size_t n) {
  return std::string{static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
                     static_cast<char>((n >> 16) & 0xFF), static_cast<char>((n >> 24) & 0xFF)};
}

// `prefix(rest)` builds the opening bytes for the rest of the input.
template <typename Prefix>
std::string MediaInput(const uint8_t* data, std::size_t size, Prefix prefix) {
  if (size == 0) return {};
  const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  if ((data[0] & 1) == 0) return std::string(reinterpret_cast<const char*>(data), size);
  return prefix(rest) + rest;
}

}  // namespace bw::fuzzing
