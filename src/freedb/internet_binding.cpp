// The run-time binding of WinINet and the HTTP fetch.
#include "freedb/internet_binding.h"

#include <wininet.h>

#include "freedb/freedb_settings.h"
#include "base/win32_handles.h"

namespace bw {
namespace freedb {
namespace {

using InternetOpenFunction = HINTERNET(WINAPI*)(LPCSTR, DWORD, LPCSTR, LPCSTR, DWORD);
using InternetOpenUrlFunction = HINTERNET(WINAPI*)(HINTERNET, LPCSTR, LPCSTR, DWORD, DWORD,
                                                   DWORD_PTR);
using InternetCloseHandleFunction = BOOL(WINAPI*)(HINTERNET);
using InternetReadFileFunction = BOOL(WINAPI*)(HINTERNET, LPVOID, DWORD, LPDWORD);

struct InternetLibrary {
  UniqueModule module;
  InternetOpenFunction open = nullptr;
  InternetOpenUrlFunction openUrl = nullptr;
  InternetCloseHandleFunction closeHandle = nullptr;
  InternetReadFileFunction readFile = nullptr;
  bool available = false;
};

// Bound on the main thread before any worker starts.
InternetLibrary g_internet;
// Fetches still inside the library: a worker left blocked by a server that never answers must
// not find the library gone under it while the program ends.
std::atomic<int> g_fetchesInProgress{0};

class FetchInProgress {
 public:
  FetchInProgress() { ++g_fetchesInProgress; }
  ~FetchInProgress() { --g_fetchesInProgress; }
  FetchInProgress(const FetchInProgress&) = delete;
  FetchInProgress& operator=(const FetchInProgress&) = delete;
};

template <typename Function>
bool Bind(HMODULE library, const char* name, Function* function) {
  *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
  return *function != nullptr;
}

void CloseInternetHandle(std::atomic<void*>& handle) {
  void* held = handle.exchange(nullptr);
  if (held != nullptr && g_internet.available) g_internet.closeHandle(held);
}

}  // namespace

bool BindInternetLibrary(const char* libraryName) {
  UnbindInternetLibrary();
  UniqueModule module(LoadLibraryA(libraryName));
  if (!module) return false;
  InternetLibrary& lib = g_internet;
  bool complete = Bind(module.Get(), "InternetOpenA", &lib.open) &&
                  Bind(module.Get(), "InternetOpenUrlA", &lib.openUrl) &&
                  Bind(module.Get(), "InternetCloseHandle", &lib.closeHandle) &&
                  Bind(module.Get(), "InternetReadFile", &lib.readFile);
  if (!complete) {
    UnbindInternetLibrary();
    return false;
  }
  lib.module = std::move(module);
  lib.available = true;
  return true;
}

void UnbindInternetLibrary() {
  g_internet.available = false;
  if (g_fetchesInProgress.load() != 0) {
    g_internet.module.Release();  // the process is ending; the worker keeps its code
    return;
  }
  g_internet.module.Reset();
  g_internet.open = nullptr;
  g_internet.openUrl = nullptr;
  g_internet.closeHandle = nullptr;
  g_internet.readFile = nullptr;
}

bool IsInternetLibraryAvailable() { return g_internet.available; }

InternetSession::InternetSession() {
  if (!g_internet.available) return;
  session_ = g_internet.open(ClientIdentification().c_str(), INTERNET_OPEN_TYPE_PRECONFIG,
                             nullptr, nullptr, 0);
}

FetchResult InternetSession::Fetch(const std::string& url, std::size_t capacity) {
  FetchInProgress inProgress;
  FetchResult result;
  void* session = session_.load();
  if (session == nullptr) return result;
  void* request = g_internet.openUrl(session, url.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0);
  if (request == nullptr) return result;
  request_ = request;

  // One read may bring only what has arrived so far; the reply is what the server sent up to
  // its end, or up to the buffer's size.
  result.text.assign(capacity, '\0');
  std::size_t filled = 0;
  result.outcome = FetchResult::Outcome::kRead;
  while (filled < capacity) {
    void* current = request_.load();
    DWORD read = 0;
    if (current == nullptr ||
        !g_internet.readFile(current, &result.text[filled], static_cast<DWORD>(capacity - filled),
                             &read)) {
      result.outcome = FetchResult::Outcome::kReadFailed;
      break;
    }
    if (read == 0) break;
    filled += read;
  }
  result.text.resize(filled);
  CloseInternetHandle(request_);
  return result;
}

void InternetSession::Cancel() {
  CloseInternetHandle(request_);
  CloseInternetHandle(session_);
}

}  // namespace freedb
}  // namespace bw
