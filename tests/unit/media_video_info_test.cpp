// Video files: AVI headers, QuickTime atom trees, MPEG program and elementary streams (both
// counted through and measured by time stamps), and the kind told by the first bytes.
#include <gtest/gtest.h>

#include "media/byte_source.h"
#include "media/video_info.h"
#include "media_test_support.h"

namespace bw {
namespace {

using namespace media_testing;

std::string Summary(const VideoInfo& info) {
  return info.format + "|" + info.compression + "|" + info.frameSize + "|" + info.framesText + "|" +
         info.frameRate + "|" + info.length;
}

VideoInfo VideoOf(const std::string& bytes) {
  MemoryByteSource source(bytes);
  return ReadVideoInfo(source);
}

// --- AVI ---

std::string MainHeader(std::uint32_t usPerFrame, std::uint32_t frames, std::uint32_t width, std::uint32_t height) {
  return Chunk("avih", Le(usPerFrame, 4) + Zeros(12) + Le(frames, 4) + Zeros(4) + Le(1, 4) + Zeros(4) +
                           Le(width, 4) + Le(height, 4) + Zeros(16));
}
std::string StreamHeader(const std::string& type, const std::string& handler, std::uint32_t scale,
                         std::uint32_t rate, std::uint32_t length) {
  return Chunk("strh", type + handler + Zeros(12) + Le(scale, 4) + Le(rate, 4) + Zeros(4) + Le(length, 4) +
                           Zeros(20));
}
std::string PictureFormat(std::int32_t width, std::int32_t height, const std::string& compression) {
  return Chunk("strf", Le(40, 4) + Le(static_cast<std::uint32_t>(width), 4) + Le(static_cast<std::uint32_t>(height), 4) +
                           Le(1, 2) + Le(24, 2) + compression + Zeros(20));
}
std::string List(const std::string& type, const std::string& body) { return Chunk("LIST", type + body); }

TEST(VideoInfoTest, ReadsAviHeaders) {
  const std::string audio = List("strl", StreamHeader("auds", Zeros(4), 1, 44100, 88200) + Chunk("strf", Zeros(18)));
  const std::string video = List("strl", StreamHeader("vids", "XVID", 1001, 30000, 300) +
                                             PictureFormat(320, -240, "XVID"));
  struct Case {
    const char* what;
    std::string file;
    std::string summary;
    bool damaged;
  } cases[] = {
      {"an audio stream before the video", Riff("AVI ", List("hdrl", MainHeader(33367, 300, 320, 240) + audio + video) +
                                                            List("movi", Zeros(100))),
       "AVI|XVID|320 x 240 Pixels|300 Frames|29.97 fps|10.010 Seconds", false},
      {"OpenDML counts every frame", Riff("AVI ", List("hdrl", MainHeader(40000, 100, 64, 48) +
                                                                   List("strl", StreamHeader("vids", "DIB ", 1, 25, 0) +
                                                                                    PictureFormat(64, 48, Zeros(4))) +
                                                                   List("odml", Chunk("dmlh", Le(2500, 4) + Zeros(244))))),
       "AVI (OpenDML)|Uncompressed|64 x 48 Pixels|2500 Frames|25 fps|1:40.000 Minutes", false},
      {"only the main header", Riff("AVI ", List("hdrl", MainHeader(100000, 1, 160, 120))),
       "AVI||160 x 120 Pixels|1 Frame|10 fps|100 Milliseconds", false},
      {"a header list cut short", Riff("AVI ", List("hdrl", MainHeader(40000, 50, 80, 60) + video)).substr(0, 120),
       "AVI||80 x 60 Pixels|50 Frames|25 fps|2.000 Seconds", true},
      {"no header list", Riff("AVI ", List("movi", Zeros(10))), "AVI|||||", true},
  };
  for (const Case& c : cases) {
    const VideoInfo info = VideoOf(c.file);
    EXPECT_EQ(info.container, VideoContainer::kAvi) << c.what;
    EXPECT_EQ(Summary(info), c.summary) << c.what;
    EXPECT_EQ(info.damaged, c.damaged) << c.what;
  }
}

// --- QuickTime ---

std::string SoundTrack() {
  return Track("soun", TrackHeader(0, 0), MediaHeader(44100, 88200), SampleSizes(86));
}
std::string VideoTrack(std::uint32_t width, std::uint32_t height, std::uint32_t frames) {
  return Track("vide", TrackHeader(width, height), MediaHeader(600, frames * 24),
               SampleDescription("avc1", static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height)) +
                   SampleSizes(frames));
}

TEST(VideoInfoTest, ReadsQuickTimeAtoms) {
  const std::string quickTime = Atom("ftyp", std::string("qt  ") + Zeros(4) + "qt  ");
  const std::string mp4 = Atom("ftyp", std::string("isom") + Zeros(4) + "isommp41");
  const std::string movie = Atom("moov", MovieHeader(1000, 4000) + SoundTrack() + VideoTrack(640, 360, 100));
  const std::string largeMdat = Be(1, 4) + "mdat" + Be(16 + 64, 8) + Zeros(64);
  // Version 1 headers carry 64-bit times.
  const std::string v1Movie = Atom("moov", Atom("mvhd", std::string(1, '\1') + Zeros(3) + Zeros(16) + Be(90000, 4) +
                                                            Be(900000, 8) + Zeros(80)) +
                                               Track("vide", Atom("tkhd", std::string(1, '\1') + Zeros(87) +
                                                                              Be(720u << 16, 4) + Be(576u << 16, 4)),
                                                     Atom("mdhd", std::string(1, '\1') + Zeros(19) + Be(25, 4) + Be(250, 8)),
                                                     Atom("stts", Zeros(4) + Be(2, 4) + Be(200, 4) + Be(1, 4) +
                                                                      Be(50, 4) + Be(1, 4))));
  struct Case {
    const char* what;
    std::string file;
    std::string summary;
    bool damaged;
  } cases[] = {
      {"header first", quickTime + movie + Atom("mdat", Zeros(32)),
       "QuickTime|avc1|640 x 360 Pixels|100 Frames|25 fps|4.000 Seconds", false},
      {"header after a 64-bit media atom", mp4 + largeMdat + movie,
       "MPEG-4|avc1|640 x 360 Pixels|100 Frames|25 fps|4.000 Seconds", false},
      {"version 1 headers and a time-to-sample table", Atom("wide", "") + v1Movie,
       "QuickTime||720 x 576 Pixels|250 Frames|25 fps|10.000 Seconds", false},
      {"no picture size in the track header", quickTime + Atom("moov", MovieHeader(600, 600) + VideoTrack(0, 0, 10)),
       "QuickTime|avc1||10 Frames|25 fps|1.000 Seconds", false},
      {"the header cut short", (quickTime + movie).substr(0, quickTime.size() + 200),
       "QuickTime|||||4.000 Seconds", true},
      {"a media atom cut short at the end", quickTime + movie + Atom("mdat", Zeros(64)).substr(0, 40),
       "QuickTime|avc1|640 x 360 Pixels|100 Frames|25 fps|4.000 Seconds", false},
      {"media without a header", quickTime + Atom("mdat", Zeros(16)), "QuickTime|||||", true},
  };
  for (const Case& c : cases) {
    const VideoInfo info = VideoOf(c.file);
    EXPECT_EQ(info.container, VideoContainer::kQuickTime) << c.what;
    EXPECT_EQ(Summary(info), c.summary) << c.what;
    EXPECT_EQ(info.damaged, c.damaged) << c.what;
  }
}

TEST(VideoInfoTest, TakesTheTrackHeadersSizeOverTheSampleEntrys) {
  // The sample entry has the coded size; the track header the size the picture is shown at.
  const std::string movie = Atom("moov", MovieHeader(600, 600) +
                                             Track("vide", TrackHeader(853, 480), MediaHeader(600, 600),
                                                   SampleDescription("mp4v", 720, 480) + SampleSizes(25)));
  EXPECT_EQ(VideoOf(movie).frameSize, "853 x 480 Pixels");
}

// --- MPEG ---

constexpr std::uint64_t kFrameTicks25 = 3600;  // 90 kHz clock at 25 frames a second

// A program stream of `pictures` pictures at 25 fps, one picture per video packet with its
// time stamp, and audio packets whose payload holds bytes that look like picture codes.
std::string ProgramStream(int pictures, bool mpeg2, int stampEvery = 1) {
  std::string out;
  const std::string header = SequenceHeader(352, 288, 3, 2900) + (mpeg2 ? SequenceExtension() : "");
  for (int i = 0; i < pictures; ++i) {
    out += mpeg2 ? Mpeg2Pack() : Mpeg1Pack();
    if (i == 0) out += StartCode(0xBB) + Be(6, 2) + Zeros(6);
    std::string payload = (i % 12 == 0 ? header + GroupHeader(0, 0, i / 25, i % 25) : "") + Picture();
    const std::int64_t pts = i % stampEvery == 0 ? static_cast<std::int64_t>(90000 + i * kFrameTicks25) : -1;
    out += Pes(0xE0, payload, pts, mpeg2);
    out += Pes(0xC0, StartCode(0x00) + std::string(40, '\x11'), static_cast<std::int64_t>(90000 + i * 3600), mpeg2);
    if (i % 5 == 0) out += StartCode(0xBE) + Be(30, 2) + std::string(30, '\xFF');
  }
  return out + StartCode(0xB9);
}

VideoInfo MpegOf(const std::string& bytes, std::uint64_t exactCountLimit) {
  MemoryByteSource source(bytes);
  return ReadMpegVideoInfo(source, exactCountLimit);
}

TEST(VideoInfoTest, CountsOrMeasuresMpegProgramStreams) {
  for (bool mpeg2 : {false, true}) {
    const std::string stream = ProgramStream(250, mpeg2);
    const std::string expected = std::string(mpeg2 ? "MPEG-2 Program Stream|MPEG-2 Video" : "MPEG-1 Program Stream|MPEG-1 Video") +
                                 "|352 x 288 Pixels|250 Frames|25 fps|10.000 Seconds";
    // Counted picture by picture, and measured from the time stamps of its start and end.
    for (std::uint64_t limit : {kMpegExactCountLimit, std::uint64_t{0}}) {
      const VideoInfo info = MpegOf(stream, limit);
      EXPECT_EQ(info.container, VideoContainer::kMpegProgram);
      EXPECT_EQ(Summary(info), expected) << mpeg2 << " " << limit;
      EXPECT_FALSE(info.damaged) << mpeg2 << " " << limit;
    }
  }
}

TEST(VideoInfoTest, MpegDamageIsNotedAndReadPast) {
  const std::string stream = ProgramStream(50, false);
  // Junk between packs: the reader finds the next pack and counts on.
  const std::size_t cut = stream.size() / 2;
  const std::size_t pack = stream.find(StartCode(0xBA), cut);
  const std::string junk = stream.substr(0, pack) + StartCode(0x00) + "garbage" + stream.substr(pack);
  const VideoInfo withJunk = MpegOf(junk, kMpegExactCountLimit);
  EXPECT_TRUE(withJunk.damaged);
  EXPECT_EQ(withJunk.framesText, "50 Frames");
  // Cut in the middle of a packet: the pictures before it.
  const VideoInfo cutShort = MpegOf(stream.substr(0, pack - 10), kMpegExactCountLimit);
  EXPECT_TRUE(cutShort.damaged);
  EXPECT_EQ(cutShort.frameSize, "352 x 288 Pixels");
  EXPECT_LT(cutShort.frames, 50u);
  // No sequence header at all.
  EXPECT_TRUE(MpegOf(Mpeg1Pack() + Pes(0xE0, Picture(), 0, false), kMpegExactCountLimit).damaged);
}

std::string ElementaryStream(int pictures, int rateCode, int fps, bool dropFrame = false) {
  std::string out = SequenceHeader(720, 480, rateCode, 20000) + SequenceExtension(0, 0);
  for (int i = 0; i < pictures; ++i) {
    if (i % 15 == 0) {
      const int seconds = i / fps;
      out += GroupHeader(seconds / 3600, (seconds / 60) % 60, seconds % 60, i % fps, dropFrame);
    }
    out += Picture();
  }
  return out;
}

TEST(VideoInfoTest, CountsOrMeasuresElementaryStreams) {
  const std::string stream = ElementaryStream(300, 5, 30);
  for (std::uint64_t limit : {kMpegExactCountLimit, std::uint64_t{0}}) {
    const VideoInfo info = MpegOf(stream, limit);
    EXPECT_EQ(info.container, VideoContainer::kMpegElementary);
    EXPECT_EQ(Summary(info), "MPEG Video Elementary Stream|MPEG-2 Video|720 x 480 Pixels|300 Frames|30 fps|10.000 Seconds")
        << limit;
  }
  // The size's top bits and the frame-rate factor of the sequence extension.
  const std::string large = SequenceHeader(1920, 1080, 3) + SequenceExtension(1, 0, 1, 0) + Picture();
  const VideoInfo wide = MpegOf(large, kMpegExactCountLimit);
  EXPECT_EQ(wide.frameSize, "6016 x 1080 Pixels");
  EXPECT_EQ(wide.frameRate, "50 fps");
}

TEST(VideoInfoTest, TellsTheKindByTheFirstBytes) {
  EXPECT_EQ(VideoOf(Riff("AVI ", List("hdrl", MainHeader(40000, 1, 8, 8)))).container, VideoContainer::kAvi);
  EXPECT_EQ(VideoOf(Atom("moov", MovieHeader(1, 1))).container, VideoContainer::kQuickTime);
  EXPECT_EQ(VideoOf(Zeros(16) + ProgramStream(2, false)).container, VideoContainer::kMpegProgram);
  EXPECT_EQ(VideoOf(ElementaryStream(2, 3, 25)).container, VideoContainer::kMpegElementary);
  for (const std::string& other : {std::string(), Riff("WAVE", ""), std::string("\0\0\1\xB5xxxx", 8),
                                   Mp3Header128() + Zeros(100), std::string(300, 'x')}) {
    EXPECT_EQ(VideoOf(other).container, VideoContainer::kUnknown);
  }
}

}  // namespace
}  // namespace bw
