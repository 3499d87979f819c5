// The entry the database editor shows, as it was read, and the editor's two writes. Each
// write first reads the entry at its index again and goes ahead only while that is still the
// entry shown: a catalogue changed meanwhile (a freedb read deleting an entry before it, a
// second copy of the program) never has the wrong disc overwritten or deleted.
#pragma once

#include <cstdint>
#include <memory>

#include "cddb/database.h"
#include "cddb/disc_entry.h"

namespace bw {

struct EditorEntry {
  std::uint32_t offset = 0;
  DiscProfile profile;  // as stored; the editor writes it back unchanged
  std::unique_ptr<TitleTable> titles = std::make_unique<TitleTable>();
  EntryDetails details;
};

// Entry `index` of the catalogue: its offset, stored profile, titles, texts and codes.
Status ReadEditorEntry(Database& database, std::uint16_t index, EditorEntry* entry);

// Whether two reads found the same stored entry (the same place, profile, titles and fields).
bool SameStoredEntry(const EditorEntry& a, const EditorEntry& b);

enum class EditorWrite {
  kDone,
  kEntryChanged,  // the entry at the index is no longer the one shown; nothing was written
  kFailed,        // the write failed; the catalogue is as it was
};

// Replaces entry `index` in place with the shown entry's profile and the edited titles and
// fields. On kDone, `shown` holds the entry as now stored.
EditorWrite SaveEditedEntry(Database& database, std::uint16_t index, const TitleTable& titles,
                            const EntryDetails& details, EditorEntry* shown);

// Deletes entry `index`, the one shown.
EditorWrite DeleteShownEntry(Database& database, std::uint16_t index, const EditorEntry& shown);

}  // namespace bw
