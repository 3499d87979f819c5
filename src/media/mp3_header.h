// The four-byte MPEG audio frame header: its fields, the standard's bit-rate and sample-rate
// tables, and the five texts the Audio panel and the audio information dialog show.
#pragma once

#include <cstdint>
#include <string>

namespace bw {

// The five display texts, empty when nothing was read.
struct Mp3HeaderTexts {
  std::string bitRate;      // "128 Kbps", or "Free format"
  std::string sampleRate;   // "44100 Hz"
  std::string channelMode;  // "Joint Stereo"
  std::string layer;        // "Layer III"
  std::string version;      // "MPEG Version 1.0"

  bool IsEmpty() const {
    return bitRate.empty() && sampleRate.empty() && channelMode.empty() && layer.empty() &&
           version.empty();
  }
  bool operator==(const Mp3HeaderTexts& other) const {
    return bitRate == other.bitRate && sampleRate == other.sampleRate &&
           channelMode == other.channelMode && layer == other.layer && version == other.version;
  }
};

// Version bits: 0 MPEG-2.5, 1 reserved, 2 MPEG-2, 3 MPEG-1.
// Layer bits: 0 reserved, 1 Layer III, 2 Layer II, 3 Layer I.
struct Mp3FrameHeader {
  int versionBits = 0;
  int layerBits = 0;
  bool crcProtected = false;
  int bitRateIndex = 0;
  int sampleRateIndex = 0;
  bool padding = false;
  int channelMode = 0;  // 0 stereo, 1 joint stereo, 2 dual channel, 3 single channel
};

Mp3FrameHeader DecodeMp3FrameHeader(std::uint32_t header);

// The eleven sync bits are set (0xFF and a byte of 0xE0 or more).
bool HasMp3FrameSync(std::uint32_t header);
// Sync and no reserved version, layer, bit-rate index or sample-rate index.
bool IsUsableMp3FrameHeader(std::uint32_t header);

// 1, 2 or 3; 0 for the reserved layer bits.
int Mp3Layer(const Mp3FrameHeader& header);
// Kilobits per second; 0 for free format and for reserved fields.
int Mp3BitRateKbps(const Mp3FrameHeader& header);
// Hz; 0 for the reserved version or sample-rate index.
std::uint32_t Mp3SampleRateHz(const Mp3FrameHeader& header);
// Samples each frame carries: 384 (Layer I), 1152, or 576 (Layer III below MPEG-1).
int Mp3SamplesPerFrame(const Mp3FrameHeader& header);
// Bytes of the whole frame with its padding; 0 when the bit rate or rate is unknown.
std::uint32_t Mp3FrameLength(const Mp3FrameHeader& header);

// The texts of one header. Fields that hold a reserved value give an empty bit-rate or
// sample-rate text (never "0 Hz"); reserved layer bits give "Layer Unknown".
Mp3HeaderTexts DescribeMp3FrameHeader(std::uint32_t header);

}  // namespace bw
