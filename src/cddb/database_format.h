// The layout of brindwax.dat, written down once for its reader and its writer: an 8-byte header
// and a chain of variable-length entries, all integers little-endian, no padding.
// docs/database.md describes the same layout in prose.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bw {
namespace dbformat {

inline constexpr const char* kDataFileName = "brindwax.dat";
inline constexpr const char* kNewFileName = "brindwax.new";     // the rewritten copy
inline constexpr const char* kBackupFileName = "brindwax.dbk";  // the old file during the swap

// Header: six magic bytes, then the 16-bit entry count.
inline constexpr std::uint8_t kMagic[6] = {0xFF, 'T', 'Q', 'L', 0x00, 0x0A};
inline constexpr std::size_t kMagicSize = sizeof(kMagic);
inline constexpr std::uint32_t kCountOffset = 6;
inline constexpr std::uint32_t kHeaderSize = 8;
inline constexpr std::uint32_t kFirstEntryOffset = kHeaderSize;

// Entry, offsets from its first byte.
inline constexpr std::uint32_t kNextOffsetAt = 0;          // 4: offset of the following entry
inline constexpr std::uint32_t kRecordLengthAt = 4;        // 2: bytes from here to the end
inline constexpr std::uint32_t kTotalSecondsAt = 6;        // 2
inline constexpr std::uint32_t kFirstTrackSecondsAt = 8;   // 2
inline constexpr std::uint32_t kTrackCountAt = 10;         // 1
inline constexpr std::uint32_t kTracksAt = 11;             // tracks, five texts, codes, year
inline constexpr std::uint32_t kEntryHeadSize = 6;         // next_offset and record_length
inline constexpr std::uint32_t kOwnOffsetSize = 4;         // the entry's own offset, last

// record_length counts from its own field to the end of the entry, so an entry occupies
// record_length + 4 bytes.
inline constexpr std::uint32_t kRecordLengthBase = 4;

inline constexpr int kMaxTracks = 99;
inline constexpr std::size_t kMaxTextLength = 255;
inline constexpr int kTextCount = 5;  // artist, disc name, category, label, notes
inline constexpr int kCodeCount = 3;  // recording, type, size
inline constexpr std::uint32_t kMaxEntryCount = 0xFFFF;

// The smallest entry: no tracks, every text empty. Track item: length, title, seconds.
inline constexpr std::uint32_t kMinEntrySize =
    kTracksAt + kTextCount + kCodeCount + 1 + kOwnOffsetSize;  // 24
inline constexpr std::uint32_t kMinRecordLength = kMinEntrySize - kRecordLengthBase;  // 20
inline constexpr std::uint32_t kTrackFixedSize = 1 + 2;
inline constexpr std::uint32_t kMaxEntrySize =
    kMinEntrySize + kMaxTracks * (kTrackFixedSize + kMaxTextLength) +
    (kTextCount + 1) * kMaxTextLength;  // 27,096
// The largest entry a 16-bit record_length can describe (other programs may write longer
// texts than ours would, so readers accept up to this).
inline constexpr std::uint32_t kMaxReadableEntrySize = 0xFFFF + kRecordLengthBase;

// Recording, type and size codes.
inline constexpr std::uint8_t kMaxRecordingCode = 3;  // AAD, ADD, DAD, DDD
inline constexpr std::uint8_t kMaxTypeCode = 3;       // Album, Single, CD+MM, CD+Video

inline std::uint16_t GetU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t GetU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline void PutU16(std::uint8_t* p, std::uint16_t value) {
  p[0] = static_cast<std::uint8_t>(value);
  p[1] = static_cast<std::uint8_t>(value >> 8);
}
inline void PutU32(std::uint8_t* p, std::uint32_t value) {
  p[0] = static_cast<std::uint8_t>(value);
  p[1] = static_cast<std::uint8_t>(value >> 8);
  p[2] = static_cast<std::uint8_t>(value >> 16);
  p[3] = static_cast<std::uint8_t>(value >> 24);
}

}  // namespace dbformat
}  // namespace bw
