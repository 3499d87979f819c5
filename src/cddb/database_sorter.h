// The sorter's work: the catalogue rewritten in ascending artist order.
#pragma once

#include "cddb/database.h"
#include "cddb/text_rules.h"
#include "cddb/tool_progress.h"

namespace bw {

// Sorts the catalogue by artist with `compare` (lstrcmpA on Windows); entries with equal
// artists keep their order, and every entry's bytes stay as they are but for its links.
// Status texts, in order: the sorting table's steps and counts (see SortingTable::Build),
// "Writing database file.", "Writing: " and each artist, "Writing new pointers.", and the
// result "Done!". A catalogue of 0 or 1 entries is left untouched with "Done!" at once.
// A failure leaves brindwax.dat as it was and ends with one of kTextSortNoMemory,
// kTextSortDamaged, kTextSortChanged or kTextSortFailed.
Status SortDatabase(Database& database, TextCompare compare, const ProgressCallback& progress);

}  // namespace bw
