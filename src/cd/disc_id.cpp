// The freedb disc ID: digit sums of the track starts, the disc length and the track count.
#include "cd/disc_id.h"

#include <cstdio>

namespace bw {
namespace {

uint32_t DigitSum(uint32_t value) {
  uint32_t sum = 0;
  for (; value > 0; value /= 10) sum += value % 10;
  return sum;
}

}  // namespace

uint32_t ComputeDiscId(const TableOfContents& toc) {
  uint32_t digitSums = 0;
  for (int i = 0; i < toc.trackCount; ++i) {
    digitSums += DigitSum(static_cast<uint32_t>(WholeSecondsOfMsf(toc.starts[i])));
  }
  // The length has 16 bits in the ID; masking keeps an absurd length out of the digit byte.
  const uint32_t lengthField = static_cast<uint32_t>(toc.discLengthSeconds) & 0xFFFF;
  return ((digitSums % 255) << 24) | (lengthField << 8) |
         (static_cast<uint32_t>(toc.trackCount) & 0xFF);
}

std::string FormatDiscId(uint32_t discId) {
  char text[9];
  std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(discId));
  return text;
}

}  // namespace bw
