// Arbitrary bytes as brindwax.dat for the catalogue tools: the search, the export in both
// forms, the information pass and the sorter must neither crash nor read astray; what they
// report must agree with the file (hits inside the catalogue, one per entry; a sort keeps every
// entry and orders the artists).
//
// Input: one byte of switches, one byte giving the search text's length (0-15), the search
// text, then the file.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "cddb/database.h"
#include "cddb/database_export.h"
#include "cddb/database_info.h"
#include "cddb/database_scanner.h"
#include "cddb/database_search.h"
#include "cddb/database_sorter.h"
#include "cddb/entry_layout.h"
#include "memory_file_system.h"

namespace {

using namespace bw;

void Expect(bool condition) {
  if (!condition) std::abort();
}

std::vector<std::string> Artists(Database& db) {
  std::vector<std::string> artists;
  DatabaseScanner scanner(db);
  if (!scanner.Open().IsOk()) return artists;
  EntryBytes entry;
  EntryLayout layout;
  while (scanner.NextBytes(&entry).IsOk()) {
    // As the sorter sees them: up to the first zero byte, none for damaged fields.
    std::string artist;
    if (LayOutEntry(entry, &layout).IsOk()) {
      artist = std::string(EntryTextOf(entry, layout, EntryText::kArtist));
      artist.resize(std::strlen(artist.c_str()));
    }
    artists.push_back(artist);
  }
  return artists;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint8_t switches = data[0];
  const std::size_t needleLength = std::min<std::size_t>(data[1] % 16, size - 2);
  const std::string needle(reinterpret_cast<const char*>(data + 2), needleLength);
  const std::uint8_t* file = data + 2 + needleLength;
  const std::size_t fileSize = size - 2 - needleLength;

  bw::fuzzing::MemoryFileSystem files;
  files.Put("brindwax.dat", file, fileSize);
  Database db(files, "");
  const TextRules rules = PortableTextRules();

  std::uint16_t count = 0;
  const bool chainSound = db.CountEntries(&count).IsOk();

  SearchRequest request;
  request.textSearch = (switches & 1) == 0;
  request.text = needle;
  request.heedCase = (switches & 2) != 0;
  for (int f = 0; f < kSearchFieldCount; ++f) request.fields[static_cast<std::size_t>(f)] = (switches >> (f % 6)) & 1;
  request.propertyOption = 1 + switches % 10;
  request.startIndex = static_cast<std::uint16_t>((switches >> 4) % 3);
  std::vector<SearchHit> hits;
  (void)SearchDatabase(db, request, rules, nullptr, &hits);
  std::set<std::uint16_t> seen;
  for (const SearchHit& hit : hits) {
    Expect(hit.index < count || !chainSound);
    Expect(hit.index >= request.startIndex);
    Expect(seen.insert(hit.index).second);
    Expect(hit.fieldCode < 99 || (hit.fieldCode >= 100 && hit.fieldCode <= 115));
    Expect(HitIndexOf(hit.Value()) == hit.index && HitFieldCodeOf(hit.Value()) == hit.fieldCode);
  }

  DatabaseInfo info;
  (void)ReadDatabaseInfo(db, &info);
  Expect(info.entries <= info.headerCount || !info.exists);
  Expect(info.sizeBytes == fileSize);

  ExportOptions options;
  options.form = (switches & 4) ? ExportForm::kDelimitedText : ExportForm::kPlainText;
  options.sorted = (switches & 8) != 0;
  for (int i = 0; i < kExportItemCount; ++i) options.items[static_cast<std::size_t>(i)] = ((switches + i) % 3) != 0;
  const Status exported =
      ExportDatabase(db, options, "export.txt", rules.compare, [] { return true; }, nullptr);
  Expect(!files.Exists(ExportWorkFile("export.txt")));
  if (exported.IsOk()) Expect(files.Exists("export.txt"));

  const std::vector<std::string> before = Artists(db);
  const Status sorted = SortDatabase(db, rules.compare, nullptr);
  Expect(!files.Exists("brindwax.new"));
  if (sorted.IsOk() && chainSound) {
    const std::vector<std::string> after = Artists(db);
    Expect(std::multiset<std::string>(before.begin(), before.end()) ==
           std::multiset<std::string>(after.begin(), after.end()));
    for (std::size_t i = 1; i < after.size(); ++i) {
      Expect(rules.compare(after[i - 1].c_str(), after[i].c_str()) <= 0);
    }
  }
  return 0;
}
