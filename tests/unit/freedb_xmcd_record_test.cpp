// The catalogue entry made from a read reply: real xmcd records with either line end, joined
// continuation lines, the disc title split, escapes in the notes and the length limits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "freedb/xmcd_record.h"
#include "freedb_test_support.h"

namespace bw {
namespace freedb {
namespace {

using namespace ::bw::freedb::testing;

// A read reply as a server sends it around a stored record.
std::string ReadReply(const std::string& category, const std::string& record) {
  return "210 " + category + " 00000000 CD database entry follows (until terminating `.')\r\n" +
         ToCrlf(record) + ".\r\n";
}

struct RecordCase {
  const char* file;
  int tracks;
  const char* artist;
  const char* discName;
  int track;  // one title worth checking
  const char* title;
  const char* notes;
};

const RecordCase kRecords[] = {
    {"alrs+freedb__dbdump_7908090a", 10, "Gladys Knight & The Pips", "All The Greatest Hits", 5,
     "Neither One Of Us (Wants To Be The First To Say Goodbye)", ""},
    {"alrs+freedb__test_decafbad", 2, "The Nameless Faceless Many", "dot dot E.P.", 1,
     "So Long That It Wraps Around", ""},
    {"peik+freedb-parser-sample__src_tdd_musicdb_data_12025d03.txt", 3, "Ernest Ray Everett",
     "Single CD", 2, "If You Don't Like Country", ""},
    {"peik+freedb-parser-sample__src_tdd_musicdb_data_fd0b9912.txt", 18, "Ray Charles",
     "Ray Charles Sings The Blues", 17, "Alone In The City Blues", ""},
    {"pipian+rubyripper__features_testdata_disc_latinEncodedDisc_freedb", 5, "Die \xC4rzte",
     "Ein Schwein namens M\xE4nner", 3,
     "Ein L\xE4"
     "cheln (f\xFCr jeden Tag deines Lebens)",
     "Walt Disney Records 1997WD360592 YEAR: 1998"},
    {"pipian+rubyripper__features_testdata_disc_normalAudioDisc_freedb", 12, "Motorhead", "Inferno",
     11, "Whorehouse Blues", " YEAR: 2004"},
    {"pipian+rubyripper__test_data_freedb_disc002", 9, "Judas Priest", "Sad Wings Of Destiny", 8,
     "Island Of Domination",
     "P 1976 Gull Records\r\nC 1995 Repertoire Records\r\n\r\nRobert Halfordt- vocals\r\n"
     "Glenn Tiptont- guitar\r\nK. K. Downingt- guitar\r\nIan Hilltt- bass\r\nAlan Mooret- drums"},
    {"pipian+rubyripper__test_data_freedb_disc003", 20, "Various",
     "Ann\xC3\xA9"
     "es 60 CD1",
     0, "THE EQUALS / Baby Come Back", ""},
    {"pipian+rubyripper__test_data_freedb_disc004", 17, "Maria Venuti",
     "Maria Venuti Sings Schubert, Schoenberg, Schumann", 2,
     "4 Lieder Nach Texten V. Richard Dehmel Op. 2: Schenk Mir Deinen Goldenen Kamm", ""},
    {"pipian+rubyripper__test_data_freedb_disc006", 20, "Various", "Jazz Manouche CD 1", 19,
     "Le Quintette Du Hot Club De France, Django Reinhardt: Manoir De Mes R\xC3\xAAves", ""},
    {"qyot27+libcddb__tests_testcache_misc_12345678", 13, "DiscArtist", "DiscTitle", 4,
     "TrackArtist5 / TrackTitle5", ""},
};

TEST(FreedbXmcdRecord, RealRecordsWithEitherLineEnd) {
  for (const RecordCase& c : kRecords) {
    const std::string record = ReadTestFile(std::string("freedb/records/") + c.file);
    for (const std::string& reply : {ReadReply("misc", record), ToLf(ReadReply("misc", record))}) {
      SCOPED_TRACE(c.file);
      const FreedbRecord entry = ExtractRecord(reply, c.tracks);
      ASSERT_EQ(entry.trackTitles.size(), static_cast<std::size_t>(c.tracks));
      EXPECT_EQ(entry.trackTitles[static_cast<std::size_t>(c.track)], c.title);
      EXPECT_EQ(entry.details.artist, c.artist);
      EXPECT_EQ(entry.details.discName, c.discName);
      EXPECT_EQ(entry.details.category, "misc");
      EXPECT_EQ(entry.details.notes, c.notes);
      for (const std::string& title : entry.trackTitles) {
        EXPECT_FALSE(title.empty());
        EXPECT_EQ(title.find_first_of("\r\n"), std::string::npos) << title;
      }
    }
  }
}

TEST(FreedbXmcdRecord, FixedFieldsOfTheStoredEntry) {
  const FreedbRecord entry = ExtractRecord(
      ReadReply("rock", ReadTestFile("freedb/records/alrs+freedb__test_decafbad")), 2);
  EXPECT_EQ(entry.details.label, "");
  EXPECT_EQ(entry.details.yearReleased, "");
  EXPECT_EQ(entry.details.recording, 0);
  EXPECT_EQ(entry.details.type, 0);
  EXPECT_EQ(entry.details.size, 1);
  const TitleTable table = entry.ToTitleTable();
  EXPECT_EQ(table.Get(0), "Introduction");
  EXPECT_EQ(table.Get(1), "So Long That It Wraps Around");
  EXPECT_EQ(table.Get(2), "");
}

TEST(FreedbXmcdRecord, TitlesBeyondTheReplyAreEmptyAndTheDiscDecidesTheCount) {
  const std::string reply = "210 rock 1 x\r\nTTITLE0=One\r\nTTITLE2=Three\r\n.\r\n";
  const FreedbRecord entry = ExtractRecord(reply, 4);
  EXPECT_EQ(entry.trackTitles, (std::vector<std::string>{"One", "", "Three", ""}));
  EXPECT_EQ(ExtractRecord(reply, 150).trackTitles.size(), 99u);
}

TEST(FreedbXmcdRecord, KeysCountOnlyAtTheStartOfALine) {
  const std::string reply =
      "210 rock 1 x\r\n"
      "# TTITLE0=comment\r\n"
      "TTITLE1=NEXTDOOR EXTD=no\r\n"
      "TTITLE10=Ten\r\n"
      "TTITLE0=Zero\r\n"
      "EXTD=yes\r\n"
      ".\r\n";
  EXPECT_EQ(ExtractTrackTitle(reply, 0), "Zero");
  EXPECT_EQ(ExtractTrackTitle(reply, 1), "NEXTDOOR EXTD=no");
  EXPECT_EQ(ExtractTrackTitle(reply, 10), "Ten");
  EXPECT_EQ(ExtractNotes(reply), "yes");
}

TEST(FreedbXmcdRecord, ValuesAreCutToTheCatalogueLimits) {
  const std::string longTitle(300, 't');
  const std::string reply =
      "210 abcdefghijklmnopqrstuvwxyz0123456789 1 x\r\n"
      "DTITLE=" +
      std::string(200, 'a') +
      "\r\n"
      "DTITLE=" +
      std::string(100, 'a') + " / " + std::string(300, 'd') +
      "\r\n"
      "TTITLE0=" +
      longTitle.substr(0, 250) +
      "\r\n"
      "TTITLE0=" +
      longTitle.substr(250) +
      "\r\n"
      "EXTD=" +
      std::string(300, 'n') +
      "\r\n"
      ".\r\n";
  EXPECT_EQ(ExtractTrackTitle(reply, 0), std::string(255, 't'));
  const DiscTitle title = ExtractDiscTitle(reply);
  EXPECT_EQ(title.artist, std::string(255, 'a'));
  EXPECT_EQ(title.discName, std::string(255, 'd'));
  EXPECT_EQ(ExtractCategory(reply), "abcdefghijklmnopqrstuvwxyz012");
  EXPECT_EQ(ExtractNotes(reply), std::string(255, 'n'));
}

TEST(FreedbXmcdRecord, NotesCutNeverKeepHalfALineBreak) {
  const std::string reply = "210 rock 1 x\r\nEXTD=" + std::string(254, 'n') + "\\nmore\r\n.\r\n";
  EXPECT_EQ(ExtractNotes(reply), std::string(254, 'n'));
}

TEST(FreedbXmcdRecord, DiscTitleSplits) {
  const struct {
    const char* title;
    const char* artist;
    const char* discName;
  } cases[] = {
      {"Joshua Redman / Wish", "Joshua Redman", "Wish"},
      {"Ernest Ray Everett - Single CD", "Ernest Ray Everett", "Single CD"},
      // Both halves come from one separator: the artist keeps its hyphen or slash.
      {"Jay-Z / The Blueprint", "Jay-Z", "The Blueprint"},
      {"AC/DC / Back In Black", "AC/DC", "Back In Black"},
      {"AC/DC - Back In Black", "AC/DC", "Back In Black"},
      {"Artist/Disc", "Artist", "Disc"},
      {"Artist /Disc", "Artist", "Disc"},
      {"Artist-Disc", "Artist", "Disc"},
      {"No Separator", "No Separator", "No Separator"},
      {"Trailing / ", "Trailing", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    const DiscTitle split = SplitDiscTitle(c.title);
    EXPECT_EQ(split.artist, c.artist) << c.title;
    EXPECT_EQ(split.discName, c.discName) << c.title;
  }
}

TEST(FreedbXmcdRecord, DiscTitleOverTwoLinesIsJoinedWithoutTheBreak) {
  const std::string reply = "210 rock 1 x\r\nDTITLE=The Artist /\r\nDTITLE= The Disc\r\n.\r\n";
  const DiscTitle title = ExtractDiscTitle(reply);
  EXPECT_EQ(title.artist, "The Artist");
  EXPECT_EQ(title.discName, "The Disc");
}

TEST(FreedbXmcdRecord, NotesEscapes) {
  const struct {
    const char* raw;
    const char* decoded;
  } cases[] = {
      {"a\\nb", "a\r\nb"}, {"a\\tb", "a b"},   {"a\\\\nb", "a\\nb"},
      {"a\\xb", "a\\xb"},  {"end\\", "end\\"}, {"\\n\\n", "\r\n\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeXmcdEscapes(c.raw), c.decoded) << c.raw;
    EXPECT_EQ(ExtractNotes(std::string("210 rock 1 x\r\nEXTD=") + c.raw + "\r\n.\r\n"), c.decoded);
  }
}

TEST(FreedbXmcdRecord, CategoryComesOnlyFromARecordReply) {
  EXPECT_EQ(ExtractCategory("210 rock 7a0b1c09 CD database entry follows\r\n"), "rock");
  EXPECT_EQ(ExtractCategory("210 rock\r\n"), "rock");
  EXPECT_EQ(ExtractCategory("401 rock 7a0b1c09 No such CD entry in database.\r\n"), "");
  EXPECT_EQ(ExtractCategory("#\t12100\r\n210 rock\r\n"), "");
  EXPECT_EQ(ExtractCategory(""), "");
}

}  // namespace
}  // namespace freedb
}  // namespace bw
