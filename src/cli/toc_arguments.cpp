// Reading OFFSET... LEADOUT into a table of contents.
#include "cli/toc_arguments.h"

#include <cstdio>

namespace {

// Far beyond any disc, and small enough that no sum of frames overflows.
constexpr long kMaxFrame = 0xFFFFFF;

bool ParseFrame(const std::string& text, long* frame) {
  if (text.empty() || text.size() > 9) return false;
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value > kMaxFrame) return false;
  *frame = value;
  return true;
}

}  // namespace

bool ParseTocArguments(const std::vector<std::string>& words, bw::TableOfContents* toc,
                       std::string* error) {
  std::vector<long> frames;
  for (const std::string& word : words) {
    long frame = 0;
    if (!ParseFrame(word, &frame)) {
      *error = "\"" + word + "\" is not a frame number from 0 to " + std::to_string(kMaxFrame);
      return false;
    }
    if (!frames.empty() && frame <= frames.back()) {
      *error = "frame " + std::to_string(frame) + " does not come after frame " +
               std::to_string(frames.back());
      return false;
    }
    frames.push_back(frame);
  }
  if (frames.size() < 2) {
    *error = "give the offset of every track and the lead-out";
    return false;
  }
  const std::size_t trackCount = frames.size() - 1;
  if (trackCount > static_cast<std::size_t>(bw::kMaxCdTracks)) {
    *error = std::to_string(trackCount) + " tracks given; a disc holds at most " +
             std::to_string(bw::kMaxCdTracks);
    return false;
  }
  std::vector<bw::ReportedTrack> tracks(trackCount);
  for (std::size_t i = 0; i < trackCount; ++i) {
    tracks[i].start = bw::MsfFromFrames(static_cast<int32_t>(frames[i]));
    tracks[i].length = bw::MsfFromFrames(static_cast<int32_t>(frames[i + 1] - frames[i]));
  }
  *toc = bw::BuildTableOfContents(tracks, false);
  return true;
}
