// The key the CD catalogue looks the disc in the drive up by: track count, total playing
// time and every track's whole-second length, taken from the table of contents.
#pragma once

#include "cd/table_of_contents.h"
#include "cddb/disc_entry.h"

namespace bw {

// Slots after the last track stay 0. The 16-bit fields keep the low 16 bits, as the
// catalogue file stores them.
DiscProfile CurrentDiscKey(const TableOfContents& toc);

}  // namespace bw
