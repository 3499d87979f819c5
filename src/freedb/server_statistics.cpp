// Values from the statistics and version replies.
#include "freedb/server_statistics.h"

#include "resources/resource.h"

namespace bw {
namespace freedb {

const std::array<ServerInfoField, kServerCountFields> kServerInfoFields = {{
    {"Database entries:", "TotalEntries", IDC_SERVER_INFO_TOTAL},
    {"blues:", "Blues", IDC_SERVER_INFO_BLUES},
    {"classical:", "Classical", IDC_SERVER_INFO_CLASSICAL},
    {"country:", "Country", IDC_SERVER_INFO_COUNTRY},
    {"data:", "Data", IDC_SERVER_INFO_DATA},
    {"folk:", "Folk", IDC_SERVER_INFO_FOLK},
    {"jazz:", "Jazz", IDC_SERVER_INFO_JAZZ},
    {"misc:", "Misc", IDC_SERVER_INFO_MISC},
    {"newage:", "NewAge", IDC_SERVER_INFO_NEWAGE},
    {"reggae:", "Reggae", IDC_SERVER_INFO_REGGAE},
    {"rock:", "Rock", IDC_SERVER_INFO_ROCK},
    {"soundtrack:", "SoundTrack", IDC_SERVER_INFO_SOUNDTRACK},
    {"max users:", "MaxUsers", IDC_SERVER_INFO_MAX_USERS},
}};

std::string ServerValueAfter(std::string_view reply, std::string_view key) {
  const std::size_t found = reply.find(key);
  if (found == std::string_view::npos) return std::string();
  const std::size_t start = found + key.size() + 1;
  if (start >= reply.size()) return std::string();
  std::string_view value = reply.substr(start);
  value = value.substr(0, value.find('\n'));
  if (!value.empty() && value.back() == '\r') value.remove_suffix(1);
  if (const std::size_t slash = value.find('/'); slash != std::string_view::npos) {
    value = value.substr(0, slash == 0 ? 0 : slash - 1);
  }
  return std::string(value.substr(0, kMaxServerValueLength));
}

ServerCounts ParseServerStatistics(std::string_view reply) {
  ServerCounts counts;
  for (std::size_t i = 0; i < kServerInfoFields.size(); ++i) {
    counts[i] = ServerValueAfter(reply, kServerInfoFields[i].statKey);
  }
  return counts;
}

std::string ParseServerVersion(std::string_view reply) {
  if (reply.find("200 cddbd") != std::string_view::npos) {
    return ServerValueAfter(reply, "200 cddbd");
  }
  if (reply.substr(0, 4) == "200 ") return ServerValueAfter(reply, "200");
  return std::string();
}

}  // namespace freedb
}  // namespace bw
