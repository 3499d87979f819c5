// Substring search over folded bytes.
#include "cddb/text_matcher.h"

#include <cstring>

#include "base/check.h"

namespace bw {
namespace {

// How often a (lower-case) byte turns up in catalogue texts, roughly: letters by their
// frequency in English, then the space, digits and the rest. Smaller is rarer.
int Commonness(std::uint8_t byte) {
  static const char kLettersByFrequency[] = "etaoinshrdlcumwfgypbvkjxqz";
  if (byte == ' ') return 40;
  if (const char* p = std::strchr(kLettersByFrequency, byte); p != nullptr && byte != 0) {
    return 30 - static_cast<int>(p - kLettersByFrequency);
  }
  if (byte >= '0' && byte <= '9') return 8;
  return 2;
}

}  // namespace

TextMatcher::TextMatcher(std::string_view needle, LowerCaseBytes lowerCase) {
  for (int i = 0; i < 256; ++i) fold_[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
  if (lowerCase != nullptr) {
    char bytes[256];
    for (int i = 0; i < 256; ++i) bytes[i] = static_cast<char>(i);
    lowerCase(bytes, sizeof(bytes));
    for (int i = 0; i < 256; ++i) fold_[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bytes[i]);
  }
  needle_.resize(needle.size());
  for (std::size_t i = 0; i < needle.size(); ++i) {
    needle_[i] = static_cast<char>(fold_[static_cast<std::uint8_t>(needle[i])]);
  }
  if (needle_.empty()) return;

  // The anchor: the rarest byte, counting how many stored bytes fold to it.
  int bestScore = 1 << 30;
  for (std::size_t i = 0; i < needle_.size(); ++i) {
    const auto folded = static_cast<std::uint8_t>(needle_[i]);
    int sources = 0;
    for (int b = 0; b < 256; ++b) sources += fold_[static_cast<std::size_t>(b)] == folded;
    const int score = Commonness(folded) * 4 + (sources > 2 ? 200 : sources);
    if (score < bestScore) {
      bestScore = score;
      anchor_ = i;
    }
  }
  const auto anchorByte = static_cast<std::uint8_t>(needle_[anchor_]);
  for (int b = 0; b < 256; ++b) {
    if (fold_[static_cast<std::size_t>(b)] != anchorByte) continue;
    isAnchorByte_[static_cast<std::size_t>(b)] = true;
    if (anchorByteCount_ < 2) anchorBytes_[anchorByteCount_] = static_cast<std::uint8_t>(b);
    ++anchorByteCount_;
  }

  failure_.assign(needle_.size() + 1, 0);
  std::size_t border = 0;
  for (std::size_t i = 1; i < needle_.size(); ++i) {
    while (border > 0 && needle_[i] != needle_[border]) border = failure_[border];
    if (needle_[i] == needle_[border]) ++border;
    failure_[i + 1] = border;
  }
}

bool TextMatcher::MatchesAt(const std::uint8_t* at) const {
  for (std::size_t i = 0; i < needle_.size(); ++i) {
    if (fold_[at[i]] != static_cast<std::uint8_t>(needle_[i])) return false;
  }
  return true;
}

std::size_t TextMatcher::Find(const std::uint8_t* data, std::size_t size,
                              std::size_t from) const {
  const std::size_t length = needle_.size();
  if (length == 0 || from > size || size - from < length) return kNotFound;
  // Candidates: where the anchor byte can stand in a match that fits.
  const std::uint8_t* scan = data + from + anchor_;
  const std::uint8_t* const last = data + (size - length) + anchor_;  // inclusive
  const std::uint8_t* next[2] = {nullptr, nullptr};  // memchr results kept between candidates
  std::size_t work = 0;
  const std::size_t budget = 2 * (size - from) + 64;
  while (scan <= last) {
    const std::uint8_t* found = nullptr;
    const std::size_t span = static_cast<std::size_t>(last - scan) + 1;
    if (anchorByteCount_ == 1) {
      found = static_cast<const std::uint8_t*>(std::memchr(scan, anchorBytes_[0], span));
    } else if (anchorByteCount_ == 2) {
      for (int k = 0; k < 2; ++k) {
        if (next[k] != last + 1 && (next[k] == nullptr || next[k] < scan)) {
          const void* hit = std::memchr(scan, anchorBytes_[k], span);
          next[k] = hit ? static_cast<const std::uint8_t*>(hit) : last + 1;
        }
      }
      found = next[0] < next[1] ? next[0] : next[1];
      if (found == last + 1) found = nullptr;
    } else {
      for (const std::uint8_t* p = scan; p <= last; ++p) {
        if (isAnchorByte_[*p]) {
          found = p;
          break;
        }
      }
    }
    if (found == nullptr) return kNotFound;
    const std::uint8_t* start = found - anchor_;
    if (MatchesAt(start)) return static_cast<std::size_t>(start - data);
    work += length;
    if (work > budget) {
      return FindNeverSteppingBack(data, size, static_cast<std::size_t>(start - data) + 1);
    }
    scan = found + 1;
  }
  return kNotFound;
}

std::size_t TextMatcher::FindNeverSteppingBack(const std::uint8_t* data, std::size_t size,
                                               std::size_t from) const {
  const std::size_t length = needle_.size();
  std::size_t matched = 0;
  for (std::size_t i = from; i < size; ++i) {
    const char c = static_cast<char>(fold_[data[i]]);
    while (matched > 0 && c != needle_[matched]) matched = failure_[matched];
    if (c == needle_[matched]) ++matched;
    if (matched == length) {
      BW_CHECK(i + 1 >= length);
      return i + 1 - length;
    }
  }
  return kNotFound;
}

}  // namespace bw
