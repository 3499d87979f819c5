// Range, scale and steps of the media panels' position bar.
#include "media/position_scale.h"

#include <algorithm>

namespace bw {

PositionScale PositionScale::Scaled(std::uint32_t length) {
  PositionScale scale;
  scale.length_ = length;
  scale.maximum_ = static_cast<int>(kPositionBarSteps);
  scale.scale_ = static_cast<float>(length) / kPositionBarSteps;
  scale.scaled_ = true;
  return scale;
}

PositionScale PositionScale::OneStepPerUnit(std::uint32_t length) {
  PositionScale scale;
  scale.length_ = length;
  scale.maximum_ = static_cast<int>(length);
  scale.scale_ = 1.0f;
  return scale;
}

PositionScale PositionScale::ForMilliseconds(std::uint32_t length) {
  return length > kPositionBarSteps ? Scaled(length) : OneStepPerUnit(length);
}

PositionScale PositionScale::ForFrames(std::uint32_t frames) {
  return frames > kLargestUnscaledFrameCount ? Scaled(frames) : OneStepPerUnit(frames);
}

// Scaled steps are worked out in whole numbers: a length times 0.001 in floating point is a
// shade off, and half of 90 seconds would fall on step 499.
int PositionScale::BarValue(std::uint32_t position) const {
  if (maximum_ <= 0) return 0;
  const std::uint64_t step =
      scaled_ ? std::uint64_t{position} * kPositionBarSteps / length_ : std::uint64_t{position};
  return static_cast<int>(std::min<std::uint64_t>(step, static_cast<std::uint64_t>(maximum_)));
}

std::uint32_t PositionScale::Target(int barValue) const {
  const int step = std::clamp(barValue, 0, maximum_);
  if (!scaled_) return static_cast<std::uint32_t>(step);
  return static_cast<std::uint32_t>(std::uint64_t{static_cast<std::uint32_t>(step)} * length_ /
                                    kPositionBarSteps);
}

int PositionScale::Scrolled(int current, BarScroll scroll, int thumb) const {
  int value = current;
  switch (scroll) {
    case BarScroll::kLineLeft: value = current - 1; break;
    case BarScroll::kLineRight: value = current + 1; break;
    case BarScroll::kPageLeft: value = current - 10; break;
    case BarScroll::kPageRight: value = current + 10; break;
    case BarScroll::kThumb: value = thumb; break;
    case BarScroll::kLeft: value = 0; break;
    case BarScroll::kRight: value = maximum_; break;
  }
  return std::clamp(value, 0, maximum_);
}

}  // namespace bw
