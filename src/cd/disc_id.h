// The 32-bit freedb disc ID of a table of contents, and its "%08x" text.
#pragma once

#include <cstdint>
#include <string>

#include "cd/table_of_contents.h"

namespace bw {

// ((n mod 255) << 24) | (t << 8) | N, where n sums the decimal digits of every track's start
// in whole seconds (lead-in included), t is the disc length in seconds and N the track
// count. The modulus is 255, as the freedb servers compute it.
uint32_t ComputeDiscId(const TableOfContents& toc);

// Eight lower-case hexadecimal digits, zero-padded: "1202ce03".
std::string FormatDiscId(uint32_t discId);

}  // namespace bw
