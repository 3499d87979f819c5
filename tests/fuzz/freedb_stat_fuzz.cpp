// Fuzzes the answers to "stat" and "ver": the value rule, and the server-information refresh
// over CDDBP (arbitrary reads) and HTTP. Every shown value keeps its limit, and "Done!" comes
// only after both replies.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "freedb/server_info_dialogue.h"
#include "freedb/server_statistics.h"

namespace {

using namespace bw::freedb;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckActions(const ConversationActions& actions, bool* counts, bool* version) {
  for (const ConversationAction& action : actions) {
    if (action.kind == ConversationAction::Kind::kShowCounts) {
      *counts = true;
      for (const std::string& value : action.counts) Check(value.size() <= kMaxServerValueLength);
    }
    if (action.kind == ConversationAction::Kind::kShowVersion) {
      *version = true;
      Check(action.text.size() <= kMaxServerValueLength);
    }
    if (action.kind == ConversationAction::Kind::kWriteLastUpdated) Check(*counts && *version);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t chunk = 1 + data[0] % 64;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto today = [] { return CalendarDate{2024, 3, 7}; };

  for (const std::string& value : ParseServerStatistics(bytes)) {
    Check(value.size() <= kMaxServerValueLength);
  }
  Check(ParseServerVersion(bytes).size() <= kMaxServerValueLength);

  // CDDBP: the bytes as the statistics, then again as the version.
  CddbpServerInfoDialogue cddbp("h", "jo@example.org", today);
  cddbp.Start();
  cddbp.OnReceived("201 ready\r\n");
  cddbp.OnReceived("200 hello\r\n");
  bool counts = false;
  bool version = false;
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t at = 0; at < bytes.size(); at += chunk) {
      CheckActions(cddbp.OnReceived(bytes.substr(at, chunk)), &counts, &version);
      Check(cddbp.PendingReply().size() <= kServerInfoReplyCapacity);
    }
  }
  CheckActions(cddbp.OnClosed(), &counts, &version);

  HttpServerInfoDialogue http({"h", "/~cddb/cddb.cgi"}, "jo@example.org", today);
  http.Start(true);
  bool httpCounts = false;
  bool httpVersion = false;
  CheckActions(http.OnFetched(bytes), &httpCounts, &httpVersion);
  CheckActions(http.OnFetched(bytes), &httpCounts, &httpVersion);
  return 0;
}
