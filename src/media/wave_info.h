// What the audio information dialog shows of a WAV file: its format, channels, sample rate,
// sample size and length, from the RIFF chunks "fmt ", "fact" and "data" (also RF64).
#pragma once

#include <cstdint>
#include <string>

#include "media/byte_source.h"

namespace bw {

struct WaveInfo {
  bool isWave = false;   // a RIFF (or RF64) file of form WAVE
  bool damaged = false;  // chunks missing or cut short; the texts show what was found
  bool hasFormat = false;
  bool hasData = false;
  std::uint16_t formatTag = 0;  // of the sub-format for WAVE_FORMAT_EXTENSIBLE
  std::uint16_t channels = 0;
  std::uint32_t sampleRate = 0;
  std::uint32_t bytesPerSecond = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bitsPerSample = 0;
  std::uint64_t dataBytes = 0;    // audio bytes present in the file
  std::uint64_t factSamples = 0;  // sample frames the fact chunk gives, 0 without one
  std::uint64_t durationMs = 0;
  bool durationKnown = false;

  // Display texts; empty when unknown.
  std::string format;         // "PCM"
  std::string channelsText;   // "Mono", "Stereo", "6 Channels"
  std::string sampleRateText; // "44100 Hz"
  std::string bitsText;       // "16 Bits"
  std::string length;         // "1:23.456 Minutes"
};

constexpr std::uint16_t kWaveFormatPcm = 0x0001;
constexpr std::uint16_t kWaveFormatExtensible = 0xFFFE;

WaveInfo ReadWaveInfo(ByteSource& source);

// "PCM", "IEEE Float", ... or "Format 0x0161" for a tag without a name here.
std::string WaveFormatName(std::uint16_t formatTag);

}  // namespace bw
