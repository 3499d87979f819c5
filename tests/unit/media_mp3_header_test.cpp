// The MP3 frame header reader: the texts of headers the encoders write, reserved fields,
// the search window, ID3v2 tags before the audio, and files that cannot be read.
#include <gtest/gtest.h>

#include "media/byte_source.h"
#include "media/media_texts.h"
#include "media/mp3_frame_search.h"
#include "media/mp3_header.h"
#include "media_test_support.h"

namespace bw {
namespace {

using namespace media_testing;

Mp3HeaderTexts Texts(const std::string& a, const std::string& b, const std::string& c,
                     const std::string& d, const std::string& e) {
  return Mp3HeaderTexts{a, b, c, d, e};
}

Mp3HeaderTexts TextsOf(const std::string& bytes) {
  MemoryByteSource source(bytes);
  return ReadMp3HeaderTexts(source);
}

const Mp3HeaderTexts kLayerThree128k =
    Texts("128 Kbps", "44100 Hz", "Joint Stereo", "Layer III", "MPEG Version 1.0");

TEST(Mp3HeaderTest, DescribesHeadersOfEveryVersionAndLayer) {
  struct Case {
    std::string header;
    Mp3HeaderTexts texts;
  } cases[] = {
      {std::string("\xFF\xFB\x90\x64", 4), kLayerThree128k},
      {Mp3Header(3, 2, 10, 1, 0), Texts("192 Kbps", "48000 Hz", "Stereo", "Layer II", "MPEG Version 1.0")},
      {Mp3Header(3, 3, 14, 2, 2), Texts("448 Kbps", "32000 Hz", "Dual Channel", "Layer I", "MPEG Version 1.0")},
      {Mp3Header(2, 1, 8, 0, 3), Texts("64 Kbps", "22050 Hz", "Single Channel", "Layer III", "MPEG Version 2.0")},
      {Mp3Header(2, 2, 14, 1, 1), Texts("160 Kbps", "24000 Hz", "Joint Stereo", "Layer II", "MPEG Version 2.0")},
      {Mp3Header(2, 3, 14, 2, 0), Texts("256 Kbps", "16000 Hz", "Stereo", "Layer I", "MPEG Version 2.0")},
      {Mp3Header(0, 1, 1, 2, 2), Texts("8 Kbps", "8000 Hz", "Dual Channel", "Layer III", "MPEG Version 2.5")},
      {Mp3Header(0, 1, 4, 0, 3), Texts("32 Kbps", "11025 Hz", "Single Channel", "Layer III", "MPEG Version 2.5")},
      // A free-format stream has no bit rate in its header.
      {Mp3Header(3, 1, 0, 0, 0), Texts(kTextFreeFormat, "44100 Hz", "Stereo", "Layer III", "MPEG Version 1.0")},
      // Reserved fields leave their text empty rather than showing 0.
      {Mp3Header(3, 0, 9, 0, 0), Texts("", "44100 Hz", "Stereo", "Layer Unknown", "MPEG Version 1.0")},
      {Mp3Header(3, 1, 9, 3, 0), Texts("128 Kbps", "", "Stereo", "Layer III", "MPEG Version 1.0")},
      {Mp3Header(3, 1, 15, 0, 0), Texts("", "44100 Hz", "Stereo", "Layer III", "MPEG Version 1.0")},
      {Mp3Header(1, 1, 9, 0, 0), Texts("", "", "Stereo", "Layer III", "MPEG Version 0.0")},
  };
  for (const Case& c : cases) {
    const std::uint32_t header = (static_cast<std::uint8_t>(c.header[0]) << 24) |
                                 (static_cast<std::uint8_t>(c.header[1]) << 16) |
                                 (static_cast<std::uint8_t>(c.header[2]) << 8) |
                                 static_cast<std::uint8_t>(c.header[3]);
    EXPECT_EQ(DescribeMp3FrameHeader(header), c.texts) << std::hex << header;
  }
}

TEST(Mp3HeaderTest, FrameLengthsAreTheOnesEncodersWrite) {
  struct Case {
    int version, layer, bitRate, rate;
    bool padding;
    std::uint32_t length;
  } cases[] = {
      {3, 1, 9, 0, false, 417}, {3, 1, 9, 0, true, 418},   // 128 kbit/s at 44.1 kHz
      {3, 1, 1, 1, false, 96},                             // 32 kbit/s at 48 kHz
      {3, 2, 14, 1, false, 1152},                          // Layer II 384 kbit/s at 48 kHz
      {3, 3, 1, 2, false, 48}, {3, 3, 1, 2, true, 52},     // Layer I pads by a 4-byte slot
      {2, 1, 8, 0, false, 208},                            // MPEG-2 Layer III: 576 samples
      {0, 1, 1, 2, false, 72},                             // MPEG-2.5 8 kbit/s at 8 kHz
      {3, 1, 0, 0, false, 0}, {1, 1, 9, 0, false, 0},      // free format, reserved version
  };
  for (const Case& c : cases) {
    Mp3FrameHeader header;
    header.versionBits = c.version;
    header.layerBits = c.layer;
    header.bitRateIndex = c.bitRate;
    header.sampleRateIndex = c.rate;
    header.padding = c.padding;
    EXPECT_EQ(Mp3FrameLength(header), c.length) << c.version << " " << c.layer << " " << c.bitRate;
  }
}

TEST(Mp3HeaderTest, TakesTheFirstCompleteValidHeaderWithinTheWindow) {
  struct Case {
    const char* what;
    std::string bytes;
    bool found;
  } cases[] = {
      {"a header at the start", Mp3Header128() + Zeros(400), true},
      {"the last complete header in the window", Zeros(5116) + Mp3Header128(), true},
      {"a sync at byte 5118 has no complete header", Zeros(5118) + Mp3Header128(), false},
      {"a header past the window", Zeros(5120) + Mp3Header128(), false},
      {"nothing but zeros", Zeros(8000), false},
      {"three bytes", std::string("\xFF\xFB\x90", 3), false},
      {"empty", "", false},
      {"only reserved headers", Mp3Header(1, 1, 9, 0, 0) + Mp3Header(3, 0, 9, 0, 0) +
                                    Mp3Header(3, 1, 15, 0, 0) + Mp3Header(3, 1, 9, 3, 0), false},
  };
  for (const Case& c : cases) {
    const Mp3HeaderTexts texts = TextsOf(c.bytes);
    EXPECT_EQ(!texts.IsEmpty(), c.found) << c.what;
    if (c.found) {
      EXPECT_EQ(texts, kLayerThree128k) << c.what;
    }
  }
}

TEST(Mp3HeaderTest, PassesOverSyncsWithReservedFields) {
  // A run of FF bytes (bit-rate index 15 wherever it is read), a header of the reserved
  // version and one of the reserved layer all look like syncs; the audio follows them.
  const std::string bytes = std::string("\xFF\xFF\xFF\xFF\xFC\xFC", 6) + Mp3Header(1, 1, 9, 0, 0) +
                            std::string("\xFF\xE0\x00\x00", 4) + Mp3Header128();
  MemoryByteSource source(bytes);
  const Mp3FirstFrame frame = FindFirstMp3Frame(source);
  ASSERT_TRUE(frame.found);
  EXPECT_EQ(frame.offset, 14u);
  EXPECT_EQ(DescribeMp3FrameHeader(frame.header), kLayerThree128k);
}

TEST(Mp3HeaderTest, SkipsId3v2TagsByTheirSize) {
  // A UTF-16 text frame starts with the byte-order mark FF FE, which looks like a Layer I sync.
  const std::string utf16Tag = Id3v2Tag(3, {{"TALB", Utf16Le(u"\u30A1\u30A2")}}, 32);
  const std::string syncInTag = Id3v2Tag(3, {{"TIT2", Latin1("x") + Mp3Header(3, 3, 4, 0, 0)}});
  const std::string footerTag = Id3v2Tag(4, 0x10, Id3v2Frame(4, {"TIT2", Latin1("x")})) + "3DI" + Zeros(7);
  struct Case {
    const char* what;
    std::string bytes;
    bool found;
    std::uint64_t offset;
  } cases[] = {
      {"a UTF-16 frame", utf16Tag + Mp3Header128(), true, utf16Tag.size()},
      {"a header-like text", syncInTag + Mp3Header128(), true, syncInTag.size()},
      {"two tags in a row", utf16Tag + syncInTag + Mp3Header128(), true, utf16Tag.size() + syncInTag.size()},
      {"a footer", footerTag + Mp3Header128(), true, footerTag.size()},
      {"the window counts from the tag's end", utf16Tag + Zeros(5116) + Mp3Header128(), true,
       utf16Tag.size() + 5116},
      {"a header beyond the window after the tag", utf16Tag + Zeros(5117) + Mp3Header128(), false, 0},
      {"a tag that claims more than the file", Id3v2Tag(3, 0, std::string(100, 'x')).substr(0, 50) +
                                                   Mp3Header128(), false, 0},
  };
  for (const Case& c : cases) {
    MemoryByteSource source(c.bytes);
    const Mp3FirstFrame frame = FindFirstMp3Frame(source);
    EXPECT_EQ(frame.found, c.found) << c.what;
    if (!c.found) continue;
    EXPECT_EQ(frame.offset, c.offset) << c.what;
    EXPECT_EQ(DescribeMp3FrameHeader(frame.header), kLayerThree128k) << c.what;
  }
}

TEST(Mp3HeaderTest, AnInvalidTagHeaderIsScannedAsData) {
  // A size byte with its top bit set is no ID3v2 size: the bytes are searched from the start.
  const std::string bytes = std::string("ID3\x03\x00\x00\x00\x00\x80\x00", 10) + Mp3Header128();
  EXPECT_EQ(TextsOf(bytes), kLayerThree128k);
}

TEST(Mp3HeaderTest, ReadsTheRealFiles) {
  // Each begins with a 128 kbit/s joint-stereo frame; one has an ID3v2.3 tag whose UTF-16
  // album holds the bytes FF FE at offset 33.
  for (const char* name : {"mp3/tuffy+python-audio-tools__test_id3v23.mp3",
                           "mp3/tuffy+python-audio-tools__test_id3v1.mp3",
                           "mp3/tuffy+python-audio-tools__test_sine.mp3"}) {
    const std::string bytes = ReadTestFile(name);
    ASSERT_FALSE(bytes.empty()) << name;
    EXPECT_EQ(TextsOf(bytes), kLayerThree128k) << name;
  }
}

TEST(Mp3HeaderTest, FilesThatCannotBeReadGiveEmptyTexts) {
  EXPECT_TRUE(ReadMp3HeaderTexts(DefaultFileSystem(), "").IsEmpty());
  EXPECT_TRUE(ReadMp3HeaderTexts(DefaultFileSystem(), "/no/such/folder/song.mp3").IsEmpty());
  UnopenableFileSystem unopenable;
  EXPECT_TRUE(ReadMp3HeaderTexts(unopenable, "song.mp3").IsEmpty());
  // A read error inside the window ends the data there.
  FailingReadFileSystem failing(Zeros(100) + Mp3Header128(), 50);
  EXPECT_TRUE(ReadMp3HeaderTexts(failing, "song.mp3").IsEmpty());
  FailingReadFileSystem working(Zeros(100) + Mp3Header128(), 1 << 20);
  EXPECT_EQ(ReadMp3HeaderTexts(working, "song.mp3"), kLayerThree128k);
}

}  // namespace
}  // namespace bw
