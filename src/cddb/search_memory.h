// What the search keeps from one opening to the next while the program runs: the result list
// saved when the dialog closed and the entry chosen from it. Both describe the catalogue as it
// was; once the catalogue has changed since (an edit, a delete, a sort, a freedb read) they
// are dropped, so no saved item can point at a different entry than it names.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "cddb/database_search.h"

namespace bw {

class SearchMemory {
 public:
  // Keeps the list shown when the dialog closes (OK or Cancel); an empty list saves nothing.
  void SaveResults(std::vector<SearchHit> hits);
  // The saved list, handed over once (the dialog shows it again and saves it anew on close);
  // empty when none was saved or the catalogue changed since.
  std::vector<SearchHit> TakeSavedResults();

  // The entry chosen from the search (OK or a double click on an item).
  void RememberChosen(std::uint16_t index);
  // That entry, unless the catalogue changed since it was chosen.
  std::optional<std::uint16_t> LastChosen() const;

 private:
  std::vector<SearchHit> saved_;
  std::uint64_t savedGeneration_ = 0;
  std::optional<std::uint16_t> chosen_;
  std::uint64_t chosenGeneration_ = 0;
};

}  // namespace bw
