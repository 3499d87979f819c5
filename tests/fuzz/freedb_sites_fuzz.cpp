// Fuzzes the answer to "sites": the parser on its own, the CDDBP fetch with arbitrary reads
// and the HTTP fetch. Every entry keeps its limit and begins with its host; "Done!" and
// "LastUpdated" come only with a list holding both kinds of server.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "freedb/freedb_settings.h"
#include "freedb/site_list.h"
#include "freedb/sites_dialogue.h"

namespace {

using namespace bw::freedb;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckSites(const SiteList& sites) {
  for (const auto* list : {&sites.http, &sites.cddbp}) {
    for (const std::string& entry : *list) {
      Check(entry.size() <= kMaxServerEntryLength);
      Check(entry.find(' ') != 0);
      Check(entry.find('\n') == std::string::npos);
    }
  }
}

// True when the actions write "LastUpdated"; checks that a written date came with both lists.
bool Written(const ConversationActions& actions) {
  bool bothKinds = false;
  bool written = false;
  for (const ConversationAction& action : actions) {
    if (action.kind == ConversationAction::Kind::kShowSites) {
      CheckSites(action.sites);
      Check(!action.sites.http.empty());
      bothKinds = !action.sites.cddbp.empty();
    }
    if (action.kind == ConversationAction::Kind::kWriteLastUpdated) written = true;
  }
  return written && bothKinds;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t chunk = 1 + data[0] % 64;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto today = [] { return CalendarDate{2024, 3, 7}; };

  CheckSites(ParseSiteList(bytes));

  CddbpSitesDialogue cddbp("jo@example.org", today);
  cddbp.Start();
  cddbp.OnReceived("201 ready\r\n");
  cddbp.OnReceived("200 hello\r\n");
  cddbp.OnReceived("201 level 3\r\n");
  bool shown = false;
  for (std::size_t at = 0; at < bytes.size(); at += chunk) {
    const ConversationActions actions = cddbp.OnReceived(bytes.substr(at, chunk));
    for (const ConversationAction& action : actions) {
      if (action.kind == ConversationAction::Kind::kShowSites) {
        CheckSites(action.sites);
        shown = shown || !action.sites.cddbp.empty();
      }
    }
    Check(cddbp.PendingReply().size() <= kServerInfoReplyCapacity);
  }
  const ConversationActions closed = cddbp.OnClosed();
  for (const ConversationAction& action : closed) {
    if (action.kind == ConversationAction::Kind::kWriteLastUpdated) Check(shown);
  }

  HttpSitesDialogue http("jo@example.org", today);
  http.Start(true);
  const ConversationActions fetched = http.OnFetched(bytes);
  Written(fetched);
  Check(!http.IsRunning());
  return 0;
}
