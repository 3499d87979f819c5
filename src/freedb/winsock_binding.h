// Winsock 1.1 as the program uses it: "Wsock32.dll" loaded at run time for one conversation,
// its eleven entry points, and the conversation's socket. Releasing closes the socket, ends
// the Winsock session and frees the library; the destructor does it too.
//
// Every conversation holds its own binding. Windows counts both the library loads and the
// WSAStartup sessions, so a query on the CD panel and a fetch in a freedb dialog can run side
// by side without one's release pulling the library from under the other.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include "base/win32_handles.h"

namespace bw {
namespace freedb {

inline constexpr const char* kWinsockLibraryName = "Wsock32.dll";

class WinsockBinding {
 public:
  using WsaStartupFunction = int(WINAPI*)(WORD, WSADATA*);
  using WsaCleanupFunction = int(WINAPI*)();
  using SocketFunction = SOCKET(WINAPI*)(int, int, int);
  using InetAddrFunction = unsigned long(WINAPI*)(const char*);
  using GetHostByNameFunction = hostent*(WINAPI*)(const char*);
  using CloseSocketFunction = int(WINAPI*)(SOCKET);
  using ConnectFunction = int(WINAPI*)(SOCKET, const sockaddr*, int);
  using WsaAsyncSelectFunction = int(WINAPI*)(SOCKET, HWND, unsigned int, long);
  using SendFunction = int(WINAPI*)(SOCKET, const char*, int, int);
  using RecvFunction = int(WINAPI*)(SOCKET, char*, int, int);
  using WsaGetLastErrorFunction = int(WINAPI*)();

  // The entry points, looked up by name in this order.
  struct Functions {
    WsaStartupFunction wsaStartup = nullptr;
    WsaCleanupFunction wsaCleanup = nullptr;
    SocketFunction socket = nullptr;
    InetAddrFunction inetAddr = nullptr;
    GetHostByNameFunction getHostByName = nullptr;
    CloseSocketFunction closeSocket = nullptr;
    ConnectFunction connect = nullptr;
    WsaAsyncSelectFunction wsaAsyncSelect = nullptr;
    SendFunction send = nullptr;
    RecvFunction recv = nullptr;
    WsaGetLastErrorFunction wsaGetLastError = nullptr;
  };

  WinsockBinding() = default;
  ~WinsockBinding() { Release(); }
  // The socket's notifications name it; the binding stays where it was made.
  WinsockBinding(const WinsockBinding&) = delete;
  WinsockBinding& operator=(const WinsockBinding&) = delete;

  // Loads the library and all eleven entry points; a binding still held is released first.
  // False (and nothing held) when the library or any entry point is missing.
  bool Load(const char* libraryName = kWinsockLibraryName);
  bool IsLoaded() const { return library_.IsValid(); }
  const Functions& Call() const { return functions_; }

  // WSAStartup asking for 1.1. The result code, and in *granted the version granted.
  int Startup(WORD* granted);

  // The socket of the conversation; INVALID_SOCKET (-1) when there is none.
  SOCKET Socket() const { return socket_; }
  void TakeSocket(SOCKET socket);

  // Closes the socket (if any), ends the session (if one was started), frees the library.
  void Release();

 private:
  UniqueModule library_;
  Functions functions_;
  bool started_ = false;
  SOCKET socket_ = INVALID_SOCKET;
};

}  // namespace freedb
}  // namespace bw
