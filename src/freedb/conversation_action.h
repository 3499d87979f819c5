// What the submission, site-list and server-information dialogues ask their dialog to do.
// The dialogues are pure: the dialog feeds them socket notifications, fetch results and the
// user's buttons, and carries out the actions in order.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace bw {
namespace freedb {

// The server entries found in a site list, "host - description" each. An empty list leaves
// the dialog's list as it is.
struct SiteList {
  std::vector<std::string> http;
  std::vector<std::string> cddbp;
};

// The thirteen counts of Freedb Server Information, in the order of ServerInfoField below.
inline constexpr std::size_t kServerCountFields = 13;
using ServerCounts = std::array<std::string, kServerCountFields>;

struct ConversationAction {
  enum class Kind {
    // Release any connection still held and open one to host `text` on `port`; answer
    // OnConnectStartFailed when it cannot be started (the status already says why).
    kConnect,
    // Send `text`. The e-mail dialogue wants OnSent with the count the socket took.
    kSend,
    kShowStatus,   // `text` into the status field
    kSetCaption,   // `text` on the dialog's Update / Stop (or Cancel / OK) button
    kBeep,         // MessageBeep with the exclamation sound
    kFetch,        // HTTP: fetch URL `text`; answer OnFetched or OnFetchFailed
    kShowSites,    // refill the server lists from `sites` (an empty one stays as it was)
    kShowCounts,   // put `counts` into the count fields
    kShowVersion,  // `text` into the version field
    // Show the stored server information again (what the dialog showed when it opened).
    kShowStoredValues,
    // Write `text` as "LastUpdated" of the dialogue's settings section at once.
    kWriteLastUpdated,
    // The conversation is over: release the connection, stop the busy animation, clear the
    // running flag. Captions and status are set by the actions before it.
    kFinish,
  };

  Kind kind = Kind::kFinish;
  std::string text;
  int port = 0;
  SiteList sites;
  ServerCounts counts;

  static ConversationAction Connect(std::string host, int port);
  static ConversationAction Send(std::string bytes);
  static ConversationAction ShowStatus(std::string status);
  static ConversationAction SetCaption(std::string caption);
  static ConversationAction Beep();
  static ConversationAction Fetch(std::string url);
  static ConversationAction ShowSites(SiteList sites);
  static ConversationAction ShowCounts(ServerCounts counts);
  static ConversationAction ShowVersion(std::string version);
  static ConversationAction ShowStoredValues();
  static ConversationAction WriteLastUpdated(std::string text);
  static ConversationAction Finish();
};

using ConversationActions = std::vector<ConversationAction>;

}  // namespace freedb
}  // namespace bw
