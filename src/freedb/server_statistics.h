// Reading the answers to "stat" and "ver" for Freedb Server Information: the number of
// entries in all and per category, the most users the server takes, and its version.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "freedb/conversation_action.h"

namespace bw {
namespace freedb {

// A shown value is at most this long.
inline constexpr std::size_t kMaxServerValueLength = 129;

// One field of the dialog: where the statistics hold it, where the settings keep it and the
// control that shows it.
struct ServerInfoField {
  const char* statKey;     // "rock:"
  const char* settingKey;  // "Rock"
  int control;
};
// Total entries, the eleven categories in the dialog's order, maximum users.
extern const std::array<ServerInfoField, kServerCountFields> kServerInfoFields;

// The value after `key` in `reply`: the first occurrence of the key, then one character
// skipped, then up to the end of that line (its CR dropped) or up to a "/" (the character
// before the "/" dropped too), at most 129 characters. Empty when the key is missing.
std::string ServerValueAfter(std::string_view reply, std::string_view key);

// The thirteen counts of a "stat" reply; a missing key gives an empty count.
ServerCounts ParseServerStatistics(std::string_view reply);

// The version in a "ver" reply: the value after "200 cddbd". A server that names itself
// otherwise ("200 gnudbd v2 ...") shows the rest of its first line after the code.
std::string ParseServerVersion(std::string_view reply);

}  // namespace freedb
}  // namespace bw
