// How one entry is written into the export file, in its two forms: readable blocks of lines
// ("ANSI (Windows) Text") and one comma-separated line per entry ("ANSI (Windows) Delimited
// Text"). Texts are written as stored (ANSI bytes); every line ends in CR LF.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "cddb/entry_layout.h"

namespace bw {

// The thirteen item boxes, in the order of the dialog and of the written items.
enum class ExportItem {
  kArtist = 0, kDiscName, kDiscLength, kTrackNumber, kTrackName, kTrackLength, kCategory,
  kLabel, kNotes, kRecording, kType, kSize, kYearReleased,
};
inline constexpr int kExportItemCount = 13;
using ExportItems = std::array<bool, kExportItemCount>;

inline constexpr ExportItems kAllExportItems = {true, true, true, true, true, true, true,
                                                true, true, true, true, true, true};

enum class ExportForm { kPlainText, kDelimitedText };

// The names of the coded properties: a recording or type code above 3 is shown as the last
// name, any size but 0 as 5 inch.
const char* RecordingName(std::uint8_t code);
const char* TypeName(std::uint8_t code);
const char* SizeName(std::uint8_t code);

// Plain text: the artist line; the disc name, then a space and the disc length (M:SS, left out
// when 0) on the same line; one line per track with its number, name and length, single
// spaces between the parts written (a track with none of them checked gets no line); then
// category, label, notes (keeping their line breaks), recording, type, size and year released,
// one line each; an empty line closes the entry.
void AppendPlainEntry(const EntryBytes& entry, const EntryLayout& layout, const ExportItems& items,
                      std::string* out);

// Delimited text: one line of items joined by commas. Texts and code names stand in double
// quotes, a double quote inside one doubled (as CSV readers expect), line breaks kept inside
// the quotes; the disc length (left out when 0), track numbers and lengths stand bare, and
// every track length is followed by one more comma, so an empty item follows it. The year
// stands bare unless it holds a comma, a double quote or a line break, which only quotes
// keep intact.
void AppendDelimitedEntry(const EntryBytes& entry, const EntryLayout& layout,
                          const ExportItems& items, std::string* out);

inline void AppendEntry(ExportForm form, const EntryBytes& entry, const EntryLayout& layout,
                        const ExportItems& items, std::string* out) {
  if (form == ExportForm::kPlainText) {
    AppendPlainEntry(entry, layout, items, out);
  } else {
    AppendDelimitedEntry(entry, layout, items, out);
  }
}

}  // namespace bw
