// The editor's writes: a save replaces the shown entry in place and nothing else, and neither
// a save nor a delete touches a catalogue whose entry at that index is no longer the one shown.
#include <gtest/gtest.h>

#include "cddb/editor_entry.h"
#include "cddb_database_test_support.h"

namespace bw {
namespace {

using testing::Append;
using testing::Catalogue;
using testing::FaultFileSystem;
using testing::NoFlushFiles;
using testing::ReadBytes;
using testing::RefEntry;
using testing::SampleEntry;
using testing::TempFolder;

class EditorEntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(db_.EnsureDatabaseFile().IsOk());
    for (int seed = 1; seed <= 3; ++seed) {
      entries_.push_back(SampleEntry(seed, 10 + seed));
      ASSERT_TRUE(Append(db_, entries_.back()).IsOk());
    }
  }

  std::string FileBytes() const { return ReadBytes(folder_.File("brindwax.dat")); }

  TempFolder folder_;
  Database db_{NoFlushFiles(), folder_.Path()};
  std::vector<RefEntry> entries_;
};

TEST_F(EditorEntryTest, SaveReplacesTheEntryInPlaceWithItsStoredProfile) {
  EditorEntry shown;
  ASSERT_TRUE(ReadEditorEntry(db_, 1, &shown).IsOk());
  EXPECT_EQ(shown.profile, testing::ProfileOf(entries_[1]));
  EXPECT_EQ(shown.titles->Get(0), entries_[1].tracks[0].first);

  TitleTable titles = *shown.titles;
  titles.Set(2, "A corrected title");
  EntryDetails details = shown.details;
  details.artist = "Corrected Artist";
  details.size = 0;
  ASSERT_EQ(SaveEditedEntry(db_, 1, titles, details, &shown), EditorWrite::kDone);

  RefEntry expected = entries_[1];
  expected.tracks[2].first = "A corrected title";
  expected.texts[0] = "Corrected Artist";
  expected.codes[2] = 0;
  const std::vector<RefEntry> now = Catalogue(db_);
  ASSERT_EQ(now.size(), 3u);
  EXPECT_TRUE(now[0] == entries_[0]);
  EXPECT_TRUE(now[1] == expected);
  EXPECT_TRUE(now[2] == entries_[2]);
  EXPECT_TRUE(db_.CheckDatabase().IsOk());
  // The shown entry is now what the file holds, so a second save goes ahead too.
  EXPECT_EQ(shown.details.artist, "Corrected Artist");
  details.label = "Second save";
  EXPECT_EQ(SaveEditedEntry(db_, 1, titles, details, &shown), EditorWrite::kDone);
  EXPECT_EQ(Catalogue(db_)[1].texts[3], "Second save");
}

TEST_F(EditorEntryTest, WritesRefuseAnEntryThatChangedSinceItWasShown) {
  EditorEntry shown;
  ASSERT_TRUE(ReadEditorEntry(db_, 1, &shown).IsOk());
  EditorEntry last;
  ASSERT_TRUE(ReadEditorEntry(db_, 2, &last).IsOk());
  // Another writer deletes the first entry: index 1 now holds the third disc.
  std::uint32_t first = 0;
  ASSERT_TRUE(db_.LocateEntry(0, &first).IsOk());
  ASSERT_TRUE(db_.DeleteEntry(first).IsOk());
  const std::string before = FileBytes();

  EntryDetails details = shown.details;
  details.artist = "Would overwrite the wrong disc";
  EXPECT_EQ(SaveEditedEntry(db_, 1, *shown.titles, details, &shown), EditorWrite::kEntryChanged);
  EXPECT_EQ(DeleteShownEntry(db_, 1, shown), EditorWrite::kEntryChanged);
  // The index of the shown last entry is now beyond the count.
  EXPECT_EQ(DeleteShownEntry(db_, 2, last), EditorWrite::kEntryChanged);
  EXPECT_EQ(FileBytes(), before);
}

TEST_F(EditorEntryTest, DeleteRemovesOnlyTheShownEntry) {
  EditorEntry shown;
  ASSERT_TRUE(ReadEditorEntry(db_, 2, &shown).IsOk());
  ASSERT_EQ(DeleteShownEntry(db_, 2, shown), EditorWrite::kDone);
  const std::vector<RefEntry> now = Catalogue(db_);
  ASSERT_EQ(now.size(), 2u);
  EXPECT_TRUE(now[0] == entries_[0]);
  EXPECT_TRUE(now[1] == entries_[1]);
  EXPECT_FALSE(ReadEditorEntry(db_, 2, &shown).IsOk());
}

TEST_F(EditorEntryTest, AFailedWriteReportsFailureAndLeavesTheCatalogue) {
  FaultFileSystem faults(NoFlushFiles());
  Database db(faults, folder_.Path());
  EditorEntry shown;
  ASSERT_TRUE(ReadEditorEntry(db, 0, &shown).IsOk());
  const std::string before = FileBytes();
  EntryDetails details = shown.details;
  details.notes = "never stored";
  for (int step = 1; step <= 3; ++step) {
    faults.Arm(FaultFileSystem::Fault::kFailFrom, step);
    EXPECT_EQ(SaveEditedEntry(db, 0, *shown.titles, details, &shown), EditorWrite::kFailed);
    EXPECT_EQ(DeleteShownEntry(db, 0, shown), EditorWrite::kFailed);
    faults.Disarm();
    ASSERT_TRUE(db.RecoverInterruptedSwap().IsOk());
    EXPECT_EQ(FileBytes(), before) << "failing from step " << step;
  }
}

}  // namespace
}  // namespace bw
