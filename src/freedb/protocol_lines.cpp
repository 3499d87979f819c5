// The disc query and read commands, the CDDBP hello, and the HTTP request URL.
#include "freedb/protocol_lines.h"

#include <algorithm>
#include <cstdio>

#include "cd/table_of_contents.h"
#include "freedb/freedb_settings.h"

namespace bw {
namespace freedb {

DiscQuery MakeDiscQuery(const TableOfContents& toc, std::uint32_t discId) {
  DiscQuery query;
  query.discId = discId;
  const int count = std::clamp(toc.trackCount, 0, kMaxQueryTracks);
  for (int i = 0; i < count; ++i) query.frameOffsets.push_back(FramesFromMsf(toc.starts[i]));
  if (count > 0) {
    query.lengthSeconds = toc.discLengthSeconds + FramesFromMsf(toc.starts[0]) / kFramesPerSecond;
  }
  return query;
}

std::string QueryCommandWords(const DiscQuery& query) {
  const std::size_t count = std::min<std::size_t>(query.frameOffsets.size(), kMaxQueryTracks);
  char discId[9];
  std::snprintf(discId, sizeof discId, "%08x", static_cast<unsigned>(query.discId));
  std::string words = "cddb query ";
  words += discId;
  words += ' ';
  words += std::to_string(count);
  for (std::size_t i = 0; i < count; ++i) {
    words += ' ';
    words += std::to_string(query.frameOffsets[i]);
  }
  words += ' ';
  words += std::to_string(query.lengthSeconds);
  return words;
}

std::string ReadCommandWords(std::string_view selector) {
  return "cddb read " + std::string(selector);
}

std::string CddbpLine(std::string_view words) { return std::string(words) + "\r\n"; }

std::string CddbpHelloLine(std::string_view email) {
  std::string userAndHost(email);
  std::replace(userAndHost.begin(), userAndHost.end(), '@', ' ');
  return "CDDB HELLO " + userAndHost + " " + ClientIdentification() + "\r\n";
}

std::string HttpRequestUrl(const HttpEndpoint& endpoint, std::string_view commandWords,
                           std::string_view email) {
  std::string url = "http://" + endpoint.host + endpoint.cgiScript + "?cmd=";
  url += commandWords;
  url += "&hello=";
  url += email;
  url += " " + ClientIdentification() + "&proto=3";
  for (char& c : url) {
    if (c == ' ' || c == '@') c = '+';
  }
  return url;
}

}  // namespace freedb
}  // namespace bw
