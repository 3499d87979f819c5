// The sorting table that the sorter and the sorted export share: every entry's offset and
// artist, read in one pass, and the entry indexes in ascending artist order. Entries with
// equal artists keep their file order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cddb/database_scanner.h"
#include "cddb/text_rules.h"
#include "cddb/tool_progress.h"

namespace bw {

class SortingTable {
 public:
  std::uint16_t EntryCount() const { return static_cast<std::uint16_t>(offsets_.size()); }
  std::uint32_t OffsetOf(std::uint16_t index) const { return offsets_[index]; }
  // The artist, up to its first zero byte (as the comparison sees it).
  const char* ArtistOf(std::uint16_t index) const { return names_.data() + nameAt_[index]; }
  // Entry indexes in ascending artist order.
  const std::vector<std::uint16_t>& Order() const { return order_; }
  // True when the pass stopped at a damaged link: the table holds the entries before it.
  bool Damaged() const { return damaged_; }

  // Reads every entry of an open scanner and orders them by `compare`. Reports the steps
  // "Creating memory buffer for the sort array.", "Loading artist names into memory.",
  // "Building sorting table." and, for each entry after the first, its "b of n". Out of
  // memory gives an IoError (the caller shows "Error! Not enough memory to do sorting.");
  // damage after the first entries is no failure but leaves Damaged() set.
  Status Build(DatabaseScanner& scanner, TextCompare compare, const ProgressCallback& progress);

 private:
  Status Load(DatabaseScanner& scanner);
  void Order(TextCompare compare, const ProgressCallback& progress);

  std::vector<std::uint32_t> offsets_;
  std::vector<std::uint32_t> nameAt_;
  std::string names_;
  std::vector<std::uint16_t> order_;
  bool damaged_ = false;
};

// An IoError standing for "no memory for the table", told apart from a file's errors.
bool IsOutOfMemory(const Status& status);

}  // namespace bw
