// The program's counted run-time binding of Winsock 1.1.
#include "freedb/winsock_binding.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/win32_handles.h"

namespace bw {
namespace freedb {

struct WinsockBinding::Shared {
  std::string libraryName;
  UniqueModule library;
  Functions functions;
  int users = 0;
  int sessionUsers = 0;
  WORD granted = 0;
};

namespace {

template <typename Function>
bool Bind(HMODULE library, const char* name, Function* function) {
  *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
  return *function != nullptr;
}

std::vector<std::unique_ptr<WinsockBinding::Shared>>& Bindings() {
  static std::vector<std::unique_ptr<WinsockBinding::Shared>> bindings;
  return bindings;
}

WinsockBinding::Shared* Find(const char* libraryName) {
  for (const auto& shared : Bindings()) {
    if (lstrcmpiA(shared->libraryName.c_str(), libraryName) == 0) return shared.get();
  }
  return nullptr;
}

const WinsockBinding::Functions kNoFunctions{};

}  // namespace

bool WinsockBinding::Load(const char* libraryName) {
  Release();
  if (Shared* shared = Find(libraryName)) {
    ++shared->users;
    shared_ = shared;
    return true;
  }
  UniqueModule library(LoadLibraryA(libraryName));
  if (!library) return false;
  HMODULE module = library.Get();
  Functions functions;
  bool complete = Bind(module, "WSAStartup", &functions.wsaStartup) &&
                  Bind(module, "WSACleanup", &functions.wsaCleanup) &&
                  Bind(module, "socket", &functions.socket) &&
                  Bind(module, "inet_addr", &functions.inetAddr) &&
                  Bind(module, "gethostbyname", &functions.getHostByName) &&
                  Bind(module, "closesocket", &functions.closeSocket) &&
                  Bind(module, "connect", &functions.connect) &&
                  Bind(module, "WSAAsyncSelect", &functions.wsaAsyncSelect) &&
                  Bind(module, "send", &functions.send) &&
                  Bind(module, "recv", &functions.recv) &&
                  Bind(module, "WSAGetLastError", &functions.wsaGetLastError);
  if (!complete) return false;
  auto shared = std::make_unique<Shared>();
  shared->libraryName = libraryName;
  shared->library = std::move(library);
  shared->functions = functions;
  shared->users = 1;
  shared_ = shared.get();
  Bindings().push_back(std::move(shared));
  return true;
}

const WinsockBinding::Functions& WinsockBinding::Call() const {
  return shared_ != nullptr ? shared_->functions : kNoFunctions;
}

int WinsockBinding::Startup(WORD* granted) {
  *granted = 0;
  if (shared_ == nullptr) return WSANOTINITIALISED;
  if (!inSession_ && shared_->sessionUsers == 0) {
    WSADATA data{};
    const int result = shared_->functions.wsaStartup(MAKEWORD(1, 1), &data);
    if (result != 0) return result;
    shared_->granted = data.wVersion;
  }
  if (!inSession_) {
    ++shared_->sessionUsers;
    inSession_ = true;
  }
  *granted = shared_->granted;
  return 0;
}

void WinsockBinding::TakeSocket(SOCKET socket) {
  if (socket_ != INVALID_SOCKET && socket_ != socket) Call().closeSocket(socket_);
  socket_ = socket;
}

void WinsockBinding::Release() {
  if (shared_ == nullptr) return;
  if (socket_ != INVALID_SOCKET) {
    shared_->functions.closeSocket(socket_);
    socket_ = INVALID_SOCKET;
  }
  if (inSession_) {
    inSession_ = false;
    if (--shared_->sessionUsers == 0) shared_->functions.wsaCleanup();
  }
  Shared* shared = shared_;
  shared_ = nullptr;
  if (--shared->users > 0) return;
  auto& bindings = Bindings();
  bindings.erase(std::remove_if(bindings.begin(), bindings.end(),
                                [shared](const auto& held) { return held.get() == shared; }),
                 bindings.end());
}

int WinsockBinding::UsersOf(const char* libraryName) {
  const Shared* shared = Find(libraryName);
  return shared != nullptr ? shared->users : 0;
}

int WinsockBinding::SessionUsersOf(const char* libraryName) {
  const Shared* shared = Find(libraryName);
  return shared != nullptr ? shared->sessionUsers : 0;
}

}  // namespace freedb
}  // namespace bw
