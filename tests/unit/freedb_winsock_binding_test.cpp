// The program's Winsock binding is counted: two conversations share the library and the
// session, and the first to finish leaves the other's Winsock working; only the last release
// ends the session.
#ifdef _WIN32

#include "freedb/winsock_binding.h"

#include <gtest/gtest.h>

namespace bw {
namespace freedb {
namespace {

constexpr int kNotInitialised = 10093;  // WSANOTINITIALISED

// A socket made with the library loaded on its own, outside every binding: it works only
// while some binding's session is running.
int SocketErrorOutsideBindings() {
  HMODULE library = LoadLibraryA(kWinsockLibraryName);
  auto makeSocket = reinterpret_cast<WinsockBinding::SocketFunction>(
      reinterpret_cast<void*>(GetProcAddress(library, "socket")));
  auto closeSocket = reinterpret_cast<WinsockBinding::CloseSocketFunction>(
      reinterpret_cast<void*>(GetProcAddress(library, "closesocket")));
  auto lastError = reinterpret_cast<WinsockBinding::WsaGetLastErrorFunction>(
      reinterpret_cast<void*>(GetProcAddress(library, "WSAGetLastError")));
  const SOCKET socket = makeSocket(AF_INET, SOCK_STREAM, 0);
  const int error = socket == INVALID_SOCKET ? lastError() : 0;
  if (socket != INVALID_SOCKET) closeSocket(socket);
  FreeLibrary(library);
  return error;
}

TEST(FreedbWinsockBinding, TheLastUserEndsTheSession) {
  ASSERT_EQ(WinsockBinding::UsersOf(), 0);
  WinsockBinding query;
  WinsockBinding fetch;
  WORD granted = 0;
  ASSERT_TRUE(query.Load());
  ASSERT_EQ(query.Startup(&granted), 0);
  EXPECT_EQ(granted, MAKEWORD(1, 1));
  ASSERT_TRUE(fetch.Load());
  ASSERT_EQ(fetch.Startup(&granted), 0);
  EXPECT_EQ(granted, MAKEWORD(1, 1));
  EXPECT_EQ(WinsockBinding::UsersOf(), 2);
  EXPECT_EQ(WinsockBinding::SessionUsersOf(), 2);

  query.TakeSocket(query.Call().socket(AF_INET, SOCK_STREAM, 0));
  ASSERT_NE(query.Socket(), INVALID_SOCKET);
  query.Release();
  EXPECT_EQ(query.Socket(), INVALID_SOCKET);
  EXPECT_FALSE(query.IsLoaded());
  EXPECT_EQ(WinsockBinding::UsersOf(), 1);
  EXPECT_EQ(WinsockBinding::SessionUsersOf(), 1);

  // The fetch still has its Winsock.
  fetch.TakeSocket(fetch.Call().socket(AF_INET, SOCK_STREAM, 0));
  EXPECT_NE(fetch.Socket(), INVALID_SOCKET);
  EXPECT_EQ(SocketErrorOutsideBindings(), 0);

  fetch.Release();
  EXPECT_EQ(WinsockBinding::UsersOf(), 0);
  EXPECT_EQ(WinsockBinding::SessionUsersOf(), 0);
  EXPECT_EQ(SocketErrorOutsideBindings(), kNotInitialised);
}

TEST(FreedbWinsockBinding, EitherConversationMayEndFirst) {
  for (int firstToEnd = 0; firstToEnd < 2; ++firstToEnd) {
    WinsockBinding bindings[2];
    WORD granted = 0;
    for (WinsockBinding& binding : bindings) {
      ASSERT_TRUE(binding.Load());
      ASSERT_EQ(binding.Startup(&granted), 0);
    }
    bindings[firstToEnd].Release();
    bindings[firstToEnd].Release();  // a second release does nothing
    WinsockBinding& other = bindings[1 - firstToEnd];
    EXPECT_EQ(WinsockBinding::SessionUsersOf(), 1);
    other.TakeSocket(other.Call().socket(AF_INET, SOCK_STREAM, 0));
    EXPECT_NE(other.Socket(), INVALID_SOCKET) << firstToEnd;
  }
  EXPECT_EQ(WinsockBinding::UsersOf(), 0);  // the destructors let go
}

TEST(FreedbWinsockBinding, LoadingAgainOrFailingDoesNotCountTwice) {
  WinsockBinding binding;
  WORD granted = 0;
  ASSERT_TRUE(binding.Load());
  ASSERT_EQ(binding.Startup(&granted), 0);
  ASSERT_EQ(binding.Startup(&granted), 0);  // joining twice is one session use
  EXPECT_EQ(WinsockBinding::SessionUsersOf(), 1);
  ASSERT_TRUE(binding.Load());  // lets go of the old binding first
  EXPECT_EQ(WinsockBinding::UsersOf(), 1);
  EXPECT_EQ(WinsockBinding::SessionUsersOf(), 0);

  WinsockBinding missing;
  EXPECT_FALSE(missing.Load("NoSuchLibrary.dll"));
  EXPECT_FALSE(missing.Load("kernel32.dll"));  // there, but without the socket functions
  EXPECT_EQ(WinsockBinding::UsersOf("kernel32.dll"), 0);
  EXPECT_EQ(missing.Startup(&granted), kNotInitialised);
  EXPECT_EQ(missing.Call().socket, nullptr);
  binding.Release();
  EXPECT_EQ(WinsockBinding::UsersOf(), 0);
}

}  // namespace
}  // namespace freedb
}  // namespace bw

#endif  // _WIN32
