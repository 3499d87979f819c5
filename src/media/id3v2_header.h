// The ten-byte header of an ID3v2 tag, which precedes the audio of most MP3 files, and where
// the audio begins after the tags at the start of a file.
#pragma once

#include <cstddef>
#include <cstdint>

#include "media/byte_source.h"

namespace bw {

constexpr std::size_t kId3v2HeaderSize = 10;

struct Id3v2Header {
  int majorVersion = 0;  // 2, 3 or 4 for the versions in use
  int revision = 0;
  std::uint8_t flags = 0;
  std::uint32_t bodySize = 0;   // bytes after the header, without a footer
  std::uint64_t totalSize = 0;  // header, body and footer
};

// Flags of the tag header.
constexpr std::uint8_t kId3v2Unsynchronised = 0x80;
constexpr std::uint8_t kId3v2ExtendedHeader = 0x40;  // in version 2.2: compressed
constexpr std::uint8_t kId3v2HasFooter = 0x10;       // version 2.4

// "ID3", version and revision below 0xFF, and a size of four 7-bit bytes.
bool ParseId3v2Header(const std::uint8_t* bytes, std::size_t size, Id3v2Header* header);

// A 28-bit number stored in four bytes of 7 bits each; false when a byte has its top bit set.
bool ReadSyncSafe32(const std::uint8_t* bytes, std::uint32_t* value);

// The offset just past the ID3v2 tags at the start of the data (several may follow one
// another); 0 when there is none.
std::uint64_t SkipId3v2Tags(ByteSource& source);

}  // namespace bw
