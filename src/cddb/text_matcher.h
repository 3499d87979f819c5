// Finds a search text inside stored bytes, with or without regard to case. Every occurrence
// counts, overlapping ones too ("ab" is found in "aab"). Candidates are found by scanning for
// the search text's rarest byte with memchr, and a search that keeps failing late falls back
// to a scan that never steps back, so no input makes it slower than linear.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cddb/text_rules.h"

namespace bw {

class TextMatcher {
 public:
  static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

  // `lowerCase` null heeds case; otherwise both the search text and the searched bytes are
  // compared as `lowerCase` maps them.
  TextMatcher(std::string_view needle, LowerCaseBytes lowerCase);

  bool Empty() const { return needle_.empty(); }
  std::size_t Length() const { return needle_.size(); }

  // The first position at or after `from` where the search text starts inside
  // [data, data + size), or kNotFound.
  std::size_t Find(const std::uint8_t* data, std::size_t size, std::size_t from) const;

 private:
  bool MatchesAt(const std::uint8_t* at) const;
  std::size_t FindNeverSteppingBack(const std::uint8_t* data, std::size_t size,
                                    std::size_t from) const;

  std::array<std::uint8_t, 256> fold_{};
  std::string needle_;  // folded
  std::size_t anchor_ = 0;  // the position of the byte candidates are found by
  std::array<bool, 256> isAnchorByte_{};
  std::uint8_t anchorBytes_[2] = {0, 0};
  int anchorByteCount_ = 0;  // bytes that fold to the anchor: 1, 2, or more (table scan)
  std::vector<std::size_t> failure_;  // the fallback's table of borders
};

}  // namespace bw
