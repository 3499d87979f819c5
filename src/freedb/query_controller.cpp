// Carries out what the query dialogues decide: connections, sends, fetches on a worker thread,
// the status line and button labels, the match choice, the overwrite question and the store.
#include "freedb/query_controller.h"

#include <memory>
#include <string>
#include <thread>
#include <utility>

#include "cd/current_disc_key.h"
#include "cddb/database.h"
#include "freedb/cddbp_connection.h"
#include "freedb/cddbp_query_dialogue.h"
#include "freedb/freedb_texts.h"
#include "freedb/freedb_settings.h"
#include "freedb/http_query_dialogue.h"
#include "freedb/inexact_match_dialog.h"
#include "freedb/internet_binding.h"
#include "freedb/reply_reader.h"
#include "base/file_system.h"
#include "shell/hover.h"
#include "shell/look_and_feel.h"
#include "shell/program_state.h"
#include "shell/question_box.h"
#include "shell/texts.h"

namespace bw {
namespace freedb {
namespace {

// A finished HTTP fetch: wParam the query's serial number, lParam a FetchResult to adopt.
constexpr UINT kFetchDoneMessage = WM_APP + 1;
constexpr const char* kWindowClass = "BrindlewaxFreedbQuery";
constexpr int kAbortChecks = 11;
constexpr DWORD kAbortCheckIntervalMs = 500;

class QueryController {
 public:
  void StartOrStop(QueryHost& host, const QueryDisc& disc);
  void Abort();
  bool IsRunning() const { return running_; }

  void OnSocketNotification(WPARAM socket, LPARAM event);
  void OnFetchDone(WPARAM serial, LPARAM result);

 private:
  bool EnsureWindow();
  void Start(QueryHost& host, const QueryDisc& disc);
  void Stop();

  void Execute(const QueryActions& actions);
  void Perform(const QueryAction& action);
  void Connect(int port);
  void StartFetch(const std::string& url);
  void CheckExisting();
  void StoreRecord(const FreedbRecord& record);
  void Finish();

  HWND Owner() const { return host_ != nullptr ? host_->DialogOwner() : nullptr; }
  void ShowStatus(const char* text) const;

  HWND window_ = nullptr;  // the hidden window that hears the socket and the fetches
  QueryHost* host_ = nullptr;
  bool running_ = false;
  // Cleared while the catalogue is written. The write runs on this thread, so Stop and Abort
  // only meet it cleared if a store ever moves elsewhere; they honour it all the same.
  bool stoppable_ = true;
  FreedbSettings settings_;
  DiscProfile profile_;
  bool replaceExisting_ = false;  // the user agreed to overwrite the catalogued disc
  bool recordNotStored_ = false;  // the store failed: the query does not end in "Done!"

  std::unique_ptr<CddbpQueryDialogue> cddbp_;
  CddbpConnection connection_;
  std::unique_ptr<HttpQueryDialogue> http_;
  std::shared_ptr<InternetSession> session_;
  WPARAM serial_ = 0;  // results of fetches from an earlier query are dropped
};

QueryController g_query;

LRESULT CALLBACK QueryWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kSocketNotifyMessage:
      g_query.OnSocketNotification(wParam, lParam);
      return 0;
    case kFetchDoneMessage:
      g_query.OnFetchDone(wParam, lParam);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

bool QueryController::EnsureWindow() {
  if (window_ != nullptr) return true;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = QueryWindowProc;
  windowClass.hInstance = g_instance;
  windowClass.lpszClassName = kWindowClass;
  RegisterClassA(&windowClass);
  window_ = CreateWindowA(kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, g_instance,
                          nullptr);
  return window_ != nullptr;
}

void QueryController::StartOrStop(QueryHost& host, const QueryDisc& disc) {
  if (running_) {
    Stop();
  } else {
    Start(host, disc);
  }
}

void QueryController::Start(QueryHost& host, const QueryDisc& disc) {
  if (disc.toc.trackCount <= 0 || !EnsureWindow()) return;
  host_ = &host;
  const HWND panelWindow = Owner();
  const bool hoverWasRunning = panelWindow != nullptr && StopHoverTimer(panelWindow);
  running_ = true;
  host_->RunningChanged(true);
  stoppable_ = true;
  replaceExisting_ = false;
  recordNotStored_ = false;
  ++serial_;
  settings_ = ReadFreedbSettings(ProgramSettingsFile());
  profile_ = CurrentDiscKey(disc.toc);
  DiscQuery query = MakeDiscQuery(disc.toc, disc.discId);

  if (settings_.transport == Transport::kCddbp) {
    cddbp_ = std::make_unique<CddbpQueryDialogue>(std::move(query), settings_.email);
    Execute(cddbp_->Start());
  } else {
    http_ = std::make_unique<HttpQueryDialogue>(
        std::move(query), settings_.email, HttpEndpoint{settings_.httpHost, settings_.cgiScript});
    Execute(http_->Start(IsInternetLibraryAvailable()));
  }
  if (running_) host_->ShowRunningLabels(true);
  if (hoverWasRunning && Owner() == panelWindow) StartHoverTimer(panelWindow);
}

void QueryController::Stop() {
  if (!stoppable_) return;
  if (cddbp_) Execute(cddbp_->OnStop());
  if (http_) Execute(http_->OnStop());
  if (running_) Finish();  // a dialogue already at its end still holds the buttons
}

void QueryController::Abort() {
  if (!running_) return;
  int checks = 0;
  while (!stoppable_) {
    if (++checks >= kAbortChecks) return;  // the catalogue write did not end: leave it be
    Sleep(kAbortCheckIntervalMs);
  }
  if (cddbp_) Execute(cddbp_->OnAbort());
  if (http_) Execute(http_->OnAbort());
  if (running_) Finish();
}

void QueryController::OnSocketNotification(WPARAM socket, LPARAM event) {
  if (!cddbp_ || !connection_.IsCurrentSocket(socket)) return;  // none, or a closed one's
  switch (WSAGETSELECTEVENT(event)) {
    case FD_READ: {
      const std::string chunk = connection_.Receive(cddbp_->RecvLimit());
      if (!chunk.empty()) Execute(cddbp_->OnReceived(chunk));
      break;
    }
    case FD_CONNECT:
      Execute(cddbp_->OnConnectNotified(WSAGETSELECTERROR(event) != 0));
      break;
    case FD_CLOSE:
      // Whatever the server sent before it closed still counts.
      while (cddbp_) {
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

void QueryController::OnFetchDone(WPARAM serial, LPARAM resultParam) {
  std::unique_ptr<FetchResult> result(reinterpret_cast<FetchResult*>(resultParam));
  if (!http_ || serial != serial_) return;  // Stop came first
  if (result->outcome == FetchResult::Outcome::kRead) {
    Execute(http_->OnFetched(result->text));
  } else {
    Execute(http_->OnFetchFailed());
  }
}

void QueryController::Execute(const QueryActions& actions) {
  for (const QueryAction& action : actions) Perform(action);
}

void QueryController::Perform(const QueryAction& action) {
  switch (action.kind) {
    case QueryAction::Kind::kConnect:
      Connect(action.port);
      break;
    case QueryAction::Kind::kSend:
      connection_.Send(action.text);
      break;
    case QueryAction::Kind::kShowStatus:
      ShowStatus(action.text.c_str());
      break;
    case QueryAction::Kind::kBeep:
      MessageBeep(MB_ICONEXCLAMATION);
      break;
    case QueryAction::Kind::kChooseMatch: {
      const int chosen = RunInexactMatchDialog(Owner(), action.matches);
      if (cddbp_) Execute(cddbp_->OnMatchChosen(chosen));
      if (http_) Execute(http_->OnMatchChosen(chosen));
      break;
    }
    case QueryAction::Kind::kCheckExisting:
      CheckExisting();
      break;
    case QueryAction::Kind::kStoreRecord:
      StoreRecord(action.record);
      break;
    case QueryAction::Kind::kFetch:
      StartFetch(action.text);
      break;
    case QueryAction::Kind::kFinish:
      Finish();
      break;
  }
}

void QueryController::Connect(int port) {
  auto status = [this](const char* text) { ShowStatus(text); };
  if (!connection_.Open(window_, settings_.cddbpHost, port, status) && cddbp_) {
    Execute(cddbp_->OnConnectStartFailed());
  }
}

void QueryController::StartFetch(const std::string& url) {
  if (!session_) session_ = std::make_shared<InternetSession>();
  // The worker owns its share of the session; a stopped query forgets it and drops the
  // result, so the worker is never killed in the middle of the library.
  std::thread([session = session_, url, window = window_, serial = serial_] {
    auto* result = new FetchResult(session->Fetch(url, kQueryReplyCapacity));
    if (!PostMessageA(window, kFetchDoneMessage, serial, reinterpret_cast<LPARAM>(result))) {
      delete result;
    }
  }).detach();
}

// Asks before a catalogued disc is overwritten. The old entry goes only once the new record
// is in, so a read that fails afterwards leaves the catalogue as it was.
void QueryController::CheckExisting() {
  Database catalogue(DefaultFileSystem(), g_programFolder);
  std::uint32_t offset = 0;
  bool proceed = true;
  if (catalogue.FindEntryByProfile(profile_, &offset).IsOk() && offset != 0) {
    proceed = AskQuestion(Owner(), kTextOverwriteSavedDiscQuestion);
    replaceExisting_ = proceed;
  }
  if (cddbp_) Execute(cddbp_->OnExistingChecked(proceed));
  if (http_) Execute(http_->OnExistingChecked(proceed));
}

void QueryController::StoreRecord(const FreedbRecord& record) {
  stoppable_ = false;
  Database catalogue(DefaultFileSystem(), g_programFolder);
  std::uint32_t oldOffset = 0;
  if (!replaceExisting_ || !catalogue.FindEntryByProfile(profile_, &oldOffset).IsOk()) oldOffset = 0;
  // The disc's earlier entry (if the user agreed to replace it) goes in the same rewrite that
  // puts the record at the end. A catalogue that cannot be written keeps what it has and the
  // status says so instead of "Done!".
  recordNotStored_ =
      !catalogue.ReplaceEntryAtEnd(oldOffset, profile_, record.ToTitleTable(), record.details).IsOk();
  stoppable_ = true;
  if (host_ != nullptr) host_->AfterStore();
}

void QueryController::Finish() {
  connection_.Release();
  if (session_) {
    session_->Cancel();
    session_.reset();
  }
  ++serial_;
  running_ = false;
  if (host_ != nullptr) {
    host_->ShowRunningLabels(false);
    host_->RunningChanged(false);
  }
  // The dialogues are dropped after the actions that called Finish have run.
  cddbp_.reset();
  http_.reset();
}

void QueryController::ShowStatus(const char* text) const {
  if (host_ == nullptr) return;
  const bool done = std::string(text) == kTextFreedbDone;
  host_->ShowStatus(done && recordNotStored_ ? kTextRecordNotStored : text);
}

}  // namespace

void StartOrStopQuery(QueryHost& host, const QueryDisc& disc) { g_query.StartOrStop(host, disc); }

bool IsQueryRunning() { return g_query.IsRunning(); }

void AbortQuery() { g_query.Abort(); }

}  // namespace freedb
}  // namespace bw
