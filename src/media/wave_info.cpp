// The RIFF chunk walk of WAV files. The walk is bounded by the file, not by the RIFF size,
// since writers that stream leave that size at 0 or 0xFFFFFFFF.
#include "media/wave_info.h"

#include <cstdio>

#include "media/byte_order.h"
#include "media/display_texts.h"
#include "media/media_texts.h"

namespace bw {
namespace {

// More chunks than this before "fmt " and "data" is not a WAV file worth reading on.
constexpr int kMaxChunks = 4096;
// A size the writer never filled in; the data then runs to the end of the file.
constexpr std::uint32_t kUnknownSize = 0xFFFFFFFFu;

struct Chunk {
  std::uint8_t id[4];
  std::uint32_t size;
  std::uint64_t bodyOffset;
};

void ReadFormat(const std::vector<std::uint8_t>& body, WaveInfo* info) {
  if (body.size() < 14) {
    info->damaged = true;
    return;
  }
  info->hasFormat = true;
  info->formatTag = Le16(&body[0]);
  info->channels = Le16(&body[2]);
  info->sampleRate = Le32(&body[4]);
  info->bytesPerSecond = Le32(&body[8]);
  info->blockAlign = Le16(&body[12]);
  if (body.size() >= 16) info->bitsPerSample = Le16(&body[14]);
  // WAVE_FORMAT_EXTENSIBLE names the real format in the first two bytes of its GUID.
  if (info->formatTag == kWaveFormatExtensible && body.size() >= 26) {
    info->formatTag = Le16(&body[24]);
  }
}

bool IsPlainSampleFormat(std::uint16_t tag) {
  return tag == kWaveFormatPcm || tag == 0x0003 || tag == 0x0006 || tag == 0x0007;
}

void ComputeDuration(WaveInfo* info) {
  if (!info->hasFormat || !info->hasData || info->sampleRate == 0) return;
  double seconds = -1;
  if (IsPlainSampleFormat(info->formatTag) && info->blockAlign != 0) {
    seconds = static_cast<double>(info->dataBytes / info->blockAlign) / info->sampleRate;
  } else if (info->factSamples != 0) {
    seconds = static_cast<double>(info->factSamples) / info->sampleRate;
  } else if (info->bytesPerSecond != 0) {
    seconds = static_cast<double>(info->dataBytes) / info->bytesPerSecond;
  }
  if (seconds < 0) return;
  info->durationMs = static_cast<std::uint64_t>(seconds * 1000 + 0.5);
  info->durationKnown = true;
}

void FillTexts(WaveInfo* info) {
  if (!info->hasFormat) return;
  info->format = WaveFormatName(info->formatTag);
  if (info->channels == 1) {
    info->channelsText = kTextMono;
  } else if (info->channels == 2) {
    info->channelsText = kTextChannelStereo;
  } else if (info->channels != 0) {
    info->channelsText = std::to_string(info->channels) + kTextChannelsSuffix;
  }
  if (info->sampleRate != 0) info->sampleRateText = HzText(info->sampleRate);
  if (info->bitsPerSample != 0) {
    info->bitsText = CountText(info->bitsPerSample, kTextBitSuffix, kTextBitsSuffix);
  }
  if (info->durationKnown) info->length = LengthText(info->durationMs);
}

}  // namespace

std::string WaveFormatName(std::uint16_t formatTag) {
  switch (formatTag) {
    case 0x0001: return kTextWavePcm;
    case 0x0002: return kTextWaveMsAdpcm;
    case 0x0003: return kTextWaveFloat;
    case 0x0006: return kTextWaveALaw;
    case 0x0007: return kTextWaveMuLaw;
    case 0x0011: return kTextWaveImaAdpcm;
    case 0x0031: return kTextWaveGsm;
    case 0x0050: return kTextWaveMpeg;
    case 0x0055: return kTextWaveMp3;
    default: break;
  }
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%04X", formatTag);
  return std::string(kTextWaveOtherFormat) + hex;
}

WaveInfo ReadWaveInfo(ByteSource& source) {
  WaveInfo info;
  const std::uint64_t fileSize = source.Size();
  std::uint8_t head[12];
  if (source.ReadAt(0, head, sizeof head) != sizeof head) return info;
  const bool rf64 = IsFourCc(head, "RF64") || IsFourCc(head, "BW64");
  if (!(IsFourCc(head, "RIFF") || rf64) || !IsFourCc(head + 8, "WAVE")) return info;
  info.isWave = true;
  const std::uint32_t riffSize = Le32(head + 4);
  const bool streamed = riffSize == 0 || riffSize == kUnknownSize;

  std::uint64_t rf64DataSize = 0;
  std::uint64_t offset = 12;
  bool haveFact = false;
  for (int n = 0; n < kMaxChunks && !(info.hasFormat && info.hasData); ++n) {
    std::uint8_t header[8];
    if (source.ReadAt(offset, header, 8) != 8) break;
    Chunk chunk{{header[0], header[1], header[2], header[3]}, Le32(header + 4), offset + 8};
    const std::uint64_t available = fileSize - chunk.bodyOffset;
    if (IsFourCc(chunk.id, "data")) {
      std::uint64_t size = chunk.size;
      if (rf64 && chunk.size == kUnknownSize && rf64DataSize != 0) size = rf64DataSize;
      if (size == kUnknownSize || (size == 0 && streamed)) {
        size = available;  // written by a program that streamed and never came back
      } else if (size > available) {
        info.damaged = true;
        size = available;
      }
      info.hasData = true;
      info.dataBytes = size;
      offset = chunk.bodyOffset + size + (size & 1);
      continue;
    }
    if (chunk.size > available) {
      // Only a chunk this reader needs makes a cut-off file damaged.
      if (IsFourCc(chunk.id, "fmt ") || IsFourCc(chunk.id, "fact")) info.damaged = true;
    }
    if (IsFourCc(chunk.id, "fmt ")) {
      ReadFormat(ReadBlock(source, chunk.bodyOffset, chunk.size < 64 ? chunk.size : 64), &info);
    } else if (IsFourCc(chunk.id, "fact") && chunk.size >= 4) {
      const std::vector<std::uint8_t> body = ReadBlock(source, chunk.bodyOffset, 4);
      if (body.size() == 4) info.factSamples = Le32(body.data()), haveFact = true;
    } else if (IsFourCc(chunk.id, "ds64") && chunk.size >= 24) {
      const std::vector<std::uint8_t> body = ReadBlock(source, chunk.bodyOffset, 24);
      if (body.size() == 24) {
        rf64DataSize = Le64(&body[8]);
        if (!haveFact) info.factSamples = Le64(&body[16]);
      }
    }
    if (chunk.size > available) break;
    offset = chunk.bodyOffset + chunk.size + (chunk.size & 1);
  }
  if (!info.hasFormat || !info.hasData) info.damaged = true;
  ComputeDuration(&info);
  FillTexts(&info);
  return info;
}

}  // namespace bw
