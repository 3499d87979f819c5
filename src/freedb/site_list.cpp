// Server entries from a site list.
#include "freedb/site_list.h"

#include "freedb/freedb_settings.h"

namespace bw {
namespace freedb {
namespace {

// "host - description", or nothing when the line is not a server of `protocol`.
bool ReadEntry(std::string_view line, std::string_view marker, std::string* entry) {
  // The marker must follow the host itself: a description that mentions " http " does not
  // make a CDDBP line an HTTP one.
  const std::size_t hostEnd = line.find(' ');
  if (hostEnd == 0 || hostEnd == std::string_view::npos ||
      line.substr(hostEnd, marker.size()) != marker) {
    return false;
  }
  std::size_t at = hostEnd + 1;  // the protocol word
  for (int blanks = 0; blanks < 5 && at != std::string_view::npos; ++blanks) {
    at = line.find(' ', at);
    if (at != std::string_view::npos) ++at;
  }
  const std::string_view description =
      at == std::string_view::npos ? std::string_view() : line.substr(at);
  std::string text(line.substr(0, hostEnd));
  text += " - ";
  text += description;
  if (text.size() > kMaxServerEntryLength) text.resize(kMaxServerEntryLength);
  *entry = std::move(text);
  return true;
}

bool IsCodeLine(std::string_view line) {
  return line.size() >= 3 && line[0] >= '0' && line[0] <= '9' && line[1] >= '0' &&
         line[1] <= '9' && line[2] >= '0' && line[2] <= '9' && (line.size() == 3 || line[3] == ' ');
}

}  // namespace

SiteList ParseSiteList(std::string_view reply) {
  SiteList sites;
  std::size_t pos = 0;
  bool first = true;
  while (pos < reply.size()) {
    std::size_t end = reply.find('\n', pos);
    if (end == std::string_view::npos) end = reply.size();
    std::string_view line = reply.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (first && IsCodeLine(line)) {
      first = false;
      continue;
    }
    first = false;
    if (line == ".") break;
    std::string entry;
    if (ReadEntry(line, " http ", &entry)) {
      sites.http.push_back(std::move(entry));
    } else if (ReadEntry(line, " cddbp ", &entry)) {
      sites.cddbp.push_back(std::move(entry));
    }
  }
  return sites;
}

}  // namespace freedb
}  // namespace bw
