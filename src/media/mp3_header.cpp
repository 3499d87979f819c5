// The MPEG audio frame header and the bit-rate tables of ISO/IEC 11172-3 and 13818-3.
#include "media/mp3_header.h"

#include "media/display_texts.h"
#include "media/media_texts.h"

namespace bw {
namespace {

// Kilobits per second by bit-rate index 0-15; 0 is "free", 15 is reserved.
constexpr int kMpeg1BitRates[3][16] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},  // Layer I
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},     // Layer II
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},      // Layer III
};
// The low-sampling-rate columns of MPEG-2, also used by MPEG-2.5.
constexpr int kMpeg2BitRates[3][16] = {
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},  // Layer I
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},       // Layers II, III
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
};
// Hz by version bits and sample-rate index 0-2.
constexpr std::uint32_t kSampleRates[4][3] = {
    {11025, 12000, 8000},   // MPEG-2.5
    {0, 0, 0},              // reserved
    {22050, 24000, 16000},  // MPEG-2
    {44100, 48000, 32000},  // MPEG-1
};

constexpr const char* kChannelModes[4] = {kTextChannelStereo, kTextChannelJointStereo,
                                          kTextChannelDual, kTextChannelSingle};
constexpr const char* kVersions[4] = {kTextMpegVersion25, kTextMpegVersion00, kTextMpegVersion20,
                                      kTextMpegVersion10};
// By layer bits: 1 is Layer III, 3 is Layer I.
constexpr const char* kLayers[4] = {kTextLayerUnknown, kTextLayer3, kTextLayer2, kTextLayer1};

}  // namespace

Mp3FrameHeader DecodeMp3FrameHeader(std::uint32_t header) {
  Mp3FrameHeader fields;
  fields.versionBits = static_cast<int>((header >> 19) & 3);
  fields.layerBits = static_cast<int>((header >> 17) & 3);
  fields.crcProtected = ((header >> 16) & 1) == 0;
  fields.bitRateIndex = static_cast<int>((header >> 12) & 15);
  fields.sampleRateIndex = static_cast<int>((header >> 10) & 3);
  fields.padding = ((header >> 9) & 1) != 0;
  fields.channelMode = static_cast<int>((header >> 6) & 3);
  return fields;
}

bool HasMp3FrameSync(std::uint32_t header) { return (header & 0xFFE00000u) == 0xFFE00000u; }

bool IsUsableMp3FrameHeader(std::uint32_t header) {
  if (!HasMp3FrameSync(header)) return false;
  const Mp3FrameHeader fields = DecodeMp3FrameHeader(header);
  return fields.versionBits != 1 && fields.layerBits != 0 && fields.bitRateIndex != 15 &&
         fields.sampleRateIndex != 3;
}

int Mp3Layer(const Mp3FrameHeader& header) {
  return header.layerBits == 0 ? 0 : 4 - header.layerBits;
}

int Mp3BitRateKbps(const Mp3FrameHeader& header) {
  const int layer = Mp3Layer(header);
  if (layer == 0 || header.versionBits == 1) return 0;
  const bool mpeg1 = (header.versionBits & 1) != 0;
  return (mpeg1 ? kMpeg1BitRates : kMpeg2BitRates)[layer - 1][header.bitRateIndex & 15];
}

std::uint32_t Mp3SampleRateHz(const Mp3FrameHeader& header) {
  if (header.sampleRateIndex > 2) return 0;
  return kSampleRates[header.versionBits & 3][header.sampleRateIndex];
}

int Mp3SamplesPerFrame(const Mp3FrameHeader& header) {
  switch (Mp3Layer(header)) {
    case 1: return 384;
    case 2: return 1152;
    case 3: return header.versionBits == 3 ? 1152 : 576;
    default: return 0;
  }
}

std::uint32_t Mp3FrameLength(const Mp3FrameHeader& header) {
  const std::uint32_t kbps = static_cast<std::uint32_t>(Mp3BitRateKbps(header));
  const std::uint32_t hz = Mp3SampleRateHz(header);
  if (kbps == 0 || hz == 0) return 0;
  if (Mp3Layer(header) == 1) return (12000 * kbps / hz + (header.padding ? 1 : 0)) * 4;
  const std::uint32_t bytesPerKbps = static_cast<std::uint32_t>(Mp3SamplesPerFrame(header)) / 8;
  return bytesPerKbps * 1000 * kbps / hz + (header.padding ? 1 : 0);
}

Mp3HeaderTexts DescribeMp3FrameHeader(std::uint32_t header) {
  const Mp3FrameHeader fields = DecodeMp3FrameHeader(header);
  Mp3HeaderTexts texts;
  texts.channelMode = kChannelModes[fields.channelMode];
  texts.layer = kLayers[fields.layerBits];
  texts.version = kVersions[fields.versionBits];
  if (const std::uint32_t hz = Mp3SampleRateHz(fields); hz != 0) texts.sampleRate = HzText(hz);
  if (fields.layerBits != 0 && fields.versionBits != 1 && fields.bitRateIndex != 15) {
    const int kbps = Mp3BitRateKbps(fields);
    texts.bitRate = kbps != 0 ? KbpsText(kbps) : std::string(kTextFreeFormat);
  }
  return texts;
}

}  // namespace bw
