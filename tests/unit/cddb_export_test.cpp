// The export: both forms byte for byte, the items chosen, sorted and file order, the
// destination rules, and that a failed or declined export leaves an earlier file alone.
#include <string>
#include <vector>

#include "cddb/cddb_texts.h"
#include "cddb/database_export.h"
#include "cddb/text_rules.h"
#include "cddb_database_test_support.h"

namespace bw {
namespace {

using testing::FileExists;
using testing::ReadBytes;
using testing::RefEntry;
using testing::RefFile;
using testing::TempFolder;
using testing::WriteBytes;

RefEntry TwoTracks() {
  RefEntry e;
  e.tracks = {{"One", 200}, {"Two", 65}};
  e.totalSeconds = 265;
  e.firstTrackSeconds = 200;
  e.texts[0] = "Artist";
  e.texts[1] = "Disc";
  e.texts[2] = "rock";
  e.texts[3] = "Label";
  e.texts[4] = "Line one\r\nLine two";
  e.codes[0] = 3;
  e.codes[1] = 1;
  e.codes[2] = 0;
  e.year = "1987";
  return e;
}

ExportItems Only(std::initializer_list<ExportItem> items) {
  ExportItems chosen{};
  for (ExportItem item : items) chosen[static_cast<int>(item)] = true;
  return chosen;
}

// Splits CSV text as the usual readers do: quoted items may hold commas, doubled quotes and
// line breaks.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row;
  std::string item;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        item += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        item += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      row.push_back(item);
      item.clear();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      row.push_back(item);
      rows.push_back(row);
      row.clear();
      item.clear();
      ++i;
    } else {
      item += c;
    }
  }
  return rows;
}

class ExportTest : public ::testing::Test {
 protected:
  void Store(const std::vector<RefEntry>& entries) {
    WriteBytes(folder_.File("brindwax.dat"), RefFile(entries));
  }
  std::string Export(const ExportOptions& options, Status* status = nullptr,
                     std::vector<std::pair<ProgressKind, std::string>>* heard = nullptr) {
    const Status result = ExportDatabase(
        db_, options, Destination(), PortableCompareText, [] { return true; },
        [heard](const ProgressEvent& e) {
          if (heard) heard->push_back({e.kind, std::string(e.text)});
        });
    if (status) *status = result;
    EXPECT_FALSE(FileExists(ExportWorkFile(Destination())));
    return ReadBytes(Destination());
  }
  std::string Destination() const { return folder_.File("export.txt"); }

  TempFolder folder_;
  Database db_{testing::NoFlushFiles(), folder_.Path()};
};

TEST_F(ExportTest, PlainTextWithEveryItem) {
  Store({TwoTracks()});
  ExportOptions options;
  EXPECT_EQ(Export(options),
            "Artist\r\nDisc 4:25\r\n1 One 3:20\r\n2 Two 1:05\r\nrock\r\nLabel\r\n"
            "Line one\r\nLine two\r\nDDD\r\nSingle\r\n3 Inch\r\n1987\r\n\r\n");
}

TEST_F(ExportTest, PlainTextLeavesOutWhatIsNotChosen) {
  RefEntry noLength = TwoTracks();
  noLength.totalSeconds = 0;
  Store({TwoTracks(), noLength});
  const struct {
    const char* name;
    ExportItems items;
    std::string expected;
  } cases[] = {
      {"track names only", Only({ExportItem::kTrackName}), "One\r\nTwo\r\n\r\nOne\r\nTwo\r\n\r\n"},
      {"disc name and length", Only({ExportItem::kDiscName, ExportItem::kDiscLength}),
       "Disc 4:25\r\n\r\nDisc\r\n\r\n"},
      {"length alone", Only({ExportItem::kDiscLength}), "4:25\r\n\r\n\r\n"},
      {"number and length", Only({ExportItem::kTrackNumber, ExportItem::kTrackLength}),
       "1 3:20\r\n2 1:05\r\n\r\n1 3:20\r\n2 1:05\r\n\r\n"},
      {"codes", Only({ExportItem::kRecording, ExportItem::kType, ExportItem::kSize}),
       "DDD\r\nSingle\r\n3 Inch\r\n\r\nDDD\r\nSingle\r\n3 Inch\r\n\r\n"},
  };
  for (const auto& c : cases) {
    ExportOptions options;
    options.sorted = false;
    options.items = c.items;
    EXPECT_EQ(Export(options), c.expected) << c.name;
  }
}

TEST_F(ExportTest, DelimitedTextPutsAnEmptyItemAfterEachTrackLength) {
  Store({TwoTracks()});
  ExportOptions options;
  options.form = ExportForm::kDelimitedText;
  EXPECT_EQ(Export(options),
            "\"Artist\",\"Disc\",4:25,1,\"One\",3:20,,2,\"Two\",1:05,,\"rock\",\"Label\","
            "\"Line one\r\nLine two\",\"DDD\",\"Single\",\"3 Inch\",1987\r\n");
  options.items = Only({ExportItem::kTrackLength});
  EXPECT_EQ(Export(options), "3:20,,1:05,\r\n");
  options.items = Only({ExportItem::kYearReleased, ExportItem::kArtist});
  EXPECT_EQ(Export(options), "\"Artist\",1987\r\n");
}

TEST_F(ExportTest, DelimitedItemsReadBackAsTypedWhateverTheyHold) {
  RefEntry tricky = TwoTracks();
  tricky.texts[0] = "Say \"Hi\", then \"\"go\"\"";
  tricky.texts[1] = ",";
  tricky.texts[4] = "\"\r\n\"";
  tricky.tracks[0].first = "\"";
  tricky.year = "1987, \"remastered\"";
  Store({tricky});
  ExportOptions options;
  options.form = ExportForm::kDelimitedText;
  const std::vector<std::vector<std::string>> rows = ReadCsv(Export(options));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{tricky.texts[0], ",", "4:25", "1", "\"", "3:20", "",
                                               "2", "Two", "1:05", "", "rock", "Label", "\"\r\n\"",
                                               "DDD", "Single", "3 Inch", tricky.year}));
}

TEST_F(ExportTest, SortsByArtistOrKeepsFileOrder) {
  std::vector<RefEntry> entries;
  for (const char* artist : {"Cher", "abba", "Blur", "ABBA", "Blur"}) {
    RefEntry e = TwoTracks();
    e.texts[0] = artist;
    e.texts[1] = std::to_string(entries.size());
    entries.push_back(e);
  }
  Store(entries);
  ExportOptions options;
  options.items = Only({ExportItem::kArtist, ExportItem::kDiscName});
  std::vector<std::pair<ProgressKind, std::string>> heard;
  EXPECT_EQ(Export(options, nullptr, &heard),
            "abba\r\n1\r\n\r\nABBA\r\n3\r\n\r\nBlur\r\n2\r\n\r\nBlur\r\n4\r\n\r\nCher\r\n0\r\n\r\n");
  std::vector<std::string> steps;
  for (const auto& [kind, text] : heard) {
    if (kind != ProgressKind::kCount) steps.push_back(text);
  }
  EXPECT_EQ(steps, (std::vector<std::string>{
                       kTextExportCreating, kTextSortCreatingBuffer, kTextSortCreatingBuffer,
                       kTextSortCreatingBuffer, kTextSortLoadingNames, kTextSortBuildingTable,
                       kTextExportWriting, "Writing: abba", "Writing: ABBA", "Writing: Blur",
                       "Writing: Blur", "Writing: Cher", kTextToolDone}));
  options.sorted = false;
  EXPECT_EQ(Export(options),
            "Cher\r\n0\r\n\r\nabba\r\n1\r\n\r\nBlur\r\n2\r\n\r\nABBA\r\n3\r\n\r\nBlur\r\n4\r\n\r\n");
}

TEST_F(ExportTest, OneEntryIsExportedWithoutTheSortingTable) {
  Store({TwoTracks()});
  std::vector<std::pair<ProgressKind, std::string>> heard;
  ExportOptions options;
  options.items = Only({ExportItem::kArtist});
  EXPECT_EQ(Export(options, nullptr, &heard), "Artist\r\n\r\n");
  const std::vector<std::pair<ProgressKind, std::string>> expected = {
      {ProgressKind::kStep, kTextExportCreating},
      {ProgressKind::kStep, kTextExportWriting},
      {ProgressKind::kItem, "Writing: Artist"},
      {ProgressKind::kResult, kTextToolDone}};
  EXPECT_EQ(heard, expected);
}

TEST_F(ExportTest, NoItemOrAKeptFileWritesNothing) {
  Store({TwoTracks()});
  WriteBytes(Destination(), "earlier export");
  std::vector<std::string> results;
  const auto hear = [&results](const ProgressEvent& e) {
    if (e.kind == ProgressKind::kResult) results.push_back(std::string(e.text));
  };
  ExportOptions none;
  none.items = ExportItems{};
  EXPECT_FALSE(ExportDatabase(db_, none, Destination(), PortableCompareText, [] { return true; }, hear).IsOk());
  bool asked = false;
  EXPECT_FALSE(ExportDatabase(db_, ExportOptions(), Destination(), PortableCompareText,
                              [&asked] { return asked = true, false; }, hear)
                   .IsOk());
  EXPECT_TRUE(asked);
  EXPECT_EQ(results, (std::vector<std::string>{kTextExportNoItems, kTextExportKept}));
  EXPECT_EQ(ReadBytes(Destination()), "earlier export");
}

TEST_F(ExportTest, AFailedWriteLeavesTheEarlierFileAsItWas) {
  std::vector<RefEntry> entries(3, TwoTracks());
  Store(entries);
  WriteBytes(Destination(), "earlier export");
  testing::FaultFileSystem faults(testing::NoFlushFiles());
  Database db(faults, folder_.Path());
  // The export's own steps: create, write, sync, rename. Each one failing in turn.
  for (int step = 1; step <= 4; ++step) {
    faults.Arm(testing::FaultFileSystem::Fault::kFailOnce, step);
    std::vector<std::string> results;
    const Status status = ExportDatabase(
        db, ExportOptions(), Destination(), PortableCompareText, [] { return true; },
        [&results](const ProgressEvent& e) {
          if (e.kind == ProgressKind::kResult) results.push_back(std::string(e.text));
        });
    faults.Disarm();
    EXPECT_FALSE(status.IsOk()) << step;
    EXPECT_EQ(results, (std::vector<std::string>{kTextExportCannotWrite})) << step;
    EXPECT_EQ(ReadBytes(Destination()), "earlier export") << step;
    EXPECT_FALSE(FileExists(ExportWorkFile(Destination()))) << step;
  }
}

TEST_F(ExportTest, ADamagedCatalogueExportsItsIntactEntriesAndSaysSo) {
  std::string file = RefFile({TwoTracks(), TwoTracks(), TwoTracks()});
  file.resize(file.size() - 1);
  WriteBytes(folder_.File("brindwax.dat"), file);
  for (bool sorted : {false, true}) {
    ExportOptions options;
    options.sorted = sorted;
    options.items = Only({ExportItem::kArtist});
    Status status;
    std::vector<std::pair<ProgressKind, std::string>> heard;
    EXPECT_EQ(Export(options, &status, &heard), "Artist\r\n\r\nArtist\r\n\r\n") << sorted;
    EXPECT_TRUE(status.IsCorrupt()) << sorted;
    EXPECT_EQ(heard.back().second, std::string(kTextExportDamagedPrefix) + "2") << sorted;
  }
}

TEST(ExportDestinationTest, OnlyTheFolderIsTheUsers) {
  const auto exists = [](const std::string& folder) {
    return folder == "C:\\" || folder == "C:\\Music" || folder == "D:\\Out";
  };
  const struct {
    const char* typed;
    const char* expected;
    bool valid;
  } cases[] = {
      {"C:\\Music\\export.txt", "C:\\Music\\export.txt", true},
      {"C:\\Music\\list.csv", "C:\\Music\\export.txt", true},
      {"c:/music/export.txt", "c:/music/export.txt", false},  // no such folder: kept as typed
      {"C:/Music/other.txt", "C:\\Music\\export.txt", true},
      {"C:\\Music", "C:\\Music\\export.txt", true},  // an existing folder typed alone
      {"C:\\Music\\", "C:\\Music\\export.txt", true},
      {"d:\\Out\\x", "D:\\Out\\export.txt", true},
      {"C:\\export.txt", "C:\\export.txt", true},
      {"C:\\Nowhere\\export.txt", "C:\\Nowhere\\export.txt", false},
      {"C:\\\\Music\\export.txt", "C:\\\\Music\\export.txt", false},
      {"export.txt", "export.txt", false},
  };
  for (const auto& c : cases) {
    bool valid = !c.valid;
    EXPECT_EQ(ExportDestination(c.typed, exists, &valid), c.expected) << c.typed;
    EXPECT_EQ(valid, c.valid) << c.typed;
  }
  EXPECT_EQ(DefaultExportDestination("C:\\BRINDWAX\\"), "C:\\BRINDWAX\\export.txt");
}

}  // namespace
}  // namespace bw
