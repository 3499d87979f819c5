// A process-wide count of changes to the catalogue. Every write that may have changed what the
// catalogue holds raises it, so a window holding something read from the catalogue (the
// search's last result list and last hit) can tell whether it still describes the file.
#pragma once

#include <cstdint>

namespace bw {

// The current count; starts at 1 so that 0 can stand for "never read".
std::uint64_t CatalogueGeneration();

// Raised by the catalogue's writers and by a recovery that changed the file.
void NoteCatalogueChanged();

}  // namespace bw
