// The Update of Freedb Setup and Freedb Server Information as their dialogs run it: the
// dialogue's connection (CDDBP on the dialog's own socket notifications) or fetches (HTTP on a
// worker thread that posts its result back), the busy animation meanwhile, and every other
// action handed to the dialog.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "freedb/cddbp_connection.h"
#include "freedb/conversation_action.h"

namespace bw {
namespace freedb {

class InternetSession;

// The events a CDDBP Update dialogue takes.
class CddbpUpdate {
 public:
  virtual ~CddbpUpdate() = default;
  virtual ConversationActions Start() = 0;
  virtual ConversationActions OnConnectStartFailed() = 0;
  virtual ConversationActions OnConnectNotified(bool failed) = 0;
  virtual std::size_t RecvLimit() const = 0;
  virtual ConversationActions OnReceived(std::string_view chunk) = 0;
  virtual ConversationActions OnClosed() = 0;
  virtual ConversationActions OnStop() = 0;
};

// The events an HTTP Update dialogue takes.
class HttpUpdate {
 public:
  virtual ~HttpUpdate() = default;
  virtual ConversationActions Start(bool internetAvailable) = 0;
  virtual ConversationActions OnFetched(std::string_view reply) = 0;
  virtual ConversationActions OnFetchFailed() = 0;
  virtual ConversationActions OnStop() = 0;
};

// Either interface over one of the dialogue classes.
template <class Dialogue>
class CddbpUpdateOf : public CddbpUpdate {
 public:
  explicit CddbpUpdateOf(Dialogue dialogue) : dialogue_(std::move(dialogue)) {}
  ConversationActions Start() override { return dialogue_.Start(); }
  ConversationActions OnConnectStartFailed() override { return dialogue_.OnConnectStartFailed(); }
  ConversationActions OnConnectNotified(bool failed) override {
    return dialogue_.OnConnectNotified(failed);
  }
  std::size_t RecvLimit() const override { return dialogue_.RecvLimit(); }
  ConversationActions OnReceived(std::string_view chunk) override {
    return dialogue_.OnReceived(chunk);
  }
  ConversationActions OnClosed() override { return dialogue_.OnClosed(); }
  ConversationActions OnStop() override { return dialogue_.OnStop(); }

 private:
  Dialogue dialogue_;
};

template <class Dialogue>
class HttpUpdateOf : public HttpUpdate {
 public:
  explicit HttpUpdateOf(Dialogue dialogue) : dialogue_(std::move(dialogue)) {}
  ConversationActions Start(bool internetAvailable) override {
    return dialogue_.Start(internetAvailable);
  }
  ConversationActions OnFetched(std::string_view reply) override {
    return dialogue_.OnFetched(reply);
  }
  ConversationActions OnFetchFailed() override { return dialogue_.OnFetchFailed(); }
  ConversationActions OnStop() override { return dialogue_.OnStop(); }

 private:
  Dialogue dialogue_;
};

class UpdateRunner {
 public:
  // Status, captions, beeps, lists, counts, the version, the stored values and "LastUpdated"
  // go to the dialog; Finish reaches it too, after the runner has let go of everything.
  using ActionSink = std::function<void(const ConversationAction& action)>;

  // `busyFrame`: the control the busy animation is centred in; `replyCapacity`: the most an
  // HTTP reply may hold.
  UpdateRunner(ActionSink sink, int busyFrame, std::size_t replyCapacity);
  ~UpdateRunner();
  UpdateRunner(const UpdateRunner&) = delete;
  UpdateRunner& operator=(const UpdateRunner&) = delete;

  void Start(HWND dialog, std::unique_ptr<CddbpUpdate> update);
  void Start(HWND dialog, std::unique_ptr<HttpUpdate> update);
  // The Update button as Stop, and OK, Cancel or closing while running.
  void Stop();
  bool IsRunning() const { return running_; }

  // The dialog's messages: its socket's notifications and the worker's results. A value when
  // the message was the runner's.
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Begin(HWND dialog);
  void Execute(const ConversationActions& actions);
  void Perform(const ConversationAction& action);
  void OnSocketEvent(int event, int error);
  void StartFetch(const std::string& url);
  void Finish();

  ActionSink sink_;
  int busyFrame_;
  std::size_t replyCapacity_;
  HWND dialog_ = nullptr;
  bool running_ = false;
  std::unique_ptr<CddbpUpdate> cddbp_;
  std::unique_ptr<HttpUpdate> http_;
  CddbpConnection connection_;
  std::shared_ptr<InternetSession> session_;
  WPARAM serial_ = 0;  // a result of an earlier fetch is dropped
};

}  // namespace freedb
}  // namespace bw
