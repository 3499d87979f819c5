// The catalogue file against an independent writer of its format: exact bytes after
// adds, replaces, deletes and sorts; lookups; field readers; refusals.
#include <algorithm>
#include <cstring>
#include <functional>
#include <random>

#include "cddb/catalogue_generation.h"
#include "cddb/database_format.h"
#include "cddb_database_test_support.h"

namespace bw {
namespace {

using testing::Append;
using testing::Catalogue;
using testing::DetailsOf;
using testing::FileExists;
using testing::ProfileOf;
using testing::ReadBytes;
using testing::RefEntry;
using testing::RefFile;
using testing::SampleEntry;
using testing::TempFolder;
using testing::TitlesOf;
using testing::WriteBytes;

class DatabaseTest : public ::testing::Test {
 protected:
  std::string DataFile() const { return folder_.File("brindwax.dat"); }
  void Store(const std::vector<RefEntry>& entries) { WriteBytes(DataFile(), RefFile(entries)); }
  void ExpectFileHolds(const std::vector<RefEntry>& entries) {
    EXPECT_EQ(ReadBytes(DataFile()), RefFile(entries));
    EXPECT_FALSE(FileExists(folder_.File("brindwax.new")));
    EXPECT_FALSE(FileExists(folder_.File("brindwax.dbk")));
  }

  TempFolder folder_;
  Database db_{DefaultFileSystem(), folder_.Path()};
  Database unflushed_{testing::NoFlushFiles(), folder_.Path()};
};

TEST_F(DatabaseTest, FirstLookupCreatesAnEmptyFile) {
  std::uint16_t count = 99;
  EXPECT_TRUE(db_.CountEntries(&count).IsNotFound());
  EXPECT_EQ(count, 0);
  std::uint32_t offset = 1;
  EXPECT_TRUE(db_.FindEntryByProfile(ProfileOf(SampleEntry(1)), &offset).IsNotFound());
  EXPECT_EQ(offset, 0u);
  EXPECT_EQ(ReadBytes(DataFile()), std::string("\xFFTQL\x00\x0A\x00\x00", 8));
  EXPECT_TRUE(db_.CountEntries(&count).IsOk());
  EXPECT_EQ(count, 0);
}

TEST_F(DatabaseTest, EnsureKeepsAFileAndMendsOnlyOneTooShortForItsHeader) {
  Store({SampleEntry(1)});
  ASSERT_TRUE(db_.EnsureDatabaseFile().IsOk());
  ExpectFileHolds({SampleEntry(1)});
  for (std::size_t size = 0; size < 8; ++size) {
    WriteBytes(DataFile(), std::string("\xFFTQL\x00\x0A\x00", size));
    ASSERT_TRUE(db_.EnsureDatabaseFile().IsOk()) << size;
    EXPECT_EQ(ReadBytes(DataFile()), RefFile({})) << size;
  }
}

TEST_F(DatabaseTest, AppendsWriteExactlyTheFormat) {
  RefEntry noTracks = SampleEntry(5, 0);
  RefEntry empty;  // every text empty: one zero length byte each
  RefEntry largest = SampleEntry(7, 99);
  for (auto& track : largest.tracks) track.first = std::string(255, 'x');
  for (auto& text : largest.texts) text = std::string(255, '\xE4');
  largest.year = std::string(255, '9');
  largest.codes[0] = 7;  // codes are stored as given
  const std::vector<RefEntry> entries = {SampleEntry(1), noTracks, empty, largest, SampleEntry(2)};

  ASSERT_TRUE(db_.EnsureDatabaseFile().IsOk());
  for (const RefEntry& e : entries) ASSERT_TRUE(Append(db_, e).IsOk());
  ExpectFileHolds(entries);
  EXPECT_EQ(RefFile({largest}).size(), 8 + dbformat::kMaxEntrySize);
  EXPECT_EQ(Catalogue(db_), entries);
}

// A long random mix of edits, each checked byte for byte against the reference writer.
TEST_F(DatabaseTest, EditsKeepTheFileExactlyAsTheReferenceWritesIt) {
  std::mt19937 random(2024);
  std::vector<RefEntry> model;
  Database& db_ = unflushed_;
  ASSERT_TRUE(db_.EnsureDatabaseFile().IsOk());
  for (int step = 0; step < 120; ++step) {
    const int choice = static_cast<int>(random() % 10);
    const int tracks = static_cast<int>(random() % 20);
    if (model.empty() || choice < 4) {
      model.push_back(SampleEntry(step, tracks));
      ASSERT_TRUE(Append(db_, model.back()).IsOk());
    } else if (choice < 6) {
      const auto index = static_cast<std::uint16_t>(random() % model.size());
      std::uint32_t offset = 0;
      ASSERT_TRUE(db_.LocateEntry(index, &offset).IsOk());
      ASSERT_TRUE(db_.DeleteEntry(offset).IsOk());
      model.erase(model.begin() + index);
    } else if (choice < 9) {
      const auto index = static_cast<std::uint16_t>(random() % model.size());
      model[index] = SampleEntry(1000 + step, tracks);
      ASSERT_TRUE(db_.ReplaceEntry(index, ProfileOf(model[index]), *TitlesOf(model[index]),
                                   DetailsOf(model[index]))
                      .IsOk());
    } else {
      std::vector<std::uint16_t> order(model.size());
      for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<std::uint16_t>(i);
      std::shuffle(order.begin(), order.end(), random);
      std::vector<RefEntry> sorted;
      for (std::uint16_t i : order) sorted.push_back(model[i]);
      ASSERT_TRUE(db_.RebuildInOrder(order).IsOk());
      model = sorted;
    }
    ASSERT_NO_FATAL_FAILURE(ExpectFileHolds(model)) << "after step " << step;
  }
}

// Files larger than the writer's and the reader's buffers: entries straddle their blocks.
TEST_F(DatabaseTest, LargeFilesAreRewrittenExactly) {
  std::vector<RefEntry> model;
  for (int i = 0; i < 700; ++i) model.push_back(SampleEntry(i, 99));
  Store(model);
  ASSERT_GT(ReadBytes(DataFile()).size(), 1024u * 1024);
  ASSERT_TRUE(db_.DeleteEntry(8).IsOk());
  model.erase(model.begin());
  ExpectFileHolds(model);
  std::vector<std::uint16_t> order;
  for (int i = 698; i >= 0; --i) order.push_back(static_cast<std::uint16_t>(i));
  ASSERT_TRUE(db_.RebuildInOrder(order).IsOk());
  std::reverse(model.begin(), model.end());
  ExpectFileHolds(model);
  std::uint32_t offset = 0;
  ASSERT_TRUE(db_.FindEntryByProfile(ProfileOf(model.front()), &offset).IsOk());
  EXPECT_EQ(offset, 8u);
}

TEST_F(DatabaseTest, DeletingTheLastEntryKeepsEverythingBeforeIt) {
  Store({SampleEntry(1), SampleEntry(2), SampleEntry(3)});
  const std::string before = ReadBytes(DataFile());
  std::uint32_t offset = 0;
  ASSERT_TRUE(db_.LocateEntry(2, &offset).IsOk());
  ASSERT_TRUE(db_.DeleteEntry(offset).IsOk());
  std::string expected = before.substr(0, offset);
  expected[6] = 2;
  EXPECT_EQ(ReadBytes(DataFile()), expected);
}

TEST_F(DatabaseTest, LocateFollowsTheChain) {
  const std::vector<RefEntry> entries = {SampleEntry(1, 3), SampleEntry(2, 0), SampleEntry(3, 40)};
  Store(entries);
  std::uint32_t expected = 8;
  for (std::uint16_t i = 0; i < entries.size(); ++i) {
    std::uint32_t offset = 0;
    ASSERT_TRUE(db_.LocateEntry(i, &offset).IsOk());
    EXPECT_EQ(offset, expected);
    expected = static_cast<std::uint32_t>(RefFile({entries.begin(), entries.begin() + i + 1}).size());
  }
  std::uint32_t offset = 5;
  EXPECT_TRUE(db_.LocateEntry(3, &offset).IsNotFound());
  EXPECT_EQ(offset, 0u);
}

TEST_F(DatabaseTest, LookupNeedsTheWholeProfileAndTheFirstMatchWins) {
  RefEntry a = SampleEntry(1, 4);
  RefEntry twin = a;
  twin.texts[0] = "Second copy";
  RefEntry fewerTracks = a;
  fewerTracks.tracks.pop_back();
  fewerTracks.totalSeconds = a.totalSeconds;  // same total, one track less
  Store({SampleEntry(9), fewerTracks, a, twin});
  std::uint32_t offsetOfA = 0;
  ASSERT_TRUE(db_.LocateEntry(2, &offsetOfA).IsOk());

  std::uint32_t offset = 0;
  ASSERT_TRUE(db_.FindEntryByProfile(ProfileOf(a), &offset).IsOk());
  EXPECT_EQ(offset, offsetOfA);

  struct Variation {
    const char* name;
    void (*change)(DiscProfile&);
  };
  const Variation variations[] = {
      {"one more track", [](DiscProfile& p) { p.trackCount++; }},
      {"total", [](DiscProfile& p) { p.totalSeconds++; }},
      {"first track", [](DiscProfile& p) { p.trackSeconds[0]++; }},
      {"last track", [](DiscProfile& p) { p.trackSeconds[p.trackCount - 1]++; }},
      {"middle track", [](DiscProfile& p) { p.trackSeconds[1]--; }},
  };
  for (const Variation& v : variations) {
    DiscProfile profile = ProfileOf(a);
    v.change(profile);
    EXPECT_TRUE(db_.FindEntryByProfile(profile, &offset).IsNotFound()) << v.name;
    EXPECT_EQ(offset, 0u) << v.name;
  }
}

TEST_F(DatabaseTest, FieldReadersReturnEachField) {
  RefEntry e = SampleEntry(3, 14);
  e.tracks[13].first = "";
  Store({SampleEntry(1), e});
  std::uint32_t offset = 0;
  ASSERT_TRUE(db_.LocateEntry(1, &offset).IsOk());

  auto titles = std::make_unique<TitleTable>();
  titles->Set(40, "stale title of another disc");
  EntryDetails details;
  ASSERT_TRUE(db_.ReadEntry(offset, titles.get(), &details).IsOk());
  EXPECT_EQ(details, DetailsOf(e));
  auto expected = TitlesOf(e);
  EXPECT_EQ(std::memcmp(titles->slots, expected->slots, sizeof(titles->slots)), 0);

  DiscProfile profile;
  ASSERT_TRUE(db_.ReadEntryProfile(offset, &profile).IsOk());
  EXPECT_EQ(profile, ProfileOf(e));
  std::string text;
  ASSERT_TRUE(db_.ReadEntryArtist(offset, &text).IsOk());
  EXPECT_EQ(text, e.texts[0]);
  ASSERT_TRUE(db_.ReadEntryDiscName(offset, &text).IsOk());
  EXPECT_EQ(text, e.texts[1]);
  ASSERT_TRUE(db_.ReadEntryTrackTitle(offset, 1, &text).IsOk());
  EXPECT_EQ(text, e.tracks[0].first);
  ASSERT_TRUE(db_.ReadEntryTrackTitle(offset, 13, &text).IsOk());
  EXPECT_EQ(text, e.tracks[12].first);
  for (int track : {0, 14, 15, 100}) {
    text = "x";
    ASSERT_TRUE(db_.ReadEntryTrackTitle(offset, track, &text).IsOk());
    EXPECT_EQ(text, "") << track;
  }
  EXPECT_TRUE(db_.ReadEntry(offset + 1, titles.get(), &details).IsCorrupt());
  EXPECT_FALSE(db_.ReadEntryArtist(3, &text).IsOk());
}

TEST_F(DatabaseTest, CurrentDiscHelpersUseTheDiscInTheDrive) {
  RefEntry e = SampleEntry(4, 5);
  Store({SampleEntry(1), e});
  EXPECT_EQ(db_.CurrentDiscCaption(ProfileOf(e)), e.texts[0] + " - " + e.texts[1]);
  EXPECT_EQ(db_.CurrentDiscTrackTitle(ProfileOf(e), 5), e.tracks[4].first);
  EXPECT_EQ(db_.CurrentDiscTrackTitle(ProfileOf(e), 6), "");
  auto titles = std::make_unique<TitleTable>();
  ASSERT_TRUE(db_.LoadCurrentDiscTitles(ProfileOf(e), titles.get()).IsOk());
  EXPECT_EQ(titles->Get(2), e.tracks[2].first);

  const DiscProfile unknown = ProfileOf(SampleEntry(77));
  EXPECT_EQ(db_.CurrentDiscCaption(unknown), "");
  EXPECT_EQ(db_.CurrentDiscTrackTitle(unknown, 1), "");
  EXPECT_TRUE(db_.LoadCurrentDiscTitles(unknown, titles.get()).IsNotFound());
  const TitleTable zero;
  EXPECT_EQ(std::memcmp(titles->slots, zero.slots, sizeof(zero.slots)), 0);

  std::remove(DataFile().c_str());
  Database elsewhere(DefaultFileSystem(), folder_.File("no such folder"));
  EXPECT_EQ(elsewhere.CurrentDiscCaption(ProfileOf(e)), "");
}

TEST_F(DatabaseTest, WritersRefuseWhatTheFormatCannotHold) {
  Store({SampleEntry(1)});
  const std::string before = ReadBytes(DataFile());
  RefEntry base = SampleEntry(2, 3);
  struct Case {
    const char* name;
    void (*change)(DiscProfile&, TitleTable&, EntryDetails&);
  };
  const Case cases[] = {
      {"100 tracks", [](DiscProfile& p, TitleTable&, EntryDetails&) { p.trackCount = 100; }},
      {"negative tracks", [](DiscProfile& p, TitleTable&, EntryDetails&) { p.trackCount = -1; }},
      {"256-byte artist",
       [](DiscProfile&, TitleTable&, EntryDetails& d) { d.artist.assign(256, 'a'); }},
      {"256-byte notes",
       [](DiscProfile&, TitleTable&, EntryDetails& d) { d.notes.assign(256, 'n'); }},
      {"256-byte year",
       [](DiscProfile&, TitleTable&, EntryDetails& d) { d.yearReleased.assign(256, '1'); }},
      {"unterminated title slot",
       [](DiscProfile&, TitleTable& t, EntryDetails&) { std::memset(t.slots[2], 'z', 256); }},
  };
  for (const Case& c : cases) {
    DiscProfile profile = ProfileOf(base);
    auto titles = TitlesOf(base);
    EntryDetails details = DetailsOf(base);
    c.change(profile, *titles, details);
    EXPECT_TRUE(db_.AppendEntry(profile, *titles, details).IsInvalidArgument()) << c.name;
    EXPECT_TRUE(db_.ReplaceEntry(0, profile, *titles, details).IsInvalidArgument()) << c.name;
    EXPECT_EQ(ReadBytes(DataFile()), before) << c.name;
  }
  EXPECT_TRUE(db_.ReplaceEntry(1, ProfileOf(base), *TitlesOf(base), DetailsOf(base)).IsNotFound());
  EXPECT_TRUE(db_.DeleteEntry(9).IsInvalidArgument());
  EXPECT_TRUE(db_.DeleteEntry(0).IsInvalidArgument());
  ExpectFileHolds({SampleEntry(1)});
}

TEST_F(DatabaseTest, AFullDatabaseTakesNoMoreEntries) {
  std::vector<RefEntry> entries(dbformat::kMaxEntryCount);
  Store(entries);
  const std::string before = ReadBytes(DataFile());
  EXPECT_TRUE(Append(db_, SampleEntry(1)).IsInvalidArgument());
  EXPECT_EQ(ReadBytes(DataFile()), before);
  std::uint16_t count = 0;
  ASSERT_TRUE(db_.CountEntries(&count).IsOk());
  EXPECT_EQ(count, 65535);
}

TEST_F(DatabaseTest, RebuildTakesOnlyAPermutationAndWritesTheMagic) {
  std::vector<RefEntry> entries = {SampleEntry(1), SampleEntry(2), SampleEntry(3)};
  std::string file = RefFile(entries);
  file[1] = 'X';  // a foreign magic is never checked, and the rebuild writes ours
  WriteBytes(DataFile(), file);
  for (const std::vector<std::uint16_t>& bad :
       {std::vector<std::uint16_t>{0, 1}, {0, 1, 1}, {0, 1, 3}, {0, 1, 2, 0}}) {
    EXPECT_TRUE(db_.RebuildInOrder(bad).IsInvalidArgument());
    EXPECT_EQ(ReadBytes(DataFile()), file);
  }
  std::vector<std::uint16_t> heard;
  ASSERT_TRUE(db_.RebuildInOrder({2, 0, 1}, [&heard](std::uint16_t written, std::uint16_t index) {
                   EXPECT_EQ(written, heard.size() + 1);
                   heard.push_back(index);
                 }).IsOk());
  EXPECT_EQ(heard, (std::vector<std::uint16_t>{2, 0, 1}));
  ExpectFileHolds({entries[2], entries[0], entries[1]});
}

TEST_F(DatabaseTest, RelinkEntriesMendsEveryLinkFromRecordLengths) {
  const std::vector<RefEntry> entries = {SampleEntry(1), SampleEntry(2, 0), SampleEntry(3, 30)};
  std::string file = RefFile(entries);
  const std::size_t second = RefFile({entries[0]}).size();
  const std::size_t third = RefFile({entries[0], entries[1]}).size();
  for (std::size_t at : {second, third - 4, third + 1, file.size() - 4}) file[at] ^= 0x5A;
  WriteBytes(DataFile(), file);
  std::unique_ptr<File> handle;
  ASSERT_TRUE(DefaultFileSystem().Open(DataFile(), OpenMode::kReadWrite, &handle).IsOk());
  ASSERT_TRUE(RelinkEntries(*handle, static_cast<std::uint32_t>(second)).IsOk());
  handle.reset();
  EXPECT_EQ(ReadBytes(DataFile()), RefFile(entries));

  // A record_length that cannot be right stops the relink instead of writing past the file.
  file = RefFile(entries);
  file[second + 4] = 3;
  file[second + 5] = 0;
  WriteBytes(DataFile(), file);
  ASSERT_TRUE(DefaultFileSystem().Open(DataFile(), OpenMode::kReadWrite, &handle).IsOk());
  EXPECT_TRUE(RelinkEntries(*handle, static_cast<std::uint32_t>(second)).IsCorrupt());
  handle.reset();
  EXPECT_EQ(ReadBytes(DataFile()).size(), file.size());
}

TEST_F(DatabaseTest, ReplacingAtTheEndWritesWhatDeleteThenAppendWould) {
  const std::vector<RefEntry> entries = {SampleEntry(1), SampleEntry(2, 30), SampleEntry(3, 0)};
  const RefEntry edited = SampleEntry(4, 7);
  for (std::uint16_t index = 0; index < entries.size(); ++index) {
    Store(entries);
    std::uint32_t offset = 0;
    ASSERT_TRUE(db_.LocateEntry(index, &offset).IsOk());
    ASSERT_TRUE(db_.DeleteEntry(offset).IsOk());
    ASSERT_TRUE(Append(db_, edited).IsOk());
    const std::string twoSteps = ReadBytes(DataFile());

    Store(entries);
    ASSERT_TRUE(db_.ReplaceEntryAtEnd(offset, ProfileOf(edited), *TitlesOf(edited),
                                      DetailsOf(edited))
                    .IsOk())
        << index;
    EXPECT_EQ(ReadBytes(DataFile()), twoSteps) << index;
    std::vector<RefEntry> expected = entries;
    expected.erase(expected.begin() + index);
    expected.push_back(edited);
    ExpectFileHolds(expected);
  }

  // Offset 0 stores a new disc: a plain append, also over bytes an interrupted append left.
  WriteBytes(DataFile(), RefFile(entries) + "\x01\x02");
  ASSERT_TRUE(db_.ReplaceEntryAtEnd(0, ProfileOf(edited), *TitlesOf(edited), DetailsOf(edited)).IsOk());
  std::vector<RefEntry> appended = entries;
  appended.push_back(edited);
  ExpectFileHolds(appended);

  // An offset where no entry starts changes nothing.
  Store(entries);
  for (std::uint32_t offset : {9u, 100000u}) {
    EXPECT_TRUE(db_.ReplaceEntryAtEnd(offset, ProfileOf(edited), *TitlesOf(edited),
                                      DetailsOf(edited))
                    .IsInvalidArgument());
    ExpectFileHolds(entries);
  }
}

TEST_F(DatabaseTest, EverySuccessfulWriteRaisesTheGeneration) {
  Store({SampleEntry(1), SampleEntry(2)});
  const RefEntry e = SampleEntry(3, 2);
  struct Write {
    const char* name;
    std::function<Status()> run;
  };
  const Write writes[] = {
      {"append", [&] { return Append(db_, e); }},
      {"replace", [&] { return db_.ReplaceEntry(0, ProfileOf(e), *TitlesOf(e), DetailsOf(e)); }},
      {"replace at end",
       [&] { return db_.ReplaceEntryAtEnd(8, ProfileOf(e), *TitlesOf(e), DetailsOf(e)); }},
      {"rebuild", [&] { return db_.RebuildInOrder({2, 1, 0}); }},
      {"delete", [&] { return db_.DeleteEntry(8); }},
  };
  for (const Write& write : writes) {
    const std::uint64_t before = CatalogueGeneration();
    ASSERT_TRUE(write.run().IsOk()) << write.name;
    EXPECT_GT(CatalogueGeneration(), before) << write.name;
  }
  // Reading, and a write that is refused, leave it alone.
  const std::uint64_t before = CatalogueGeneration();
  std::uint16_t count = 0;
  ASSERT_TRUE(db_.CountEntries(&count).IsOk());
  EXPECT_TRUE(db_.DeleteEntry(9).IsInvalidArgument());
  EXPECT_TRUE(db_.RebuildInOrder({0}).IsInvalidArgument());
  EXPECT_EQ(CatalogueGeneration(), before);
}

TEST_F(DatabaseTest, PathsJoinTheFolderWithOneSeparator) {
  Database withSeparator(DefaultFileSystem(), folder_.Path() + "/");
  EXPECT_EQ(withSeparator.DataFilePath(), folder_.Path() + "/brindwax.dat");
  EXPECT_EQ(JoinPath("C:\\BRINDWAX\\", "brindwax.dat"), "C:\\BRINDWAX\\brindwax.dat");
  EXPECT_EQ(JoinPath("", "brindwax.dat"), "brindwax.dat");
}

}  // namespace
}  // namespace bw
