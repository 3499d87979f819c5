// The search over the catalogue: by text in chosen fields, or by one coded property. It visits
// the entries from a start entry to the last, in file order, reading each entry's bytes in
// place, and records at most one hit per entry: the first field (in the order tracks, artist,
// disc name, category, label, notes, year released) that matches.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "cddb/database.h"
#include "cddb/text_rules.h"
#include "cddb/tool_progress.h"
#include "shell/settings.h"

namespace bw {

// Field codes of a hit: 0-98 a track (0-based), then these.
namespace fieldcode {
inline constexpr std::uint16_t kArtist = 100;
inline constexpr std::uint16_t kDiscName = 101;
inline constexpr std::uint16_t kCategory = 102;
inline constexpr std::uint16_t kLabel = 103;
inline constexpr std::uint16_t kNotes = 104;
inline constexpr std::uint16_t kFirstProperty = 105;  // 105-108 recording, 109-112 type,
inline constexpr std::uint16_t kLastProperty = 114;   // 113-114 size (3-inch, 5-inch)
inline constexpr std::uint16_t kYearReleased = 115;
}  // namespace fieldcode

// The seven field boxes of the text search.
enum class SearchField { kTrack = 0, kArtist, kDiscName, kCategory, kLabel, kNotes, kYearReleased };
inline constexpr int kSearchFieldCount = 7;

// The property options: 1 AAD, 2 ADD, 3 DAD, 4 DDD, 5 Album, 6 Single, 7 CD+MM, 8 CD+Video,
// 9 3-inch, 10 5-inch.
inline constexpr int kFirstPropertyOption = 1;
inline constexpr int kLastPropertyOption = 10;

struct SearchRequest {
  bool textSearch = true;
  // Text search.
  std::string text;  // ANSI bytes; an empty text matches nothing
  bool heedCase = false;
  std::array<bool, kSearchFieldCount> fields = {true, true, true, true, true, true, true};
  // Property search.
  int propertyOption = kLastPropertyOption;
  // The first entry visited (0-based); 0 for the entire database.
  std::uint16_t startIndex = 0;
};

// The request the settings describe, starting at `startIndex` unless they ask for the entire
// database.
SearchRequest SearchRequestFromSettings(const SearchSettings& settings, std::uint16_t startIndex);

// One found entry. The list item shows `caption` and carries Value().
struct SearchHit {
  std::uint16_t index = 0;
  std::uint16_t fieldCode = 0;
  std::string caption;  // artist, " - ", disc name

  std::uint32_t Value() const { return static_cast<std::uint32_t>(fieldCode) * 65536u + index; }
};

// A list item's value back as its entry index (low 16 bits) and field code (high 16 bits).
inline std::uint16_t HitIndexOf(std::uint32_t value) { return static_cast<std::uint16_t>(value & 0xFFFF); }
inline std::uint16_t HitFieldCodeOf(std::uint32_t value) { return static_cast<std::uint16_t>(value >> 16); }

// Runs the search. Before each entry it reports "n of count" (kCount, 1-based); at the end
// the number of hits followed by " items found" (kResult). `rules.lowerCase` folds case when
// the request ignores it; `rules.compareIgnoringCase`, when set, orders the hits by caption
// as a sorted list box shows them (equal captions in entry order). No file gives no hits and
// NotFound; a damaged chain gives the hits before the damage and Corrupt.
Status SearchDatabase(Database& database, const SearchRequest& request, const TextRules& rules,
                      const ProgressCallback& progress, std::vector<SearchHit>* hits);

// The text of the result line: "3 items found".
std::string ItemsFoundText(std::size_t count);

}  // namespace bw
