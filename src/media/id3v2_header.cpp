// ID3v2 tag headers and the skip over them to the audio.
#include "media/id3v2_header.h"

#include <cstring>

namespace bw {
namespace {

// Files written by careless taggers sometimes carry a second tag after the first; beyond a
// few the data is something else.
constexpr int kMaxLeadingTags = 8;

}  // namespace

bool ReadSyncSafe32(const std::uint8_t* bytes, std::uint32_t* value) {
  std::uint32_t result = 0;
  for (int i = 0; i < 4; ++i) {
    if (bytes[i] & 0x80) return false;
    result = (result << 7) | bytes[i];
  }
  *value = result;
  return true;
}

bool ParseId3v2Header(const std::uint8_t* bytes, std::size_t size, Id3v2Header* header) {
  if (size < kId3v2HeaderSize || std::memcmp(bytes, "ID3", 3) != 0) return false;
  if (bytes[3] == 0xFF || bytes[4] == 0xFF) return false;
  std::uint32_t bodySize = 0;
  if (!ReadSyncSafe32(bytes + 6, &bodySize)) return false;
  header->majorVersion = bytes[3];
  header->revision = bytes[4];
  header->flags = bytes[5];
  header->bodySize = bodySize;
  const bool footer = header->majorVersion >= 4 && (header->flags & kId3v2HasFooter) != 0;
  header->totalSize = kId3v2HeaderSize + bodySize + (footer ? kId3v2HeaderSize : 0);
  return true;
}

std::uint64_t SkipId3v2Tags(ByteSource& source) {
  std::uint64_t offset = 0;
  for (int i = 0; i < kMaxLeadingTags; ++i) {
    std::uint8_t bytes[kId3v2HeaderSize];
    const std::size_t got = source.ReadAt(offset, bytes, sizeof bytes);
    Id3v2Header header;
    if (!ParseId3v2Header(bytes, got, &header)) break;
    offset += header.totalSize;
  }
  return offset;
}

}  // namespace bw
