// Times of the CD player: whole seconds as minutes, ":" and two-digit seconds.
#pragma once

#include <cstdint>
#include <string>

namespace bw {

// 75 gives "1:15", 5 gives "0:05", 3600 gives "60:00". A negative time (a remaining time
// read a moment after its track ended) keeps its sign: -5 gives "-0:05".
std::string FormatSeconds(int32_t seconds);

}  // namespace bw
