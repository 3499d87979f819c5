// The media panels' position bar: its range and scale from the length of the playing file,
// the bar step a device position falls on, the device position a bar step stands for, and
// where the scroll bar's commands move it.
#pragma once

#include <cstdint>

namespace bw {

// Above this many units the bar keeps 1000 steps and each step stands for several units.
inline constexpr std::uint32_t kPositionBarSteps = 1000;
// A frame count above this would not fit the scroll bar's 16-bit thumb position.
inline constexpr std::uint32_t kLargestUnscaledFrameCount = 65535;

enum class BarScroll { kLineLeft, kLineRight, kPageLeft, kPageRight, kThumb, kLeft, kRight };

class PositionScale {
 public:
  // A length in milliseconds: up to 1000 one step per millisecond, above 1000 steps of
  // length / 1000.
  static PositionScale ForMilliseconds(std::uint32_t length);
  // A length in frames: one step per frame; a video of more frames than the thumb can carry
  // gets 1000 steps like a long time length.
  static PositionScale ForFrames(std::uint32_t frames);

  std::uint32_t Length() const { return length_; }
  int Maximum() const { return maximum_; }
  // Device units per bar step (0 before any file).
  float Scale() const { return scale_; }

  // The step a device position falls on, truncated and kept on the bar.
  int BarValue(std::uint32_t position) const;
  // The device position a step stands for, truncated.
  std::uint32_t Target(int barValue) const;
  // The step a scroll command moves `current` to: lines by 1, pages by 10, the thumb to
  // `thumb`, kept within 0..maximum.
  int Scrolled(int current, BarScroll scroll, int thumb) const;

 private:
  static PositionScale Scaled(std::uint32_t length);
  static PositionScale OneStepPerUnit(std::uint32_t length);

  std::uint32_t length_ = 0;
  int maximum_ = 0;
  float scale_ = 0.0f;
  bool scaled_ = false;
};

}  // namespace bw
