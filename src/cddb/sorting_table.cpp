// Building the sorting table. The artists go into one block of zero-terminated names and the
// entries into a balanced tree keyed by artist, each inserted after the equal ones already
// there, so an in-order walk gives a stable ascending order in n log n comparisons whatever
// order the catalogue is in.
#include "cddb/sorting_table.h"

#include <map>
#include <new>

#include "base/check.h"
#include "cddb/cddb_texts.h"
#include "cddb/entry_layout.h"
#include "cddb/tool_texts.h"

namespace bw {
namespace {

constexpr const char* kOutOfMemory = "not enough memory for the sorting table";

}  // namespace

bool IsOutOfMemory(const Status& status) {
  return status.IsIoError() && status.message() == kOutOfMemory;
}

Status SortingTable::Build(DatabaseScanner& scanner, TextCompare compare,
                           const ProgressCallback& progress) {
  offsets_.clear();
  nameAt_.clear();
  names_.clear();
  order_.clear();
  damaged_ = false;
  try {
    const std::size_t count = scanner.HeaderCount();
    Report(progress, ProgressKind::kStep, kTextSortCreatingBuffer);
    offsets_.reserve(count);
    Report(progress, ProgressKind::kStep, kTextSortCreatingBuffer);
    nameAt_.reserve(count);
    order_.reserve(count);
    Report(progress, ProgressKind::kStep, kTextSortCreatingBuffer);
    // A usual artist is short; the block grows as needed beyond this.
    names_.reserve(count * 24);
    Report(progress, ProgressKind::kStep, kTextSortLoadingNames);
    Status status = Load(scanner);
    if (!status.IsOk()) return status;
    Report(progress, ProgressKind::kStep, kTextSortBuildingTable);
    Order(compare, progress);
  } catch (const std::bad_alloc&) {
    offsets_ = {};
    nameAt_ = {};
    names_ = {};
    order_ = {};
    return Status::IoError(kOutOfMemory);
  }
  return Status::Ok();
}

Status SortingTable::Load(DatabaseScanner& scanner) {
  EntryBytes entry;
  EntryLayout layout;
  Status status;
  while ((status = scanner.NextBytes(&entry)).IsOk()) {
    // An entry whose fields are damaged still sorts, as one without an artist.
    std::string_view artist;
    if (LayOutEntry(entry, &layout).IsOk()) artist = EntryTextOf(entry, layout, EntryText::kArtist);
    offsets_.push_back(entry.offset);
    nameAt_.push_back(static_cast<std::uint32_t>(names_.size()));
    names_.append(artist.data(), artist.size());
    names_.push_back('\0');
  }
  if (status.IsNotFound()) return Status::Ok();
  if (!status.IsCorrupt()) return status;
  damaged_ = true;
  return Status::Ok();
}

void SortingTable::Order(TextCompare compare, const ProgressCallback& progress) {
  const auto count = static_cast<std::uint32_t>(offsets_.size());
  const auto less = [compare](const char* a, const char* b) { return compare(a, b) < 0; };
  std::multimap<const char*, std::uint16_t, decltype(less)> tree(less);
  CountTextBuffer text;
  for (std::uint32_t b = 0; b < count; ++b) {
    // The first entry is the root; the others are counted as they go in.
    if (b > 0 && progress) Report(progress, ProgressKind::kCount, text.Make(b, count), b, count);
    // A multimap puts a key after the equal keys it holds: equal artists keep file order.
    tree.emplace(ArtistOf(static_cast<std::uint16_t>(b)), static_cast<std::uint16_t>(b));
  }
  for (const auto& node : tree) order_.push_back(node.second);
  BW_CHECK(order_.size() == count);
}

}  // namespace bw
