// MP3 length and tags. Encoders put a frame count into the first frame of VBR files (and
// LAME into CBR files too); without one the length follows from the bytes and the bit rate.
#include "media/mp3_info.h"

#include <cstring>
#include <vector>

#include "media/byte_order.h"
#include "media/display_texts.h"

namespace bw {
namespace {

constexpr std::size_t kId3v1Size = 128;

// Bytes of side information after the header, where a "Xing" header starts.
std::size_t SideInfoSize(const Mp3FrameHeader& header) {
  const bool mono = header.channelMode == 3;
  if (header.versionBits == 3) return mono ? 17 : 32;
  return mono ? 9 : 17;
}

bool FrameCountHeader(const std::vector<std::uint8_t>& frame, const Mp3FrameHeader& header,
                      std::uint32_t* frames, bool* variable) {
  if (Mp3Layer(header) == 3) {
    // Some encoders leave room for the CRC before the side information; look at both places.
    for (std::size_t at : {4 + SideInfoSize(header), 6 + SideInfoSize(header)}) {
      if (at + 12 > frame.size()) continue;
      const bool xing = std::memcmp(&frame[at], "Xing", 4) == 0;
      if (!xing && std::memcmp(&frame[at], "Info", 4) != 0) continue;
      const std::uint32_t flags = Be32(&frame[at + 4]);
      if (!(flags & 1)) return false;
      *frames = Be32(&frame[at + 8]);
      *variable = xing;
      return true;
    }
  }
  constexpr std::size_t kVbri = 4 + 32;
  if (kVbri + 18 <= frame.size() && std::memcmp(&frame[kVbri], "VBRI", 4) == 0) {
    *frames = Be32(&frame[kVbri + 14]);
    *variable = true;
    return true;
  }
  return false;
}

}  // namespace

bool Mp3Duration(ByteSource& source, const Mp3FirstFrame& frame, std::uint64_t audioEnd,
                 std::uint64_t* milliseconds, bool* variableBitRate) {
  const Mp3FrameHeader header = DecodeMp3FrameHeader(frame.header);
  const std::uint32_t hz = Mp3SampleRateHz(header);
  if (hz == 0) return false;
  const std::vector<std::uint8_t> first = ReadBlock(source, frame.offset, 64);
  std::uint32_t frames = 0;
  bool variable = false;
  if (FrameCountHeader(first, header, &frames, &variable)) {
    *variableBitRate = variable;
    const double seconds = static_cast<double>(frames) * Mp3SamplesPerFrame(header) / hz;
    *milliseconds = static_cast<std::uint64_t>(seconds * 1000 + 0.5);
    return true;
  }
  const int kbps = Mp3BitRateKbps(header);
  if (kbps == 0 || audioEnd <= frame.offset) return false;
  *variableBitRate = false;
  // Bytes times 8 are bits; bits over kilobits per second are milliseconds.
  *milliseconds = (audioEnd - frame.offset) * 8 / static_cast<std::uint64_t>(kbps);
  return true;
}

Mp3FileInfo ReadMp3FileInfo(ByteSource& source, UnicodeToAnsi toAnsi) {
  Mp3FileInfo info;
  info.tags = ReadId3Tags(source, toAnsi);
  info.hasTags = info.tags.v2MajorVersion != 0 || info.tags.hasV1;
  info.tagVersions = TagVersionsText(info.tags);
  const Mp3FirstFrame frame = FindFirstMp3Frame(source);
  info.frameFound = frame.found;
  info.damaged = info.tags.damaged || !frame.found;
  if (!frame.found) return info;
  info.header = DescribeMp3FrameHeader(frame.header);
  std::uint64_t audioEnd = source.Size();
  if (info.tags.hasV1 && audioEnd >= kId3v1Size) audioEnd -= kId3v1Size;
  info.durationKnown =
      Mp3Duration(source, frame, audioEnd, &info.durationMs, &info.variableBitRate);
  if (info.durationKnown) info.length = LengthText(info.durationMs);
  return info;
}

}  // namespace bw
