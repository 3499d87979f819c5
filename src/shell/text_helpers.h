// Small texts shared by many windows: durations with their unit word, and byte counts with
// thousands separators.
#pragma once

#include <cstdint>
#include <string>

namespace bw {

// A duration in milliseconds as hours:minutes:seconds.milliseconds without leading zeros:
// 999 -> "999", 5000 -> "5.000", 83456 -> "1:23.456", 3723004 -> "1:02:03.004".
std::string TimeText(uint64_t milliseconds);

// The unit of TimeText's figure: "Milliseconds" up to 999, "Seconds" up to 59999, "Minutes"
// up to 3599999, "Hours" above.
const char* UnitWord(uint64_t milliseconds);

// "1,234,567 bytes": a comma between each group of three digits from the right.
std::string ByteCountText(uint64_t bytes);

}  // namespace bw
