// The catalogue entry made from a "cddb read" reply (xmcd text): track titles, artist and
// disc name from the disc title, category, and the decoded extended disc data as notes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cddb/disc_entry.h"

namespace bw {
namespace freedb {

inline constexpr std::size_t kMaxTitleLength = 255;  // track titles, artist, disc name
inline constexpr std::size_t kMaxCategoryLength = 29;
inline constexpr std::size_t kMaxNotesLength = 255;  // a catalogue text's length is one byte

// The value of every "KEY=value" line with that key, in order, joined without line breaks
// (xmcd continues a long value on further lines with the same key). Keys count only at the
// start of a line, so a title that happens to contain "EXTD" is not taken for the notes.
// Lines may end in CR LF or LF; empty when the key is absent.
std::string JoinedXmcdValue(std::string_view reply, std::string_view key);

// Artist and disc name of a disc title "artist / disc name". The separator is the first
// " / ", else the first " - ", else the first "/", else the first "-", and both halves come
// from the same one: "Jay-Z / The Blueprint" keeps its artist whole. One blank on each side
// of the separator is dropped. Without a separator both are the whole title.
struct DiscTitle {
  std::string artist;
  std::string discName;
};
DiscTitle SplitDiscTitle(std::string_view discTitle);

// Extended disc data as the catalogue keeps notes: backslash n becomes CR LF, backslash t a
// blank, a doubled backslash one backslash; any other backslash stays as it is.
std::string DecodeXmcdEscapes(std::string_view text);

// Field extractors over a whole read reply, each cut to its catalogue limit.
std::string ExtractTrackTitle(std::string_view reply, int track);  // 0-based "TTITLEn"
DiscTitle ExtractDiscTitle(std::string_view reply);
// The word after the "210" code of the reply's first line; empty for any other reply.
std::string ExtractCategory(std::string_view reply);
std::string ExtractNotes(std::string_view reply);

// What is appended to the catalogue for the disc in the drive.
struct FreedbRecord {
  std::vector<std::string> trackTitles;  // one per track of the disc in the drive
  // Label and year released stay empty; recording AAD, type Album, size 5 inch.
  EntryDetails details;

  // The titles in the catalogue's slot form (slot i is track i+1).
  TitleTable ToTitleTable() const;
};

// `trackCount` comes from the disc in the drive, not from the reply (at most 99 are used).
FreedbRecord ExtractRecord(std::string_view reply, int trackCount);

}  // namespace freedb
}  // namespace bw
