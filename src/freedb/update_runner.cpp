// Carrying out an Update's connections, sends and fetches for its dialog.
#include "freedb/update_runner.h"

#include <thread>
#include <utility>

#include "freedb/internet_binding.h"
#include "shell/look_and_feel.h"
#include "shell/settings.h"

namespace bw {
namespace freedb {
namespace {

// A finished fetch: wParam the fetch's serial number, lParam a FetchResult to adopt.
constexpr UINT kFetchDoneMessage = WM_APP + 2;

Animation& BusyAnimation() { return g_animations[kAnimationInternet]; }

// The busy animation's corner that centres it in the frame control.
POINT CentreOf(HWND dialog, int frameId, const Animation& animation) {
  RECT frame = {};
  if (HWND control = GetDlgItem(dialog, frameId)) {
    GetWindowRect(control, &frame);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&frame), 2);
  }
  return POINT{frame.left + (frame.right - frame.left - animation.info.frameWidth) / 2,
               frame.top + (frame.bottom - frame.top - animation.info.frameHeight) / 2};
}

}  // namespace

UpdateRunner::UpdateRunner(ActionSink sink, int busyFrame, std::size_t replyCapacity)
    : sink_(std::move(sink)), busyFrame_(busyFrame), replyCapacity_(replyCapacity) {}

UpdateRunner::~UpdateRunner() {
  if (running_) Finish();
}

void UpdateRunner::Begin(HWND dialog) {
  dialog_ = dialog;
  running_ = true;
  ++serial_;
  Animation& animation = BusyAnimation();
  StartAnimation(animation, dialog, CentreOf(dialog, busyFrame_, animation));
}

void UpdateRunner::Start(HWND dialog, std::unique_ptr<CddbpUpdate> update) {
  if (running_) return;
  Begin(dialog);
  cddbp_ = std::move(update);
  Execute(cddbp_->Start());
}

void UpdateRunner::Start(HWND dialog, std::unique_ptr<HttpUpdate> update) {
  if (running_) return;
  Begin(dialog);
  http_ = std::move(update);
  Execute(http_->Start(IsInternetLibraryAvailable()));
}

void UpdateRunner::Stop() {
  if (!running_) return;
  if (cddbp_) Execute(cddbp_->OnStop());
  if (http_) Execute(http_->OnStop());
  if (running_) Finish();
}

std::optional<INT_PTR> UpdateRunner::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kFetchDoneMessage) {
    std::unique_ptr<FetchResult> result(reinterpret_cast<FetchResult*>(lParam));
    if (!http_ || wParam != serial_) return TRUE;  // stopped meanwhile
    Execute(result->outcome == FetchResult::Outcome::kRead ? http_->OnFetched(result->text)
                                                           : http_->OnFetchFailed());
    return TRUE;
  }
  // The same number is the dialog manager's DM_SETDEFID: only the conversation's socket counts.
  if (message == kSocketNotifyMessage && cddbp_ && connection_.IsCurrentSocket(wParam)) {
    OnSocketEvent(WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam));
    return TRUE;
  }
  return std::nullopt;
}

void UpdateRunner::OnSocketEvent(int event, int error) {
  switch (event) {
    case FD_READ: {
      const std::string chunk = connection_.Receive(cddbp_->RecvLimit());
      if (!chunk.empty()) Execute(cddbp_->OnReceived(chunk));
      break;
    }
    case FD_CONNECT:
      Execute(cddbp_->OnConnectNotified(error != 0));
      break;
    case FD_CLOSE:
      // What the server sent before it closed still counts.
      while (cddbp_ && connection_.IsOpen()) {
        const std::string chunk = connection_.Receive(cddbp_->RecvLimit());
        if (chunk.empty()) break;
        Execute(cddbp_->OnReceived(chunk));
      }
      if (cddbp_) Execute(cddbp_->OnClosed());
      break;
    default:
      break;
  }
}

void UpdateRunner::Execute(const ConversationActions& actions) {
  for (const ConversationAction& action : actions) Perform(action);
}

void UpdateRunner::Perform(const ConversationAction& action) {
  switch (action.kind) {
    case ConversationAction::Kind::kConnect: {
      ActionSink& sink = sink_;
      auto status = [&sink](const char* text) { sink(ConversationAction::ShowStatus(text)); };
      if (!connection_.Open(dialog_, action.text, action.port, status) && cddbp_) {
        Execute(cddbp_->OnConnectStartFailed());
      }
      break;
    }
    case ConversationAction::Kind::kSend:
      connection_.Send(action.text);
      break;
    case ConversationAction::Kind::kFetch:
      StartFetch(action.text);
      break;
    case ConversationAction::Kind::kFinish:
      Finish();
      break;
    default:
      sink_(action);
      break;
  }
}

void UpdateRunner::StartFetch(const std::string& url) {
  if (!session_) session_ = std::make_shared<InternetSession>();
  // The worker keeps its share of the session; Stop closes the session's handles, which ends a
  // fetch in progress, and the result of a stopped fetch is dropped.
  std::thread([session = session_, url, window = dialog_, serial = serial_,
               capacity = replyCapacity_] {
    auto* result = new FetchResult(session->Fetch(url, capacity));
    if (!PostMessageA(window, kFetchDoneMessage, serial, reinterpret_cast<LPARAM>(result))) {
      delete result;
    }
  }).detach();
}

void UpdateRunner::Finish() {
  connection_.Release();
  if (session_) {
    session_->Cancel();
    session_.reset();
  }
  ++serial_;
  running_ = false;
  StopAnimationAndWait(BusyAnimation(), 500);
  if (dialog_ != nullptr) {
    // The last frame drawn goes with the repaint.
    RECT frame = {};
    if (HWND control = GetDlgItem(dialog_, busyFrame_)) {
      GetWindowRect(control, &frame);
      MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&frame), 2);
      InvalidateRect(dialog_, &frame, TRUE);
    }
  }
  sink_(ConversationAction::Finish());
  // The dialogues go after the actions that called Finish have run.
  cddbp_.reset();
  http_.reset();
}

}  // namespace freedb
}  // namespace bw
