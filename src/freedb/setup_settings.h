// The settings behind Freedb Setup (section "CDDB") and Freedb Server Information (section
// "CDDBServerInformation"): what each dialog shows when it opens, what it writes at once and
// what only its OK writes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "freedb/conversation_action.h"
#include "freedb/freedb_settings.h"
#include "freedb/submission_forms.h"

class ProfileStore;

namespace bw {
namespace freedb {

inline constexpr const char* kServerInfoSection = "CDDBServerInformation";
// A stored count beyond this is taken as this: a damaged count must not make the dialog
// read for minutes.
inline constexpr int kMaxStoredServers = 1000;

// One of the two server lists: the entries in order and the one chosen (-1 for none).
struct ServerList {
  std::vector<std::string> entries;
  int selected = -1;
};

// Everything Freedb Setup shows.
struct FreedbSetup {
  std::string email;
  std::string mailServer;
  std::string cgiScript;
  SubmissionMode submission = SubmissionMode::kSmtp;
  Transport transport = Transport::kHttp;
  ServerList http;
  ServerList cddbp;
  std::string status;  // the last site-list fetch, "Last updated on ..."
};

// "gnudb.gnudb.org - Random freedb server": the entry a first opening creates.
std::string DefaultServerEntry();

// The first entry that begins with `current`, ignoring case; -1 when none does.
int SelectServerEntry(const std::vector<std::string>& entries, std::string_view current);

// Reads the "CDDB" section for the dialog. A missing or zero count is written at once as one
// default entry ("HTTPServer0", the count "1" and the current entry), for HTTP and CDDBP alike.
FreedbSetup OpenFreedbSetup(ProfileStore& profile);

// "HTTP" or "CDDBP"; the transport radios write it at once.
const char* TransportSetting(Transport transport);
void WriteTransport(ProfileStore& profile, Transport transport);

// Update writes the typed address at once. An empty one (blanks alone count as empty) gives
// the message to show, and nothing is fetched.
std::optional<std::string> TakeEmailForUpdate(ProfileStore& profile, const std::string& typed);

// OK: the address, mail server, submission mode, transport and script; the server lists
// (current entry, count, every entry in order) only when no fetch is running.
void WriteFreedbSetup(ProfileStore& profile, const FreedbSetup& setup, bool fetchRunning);

// Everything Freedb Server Information shows.
struct ServerInfoView {
  ServerCounts counts;  // "0" each until a stored value replaces it
  std::string version;
  std::string server;  // the current entry of the transport in use
  std::string status;  // the last refresh, "Last updated on ..."
};

// The opening values: "0" counts, the current server entry, then the stored values in order
// (the thirteen counts, "Version", "LastUpdated"), stopping at the first key missing.
ServerInfoView OpenServerInfo(ProfileStore& profile);

// OK after a refresh (or none): the thirteen counts and the version, as shown.
void WriteServerInfo(ProfileStore& profile, const ServerCounts& counts, const std::string& version);

}  // namespace freedb
}  // namespace bw
