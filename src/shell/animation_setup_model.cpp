// The animation setup's bookkeeping.
#include "shell/animation_setup_model.h"

#include "shell/options_texts.h"

AnimationChoices::AnimationChoices(const std::array<std::string, kNamedAnimationCount>& current)
    : original_(current), chosen_(current) {}

std::vector<AnimationPlace> AnimationChoices::Changed() const {
  std::vector<AnimationPlace> changed;
  for (int place = 0; place < kNamedAnimationCount; ++place) {
    if (!chosen_[place].empty() && chosen_[place] != original_[place]) {
      changed.push_back(static_cast<AnimationPlace>(place));
    }
  }
  return changed;
}

AnimationDetailLines DetailLinesOf(const AnimationInfo& info) {
  AnimationDetailLines lines;
  lines.author = std::string(kTextAuthorPrefix) + info.author;
  lines.colourDepth = std::string(kTextColourDepthPrefix) + info.colourDepthText;
  lines.size = std::string(kTextAnimationSizePrefix) + std::to_string(info.frameWidth) + " x " +
               std::to_string(info.frameHeight) + ", " + std::to_string(info.frameCount) +
               (info.frameCount == 1 ? kTextOneFrameSuffix : kTextFramesSuffix);
  return lines;
}

PreviewPoint PreviewCorner(int frameWidth, int frameHeight, int boxWidth, int boxHeight) {
  return PreviewPoint{(boxWidth - frameWidth) / 2, (boxHeight - frameHeight) / 2};
}
