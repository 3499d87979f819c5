// The database information: figures from one pass, 64-bit sums, a missing file that stays
// missing, and the intact part of a damaged chain.
#include <string>
#include <vector>

#include "cddb/cddb_texts.h"
#include "cddb/database_info.h"
#include "cddb_database_test_support.h"

namespace bw {
namespace {

using testing::FileExists;
using testing::RefEntry;
using testing::RefFile;
using testing::SampleEntry;
using testing::TempFolder;
using testing::WriteBytes;

TEST(DatabaseInfoTest, AddsUpEntriesTracksAndPlayingTime) {
  TempFolder folder;
  const std::vector<RefEntry> entries = {SampleEntry(1, 12), SampleEntry(2, 0), SampleEntry(3, 99)};
  const std::string file = RefFile(entries);
  WriteBytes(folder.File("brindwax.dat"), file);
  Database db(DefaultFileSystem(), folder.Path());
  DatabaseInfo info;
  ASSERT_TRUE(ReadDatabaseInfo(db, &info).IsOk());
  EXPECT_TRUE(info.exists);
  EXPECT_FALSE(info.damaged);
  EXPECT_EQ(info.path, db.DataFilePath());
  EXPECT_EQ(info.sizeBytes, file.size());
  EXPECT_EQ(info.entries, 3u);
  EXPECT_EQ(info.tracks, 111u);
  EXPECT_EQ(info.totalSeconds, 0u + entries[0].totalSeconds + entries[1].totalSeconds +
                                   entries[2].totalSeconds);
  EXPECT_GE(info.modified.year, 2020);

  const auto lines = DatabaseInfoLines(info);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], std::make_pair(std::string(kTextInfoFile), db.DataFilePath()));
  EXPECT_EQ(lines[1].first, kTextInfoModified);
  EXPECT_EQ(lines[1].second, DateTimeText(info.modified));
  EXPECT_EQ(lines[3], std::make_pair(std::string(kTextInfoEntries), std::string("3")));
  EXPECT_EQ(lines[4], std::make_pair(std::string(kTextInfoTracks), std::string("111")));
}

TEST(DatabaseInfoTest, SumsBeyondThirtyTwoBits) {
  // 65,535 entries of 99 tracks and 65,535 seconds: 4,294,836,225 seconds in all, past what
  // 32 bits hold.
  TempFolder folder;
  RefEntry longest;
  for (int t = 0; t < 99; ++t) longest.tracks.push_back({"", 600});
  longest.totalSeconds = 65535;
  std::vector<RefEntry> entries(65535, longest);
  WriteBytes(folder.File("brindwax.dat"), RefFile(entries));
  Database db(DefaultFileSystem(), folder.Path());
  DatabaseInfo info;
  ASSERT_TRUE(ReadDatabaseInfo(db, &info).IsOk());
  EXPECT_EQ(info.entries, 65535u);
  EXPECT_EQ(info.tracks, 65535u * 99u);
  EXPECT_EQ(info.totalSeconds, 65535ull * 65535ull);
  const PlayingTime time = info.Playing();
  EXPECT_EQ(time.days, 49708u);
  EXPECT_EQ(time.hours, 18);
  EXPECT_EQ(time.minutes, 3);
  EXPECT_EQ(time.seconds, 45);
  EXPECT_EQ(DatabaseInfoLines(info)[5].second, "49708 Days, 18 Hours, 3 Minutes, 45 Seconds");
}

TEST(DatabaseInfoTest, AMissingFileGivesZerosAndStaysMissing) {
  TempFolder folder;
  Database db(DefaultFileSystem(), folder.Path());
  DatabaseInfo info;
  ASSERT_TRUE(ReadDatabaseInfo(db, &info).IsOk());
  EXPECT_FALSE(info.exists);
  EXPECT_EQ(info.entries + info.tracks + info.totalSeconds + info.sizeBytes, 0u);
  EXPECT_FALSE(FileExists(folder.File("brindwax.dat")));
  const auto lines = DatabaseInfoLines(info);
  EXPECT_EQ(lines[2].second, "0 bytes");
  EXPECT_EQ(lines.back().second, kTextInfoNoFile);
}

TEST(DatabaseInfoTest, ADamagedChainShowsItsIntactPart) {
  TempFolder folder;
  std::string file = RefFile({SampleEntry(1, 4), SampleEntry(2, 5), SampleEntry(3, 6)});
  file.resize(file.size() - 10);
  WriteBytes(folder.File("brindwax.dat"), file);
  Database db(DefaultFileSystem(), folder.Path());
  DatabaseInfo info;
  EXPECT_TRUE(ReadDatabaseInfo(db, &info).IsCorrupt());
  EXPECT_TRUE(info.damaged);
  EXPECT_EQ(info.headerCount, 3);
  EXPECT_EQ(info.entries, 2u);
  EXPECT_EQ(info.tracks, 9u);
  EXPECT_EQ(info.sizeBytes, file.size());
  EXPECT_EQ(DatabaseInfoLines(info).back().second,
            std::string(kTextInfoDamagedPrefix) + "2" + kTextInfoDamagedSuffix);
}

TEST(DatabaseInfoTest, TimesAndDurationsReadAsShown) {
  EXPECT_EQ(DateTimeText({2024, 5, 6, 7, 8, 9}), "2024-05-06 07:08:09");
  const PlayingTime time = SplitPlayingTime(86400 + 3600 * 23 + 60 * 59 + 59);
  EXPECT_EQ(time.days, 1u);
  EXPECT_EQ(time.hours, 23);
  EXPECT_EQ(time.minutes, 59);
  EXPECT_EQ(time.seconds, 59);
}

}  // namespace
}  // namespace bw
