// WAV files: the formats' texts, lengths from the data, the fact chunk or the byte rate, and
// the chunk layouts real writers produce, including files cut short.
#include <gtest/gtest.h>

#include "media/byte_source.h"
#include "media/wave_info.h"
#include "media_test_support.h"

namespace bw {
namespace {

using namespace media_testing;

WaveInfo WaveOf(const std::string& bytes) {
  MemoryByteSource source(bytes);
  return ReadWaveInfo(source);
}

std::string Summary(const WaveInfo& info) {
  return info.format + "|" + info.channelsText + "|" + info.sampleRateText + "|" + info.bitsText + "|" +
         info.length;
}

std::string Extensible(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits, std::uint16_t subFormat) {
  const std::uint16_t align = static_cast<std::uint16_t>(channels * bits / 8);
  return WaveFormat(0xFFFE, channels, rate, bits, align, rate * align) + Le(22, 2) + Le(bits, 2) +
         Le(0x3F, 4) + Le(subFormat, 2) + std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
}

TEST(WaveInfoTest, DescribesEachFormat) {
  struct Case {
    const char* what;
    std::string file;
    std::string summary;
  } cases[] = {
      {"16-bit stereo", Riff("WAVE", Chunk("fmt ", PcmFormat(2, 44100, 16)) + Chunk("data", Zeros(176400))),
       "PCM|Stereo|44100 Hz|16 Bits|1.000 Seconds"},
      {"8-bit mono", Riff("WAVE", Chunk("fmt ", PcmFormat(1, 11025, 8)) + Chunk("data", Zeros(5513))),
       "PCM|Mono|11025 Hz|8 Bits|500 Milliseconds"},
      {"extensible 24-bit six channels", Riff("WAVE", Chunk("fmt ", Extensible(6, 48000, 24, 1)) +
                                                         Chunk("data", Zeros(48000 * 18 * 2))),
       "PCM|6 Channels|48000 Hz|24 Bits|2.000 Seconds"},
      {"extensible float", Riff("WAVE", Chunk("fmt ", Extensible(2, 96000, 32, 3)) + Chunk("data", Zeros(768))),
       "IEEE Float|Stereo|96000 Hz|32 Bits|1 Milliseconds"},
      {"mu-law", Riff("WAVE", Chunk("fmt ", WaveFormat(7, 1, 8000, 8, 1, 8000)) + Chunk("data", Zeros(8000 * 65))),
       "\xB5-Law|Mono|8000 Hz|8 Bits|1:05.000 Minutes"},
      // Compressed data: the fact chunk's sample count, not the padded blocks, gives the length.
      {"IMA ADPCM with fact", Riff("WAVE", Chunk("fmt ", WaveFormat(0x11, 1, 8000, 4, 256, 4055) + Le(2, 2) + Le(505, 2)) +
                                                Chunk("fact", Le(12000, 4)) + Chunk("data", Zeros(6144))),
       "IMA ADPCM|Mono|8000 Hz|4 Bits|1.500 Seconds"},
      {"GSM without fact, by its byte rate", Riff("WAVE", Chunk("fmt ", WaveFormat(0x31, 1, 8000, 0, 65, 1625)) +
                                                               Chunk("data", Zeros(3250))),
       "GSM 6.10|Mono|8000 Hz||2.000 Seconds"},
      {"a format without a name here", Riff("WAVE", Chunk("fmt ", WaveFormat(0x161, 2, 44100, 16, 4, 16000)) +
                                                         Chunk("data", Zeros(16000))),
       "Format 0x0161|Stereo|44100 Hz|16 Bits|1.000 Seconds"},
  };
  for (const Case& c : cases) {
    const WaveInfo info = WaveOf(c.file);
    EXPECT_TRUE(info.isWave) << c.what;
    EXPECT_FALSE(info.damaged) << c.what;
    EXPECT_EQ(Summary(info), c.summary) << c.what;
  }
}

TEST(WaveInfoTest, FollowsTheChunkLayoutsWritersProduce) {
  const std::string format = Chunk("fmt ", PcmFormat(1, 8000, 16));
  const std::string second = Chunk("data", Zeros(16000));
  struct Case {
    const char* what;
    std::string file;
    std::string length;
    bool damaged;
  } cases[] = {
      {"other chunks first, one of odd size", Riff("WAVE", Chunk("LIST", "INFOabc") + Chunk("bext", "x") + format + second),
       "1.000 Seconds", false},
      {"data before its format", Riff("WAVE", second + format), "1.000 Seconds", false},
      {"a data size left unknown by a streaming writer",
       Riff("WAVE", format + "data" + Le(0xFFFFFFFF, 4) + Zeros(8000)), "500 Milliseconds", false},
      {"sizes never filled in", "RIFF" + Le(0, 4) + "WAVE" + format + "data" + Le(0, 4) + Zeros(8000),
       "500 Milliseconds", false},
      {"RF64 with its 64-bit sizes", "RF64" + Le(0xFFFFFFFF, 4) + "WAVE" +
                                         Chunk("ds64", Le(0, 8) + Le(24000, 8) + Le(12000, 8) + Le(0, 4)) + format +
                                         "data" + Le(0xFFFFFFFF, 4) + Zeros(24000),
       "1.500 Seconds", false},
      {"data cut short", Riff("WAVE", format + second).substr(0, 44 + 4000), "250 Milliseconds", true},
      {"no data", Riff("WAVE", format), "", true},
      {"a format chunk cut short", Riff("WAVE", "fmt " + Le(16, 4) + PcmFormat(1, 8000, 16).substr(0, 6)), "", true},
  };
  for (const Case& c : cases) {
    const WaveInfo info = WaveOf(c.file);
    EXPECT_EQ(info.length, c.length) << c.what;
    EXPECT_EQ(info.damaged, c.damaged) << c.what;
  }
}

TEST(WaveInfoTest, OtherFilesAreNotWave) {
  for (const std::string& bytes : {std::string(), std::string("RIFF"), Riff("AVI ", Chunk("LIST", "hdrl")),
                                   Riff("RMID", Chunk("data", "MThd")), Mp3Header128() + Zeros(500)}) {
    EXPECT_FALSE(WaveOf(bytes).isWave);
  }
}

}  // namespace
}  // namespace bw
