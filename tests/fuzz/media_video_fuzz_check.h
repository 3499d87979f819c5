// What every video reading must keep to, whatever the bytes: texts agree with the numbers.
#pragma once

#include <cstdlib>

#include "media/video_info.h"

namespace bw::fuzzing {

inline void CheckVideo(const VideoInfo& info) {
  if (info.container == VideoContainer::kUnknown && !info.format.empty()) std::abort();
  if (!info.frameSize.empty() && (info.width == 0 || info.height == 0)) std::abort();
  if (info.framesKnown == info.framesText.empty()) std::abort();
  if (info.durationKnown == info.length.empty()) std::abort();
}

}  // namespace bw::fuzzing
