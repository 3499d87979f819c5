// The saved result list and the last chosen entry, checked against the catalogue's changes.
#include "cddb/search_memory.h"

#include "cddb/catalogue_generation.h"

namespace bw {

void SearchMemory::SaveResults(std::vector<SearchHit> hits) {
  saved_ = std::move(hits);
  savedGeneration_ = CatalogueGeneration();
}

std::vector<SearchHit> SearchMemory::TakeSavedResults() {
  std::vector<SearchHit> hits = std::move(saved_);
  saved_.clear();
  if (savedGeneration_ != CatalogueGeneration()) hits.clear();
  return hits;
}

void SearchMemory::RememberChosen(std::uint16_t index) {
  chosen_ = index;
  chosenGeneration_ = CatalogueGeneration();
}

std::optional<std::uint16_t> SearchMemory::LastChosen() const {
  if (!chosen_ || chosenGeneration_ != CatalogueGeneration()) return std::nullopt;
  return chosen_;
}

}  // namespace bw
