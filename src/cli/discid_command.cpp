// brindwax-cli discid [--verbose] OFFSET... LEADOUT: the freedb disc ID of a table of contents
// given as frame offsets of the track starts (two-second lead-in included) and the lead-out.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cd/disc_id.h"
#include "cd/table_of_contents.h"
#include "cli/commands.h"
#include "cli/toc_arguments.h"

namespace {

void PrintUsage() {
  std::fprintf(stderr,
               "usage: brindwax-cli discid [--verbose] OFFSET... LEADOUT\n"
               "  OFFSET  frame of each track's start, lead-in included (150 for 0:02:00)\n"
               "  LEADOUT frame where the disc ends\n");
}

}  // namespace

int RunDiscIdCommand(int argc, char** argv) {
  bool verbose = false;
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--verbose") == 0 || std::strcmp(argv[i], "-v") == 0) {
      verbose = true;
      continue;
    }
    words.push_back(argv[i]);
  }
  if (words.size() < 2) {
    PrintUsage();
    return 2;
  }
  bw::TableOfContents toc;
  std::string error;
  if (!ParseTocArguments(words, &toc, &error)) {
    std::fprintf(stderr, "discid: %s\n", error.c_str());
    return 2;
  }
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
