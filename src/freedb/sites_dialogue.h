// Freedb Setup's Update: the list of Freedb sites fetched from the default server, over CDDBP
// (greeting, hello, "proto 3", "sites", quit) or HTTP (one "sites" request), as pure state
// machines. "Done!" is shown and "LastUpdated" written only when the whole list arrived and
// held servers of both kinds; otherwise the error stays in the status.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "freedb/conversation_action.h"
#include "freedb/freedb_settings.h"
#include "freedb/last_updated.h"
#include "freedb/reply_reader.h"

namespace bw {
namespace freedb {

inline constexpr std::size_t kSitesHttpReplyCapacity = 10240;

// Names another server to ask for the site list than the default one ("host" for CDDBP,
// "host:port" for HTTP); the tests point the program at their own servers with it.
inline constexpr const char* kSitesServerVariable = "BRINDWAX_FREEDB_SITES_SERVER";
// The server asked for the site list: the variable's value when it is set, else the default.
std::string SitesServerHost();

class CddbpSitesDialogue {
 public:
  enum class Step { kIdle, kGreeting, kHello, kProto, kSites, kClosing, kFinished };

  // `email`: the address just typed into the setup dialog (never empty); `host`: the server
  // asked.
  CddbpSitesDialogue(std::string email, TodayFunction today,
                     std::string host = kDefaultServerHost);

  // Connect to the default server on port 888.
  ConversationActions Start();
  ConversationActions OnConnectStartFailed();
  // A refusal on 888 is retried once on 8880.
  ConversationActions OnConnectNotified(bool failed);
  std::size_t RecvLimit() const { return reader_.RecvLimit(); }
  ConversationActions OnReceived(std::string_view chunk);
  ConversationActions OnClosed();
  // The Update button while the fetch runs, and Cancel, OK or closing the dialog.
  ConversationActions OnStop();

  bool IsRunning() const { return step_ != Step::kIdle && step_ != Step::kFinished; }
  Step CurrentStep() const { return step_; }
  int Port() const { return port_; }
  std::string_view PendingReply() const { return reader_.Reply(); }

 private:
  ConversationActions OnReply(std::string_view reply);
  ConversationActions AfterSites(std::string_view reply);
  ConversationActions QuitWith(const char* status);
  ConversationActions FinishWith(const char* status);

  std::string email_;
  TodayFunction today_;
  std::string host_;
  ReplyReader reader_;
  Step step_ = Step::kIdle;
  int port_ = 0;
  bool listTaken_ = false;  // the whole list arrived with servers of both kinds
  bool errorShown_ = false;
};

class HttpSitesDialogue {
 public:
  enum class Step { kIdle, kSites, kFinished };

  HttpSitesDialogue(std::string email, TodayFunction today,
                    std::string host = kDefaultServerHost);

  // `internetAvailable`: the Internet library and its entry points were found.
  ConversationActions Start(bool internetAvailable);
  // The text of the fetch (cut to 10,240 bytes).
  ConversationActions OnFetched(std::string_view reply);
  ConversationActions OnFetchFailed();
  ConversationActions OnStop();

  bool IsRunning() const { return step_ == Step::kSites; }
  std::string Url() const;

 private:
  ConversationActions FinishWith(const char* status);

  std::string email_;
  TodayFunction today_;
  std::string host_;
  Step step_ = Step::kIdle;
};

}  // namespace freedb
}  // namespace bw
