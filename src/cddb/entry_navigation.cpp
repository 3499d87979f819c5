// Entry numbers and moves between entries.
#include "cddb/entry_navigation.h"

#include <cstdint>

#include "base/check.h"

namespace bw {

std::uint16_t EntryIndexFromText(std::string_view text, std::uint16_t count) {
  if (count == 0) return 0;
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
  // Digits beyond any entry number only matter as "beyond the count": saturate.
  std::int64_t value = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
    value = value * 10 + (text[at++] - '0');
    if (value > 0xFFFFFF) value = 0xFFFFFF;
  }
  if (negative) value = -value;
  if (value == 0) value = 1;
  if (value < 0 || value > count) return static_cast<std::uint16_t>(count - 1);
  return static_cast<std::uint16_t>(value - 1);
}

std::uint16_t NextEntryIndex(std::uint16_t index, std::uint16_t count) {
  if (count == 0) return 0;
  return index + 1u >= count ? 0 : static_cast<std::uint16_t>(index + 1);
}

std::uint16_t PreviousEntryIndex(std::uint16_t index, std::uint16_t count) {
  if (count == 0) return 0;
  if (index == 0 || index >= count) return static_cast<std::uint16_t>(count - 1);
  return static_cast<std::uint16_t>(index - 1);
}

std::uint16_t IndexAfterDelete(std::uint16_t index, std::uint16_t count) {
  if (count == 0) return 0;
  return index >= count ? static_cast<std::uint16_t>(count - 1) : index;
}

std::uint16_t SearchStartIndex(std::uint16_t editorIndex, std::optional<std::uint16_t> lastChosen,
                               std::uint16_t count) {
  if (lastChosen && *lastChosen == editorIndex && editorIndex + 1u < count) {
    return static_cast<std::uint16_t>(editorIndex + 1);
  }
  return editorIndex;
}

EditorFocus FocusForFieldCode(std::uint16_t fieldCode) {
  EditorFocus focus;
  if (fieldCode < 99) {
    focus.kind = EditorFocus::Kind::kTrackTitle;
    focus.page = fieldCode / kTracksPerPage;
    focus.row = fieldCode % kTracksPerPage;
  } else if (fieldCode >= 100 && fieldCode <= 104) {
    focus.kind = EditorFocus::Kind::kText;
    focus.text = fieldCode - 100;
  } else if (fieldCode >= 105 && fieldCode <= 114) {
    focus.kind = EditorFocus::Kind::kProperty;
    focus.property = fieldCode - 105;
  } else if (fieldCode == 115) {
    focus.kind = EditorFocus::Kind::kYearReleased;
  }
  BW_CHECK(focus.page * kTracksPerPage + focus.row < 99);
  return focus;
}

}  // namespace bw
