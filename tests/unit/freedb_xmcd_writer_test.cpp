// The xmcd record a disc is submitted as: the exact layout, values cut into 69-character
// pieces, the notes' escapes, and real records written again and read back by the program's
// own extractors with nothing lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cd/disc_id.h"
#include "cd/table_of_contents.h"
#include "freedb/xmcd_record.h"
#include "freedb/xmcd_writer.h"
#include "freedb_test_support.h"

namespace bw {
namespace freedb {
namespace {

using namespace ::bw::freedb::testing;

DiscQuery TwoTracks() {
  DiscQuery disc;
  disc.discId = 0x0b01ea02;
  disc.frameOffsets = {150, 18900};
  disc.lengthSeconds = 492;
  return disc;
}

SubmittedEntry Entry(std::vector<std::string> titles) {
  SubmittedEntry entry;
  entry.trackTitles = std::move(titles);
  entry.artist = "Band";
  entry.discName = "First";
  entry.category = "rock";
  return entry;
}

// The lines of `record` that begin with `key` and "=", their values only.
std::vector<std::string> ValuesOf(const std::string& record, const std::string& key) {
  std::vector<std::string> values;
  std::size_t pos = 0;
  while (pos < record.size()) {
    std::size_t end = record.find("\r\n", pos);
    if (end == std::string::npos) end = record.size();
    const std::string line = record.substr(pos, end - pos);
    if (line.compare(0, key.size() + 1, key + "=") == 0) values.push_back(line.substr(key.size() + 1));
    pos = end + 2;
  }
  return values;
}

std::vector<std::size_t> Lengths(const std::vector<std::string>& values) {
  std::vector<std::size_t> lengths;
  for (const std::string& value : values) lengths.push_back(value.size());
  return lengths;
}

TEST(FreedbXmcdWriter, RecordLayout) {
  SubmittedEntry entry = Entry({"One", "Two"});
  entry.notes = "line one\r\nline two";
  EXPECT_EQ(WriteXmcdRecord(TwoTracks(), entry),
            "# xmcd\r\n#\r\n# Track frame offsets:\r\n# 150\r\n# 18900\r\n#\r\n"
            "# Disc length: 492 seconds\r\n#\r\n# Revision: 1\r\n"
            "# Submitted via: Brindlewax 2.3 http://www.example.com/brindlewax/\r\n#\r\n"
            "DISCID=0b01ea02\r\nDTITLE=Band / First\r\nTTITLE0=One\r\nTTITLE1=Two\r\n"
            "EXTD=line one\\nline two\r\nEXTT0=\r\nEXTT1=\r\nPLAYORDER=");
}

TEST(FreedbXmcdWriter, ValuesArePiecesOfAtMost69Characters) {
  const struct {
    std::size_t length;
    std::vector<std::size_t> pieces;
  } cases[] = {
      {0, {0}}, {1, {1}}, {69, {69}}, {70, {69, 1}}, {138, {69, 69}}, {139, {69, 69, 1}},
      {150, {69, 69, 12}}, {255, {69, 69, 69, 48}},
  };
  for (const auto& c : cases) {
    std::string value;
    for (std::size_t i = 0; i < c.length; ++i) value += static_cast<char>('a' + i % 26);
    std::string out;
    AppendXmcdValue("TTITLE7", value, &out);
    const std::vector<std::string> pieces = ValuesOf(out, "TTITLE7");
    EXPECT_EQ(Lengths(pieces), c.pieces) << c.length;
    std::string joined;
    for (const std::string& piece : pieces) joined += piece;
    EXPECT_EQ(joined, value);
  }
}

TEST(FreedbXmcdWriter, DiscTitleOf150CharactersTakesThreeLines) {
  SubmittedEntry entry = Entry({"One", "Two"});
  entry.artist = std::string(70, 'A');
  entry.discName = std::string(77, 'D');  // 70 + " / " + 77 = 150
  const std::string record = WriteXmcdRecord(TwoTracks(), entry);
  EXPECT_EQ(Lengths(ValuesOf(record, "DTITLE")), (std::vector<std::size_t>{69, 69, 12}));
  EXPECT_EQ(ExtractDiscTitle(record).artist, entry.artist);
  EXPECT_EQ(ExtractDiscTitle(record).discName, entry.discName);
}

TEST(FreedbXmcdWriter, NotesBecomeOneEscapedValue) {
  const struct {
    const char* notes;
    const char* written;  // joined EXTD value
    const char* readBack;
  } cases[] = {
      {"", "", ""},
      {"a\r\nb", "a\\nb", "a\r\nb"},
      {"a\r\n\r\nb\r\n", "a\\n\\nb\\n", "a\r\n\r\nb\r\n"},
      // A lone line feed or carriage return must not start a line of the record.
      {"a\nb\rc", "a\\nb\\nc", "a\r\nb\r\nc"},
      // A backslash is doubled, so "\n" typed by the user stays two characters.
      {"C:\\new\\t", "C:\\\\new\\\\t", "C:\\new\\t"},
  };
  for (const auto& c : cases) {
    SubmittedEntry entry = Entry({"One", "Two"});
    entry.notes = c.notes;
    const std::string record = WriteXmcdRecord(TwoTracks(), entry);
    EXPECT_EQ(JoinedXmcdValue(record, "EXTD"), c.written) << c.notes;
    EXPECT_EQ(ExtractNotes(record), c.readBack) << c.notes;
  }
  SubmittedEntry none = Entry({"One", "Two"});
  EXPECT_EQ(ValuesOf(WriteXmcdRecord(TwoTracks(), none), "EXTD"), std::vector<std::string>{""});
}

TEST(FreedbXmcdWriter, NotesAreTakenUpTo256Characters) {
  SubmittedEntry entry = Entry({"One", "Two"});
  entry.notes = std::string(300, 'n');
  EXPECT_EQ(JoinedXmcdValue(WriteXmcdRecord(TwoTracks(), entry), "EXTD").size(), 256u);
}

TEST(FreedbXmcdWriter, TwelveTracksGiveTwelveTitlesAndTwelveEmptyTrackNotes) {
  DiscQuery disc;
  disc.discId = 0x12345678;
  for (int i = 0; i < 12; ++i) disc.frameOffsets.push_back(150 + i * 10000);
  disc.lengthSeconds = 1800;
  std::vector<std::string> titles;
  for (int i = 0; i < 12; ++i) titles.push_back("T" + std::to_string(i));
  const std::string record = WriteXmcdRecord(disc, Entry(titles));

  std::string expectedTitles, expectedNotes;
  for (int i = 0; i < 12; ++i) {
    expectedTitles += "TTITLE" + std::to_string(i) + "=T" + std::to_string(i) + "\r\n";
    expectedNotes += "EXTT" + std::to_string(i) + "=\r\n";
  }
  EXPECT_NE(record.find("DTITLE=Band / First\r\n" + expectedTitles + "EXTD=\r\n" + expectedNotes +
                        "PLAYORDER="),
            std::string::npos);
  EXPECT_EQ(record.substr(record.size() - 12), "\r\nPLAYORDER=");
  for (int i = 0; i < 12; ++i) {
    EXPECT_NE(record.find("\r\n# " + std::to_string(150 + i * 10000) + "\r\n"), std::string::npos);
  }
}

TEST(FreedbXmcdWriter, TitlesNeverBreakTheRecordsLines) {
  SubmittedEntry entry = Entry({"One\r\nDTITLE=Injected", "Two\nthree"});
  entry.artist = "Art\rist";
  const std::string record = WriteXmcdRecord(TwoTracks(), entry);
  std::istringstream lines(record);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_TRUE(line[0] == '#' || line.find('=') != std::string::npos) << line;
  }
  EXPECT_EQ(ValuesOf(record, "DTITLE").size(), 1u);
  EXPECT_EQ(ExtractTrackTitle(record, 0), "One  DTITLE=Injected");
  EXPECT_EQ(ExtractTrackTitle(record, 1), "Two three");
}

TEST(FreedbXmcdWriter, MissingTitlesAreWrittenEmpty) {
  const std::string record = WriteXmcdRecord(TwoTracks(), Entry({"Only"}));
  EXPECT_EQ(ValuesOf(record, "TTITLE1"), std::vector<std::string>{""});
}

// --- real records written again -------------------------------------------------------------

struct RecordDisc {
  std::vector<int> offsets;
  int lengthSeconds = 0;
};

// The offsets and length in a record's header comment; none when it has no such comment.
RecordDisc HeaderOf(const std::string& record) {
  RecordDisc disc;
  std::istringstream lines(ToLf(record));
  bool inOffsets = false;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("# Track frame offsets", 0) == 0) {
      inOffsets = true;
      continue;
    }
    if (line.rfind("# Disc length:", 0) == 0) disc.lengthSeconds = std::atoi(line.c_str() + 14);
    if (!inOffsets) continue;
    const std::size_t digit = line.find_first_of("0123456789");
    if (line[0] != '#' || digit == std::string::npos ||
        line.find_first_not_of("# \t") != digit) {
      inOffsets = false;
      continue;
    }
    disc.offsets.push_back(std::atoi(line.c_str() + digit));
  }
  return disc;
}

int HighestTrack(const std::string& record) {
  int highest = -1;
  for (std::size_t at = record.find("TTITLE"); at != std::string::npos;
       at = record.find("TTITLE", at + 1)) {
    highest = std::max(highest, std::atoi(record.c_str() + at + 6));
  }
  return highest;
}

TableOfContents TocOf(RecordDisc disc) {
  std::vector<ReportedTrack> tracks;
  for (std::size_t i = 0; i < disc.offsets.size(); ++i) {
    const int end = i + 1 < disc.offsets.size() ? disc.offsets[i + 1] : disc.lengthSeconds * 75;
    tracks.push_back({MsfFromFrames(disc.offsets[i]), MsfFromFrames(end - disc.offsets[i])});
  }
  return BuildTableOfContents(tracks, false);
}

TEST(FreedbXmcdWriter, RealRecordsReadBackUnchanged) {
  const std::string records[] = {
      "alrs+freedb__dbdump_7908090a",
      "alrs+freedb__test_decafbad",
      "peik+freedb-parser-sample__src_tdd_musicdb_data_12025d03.txt",
      "peik+freedb-parser-sample__src_tdd_musicdb_data_fd0b9912.txt",
      "pipian+rubyripper__features_testdata_disc_latinEncodedDisc_freedb",
      "pipian+rubyripper__features_testdata_disc_normalAudioDisc_freedb",
      "pipian+rubyripper__test_data_freedb_GB18030",
      "pipian+rubyripper__test_data_freedb_ISO88591",
      "pipian+rubyripper__test_data_freedb_disc002",
      "pipian+rubyripper__test_data_freedb_disc003",
      "pipian+rubyripper__test_data_freedb_disc004",
      "pipian+rubyripper__test_data_freedb_disc006",
      "qyot27+libcddb__tests_testcache_misc_12345678",
  };
  for (const std::string& name : records) {
    const std::string original = ReadTestFile("freedb/records/" + name);
    ASSERT_FALSE(original.empty()) << name;
    RecordDisc header = HeaderOf(original);
    if (header.offsets.empty()) {  // a record without its header: a disc of as many tracks
      for (int i = 0; i <= HighestTrack(original); ++i) header.offsets.push_back(150 + i * 15000);
      header.lengthSeconds = header.offsets.back() / 75 + 300;
    }
    const TableOfContents toc = TocOf(header);
    const DiscQuery disc = MakeDiscQuery(toc, ComputeDiscId(toc));
    const FreedbRecord read =
        ExtractRecord("210 rock 00000000 entry\r\n" + ToCrlf(original), toc.trackCount);

    SubmittedEntry entry;
    entry.trackTitles = read.trackTitles;
    entry.artist = read.details.artist;
    entry.discName = read.details.discName;
    entry.category = "rock";
    entry.notes = read.details.notes;
    const std::string written = WriteXmcdRecord(disc, entry);

    const FreedbRecord again = ExtractRecord("210 rock 00000000 entry\r\n" + written, toc.trackCount);
    EXPECT_EQ(again.trackTitles, read.trackTitles) << name;
    EXPECT_EQ(again.details.artist, read.details.artist) << name;
    EXPECT_EQ(again.details.discName, read.details.discName) << name;
    EXPECT_EQ(again.details.notes, read.details.notes) << name;
    EXPECT_EQ(ValuesOf(written, "DISCID"), std::vector<std::string>{FormatDiscId(disc.discId)})
        << name;
    for (const std::string& piece : ValuesOf(written, "TTITLE0")) EXPECT_LE(piece.size(), 69u);
  }
}

}  // namespace
}  // namespace freedb
}  // namespace bw
