// Disc identity: the table of contents, the whole-second lengths the catalogue matches on,
// the disc ID against an independent freedb computation and real freedb records, and the
// minutes:seconds text.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cd/current_disc_key.h"
#include "cd/disc_id.h"
#include "cd/format_seconds.h"
#include "cd/table_of_contents.h"

namespace bw {
namespace {

// Tracks as a drive reports them for a disc given by freedb frame offsets and lead-out.
std::vector<ReportedTrack> TracksFromOffsets(const std::vector<int32_t>& offsets, int32_t leadOut) {
  std::vector<ReportedTrack> tracks(offsets.size());
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    const int32_t end = i + 1 < offsets.size() ? offsets[i + 1] : leadOut;
    tracks[i].start = MsfFromFrames(offsets[i]);
    tracks[i].length = MsfFromFrames(end - offsets[i]);
  }
  return tracks;
}

// The freedb disc ID as the freedb documents compute it, straight from frame offsets.
uint32_t ReferenceDiscId(const std::vector<int32_t>& offsets, int32_t leadOut) {
  auto digitSum = [](int n) {
    int sum = 0;
    for (; n > 0; n /= 10) sum += n % 10;
    return sum;
  };
  int n = 0;
  for (int32_t offset : offsets) n += digitSum(offset / 75);
  const int t = leadOut / 75 - offsets[0] / 75;
  return (static_cast<uint32_t>(n % 0xff) << 24) | (static_cast<uint32_t>(t) << 8) |
         static_cast<uint32_t>(offsets.size());
}

TEST(DiscId, ThreeTrackExample) {
  // Starts 0:02:00, 4:10:37 and 9:00:00; the last track ends at 12:00:00.
  std::vector<ReportedTrack> tracks(3);
  tracks[0].start = {0, 2, 0};
  tracks[1].start = {4, 10, 37};
  tracks[2].start = {9, 0, 0};
  tracks[0].length = MsfFromFrames(FramesFromMsf(tracks[1].start) - FramesFromMsf(tracks[0].start));
  tracks[1].length = MsfFromFrames(FramesFromMsf(tracks[2].start) - FramesFromMsf(tracks[1].start));
  tracks[2].length = MsfFromFrames(FramesFromMsf({12, 0, 0}) - FramesFromMsf(tracks[2].start));
  const TableOfContents toc = BuildTableOfContents(tracks, false);
  EXPECT_EQ(toc.discLengthSeconds, 718);
  EXPECT_EQ(ComputeDiscId(toc), 0x1202ce03u);
  EXPECT_EQ(FormatDiscId(ComputeDiscId(toc)), "1202ce03");
}

TEST(DiscId, AgreesWithFreedbOnRandomDiscs) {
  std::mt19937 random(20240607);
  for (int round = 0; round < 2000; ++round) {
    const int count = std::uniform_int_distribution<int>(1, 99)(random);
    std::vector<int32_t> offsets;
    int32_t frame = std::uniform_int_distribution<int32_t>(0, 40000)(random);
    for (int i = 0; i < count; ++i) {
      offsets.push_back(frame);
      frame += std::uniform_int_distribution<int32_t>(1, 40000)(random);
    }
    const int32_t leadOut = frame;
    const TableOfContents toc = BuildTableOfContents(TracksFromOffsets(offsets, leadOut), false);
    ASSERT_EQ(ComputeDiscId(toc), ReferenceDiscId(offsets, leadOut))
        << "round " << round << ", " << count << " tracks, lead-out " << leadOut;
  }
}

TEST(DiscId, DigitSumWrapsAt255) {
  // 99 tracks a second apart from 1:38:21 on: their digit sums add up far beyond 255.
  std::vector<int32_t> offsets;
  for (int i = 0; i < 99; ++i) offsets.push_back((5901 + i) * 75);
  const TableOfContents toc = BuildTableOfContents(TracksFromOffsets(offsets, 6000 * 75), false);
  int n = 0;
  for (int32_t offset : offsets) {
    for (int s = offset / 75; s > 0; s /= 10) n += s % 10;
  }
  ASSERT_GE(n, 255);
  EXPECT_EQ(ComputeDiscId(toc) >> 24, static_cast<uint32_t>(n % 255));
  EXPECT_EQ(ComputeDiscId(toc), ReferenceDiscId(offsets, 6000 * 75));
}

TEST(DiscId, ModulusIs255Not256) {
  // Starts at 2 s (digit sum 2), nine starts with digit sum 27, then 8200 s (sum 10): 255,
  // which is 0 modulo 255 (modulo 256 it would stay 255).
  const std::vector<int> seconds = {2, 999, 1899, 2799, 3699, 4599, 5499, 6399, 7299, 8199, 8200};
  std::vector<int32_t> offsets;
  for (int s : seconds) offsets.push_back(s * 75);
  const TableOfContents toc = BuildTableOfContents(TracksFromOffsets(offsets, 8300 * 75), false);
  EXPECT_EQ(ComputeDiscId(toc), (0u << 24) | (8298u << 8) | 11u);
}

// Real freedb records: frame offsets, disc length and the DISCID the servers gave them.
struct FreedbRecord {
  std::vector<int32_t> offsets;
  int32_t discLengthSeconds = 0;
  std::string discId;
};

FreedbRecord ReadRecord(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  FreedbRecord record;
  std::string line;
  bool inOffsets = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find("Track frame offsets") != std::string::npos) {
      inOffsets = true;
      continue;
    }
    if (inOffsets) {
      // "#<blanks><digits>" holds one offset; anything else ends the list.
      const std::size_t digit = line.find_first_not_of("# \t");
      if (line.rfind("#", 0) == 0 && digit != std::string::npos &&
          line.find_first_not_of("0123456789", digit) == std::string::npos) {
        record.offsets.push_back(std::stoi(line.substr(digit)));
        continue;
      }
      if (line.find_first_not_of("# \t") == std::string::npos) continue;
      inOffsets = false;
    }
    const std::size_t length = line.find("Disc length:");
    if (length != std::string::npos) record.discLengthSeconds = std::stoi(line.substr(length + 12));
    if (line.rfind("DISCID=", 0) == 0) record.discId = line.substr(7, 8);
  }
  return record;
}

TEST(DiscId, MatchesRealFreedbRecords) {
  // The records whose DISCID was computed from their own offsets (a few in the collection
  // carry made-up IDs and are left out).
  const char* names[] = {
      "alrs+freedb__dbdump_7908090a",
      "peik+freedb-parser-sample__src_tdd_musicdb_data_12025d03.txt",
      "peik+freedb-parser-sample__src_tdd_musicdb_data_fd0b9912.txt",
      "pipian+rubyripper__features_testdata_disc_latinEncodedDisc_freedb",
      "pipian+rubyripper__features_testdata_disc_normalAudioDisc_freedb",
      "pipian+rubyripper__test_data_freedb_GB18030",
      "pipian+rubyripper__test_data_freedb_ISO88591",
      "pipian+rubyripper__test_data_freedb_disc003",
      "pipian+rubyripper__test_data_freedb_disc004",
      "pipian+rubyripper__test_data_freedb_disc006",
  };
  for (const char* name : names) {
    const FreedbRecord record =
        ReadRecord(std::string(BW_TESTDATA_DIR) + "/freedb/records/" + name);
    ASSERT_FALSE(record.offsets.empty()) << name;
    const TableOfContents toc = BuildTableOfContents(
        TracksFromOffsets(record.offsets, record.discLengthSeconds * 75), false);
    EXPECT_EQ(FormatDiscId(ComputeDiscId(toc)), record.discId) << name;
  }
}

TEST(TableOfContents, TrackCountIsCappedAt99) {
  std::vector<int32_t> offsets;
  for (int i = 0; i < 120; ++i) offsets.push_back(150 + i * 1500);
  const TableOfContents toc =
      BuildTableOfContents(TracksFromOffsets(offsets, 150 + 120 * 1500), false);
  EXPECT_EQ(toc.trackCount, 99);
  EXPECT_EQ(toc.pageCount, 7);
  EXPECT_EQ(toc.trackSeconds[98], 20);
  EXPECT_EQ(toc.trackSeconds[99], 0);
  EXPECT_EQ(toc.totalSeconds, 99 * 20);
  // The disc ends where the 99th track ends.
  EXPECT_EQ(toc.discLengthSeconds, (150 + 99 * 1500) / 75 - 2);
  EXPECT_EQ(ComputeDiscId(toc) & 0xFF, 99u);
}

TEST(TableOfContents, PageCountsOfFifteenButtons) {
  const struct {
    int tracks;
    int pages;
  } cases[] = {{0, 1}, {1, 1}, {15, 1}, {16, 2}, {20, 2}, {30, 2}, {31, 3}, {99, 7}};
  for (const auto& c : cases) EXPECT_EQ(PageCountForTracks(c.tracks), c.pages) << c.tracks;
}

TEST(TableOfContents, WholeSecondLengthsDropFrames) {
  // Lengths 3:59:74, 0:00:74 and 1:00:00.
  const std::vector<int32_t> offsets = {150, 150 + 17999, 150 + 17999 + 74};
  const TableOfContents toc =
      BuildTableOfContents(TracksFromOffsets(offsets, 150 + 17999 + 74 + 4500), false);
  EXPECT_EQ(toc.trackSeconds[0], 239);
  EXPECT_EQ(toc.trackSeconds[1], 0);
  EXPECT_EQ(toc.trackSeconds[2], 60);
  EXPECT_EQ(toc.totalSeconds, 299);
  EXPECT_FALSE(toc.lengthsRebuilt);
  EXPECT_EQ(toc.lengths[0], (Msf{3, 59, 74}));
  EXPECT_EQ(toc.starts[1], (Msf{4, 1, 74}));
}

TEST(TableOfContents, EmptyDisc) {
  const TableOfContents toc = BuildTableOfContents({}, false);
  EXPECT_EQ(toc.trackCount, 0);
  EXPECT_EQ(toc.totalSeconds, 0);
  EXPECT_EQ(toc.discLengthSeconds, 0);
  EXPECT_EQ(ComputeDiscId(toc), 0u);
}

TEST(TableOfContents, LastTrackOneFrameShortIsCorrectedForTheDiscLength) {
  // Lead-out on a whole second: a driver that ends the last track one frame early would
  // lose that second from the disc length and so from the disc ID.
  const std::vector<int32_t> offsets = {150, 20000, 40000};
  const int32_t leadOut = 75 * 800;
  std::vector<ReportedTrack> tracks = TracksFromOffsets(offsets, leadOut);
  tracks[2].length = MsfFromFrames(leadOut - 1 - offsets[2]);

  const TableOfContents corrected = BuildTableOfContents(tracks, true);
  EXPECT_EQ(ComputeDiscId(corrected), ReferenceDiscId(offsets, leadOut));
  // The catalogue key keeps the lengths as the drive reports them.
  EXPECT_EQ(corrected.trackSeconds[2], (leadOut - 1 - offsets[2]) / 75);

  const TableOfContents uncorrected = BuildTableOfContents(tracks, false);
  EXPECT_EQ(uncorrected.discLengthSeconds + 1, corrected.discLengthSeconds);
}

TEST(TableOfContents, LengthsRunningToTheDiscEndAreRebuilt) {
  // A drive that reports every track as running to the end of the disc.
  const std::vector<int32_t> offsets = {150, 150 + 200 * 75 + 30, 150 + 500 * 75 + 10};
  const int32_t leadOut = 150 + 740 * 75 + 50;
  std::vector<ReportedTrack> tracks = TracksFromOffsets(offsets, leadOut);
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    tracks[i].length = MsfFromFrames(leadOut - offsets[i]);
  }
  const TableOfContents toc = BuildTableOfContents(tracks, false);
  EXPECT_TRUE(toc.lengthsRebuilt);
  const int reported[] = {740, (leadOut - offsets[1]) / 75, (leadOut - offsets[2]) / 75};
  EXPECT_EQ(toc.trackSeconds[0], reported[0] - reported[1]);
  EXPECT_EQ(toc.trackSeconds[1], reported[1] - reported[2]);
  // The last track really does run to the end of the disc: it keeps its reported length.
  EXPECT_EQ(toc.trackSeconds[2], reported[2]);
  EXPECT_EQ(toc.totalSeconds, reported[0]);
  EXPECT_LE(toc.totalSeconds, toc.discLengthSeconds);
  // The disc ID does not depend on the lengths of the tracks before the last.
  EXPECT_EQ(ComputeDiscId(toc), ReferenceDiscId(offsets, leadOut));
}

TEST(TableOfContents, DamagedLengthsNeverGoNegative) {
  // Lengths that grow from track to track cannot be rebuilt into music; they become 0.
  std::vector<ReportedTrack> tracks(2);
  tracks[0] = {{0, 2, 0}, {10, 0, 0}};
  tracks[1] = {{0, 3, 0}, {20, 0, 0}};
  const TableOfContents toc = BuildTableOfContents(tracks, false);
  EXPECT_TRUE(toc.lengthsRebuilt);
  EXPECT_EQ(toc.trackSeconds[0], 0);
  EXPECT_EQ(toc.trackSeconds[1], 1200);
}

TEST(TableOfContents, EndBeforeStartMeasuresAsEmpty) {
  std::vector<ReportedTrack> tracks(2);
  tracks[0] = {{50, 0, 0}, {0, 1, 0}};
  tracks[1] = {{0, 2, 0}, {0, 1, 0}};
  const TableOfContents toc = BuildTableOfContents(tracks, false);
  EXPECT_EQ(toc.discLengthSeconds, 0);
}

TEST(CurrentDiscKey, CopiesCountTotalAndLengths) {
  const std::vector<int32_t> offsets = {150, 150 + 61 * 75 + 74, 150 + 200 * 75};
  const TableOfContents toc =
      BuildTableOfContents(TracksFromOffsets(offsets, 150 + 300 * 75 + 5), false);
  const DiscProfile key = CurrentDiscKey(toc);
  EXPECT_EQ(key.trackCount, 3);
  EXPECT_EQ(key.trackSeconds[0], 61);
  EXPECT_EQ(key.trackSeconds[1], 138);
  EXPECT_EQ(key.trackSeconds[2], 100);
  EXPECT_EQ(key.trackSeconds[3], 0);
  EXPECT_EQ(key.totalSeconds, 299);
  EXPECT_EQ(key.FirstTrackSeconds(), 61);
}

TEST(FormatSeconds, MinutesAndTwoDigitSeconds) {
  const struct {
    int32_t seconds;
    const char* text;
  } cases[] = {{0, "0:00"},    {5, "0:05"},     {59, "0:59"},    {60, "1:00"},  {75, "1:15"},
               {718, "11:58"}, {3600, "60:00"}, {5999, "99:59"}, {-5, "-0:05"}, {-75, "-1:15"}};
  for (const auto& c : cases) EXPECT_EQ(FormatSeconds(c.seconds), c.text) << c.seconds;
}

TEST(Msf, PackedFormsPutTheFirstFieldLowest) {
  EXPECT_EQ(PackMsf({4, 10, 37}), 0x250A04u);
  EXPECT_EQ(UnpackMsf(0x250A04u), (Msf{4, 10, 37}));
  EXPECT_EQ(PackTmsf({3, 1, 2, 30}), 0x1E020103u);
  EXPECT_EQ(UnpackTmsf(0x1E020103u), (Tmsf{3, 1, 2, 30}));
  EXPECT_EQ(FramesFromMsf(MsfFromFrames(18787)), 18787);
  EXPECT_EQ(MsfFromFrames(-5), (Msf{0, 0, 0}));
}

}  // namespace
}  // namespace bw
