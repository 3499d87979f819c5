// The animation setup's bookkeeping: which places changed, the detail lines and the preview's
// place in its box.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "shell/animation_setup_model.h"

namespace {

const std::array<std::string, kNamedAnimationCount> kCurrent = {
    "Speaker Waves", "Bouncing Note", "Spinning Disc", "Paper Flight", "Signal Globe"};

TEST(AnimationSetupModel, OnlyPlacesGivenAnotherAnimationChange) {
  AnimationChoices choices(kCurrent);
  EXPECT_TRUE(choices.Changed().empty());
  choices.Choose(kAnimationCdPlayer, "Vinyl Record");
  choices.Choose(kAnimationSound, "Speaker Waves");  // picked again: unchanged
  choices.Choose(kAnimationInternet, "signal globe");  // names compare exactly
  EXPECT_EQ(choices.Changed(),
            (std::vector<AnimationPlace>{kAnimationCdPlayer, kAnimationInternet}));
  // Picking the first one back undoes the change.
  choices.Choose(kAnimationCdPlayer, "Spinning Disc");
  EXPECT_EQ(choices.Changed(), (std::vector<AnimationPlace>{kAnimationInternet}));
  EXPECT_EQ(choices.Chosen(kAnimationInternet), "signal globe");
}

TEST(AnimationSetupModel, AnEmptyPickIsNoChange) {
  AnimationChoices choices(kCurrent);
  choices.Choose(kAnimationMidi, "");
  EXPECT_TRUE(choices.Changed().empty());
}

TEST(AnimationSetupModel, DetailLines) {
  AnimationInfo info;
  info.author = "Brindlewax";
  info.colourDepthText = "256 Colors";
  info.frameWidth = 64;
  info.frameHeight = 32;
  info.frameCount = 12;
  AnimationDetailLines lines = DetailLinesOf(info);
  EXPECT_EQ(lines.author, "Author - Brindlewax");
  EXPECT_EQ(lines.colourDepth, "Color Depth - 256 Colors");
  EXPECT_EQ(lines.size, "Size - 64 x 32, 12 frames");
  info.frameCount = 1;
  info.author.clear();
  lines = DetailLinesOf(info);
  EXPECT_EQ(lines.author, "Author - ");
  EXPECT_EQ(lines.size, "Size - 64 x 32, 1 frame");
}

TEST(AnimationSetupModel, PreviewIsCentredTruncatingTowardsZero) {
  struct Case {
    int frameW, frameH, boxW, boxH, x, y;
  };
  const Case cases[] = {
      {48, 48, 90, 52, 21, 2},
      {47, 47, 50, 50, 1, 1},
      {64, 32, 64, 32, 0, 0},
      {100, 60, 90, 52, -5, -4},  // larger than the box: overhangs evenly
      {97, 59, 90, 52, -3, -3},
  };
  for (const Case& c : cases) {
    const PreviewPoint corner = PreviewCorner(c.frameW, c.frameH, c.boxW, c.boxH);
    EXPECT_EQ(corner.x, c.x) << c.frameW << "x" << c.frameH;
    EXPECT_EQ(corner.y, c.y) << c.frameW << "x" << c.frameH;
  }
}

}  // namespace
