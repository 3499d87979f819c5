// The editor's entry and its checked writes.
#include "cddb/editor_entry.h"

#include <cstring>

namespace bw {
namespace {

// Reads the entry at `index` again and tells whether it is still `shown`.
EditorWrite CheckUnchanged(Database& database, std::uint16_t index, const EditorEntry& shown) {
  EditorEntry now;
  if (!ReadEditorEntry(database, index, &now).IsOk()) return EditorWrite::kEntryChanged;
  return SameStoredEntry(now, shown) ? EditorWrite::kDone : EditorWrite::kEntryChanged;
}

}  // namespace

Status ReadEditorEntry(Database& database, std::uint16_t index, EditorEntry* entry) {
  std::uint16_t count = 0;
  Status status = database.CountEntries(&count);
  // A damaged chain still shows its intact entries.
  if (!status.IsOk() && !status.IsCorrupt()) return status;
  if (index >= count) return Status::NotFound("no entry " + std::to_string(index + 1));
  status = database.LocateEntry(index, &entry->offset);
  if (status.IsOk()) status = database.ReadEntryProfile(entry->offset, &entry->profile);
  if (status.IsOk()) status = database.ReadEntry(entry->offset, entry->titles.get(), &entry->details);
  return status;
}

bool SameStoredEntry(const EditorEntry& a, const EditorEntry& b) {
  return a.offset == b.offset && a.profile == b.profile && a.details == b.details &&
         std::memcmp(a.titles->slots, b.titles->slots, sizeof(a.titles->slots)) == 0;
}

EditorWrite SaveEditedEntry(Database& database, std::uint16_t index, const TitleTable& titles,
                            const EntryDetails& details, EditorEntry* shown) {
  const EditorWrite check = CheckUnchanged(database, index, *shown);
  if (check != EditorWrite::kDone) return check;
  if (!database.ReplaceEntry(index, shown->profile, titles, details).IsOk()) {
    return EditorWrite::kFailed;
  }
  // What the file now holds (texts cut to their stored length) is what a later save checks.
  EditorEntry stored;
  if (ReadEditorEntry(database, index, &stored).IsOk()) *shown = std::move(stored);
  return EditorWrite::kDone;
}

EditorWrite DeleteShownEntry(Database& database, std::uint16_t index, const EditorEntry& shown) {
  const EditorWrite check = CheckUnchanged(database, index, shown);
  if (check != EditorWrite::kDone) return check;
  return database.DeleteEntry(shown.offset).IsOk() ? EditorWrite::kDone : EditorWrite::kFailed;
}

}  // namespace bw
