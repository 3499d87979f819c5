// Disc positions: minutes, seconds and frames (75 frames a second), and the packed forms the
// drive uses for them (MSF: minute in the lowest byte; TMSF: track in the lowest byte).
#pragma once

#include <cstdint>

namespace bw {

inline constexpr int32_t kFramesPerSecond = 75;

struct Msf {
  int32_t minutes = 0;
  int32_t seconds = 0;
  int32_t frames = 0;
};

struct Tmsf {
  int32_t track = 0;
  int32_t minutes = 0;
  int32_t seconds = 0;
  int32_t frames = 0;
};

inline bool operator==(const Msf& a, const Msf& b) {
  return a.minutes == b.minutes && a.seconds == b.seconds && a.frames == b.frames;
}
inline bool operator!=(const Msf& a, const Msf& b) { return !(a == b); }
inline bool operator==(const Tmsf& a, const Tmsf& b) {
  return a.track == b.track && a.minutes == b.minutes && a.seconds == b.seconds &&
         a.frames == b.frames;
}
inline bool operator!=(const Tmsf& a, const Tmsf& b) { return !(a == b); }

inline int32_t FramesFromMsf(const Msf& msf) {
  return (msf.minutes * 60 + msf.seconds) * kFramesPerSecond + msf.frames;
}

// Whole seconds with the frames dropped, as the catalogue and the disc ID count them.
inline int32_t WholeSecondsOfMsf(const Msf& msf) { return msf.minutes * 60 + msf.seconds; }

// Frame counts are never negative on a disc; a negative count is clamped to zero.
inline Msf MsfFromFrames(int32_t frames) {
  if (frames < 0) frames = 0;
  Msf msf;
  msf.frames = frames % kFramesPerSecond;
  msf.seconds = (frames / kFramesPerSecond) % 60;
  msf.minutes = frames / (kFramesPerSecond * 60);
  return msf;
}

inline uint32_t PackMsf(const Msf& msf) {
  return (static_cast<uint32_t>(msf.minutes) & 0xFF) |
         ((static_cast<uint32_t>(msf.seconds) & 0xFF) << 8) |
         ((static_cast<uint32_t>(msf.frames) & 0xFF) << 16);
}

inline Msf UnpackMsf(uint32_t packed) {
  Msf msf;
  msf.minutes = static_cast<int32_t>(packed & 0xFF);
  msf.seconds = static_cast<int32_t>((packed >> 8) & 0xFF);
  msf.frames = static_cast<int32_t>((packed >> 16) & 0xFF);
  return msf;
}

inline uint32_t PackTmsf(const Tmsf& tmsf) {
  return (static_cast<uint32_t>(tmsf.track) & 0xFF) |
         ((static_cast<uint32_t>(tmsf.minutes) & 0xFF) << 8) |
         ((static_cast<uint32_t>(tmsf.seconds) & 0xFF) << 16) |
         ((static_cast<uint32_t>(tmsf.frames) & 0xFF) << 24);
}

inline Tmsf UnpackTmsf(uint32_t packed) {
  Tmsf tmsf;
  tmsf.track = static_cast<int32_t>(packed & 0xFF);
  tmsf.minutes = static_cast<int32_t>((packed >> 8) & 0xFF);
  tmsf.seconds = static_cast<int32_t>((packed >> 16) & 0xFF);
  tmsf.frames = static_cast<int32_t>((packed >> 24) & 0xFF);
  return tmsf;
}

}  // namespace bw
