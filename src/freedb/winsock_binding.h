// Winsock 1.1 as the program uses it: "Wsock32.dll" loaded at run time while a conversation
// runs, its eleven entry points, and each conversation's own socket.
//
// The library and its Winsock session are one for the whole program and counted: the first
// conversation to bind loads the library (and the first to start Winsock calls WSAStartup),
// and only the last one to let go calls WSACleanup and frees the library. So a query on the
// CD panel and a fetch in a freedb dialog can run side by side, and either may end first.
// Bindings are made and released on the window thread only.
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

  // Joins the program's binding of the library, loading it and all eleven entry points for
  // the first user; a binding still held is released first. False (and nothing held) when
  // the library or any entry point is missing.
  bool Load(const char* libraryName = kWinsockLibraryName);
  bool IsLoaded() const { return shared_ != nullptr; }
  // The entry points; all null while nothing is loaded.
  const Functions& Call() const;

  // Joins the Winsock session: the first user calls WSAStartup asking for 1.1, later ones
  // share its result. The result code, and in *granted the version granted.
  int Startup(WORD* granted);

  // The socket of this conversation; INVALID_SOCKET (-1) when there is none.
  SOCKET Socket() const { return socket_; }
  void TakeSocket(SOCKET socket);

  // Closes this conversation's socket and leaves the session and the library; the last
  // user's release ends the session and frees the library. A second release does nothing.
  void Release();

  // How many bindings hold `libraryName`, and how many of them joined its session.
  static int UsersOf(const char* libraryName = kWinsockLibraryName);
  static int SessionUsersOf(const char* libraryName = kWinsockLibraryName);

  struct Shared;  // one per library name, while held

 private:
  Shared* shared_ = nullptr;
  bool inSession_ = false;
  SOCKET socket_ = INVALID_SOCKET;
};

}  // namespace freedb
}  // namespace bw
