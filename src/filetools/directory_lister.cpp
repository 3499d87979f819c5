// The portable name order of the file tools' sorted lists.
#include "filetools/directory_lister.h"

namespace bw {
namespace {

unsigned char FoldCase(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

}  // namespace

int CompareNamesIgnoringCase(std::string_view a, std::string_view b) {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < common; ++i) {
    const unsigned char x = FoldCase(a[i]);
    const unsigned char y = FoldCase(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool NameBefore(const NameOrder& order, std::string_view a, std::string_view b) {
  const int result = order ? order(a, b) : CompareNamesIgnoringCase(a, b);
  if (result != 0) return result < 0;
  return a < b;
}

}  // namespace bw
