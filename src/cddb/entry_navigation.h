// The pure rules by which the editor and the search move between entries: typed entry
// numbers, next and previous with wrap-around, the entry shown after a delete, where the
// search starts when it is opened again, and which editor field a hit puts the focus on.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace bw {

// The index (0-based) of an entry number typed into the editor's or the search's number
// field, for a catalogue of `count` entries (at least 1). The text is read as a signed
// decimal number, leading blanks skipped, up to the first character that is no digit; 0 and
// text that is no number count as 1; a negative number or one beyond the count gives the last
// entry. The number is clamped before it is narrowed, so 70000 never wraps to a small index.
std::uint16_t EntryIndexFromText(std::string_view text, std::uint16_t count);

// Next and previous entry, wrapping from the last to the first and back.
std::uint16_t NextEntryIndex(std::uint16_t index, std::uint16_t count);
std::uint16_t PreviousEntryIndex(std::uint16_t index, std::uint16_t count);

// The entry the editor shows after a delete left `count` entries (at least 1): the same index,
// or the new last entry when the deleted one was last.
std::uint16_t IndexAfterDelete(std::uint16_t index, std::uint16_t count);

// Where a search opened from the editor starts: after the entry chosen from the last search
// when the editor still shows it and an entry follows, else at the editor's entry.
std::uint16_t SearchStartIndex(std::uint16_t editorIndex, std::optional<std::uint16_t> lastChosen,
                               std::uint16_t count);

// The editor field a hit's field code puts the focus on (its whole text then selected).
struct EditorFocus {
  enum class Kind { kNone, kTrackTitle, kText, kYearReleased, kProperty };
  Kind kind = Kind::kNone;
  int page = 0;      // kTrackTitle: the page of 15 tracks to show first
  int row = 0;       // kTrackTitle: the row on that page (0-14)
  int text = 0;      // kText: 0 artist, 1 disc name, 2 category, 3 label, 4 notes
  int property = 0;  // kProperty: 0-9 for AAD, ADD, DAD, DDD, Album, Single, CD+MM,
                     // CD+Video, 3-inch, 5-inch (the editor's radio buttons in order)
};
EditorFocus FocusForFieldCode(std::uint16_t fieldCode);

inline constexpr int kTracksPerPage = 15;

}  // namespace bw
