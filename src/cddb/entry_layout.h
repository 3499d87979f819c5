// Where each field of one entry lies inside its bytes, found in one walk over the length
// bytes, so the passes over the whole catalogue (search, export, sort, information) can look
// at the stored bytes in place instead of copying every field into strings.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "base/status.h"
#include "cddb/database_format.h"
#include "cddb/entry_codec.h"

namespace bw {

// A stored text: its first byte's offset from the entry's start, and its length.
struct TextSpan {
  std::uint32_t at = 0;
  std::uint8_t length = 0;
};

// The artist, disc name, category, label and notes, in the order the entry stores them.
enum class EntryText { kArtist = 0, kDiscName, kCategory, kLabel, kNotes };

struct EntryLayout {
  int trackCount = 0;
  std::uint16_t totalSeconds = 0;
  std::array<TextSpan, dbformat::kMaxTracks> titles;  // each title's seconds follow it
  std::array<TextSpan, dbformat::kTextCount> texts;
  std::uint32_t codesAt = 0;  // recording, type, size
  TextSpan year;
};

// Lays out `entry` (whose links the chain walker checked). Corrupt when the fields run past
// the entry's end or the entry claims more than 99 tracks; bytes left over before the own
// offset are allowed, as the readers allow them.
Status LayOutEntry(const EntryBytes& entry, EntryLayout* layout);

// Where the three codes lie, found without noting the other fields; 0 when the fields run
// past the entry's end (the property search needs only this).
std::uint32_t CodesOffset(const EntryBytes& entry);

inline std::string_view SpanText(const EntryBytes& entry, TextSpan span) {
  return std::string_view(reinterpret_cast<const char*>(entry.data) + span.at, span.length);
}
inline std::string_view EntryTextOf(const EntryBytes& entry, const EntryLayout& layout,
                                    EntryText text) {
  return SpanText(entry, layout.texts[static_cast<int>(text)]);
}
// `track` is 0-based and below layout.trackCount.
inline std::uint16_t TrackSecondsOf(const EntryBytes& entry, const EntryLayout& layout,
                                    int track) {
  const TextSpan& title = layout.titles[static_cast<std::size_t>(track)];
  return dbformat::GetU16(entry.data + title.at + title.length);
}
// 0 recording, 1 type, 2 size.
inline std::uint8_t CodeOf(const EntryBytes& entry, const EntryLayout& layout, int code) {
  return entry.data[layout.codesAt + static_cast<std::uint32_t>(code)];
}

}  // namespace bw
