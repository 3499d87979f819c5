// The change count, shared by the window thread and the freedb reader's worker thread.
#include "cddb/catalogue_generation.h"

#include <atomic>

namespace bw {
namespace {

std::atomic<std::uint64_t>& Generation() {
  static std::atomic<std::uint64_t> generation{1};
  return generation;
}

}  // namespace

std::uint64_t CatalogueGeneration() { return Generation().load(std::memory_order_acquire); }

void NoteCatalogueChanged() { Generation().fetch_add(1, std::memory_order_acq_rel); }

}  // namespace bw
