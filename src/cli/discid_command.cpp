// brindwax-cli discid [--verbose] OFFSET... LEADOUT: the freedb disc ID of a table of contents
// given as frame offsets of the track starts (two-second lead-in included) and the lead-out.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cd/disc_id.h"
#include "cd/table_of_contents.h"
#include "cli/commands.h"

namespace {

// Far beyond any disc, and small enough that no sum of frames overflows.
constexpr long kMaxFrame = 0xFFFFFF;

void PrintUsage() {
  std::fprintf(stderr,
               "usage: brindwax-cli discid [--verbose] OFFSET... LEADOUT\n"
               "  OFFSET  frame of each track's start, lead-in included (150 for 0:02:00)\n"
               "  LEADOUT frame where the disc ends\n");
}

bool ParseFrame(const char* text, long* frame) {
  if (*text == '\0' || std::strlen(text) > 9) return false;
  long value = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') return false;
    value = value * 10 + (*p - '0');
  }
  if (value > kMaxFrame) return false;
  *frame = value;
  return true;
}

}  // namespace

int RunDiscIdCommand(int argc, char** argv) {
  bool verbose = false;
  std::vector<long> frames;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--verbose") == 0 || std::strcmp(argv[i], "-v") == 0) {
      verbose = true;
      continue;
    }
    long frame = 0;
    if (!ParseFrame(argv[i], &frame)) {
      std::fprintf(stderr, "discid: \"%s\" is not a frame number from 0 to %ld\n", argv[i],
                   kMaxFrame);
      return 2;
    }
    if (!frames.empty() && frame <= frames.back()) {
      std::fprintf(stderr, "discid: frame %ld does not come after frame %ld\n", frame,
                   frames.back());
      return 2;
    }
    frames.push_back(frame);
  }
  if (frames.size() < 2) {
    PrintUsage();
    return 2;
  }
  const std::size_t trackCount = frames.size() - 1;
  if (trackCount > static_cast<std::size_t>(bw::kMaxCdTracks)) {
    std::fprintf(stderr, "discid: %zu tracks given; a disc holds at most %d\n", trackCount,
                 bw::kMaxCdTracks);
    return 2;
  }

  std::vector<bw::ReportedTrack> tracks(trackCount);
  for (std::size_t i = 0; i < trackCount; ++i) {
    tracks[i].start = bw::MsfFromFrames(static_cast<int32_t>(frames[i]));
    tracks[i].length = bw::MsfFromFrames(static_cast<int32_t>(frames[i + 1] - frames[i]));
  }
  const bw::TableOfContents toc = bw::BuildTableOfContents(tracks, false);
  std::printf("%s\n", bw::FormatDiscId(bw::ComputeDiscId(toc)).c_str());
  if (verbose) {
    std::printf("track count: %d\n", toc.trackCount);
    for (int i = 0; i < toc.trackCount; ++i) {
      std::printf("track %d seconds: %d\n", i + 1, static_cast<int>(toc.trackSeconds[i]));
    }
    std::printf("total playing time: %d\n", static_cast<int>(toc.totalSeconds));
    std::printf("disc length: %d\n", static_cast<int>(toc.discLengthSeconds));
  }
  return 0;
}
