// Freedb Server Information's Update: the current server's statistics ("stat") and version
// ("ver"), over CDDBP or HTTP, as pure state machines. "Done!" and "LastUpdated" follow only a
// complete exchange; Stop shows the stored values again.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "freedb/conversation_action.h"
#include "freedb/last_updated.h"
#include "freedb/protocol_lines.h"
#include "freedb/reply_reader.h"

namespace bw {
namespace freedb {

inline constexpr std::size_t kServerInfoHttpReplyCapacity = 10240;

class CddbpServerInfoDialogue {
 public:
  enum class Step { kIdle, kGreeting, kHello, kStatistics, kVersion, kClosing, kFinished };

  // `host`: the current CDDBP server's name.
  CddbpServerInfoDialogue(std::string host, std::string email, TodayFunction today);

  ConversationActions Start();
  ConversationActions OnConnectStartFailed();
  ConversationActions OnConnectNotified(bool failed);
  std::size_t RecvLimit() const { return reader_.RecvLimit(); }
  ConversationActions OnReceived(std::string_view chunk);
  ConversationActions OnClosed();
  // The Update button while the refresh runs, OK or closing the dialog.
  ConversationActions OnStop();

  bool IsRunning() const { return step_ != Step::kIdle && step_ != Step::kFinished; }
  Step CurrentStep() const { return step_; }
  int Port() const { return port_; }
  std::string_view PendingReply() const { return reader_.Reply(); }

 private:
  ConversationActions OnReply(std::string_view reply);
  ConversationActions QuitWith(const char* status);
  ConversationActions FinishWith(const char* status);

  std::string host_;
  std::string email_;
  TodayFunction today_;
  ReplyReader reader_;
  Step step_ = Step::kIdle;
  int port_ = 0;
  bool complete_ = false;  // the version arrived after the statistics
  bool errorShown_ = false;
};

class HttpServerInfoDialogue {
 public:
  enum class Step { kIdle, kStatistics, kVersion, kFinished };

  HttpServerInfoDialogue(HttpEndpoint endpoint, std::string email, TodayFunction today);

  ConversationActions Start(bool internetAvailable);
  // The text of a fetch (cut to 10,240 bytes).
  ConversationActions OnFetched(std::string_view reply);
  ConversationActions OnFetchFailed();
  ConversationActions OnStop();

  bool IsRunning() const { return step_ == Step::kStatistics || step_ == Step::kVersion; }
  Step CurrentStep() const { return step_; }
  std::string Url(std::string_view command) const;

 private:
  ConversationActions FinishWith(const char* status);

  HttpEndpoint endpoint_;
  std::string email_;
  TodayFunction today_;
  Step step_ = Step::kIdle;
};

}  // namespace freedb
}  // namespace bw
