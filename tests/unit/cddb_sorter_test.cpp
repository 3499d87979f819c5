// The sorter: ascending artist order by the injected comparison, stable for equal artists,
// entries copied byte for byte, every status text in order, and no leftover files.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "cddb/catalogue_generation.h"
#include "cddb/cddb_texts.h"
#include "cddb/database_sorter.h"
#include "cddb/text_rules.h"
#include "cddb_database_test_support.h"

namespace bw {
namespace {

using testing::FileExists;
using testing::ReadBytes;
using testing::RefEntry;
using testing::RefFile;
using testing::SampleEntry;
using testing::TempFolder;
using testing::WriteBytes;

RefEntry WithArtist(int seed, const std::string& artist) {
  RefEntry e = SampleEntry(seed, seed % 5);
  e.texts[0] = artist;
  return e;
}

struct Heard {
  std::vector<std::pair<ProgressKind, std::string>> events;
  ProgressCallback Callback() {
    return [this](const ProgressEvent& e) { events.push_back({e.kind, std::string(e.text)}); };
  }
  std::vector<std::string> Texts(ProgressKind kind) const {
    std::vector<std::string> texts;
    for (const auto& [k, text] : events) {
      if (k == kind) texts.push_back(text);
    }
    return texts;
  }
};

class SorterTest : public ::testing::Test {
 protected:
  std::string DataFile() const { return folder_.File("brindwax.dat"); }
  void Store(const std::vector<RefEntry>& entries) { WriteBytes(DataFile(), RefFile(entries)); }

  TempFolder folder_;
  Database db_{testing::NoFlushFiles(), folder_.Path()};
};

TEST_F(SorterTest, OrdersByArtistKeepingEqualArtistsInFileOrder) {
  const std::vector<RefEntry> entries = {
      WithArtist(1, "Queen"), WithArtist(2, "ABBA"), WithArtist(3, ""),    WithArtist(4, "abba"),
      WithArtist(5, "Queen"), WithArtist(6, "ABBA"), WithArtist(7, "10cc"), WithArtist(8, "Queen")};
  Store(entries);
  ASSERT_TRUE(SortDatabase(db_, PortableCompareText, nullptr).IsOk());
  // Empty first, digits before letters, "abba" before "ABBA", equal artists as they stood.
  const std::vector<RefEntry> expected = {entries[2], entries[6], entries[3], entries[1],
                                          entries[5], entries[0], entries[4], entries[7]};
  EXPECT_EQ(ReadBytes(DataFile()), RefFile(expected));
  EXPECT_FALSE(FileExists(folder_.File("brindwax.new")));
  EXPECT_FALSE(FileExists(folder_.File("brindwax.dbk")));
}

TEST_F(SorterTest, UsesTheInjectedComparison) {
  const std::vector<RefEntry> entries = {WithArtist(1, "b"), WithArtist(2, "a"), WithArtist(3, "c")};
  Store(entries);
  const TextCompare reversed = [](const char* a, const char* b) { return -std::strcmp(a, b); };
  ASSERT_TRUE(SortDatabase(db_, reversed, nullptr).IsOk());
  EXPECT_EQ(ReadBytes(DataFile()), RefFile({entries[2], entries[0], entries[1]}));
}

TEST_F(SorterTest, SortingASortedCatalogueChangesNoByte) {
  std::vector<RefEntry> entries;
  for (int i = 0; i < 60; ++i) entries.push_back(WithArtist(i, "Artist " + std::to_string(i % 7)));
  std::stable_sort(entries.begin(), entries.end(), [](const RefEntry& a, const RefEntry& b) {
    return PortableCompareText(a.texts[0].c_str(), b.texts[0].c_str()) < 0;
  });
  Store(entries);
  const std::string before = ReadBytes(DataFile());
  ASSERT_TRUE(SortDatabase(db_, PortableCompareText, nullptr).IsOk());
  EXPECT_EQ(ReadBytes(DataFile()), before);
  ASSERT_TRUE(SortDatabase(db_, PortableCompareText, nullptr).IsOk());
  EXPECT_EQ(ReadBytes(DataFile()), before);
}

TEST_F(SorterTest, AtMostOneEntryIsDoneAtOnceAndTouchesNothing) {
  struct Case {
    const char* name;
    std::vector<RefEntry> entries;
  };
  const Case cases[] = {{"empty", {}}, {"one entry", {WithArtist(1, "Solo")}}};
  for (const Case& c : cases) {
    std::string file = RefFile(c.entries);
    file[1] = 'X';  // a sort would write the magic; this one must not write at all
    WriteBytes(DataFile(), file);
    Heard heard;
    const std::uint64_t generation = CatalogueGeneration();
    ASSERT_TRUE(SortDatabase(db_, PortableCompareText, heard.Callback()).IsOk()) << c.name;
    EXPECT_EQ(ReadBytes(DataFile()), file) << c.name;
    EXPECT_FALSE(FileExists(folder_.File("brindwax.new"))) << c.name;
    EXPECT_EQ(CatalogueGeneration(), generation) << c.name;
    ASSERT_EQ(heard.events.size(), 1u) << c.name;
    EXPECT_EQ(heard.events[0].second, kTextToolDone) << c.name;
  }
  std::remove(DataFile().c_str());
  Heard heard;
  EXPECT_TRUE(SortDatabase(db_, PortableCompareText, heard.Callback()).IsOk());
  EXPECT_FALSE(FileExists(DataFile())) << "sorting creates no catalogue";
}

TEST_F(SorterTest, TellsEveryStepInOrder) {
  const std::vector<RefEntry> entries = {WithArtist(1, "Cher"), WithArtist(2, "Blur"),
                                         WithArtist(3, "Adele"), WithArtist(4, "Blur")};
  Store(entries);
  Heard heard;
  ASSERT_TRUE(SortDatabase(db_, PortableCompareText, heard.Callback()).IsOk());
  EXPECT_EQ(heard.Texts(ProgressKind::kStep),
            (std::vector<std::string>{kTextSortCreatingBuffer, kTextSortCreatingBuffer,
                                      kTextSortCreatingBuffer, kTextSortLoadingNames,
                                      kTextSortBuildingTable, kTextSortWritingDatabase,
                                      kTextSortWritingPointers}));
  EXPECT_EQ(heard.Texts(ProgressKind::kCount),
            (std::vector<std::string>{"1 of 4", "2 of 4", "3 of 4"}));
  EXPECT_EQ(heard.Texts(ProgressKind::kItem),
            (std::vector<std::string>{"Writing: Adele", "Writing: Blur", "Writing: Blur",
                                      "Writing: Cher"}));
  EXPECT_EQ(heard.Texts(ProgressKind::kResult), (std::vector<std::string>{kTextToolDone}));
  EXPECT_EQ(heard.events.back().first, ProgressKind::kResult);
  // The pointers are written after the last entry and before the result.
  EXPECT_EQ(heard.events[heard.events.size() - 2].second, kTextSortWritingPointers);
}

TEST_F(SorterTest, ADamagedCatalogueIsLeftAsItWas) {
  std::string file = RefFile({WithArtist(1, "b"), WithArtist(2, "a"), WithArtist(3, "c")});
  file.resize(file.size() - 3);
  WriteBytes(DataFile(), file);
  Heard heard;
  EXPECT_TRUE(SortDatabase(db_, PortableCompareText, heard.Callback()).IsCorrupt());
  EXPECT_EQ(ReadBytes(DataFile()), file);
  EXPECT_FALSE(FileExists(folder_.File("brindwax.new")));
  EXPECT_EQ(heard.Texts(ProgressKind::kResult), (std::vector<std::string>{kTextSortDamaged}));
}

TEST_F(SorterTest, AFailedWriteLeavesTheCatalogueAndSaysSo) {
  const std::string file = RefFile({WithArtist(1, "b"), WithArtist(2, "a")});
  WriteBytes(DataFile(), file);
  testing::FaultFileSystem faults(testing::NoFlushFiles());
  Database db(faults, folder_.Path());
  faults.Arm(testing::FaultFileSystem::Fault::kFailFrom, 1);
  Heard heard;
  EXPECT_FALSE(SortDatabase(db, PortableCompareText, heard.Callback()).IsOk());
  faults.Disarm();
  EXPECT_EQ(ReadBytes(DataFile()), file);
  EXPECT_EQ(heard.Texts(ProgressKind::kResult), (std::vector<std::string>{kTextSortFailed}));
}

TEST_F(SorterTest, ArtistsCompareUpToTheirFirstZeroByte) {
  // lstrcmpA sees zero-terminated texts: a stored zero byte ends the artist for the order.
  const std::vector<RefEntry> entries = {WithArtist(1, std::string("b\0a", 3)), WithArtist(2, "b"),
                                         WithArtist(3, "a")};
  Store(entries);
  ASSERT_TRUE(SortDatabase(db_, PortableCompareText, nullptr).IsOk());
  EXPECT_EQ(ReadBytes(DataFile()), RefFile({entries[2], entries[0], entries[1]}));
}

}  // namespace
}  // namespace bw
