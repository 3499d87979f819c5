// Run-time binding of Winsock 1.1 for one conversation.
#include "freedb/winsock_binding.h"

namespace bw {
namespace freedb {
namespace {

template <typename Function>
bool Bind(HMODULE library, const char* name, Function* function) {
  *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
  return *function != nullptr;
}

}  // namespace

bool WinsockBinding::Load(const char* libraryName) {
  Release();
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
  library_ = std::move(library);
  functions_ = functions;
  return true;
}

int WinsockBinding::Startup(WORD* granted) {
  WSADATA data{};
  int result = functions_.wsaStartup(MAKEWORD(1, 1), &data);
  if (result == 0) started_ = true;
  *granted = data.wVersion;
  return result;
}

void WinsockBinding::TakeSocket(SOCKET socket) {
  if (socket_ != INVALID_SOCKET && socket_ != socket) functions_.closeSocket(socket_);
  socket_ = socket;
}

void WinsockBinding::Release() {
  if (socket_ != INVALID_SOCKET) {
    functions_.closeSocket(socket_);
    socket_ = INVALID_SOCKET;
  }
  if (started_) {
    functions_.wsaCleanup();
    started_ = false;
  }
  library_.Reset();
  functions_ = Functions();
}

}  // namespace freedb
}  // namespace bw
