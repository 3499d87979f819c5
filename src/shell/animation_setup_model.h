// The animation setup's bookkeeping: which animation each of the five places had when the
// dialog opened and which one the user picked since, the detail lines of an animation, and
// where its preview sits in the preview box.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "shell/animation_catalog.h"
#include "shell/settings.h"

class AnimationChoices {
 public:
  explicit AnimationChoices(const std::array<std::string, kNamedAnimationCount>& current);

  const std::string& Chosen(AnimationPlace place) const { return chosen_[place]; }
  void Choose(AnimationPlace place, const std::string& name) { chosen_[place] = name; }
  // The places whose pick differs from what they had (names compare exactly, as the
  // library's look-up does), in key order.
  std::vector<AnimationPlace> Changed() const;

 private:
  std::array<std::string, kNamedAnimationCount> original_;
  std::array<std::string, kNamedAnimationCount> chosen_;
};

// "Author - ...", "Color Depth - ..." and "Size - 48 x 48, 12 frames".
struct AnimationDetailLines {
  std::string author;
  std::string colourDepth;
  std::string size;
};
AnimationDetailLines DetailLinesOf(const AnimationInfo& info);

struct PreviewPoint {
  int x = 0;
  int y = 0;
};
// The corner that centres a frame in the box (half the difference, truncated towards zero;
// a frame larger than the box overhangs it evenly and is clipped by the box).
PreviewPoint PreviewCorner(int frameWidth, int frameHeight, int boxWidth, int boxHeight);
