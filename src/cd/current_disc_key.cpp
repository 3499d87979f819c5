// Copies the table of contents into the catalogue's disc profile.
#include "cd/current_disc_key.h"

#include <algorithm>

namespace bw {

DiscProfile CurrentDiscKey(const TableOfContents& toc) {
  DiscProfile profile;
  profile.trackCount = std::clamp(toc.trackCount, 0, static_cast<int>(profile.trackSeconds.size()));
  profile.totalSeconds = static_cast<std::uint16_t>(toc.totalSeconds);
  for (int i = 0; i < profile.trackCount; ++i) {
    profile.trackSeconds[i] = static_cast<std::uint16_t>(toc.trackSeconds[i]);
  }
  return profile;
}

}  // namespace bw
