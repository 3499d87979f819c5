// ID3 tags: the three ID3v2 layouts, text encodings made ANSI, unsynchronisation, the
// precedence of ID3v2 over ID3v1, and damaged tags that keep what came before the damage.
#include <gtest/gtest.h>

#include "media/byte_source.h"
#include "media/id3_tags.h"
#include "media_test_support.h"

namespace bw {
namespace {

using namespace media_testing;

Id3Tags TagsOf(const std::string& bytes, UnicodeToAnsi toAnsi = Utf16ToWindows1252) {
  MemoryByteSource source(bytes);
  return ReadId3Tags(source, toAnsi);
}

std::string Quadruple(const Id3Tags& tags) {
  return tags.title + "|" + tags.artist + "|" + tags.album + "|" + tags.year;
}

TEST(Id3TagsTest, ReadsEachVersionsFrames) {
  const std::string v22 = Id3v2Tag(2, {{"TT2", Latin1("Song")}, {"TP1", Latin1("Band")},
                                       {"TAL", Latin1("Record")}, {"TYE", Latin1("1987")}});
  const std::string v23 = Id3v2Tag(3, {{"TIT2", Latin1("Song")}, {"TPE1", Latin1("Band")},
                                       {"TALB", Latin1("Record")}, {"TYER", Latin1("1987")}}, 100);
  const std::string v24 = Id3v2Tag(4, {{"TIT2", Utf8("Song")}, {"TPE1", Utf8("Band")},
                                       {"TALB", Utf8("Record")}, {"TDRC", Utf8("1987-06-05T10:00")}});
  for (const auto& [tag, version] : {std::pair{v22, 2}, std::pair{v23, 3}, std::pair{v24, 4}}) {
    const Id3Tags tags = TagsOf(tag + Mp3Header128());
    EXPECT_EQ(Quadruple(tags), "Song|Band|Record|1987") << version;
    EXPECT_EQ(tags.v2MajorVersion, version);
    EXPECT_FALSE(tags.damaged) << version;
    EXPECT_EQ(TagVersionsText(tags), "ID3v2." + std::to_string(version));
  }
}

TEST(Id3TagsTest, MakesEveryEncodingAnsi) {
  struct Case {
    const char* what;
    std::string body;
    std::string ansi;
  } cases[] = {
      {"Latin-1 bytes as they are", Latin1("Caf\xE9 \x92"), "Caf\xE9 \x92"},
      {"UTF-16 little-endian", Utf16Le(u"Caf\u00E9 \u20AC"), "Caf\xE9 \x80"},
      {"UTF-16 big-endian mark", Utf16Be(u"Caf\u00E9"), "Caf\xE9"},
      {"UTF-16 without a mark", Utf16Le(u"Plain", false), "Plain"},
      {"UTF-16BE", std::string(1, '\2') + Be(u'\u00C4', 2) + Be('x', 2), "\xC4x"},
      {"UTF-8", Utf8("\xC3\x9C" "ber \xE2\x82\xAC"), "\xDC" "ber \x80"},
      {"characters outside the code page", Utf16Le(u"\u30A1\u30A2"), "??"},
      {"a surrogate pair is one character", Utf16Le(u"a\U0001F600b"), "a?b"},
      {"malformed UTF-8", Utf8("a\xC3(b"), "a?(b"},
      {"several values", std::string("\0One\0Two\0", 9), "One/Two"},
      {"several UTF-16 values, each with its mark", Utf16Le(u"A") + std::string("\0\0", 2) + "\xFF\xFE" + Le('B', 2),
       "A/B"},
      {"blanks and controls", Latin1("  \tTab\x01 Song \r\n"), "Tab Song"},
      {"an unknown encoding", std::string("\x07text"), ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeId3TextFrame(c.body, Utf16ToWindows1252), c.ansi) << c.what;
  }
}

TEST(Id3TagsTest, UnicodeTextGoesThroughTheGivenConversion) {
  const UnicodeToAnsi counting = [](const std::u16string& text) {
    return "<" + std::to_string(text.size()) + ">";
  };
  const Id3Tags tags = TagsOf(Id3v2Tag(3, {{"TIT2", Utf16Le(u"\u30A1\u30A2")}, {"TPE1", Latin1("Band")}}),
                              counting);
  EXPECT_EQ(tags.title, "<2>");
  EXPECT_EQ(tags.artist, "Band");
}

TEST(Id3TagsTest, UndoesUnsynchronisation) {
  // Version 2.3 unsynchronises the whole tag, frame headers included.
  const std::string frames = Id3v2Frame(3, {"TIT2", Latin1("A\xFF")}) + Id3v2Frame(3, {"TPE1", Latin1("B")});
  std::string unsynchronised;
  for (char c : frames) {
    unsynchronised.push_back(c);
    if (static_cast<std::uint8_t>(c) == 0xFF) unsynchronised.push_back('\0');
  }
  EXPECT_EQ(Quadruple(TagsOf(Id3v2Tag(3, 0x80, unsynchronised))), "A\xFF|B||");
  // Version 2.4 marks each frame.
  const std::string frame = "TIT2" + SyncSafe(4) + Be(0x0002, 2) + Latin1(std::string("\xFF\0z", 3));
  EXPECT_EQ(TagsOf(Id3v2Tag(4, 0, frame)).title, "\xFFz");
}

TEST(Id3TagsTest, SkipsExtendedHeadersAndFramesItCannotRead) {
  const std::string title = Id3v2Frame(3, {"TIT2", Latin1("T")});
  EXPECT_EQ(TagsOf(Id3v2Tag(3, 0x40, Be(6, 4) + Zeros(6) + title)).title, "T");
  EXPECT_EQ(TagsOf(Id3v2Tag(4, 0x40, SyncSafe(6) + std::string("\x01\x00", 2) + Id3v2Frame(4, {"TIT2", Latin1("T")})))
                .title,
            "T");
  // A compressed title is passed over; a grouped one loses its group byte.
  const Id3Tags tags = TagsOf(Id3v2Tag(3, {{"TIT2", Latin1("packed"), 0x0080},
                                           {"TPE1", "\x05" + Latin1("Band"), 0x0020},
                                           {"TALB", Latin1("Record")}}));
  EXPECT_EQ(Quadruple(tags), "|Band|Record|");
  // A 2.4 data length indicator comes before the text.
  EXPECT_EQ(TagsOf(Id3v2Tag(4, {{"TIT2", SyncSafe(5) + Latin1("Song"), 0x0001}})).title, "Song");
  // The first of two title frames counts.
  EXPECT_EQ(TagsOf(Id3v2Tag(3, {{"TIT2", Latin1("First")}, {"TIT2", Latin1("Second")}})).title, "First");
}

TEST(Id3TagsTest, Id3v2WinsAndId3v1FillsTheGaps) {
  const std::string v1 = Id3v1Tag("Old Title", "Old Band", "Old Record", "1970", 5);
  const Id3Tags both = TagsOf(Id3v2Tag(3, {{"TIT2", Latin1("New Title")}}) + Mp3Header128() + Zeros(400) + v1);
  EXPECT_EQ(Quadruple(both), "New Title|Old Band|Old Record|1970");
  EXPECT_EQ(TagVersionsText(both), "ID3v2.3, ID3v1.1");
  const Id3Tags v10 = TagsOf(Mp3Header128() + Id3v1Tag("Title  ", "", "Album", "2001"));
  EXPECT_EQ(Quadruple(v10), "Title||Album|2001");
  EXPECT_EQ(TagVersionsText(v10), "ID3v1");
  EXPECT_EQ(TagVersionsText(TagsOf(Mp3Header128() + Zeros(200))), "");
}

TEST(Id3TagsTest, DamageKeepsWhatCameBefore) {
  const std::string title = Id3v2Frame(3, {"TIT2", Latin1("Kept")});
  struct Case {
    const char* what;
    std::string bytes;
    bool damaged;
    const char* title;
  } cases[] = {
      {"a tag cut off by the file's end", Id3v2Tag(3, 0, title + Id3v2Frame(3, {"TPE1", Latin1("Lost")}))
                                              .substr(0, 10 + title.size() + 6), true, "Kept"},
      {"a frame longer than its tag", Id3v2Tag(3, 0, title + "APIC" + Be(1000, 4) + Zeros(2) + Latin1("x")),
       true, "Kept"},
      {"a frame name that is not one", Id3v2Tag(3, 0, title + "T\x01PE" + Be(2, 4) + Zeros(4)), true, "Kept"},
      {"padding ends the frames", Id3v2Tag(3, 0, title + Zeros(30)), false, "Kept"},
      {"an extended header larger than the tag", Id3v2Tag(3, 0x40, Be(500, 4) + title), true, ""},
  };
  for (const Case& c : cases) {
    const Id3Tags tags = TagsOf(c.bytes);
    EXPECT_EQ(tags.damaged, c.damaged) << c.what;
    EXPECT_EQ(tags.title, c.title) << c.what;
    EXPECT_EQ(tags.artist, "") << c.what;
  }
}

TEST(Id3TagsTest, ReadsTheRealFiles) {
  const Id3Tags v1 = TagsOf(ReadTestFile("mp3/tuffy+python-audio-tools__test_id3v1.mp3"));
  EXPECT_EQ(Quadruple(v1), "Title|Artist|Album|2011");
  const Id3Tags v23 = TagsOf(ReadTestFile("mp3/tuffy+python-audio-tools__test_id3v23.mp3"));
  EXPECT_EQ(v23.title, "Track Name");
  EXPECT_EQ(v23.album, std::string(16, '?'));  // katakana, which Windows-1252 cannot hold
  EXPECT_EQ(TagVersionsText(v23), "ID3v2.3");
}

}  // namespace
}  // namespace bw
