// The in-memory pieces of a catalogue entry: the disc profile that recognises a disc, the
// title table the dialogs edit, and the texts and codes that describe the disc.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "cddb/database_format.h"

namespace bw {

// A disc is recognised by its track count, total playing time and every track's length, all
// in whole seconds; never by its freedb disc ID.
struct DiscProfile {
  int trackCount = 0;  // 0 to 99
  std::uint16_t totalSeconds = 0;
  std::array<std::uint16_t, dbformat::kMaxTracks> trackSeconds{};

  // The first track's length doubles as the entry's first_track_seconds.
  std::uint16_t FirstTrackSeconds() const { return trackSeconds[0]; }
};

bool operator==(const DiscProfile& a, const DiscProfile& b);
inline bool operator!=(const DiscProfile& a, const DiscProfile& b) { return !(a == b); }

// 100 slots of 256 bytes, zero-filled; slot i holds track i+1's title, zero-terminated.
struct TitleTable {
  static constexpr int kSlots = 100;
  static constexpr std::size_t kSlotSize = 256;
  char slots[kSlots][kSlotSize] = {};

  void Clear() { std::memset(slots, 0, sizeof(slots)); }
  // `track` is 0-based; a title longer than 255 bytes is cut to fit its slot.
  void Set(int track, const std::string& title);
  std::string Get(int track) const;
};

// Recording: 0 AAD, 1 ADD, 2 DAD, 3 DDD. Type: 0 Album, 1 Single, 2 CD+MM, 3 CD+Video.
// Size: 0 for 3 inch, anything else 5 inch.
struct EntryDetails {
  std::string artist;
  std::string discName;
  std::string category;
  std::string label;
  std::string notes;
  std::uint8_t recording = 0;
  std::uint8_t type = 0;
  std::uint8_t size = 1;
  std::string yearReleased;
};

bool operator==(const EntryDetails& a, const EntryDetails& b);

// One whole entry as the sequential passes (search, export, web pages) see it. Texts are the
// stored bytes, in the Windows ANSI code page.
struct CdEntry {
  DiscProfile profile;
  std::uint16_t firstTrackSeconds = 0;  // as stored
  std::vector<std::string> titles;      // one per track
  EntryDetails details;
};

}  // namespace bw
