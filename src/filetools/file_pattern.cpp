// Wildcard matching of file names: a greedy scan that backs up to the last "*" on a
// mismatch, so no pattern costs more than name length times pattern length.
#include "filetools/file_pattern.h"

namespace bw {
namespace {

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool MatchesFilePattern(std::string_view name, std::string_view pattern) {
  std::size_t n = 0;
  std::size_t p = 0;
  std::size_t starAt = std::string_view::npos;  // pattern position just after the last "*"
  std::size_t starName = 0;                     // name position that "*" has swallowed up to
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starAt = ++p;
      starName = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
      ++p;
      ++n;
    } else if (starAt != std::string_view::npos) {
      p = starAt;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool MatchesAnyFilePattern(std::string_view name, const std::vector<std::string>& patterns) {
  for (const std::string& pattern : patterns) {
    if (MatchesFilePattern(name, pattern)) return true;
  }
  return false;
}

}  // namespace bw
