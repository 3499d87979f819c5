// Building the sorting table. The artists go into one block of zero-terminated names; the
// entries are grouped by artist, only the distinct artists are ordered (a catalogue holds
// many discs of one artist, and the system's comparison is the costly part), and the entries
// are then laid out rank by rank in file order: a stable ascending order in n log n
// comparisons at most, whatever order the catalogue is in.
#include "cddb/sorting_table.h"

#include <algorithm>
#include <new>
#include <string_view>
#include <unordered_map>

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
  // Each entry joins the group of its artist, the groups in the order they first appear.
  std::unordered_map<std::string_view, std::uint32_t> groupOfName;
  groupOfName.reserve(count);
  std::vector<std::uint32_t> groupOfEntry(count);
  std::vector<std::uint16_t> firstEntryOfGroup;
  CountTextBuffer text;
  for (std::uint32_t b = 0; b < count; ++b) {
    // The first entry is the root; the others are counted as they go in.
    if (b > 0 && progress) Report(progress, ProgressKind::kCount, text.Make(b, count), b, count);
    const char* artist = ArtistOf(static_cast<std::uint16_t>(b));
    const auto placed = groupOfName.try_emplace(std::string_view(artist),
                                                static_cast<std::uint32_t>(firstEntryOfGroup.size()));
    if (placed.second) firstEntryOfGroup.push_back(static_cast<std::uint16_t>(b));
    groupOfEntry[b] = placed.first->second;
  }

  // The distinct artists in order; artists the comparison finds equal share a rank.
  std::vector<std::uint32_t> groups(firstEntryOfGroup.size());
  for (std::uint32_t g = 0; g < groups.size(); ++g) groups[g] = g;
  const auto nameOf = [this, &firstEntryOfGroup](std::uint32_t group) {
    return ArtistOf(firstEntryOfGroup[group]);
  };
  std::stable_sort(groups.begin(), groups.end(), [&](std::uint32_t a, std::uint32_t b) {
    return compare(nameOf(a), nameOf(b)) < 0;
  });
  std::vector<std::uint32_t> rankOfGroup(groups.size());
  std::uint32_t rank = 0;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (i > 0 && compare(nameOf(groups[i - 1]), nameOf(groups[i])) != 0) ++rank;
    rankOfGroup[groups[i]] = rank;
  }

  // Entries by rank, each rank in file order: equal artists keep their order.
  std::vector<std::uint32_t> start(groups.empty() ? 1 : rank + 2, 0);
  for (std::uint32_t b = 0; b < count; ++b) ++start[rankOfGroup[groupOfEntry[b]] + 1];
  for (std::size_t r = 1; r < start.size(); ++r) start[r] += start[r - 1];
  order_.assign(count, 0);
  for (std::uint32_t b = 0; b < count; ++b) {
    order_[start[rankOfGroup[groupOfEntry[b]]]++] = static_cast<std::uint16_t>(b);
  }
  BW_CHECK(order_.size() == count);
}

}  // namespace bw
