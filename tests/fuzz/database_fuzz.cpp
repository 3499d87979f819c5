// Arbitrary bytes as brindwax.dat, held in memory: every reader, the check and the writers
// must neither crash nor read astray, and a writer that accepts the file must leave a chain
// whose every link holds.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "cddb/database.h"
#include "cddb/database_scanner.h"
#include "memory_file_system.h"

namespace {

using namespace bw;
using bw::fuzzing::MemoryFileSystem;

void Expect(bool condition) {
  if (!condition) std::abort();
}

// A profile taken from the first bytes, so lookups sometimes match.
DiscProfile ProfileFrom(const std::uint8_t* data, std::size_t size) {
  DiscProfile profile;
  if (size < 19) return profile;
  profile.totalSeconds = static_cast<std::uint16_t>(data[14] | (data[15] << 8));
  profile.trackCount = data[18] % 100;
  for (int t = 0; t < profile.trackCount && 21 + 2 * t < static_cast<int>(size); ++t) {
    profile.trackSeconds[t] = static_cast<std::uint16_t>(data[19 + 2 * t] | (data[20 + 2 * t] << 8));
  }
  return profile;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemoryFileSystem files;
  files.Put("brindwax.dat", data, size);
  Database db(files, "");

  // The readers must survive any bytes; what they report about them is not checked here.
  std::uint16_t count = 0;
  (void)db.CountEntries(&count);
  DatabaseScanner scanner(db);
  Status status = scanner.Open();
  CdEntry entry;
  while (status.IsOk()) status = scanner.Next(&entry);
  if (count > 0) {
    std::uint32_t offset = 0;
    if (db.LocateEntry(static_cast<std::uint16_t>(count - 1), &offset).IsOk()) {
      auto titles = std::make_unique<TitleTable>();
      EntryDetails details;
      std::string text;
      (void)db.ReadEntry(offset, titles.get(), &details);
      DiscProfile profile;
      (void)db.ReadEntryProfile(offset, &profile);
      (void)db.ReadEntryArtist(offset, &text);
      (void)db.ReadEntryDiscName(offset, &text);
      (void)db.ReadEntryTrackTitle(offset, 1 + size % 100, &text);
    }
  }
  std::string text;
  if (size >= 4) {
    std::uint32_t anywhere = 0;
    std::memcpy(&anywhere, data + size - 4, 4);
    (void)db.ReadEntryArtist(anywhere % (size + 8), &text);
  }
  DatabaseCheck check;
  const bool sound = db.CheckDatabase(&check).IsOk();
  Expect(!sound || check.intactEntries == count);

  const DiscProfile profile = ProfileFrom(data, size);
  db.CurrentDiscCaption(profile);
  auto titles = std::make_unique<TitleTable>();
  (void)db.LoadCurrentDiscTitles(profile, titles.get());

  // Writers: whatever they accept must come out with every link intact.
  EntryDetails details;
  details.artist = "Fuzz";
  if (db.AppendEntry(profile, *titles, details).IsOk()) {
    std::uint16_t after = 0;
    Expect(db.CountEntries(&after).IsOk());
    if (db.DeleteEntry(8).IsOk()) {
      Expect(db.CountEntries(&after).IsOk());
      if (after > 0) Expect(db.ReplaceEntry(0, profile, *titles, details).IsOk());
    }
  }
  return 0;
}
