// Minutes and two-digit seconds, no leading zero on the minutes.
#include "cd/format_seconds.h"

#include <cstdio>

namespace bw {

std::string FormatSeconds(int32_t seconds) {
  const bool negative = seconds < 0;
  const int64_t magnitude = negative ? -static_cast<int64_t>(seconds) : seconds;
  char text[32];
  std::snprintf(text, sizeof text, "%s%lld:%02lld", negative ? "-" : "",
                static_cast<long long>(magnitude / 60), static_cast<long long>(magnitude % 60));
  return text;
}

}  // namespace bw
