// The disc query over CDDBP as a pure state machine: greeting, hello, query, the user's
// choice among inexact matches, read, quit. The CD panel feeds it its socket notifications
// and the user's answers and carries out the actions it returns.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "freedb/freedb_settings.h"
#include "freedb/protocol_lines.h"
#include "freedb/query_action.h"
#include "freedb/query_dialogue_base.h"
#include "freedb/reply_reader.h"

namespace bw {
namespace freedb {

enum class CddbpQueryStep {
  kIdle,
  kGreeting,          // connecting, then waiting for "201"
  kHello,             // waiting for "200"
  kQuery,             // waiting for the query reply
  kChoosing,          // the inexact-match dialog is up
  kCheckingExisting,  // the host checks the catalogue (and may ask to overwrite)
  kRead,              // waiting for the xmcd record
  kClosing,           // "quit" sent or the server refused: only the close is awaited
  kFinished,
};

class CddbpQueryDialogue : public QueryDialogueBase<CddbpQueryStep> {
 public:
  using Step = CddbpQueryStep;

  CddbpQueryDialogue(DiscQuery disc, std::string email);

  // Connect on port 888.
  QueryActions Start();
  // The connection could not be started (the host already shows why).
  QueryActions OnConnectStartFailed();
  // The connect notification; `failed` when its error word is non-zero. A refusal on 888 is
  // retried once on 8880.
  QueryActions OnConnectNotified(bool failed);
  // How many bytes the next recv may take.
  std::size_t RecvLimit() const { return reader_.RecvLimit(); }
  // One recv's worth of bytes (a read notification with a non-zero result).
  QueryActions OnReceived(std::string_view chunk);
  // The server closed the connection.
  QueryActions OnClosed();
  QueryActions OnMatchChosen(int index);
  QueryActions OnExistingChecked(bool proceed);

  int Port() const { return port_; }
  // The reply being gathered (for the host's diagnostics and the tests).
  std::string_view PendingReply() const { return reader_.Reply(); }

 private:
  QueryActions OnReplyComplete();
  QueryActions AfterGreeting(std::string_view reply);
  QueryActions AfterHello(std::string_view reply);
  QueryActions AfterQuery(std::string_view reply);
  QueryActions AfterRead(std::string_view reply);
  QueryActions ReadSelected(std::string selector);
  QueryActions QuitWith(const char* status);    // status, then "quit"

  DiscQuery disc_;
  std::string email_;
  ReplyReader reader_;
  int port_ = kCddbpFirstPort;
  std::string readLine_;
};

}  // namespace freedb
}  // namespace bw
