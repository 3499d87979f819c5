// Multi-byte numbers of the media formats: big-endian for MPEG, MIDI and QuickTime,
// little-endian for RIFF. Callers check the bounds first.
#pragma once

#include <cstdint>

namespace bw {

inline std::uint16_t Be16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}
inline std::uint32_t Be24(const std::uint8_t* p) {
  return (static_cast<std::uint32_t>(p[0]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[2];
}
inline std::uint32_t Be32(const std::uint8_t* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
         (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}
inline std::uint64_t Be64(const std::uint8_t* p) {
  return (static_cast<std::uint64_t>(Be32(p)) << 32) | Be32(p + 4);
}
inline std::uint16_t Le16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t Le32(const std::uint8_t* p) {
  return p[0] | (static_cast<std::uint32_t>(p[1]) << 8) | (static_cast<std::uint32_t>(p[2]) << 16) |
         (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::uint64_t Le64(const std::uint8_t* p) {
  return Le32(p) | (static_cast<std::uint64_t>(Le32(p + 4)) << 32);
}

// Four bytes as a chunk or atom name ("RIFF", "moov").
inline bool IsFourCc(const std::uint8_t* p, const char* name) {
  return p[0] == static_cast<std::uint8_t>(name[0]) && p[1] == static_cast<std::uint8_t>(name[1]) &&
         p[2] == static_cast<std::uint8_t>(name[2]) && p[3] == static_cast<std::uint8_t>(name[3]);
}

}  // namespace bw
