// The Winsock and WinINet bindings against the test servers, without the program around them:
// what reaches the server, what comes back, and how refusals, cuts and cancels end.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "fake_cddb_servers.h"
#include "freedb/cddbp_connection.h"
#include "freedb/internet_binding.h"
#include "freedb/winsock_binding.h"
#include "shell/texts.h"

namespace {

using bw::freedb::CddbpConnection;
using bw::freedb::FetchResult;
using bw::freedb::InternetSession;
using bw::freedb::kSocketNotifyMessage;
using bw::freedb::WinsockBinding;

struct Notification {
  WPARAM socket;
  int event;
  int error;
};

// A hidden window that keeps the socket notifications it receives.
class NotificationWindow {
 public:
  NotificationWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "FreedbTransportTestWindow";
    RegisterClassA(&windowClass);
    window_ = CreateWindowA(windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            windowClass.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~NotificationWindow() { DestroyWindow(window_); }

  HWND Handle() const { return window_; }

  // Pumps messages until a notification with `event` arrives; false when the time is up.
  bool WaitFor(int event, Notification* found, int timeoutMs = 5000) {
    DWORD start = GetTickCount();
    while (static_cast<int>(GetTickCount() - start) < timeoutMs) {
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
      for (std::size_t i = 0; i < received_.size(); ++i) {
        if (received_[i].event == event) {
          *found = received_[i];
          received_.erase(received_.begin(), received_.begin() + i + 1);
          return true;
        }
      }
      Sleep(10);
    }
    return false;
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kSocketNotifyMessage) {
      auto* self =
          reinterpret_cast<NotificationWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
      if (self) self->received_.push_back({wParam, LOWORD(lParam), HIWORD(lParam)});
      return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }

  HWND window_;
  std::vector<Notification> received_;
};

struct StatusLog {
  std::vector<std::string> texts;
  bw::freedb::StatusSink Sink() {
    return [this](const char* text) { texts.push_back(text); };
  }
};

TEST(FreedbTransport, WinsockBindingNeedsTheLibraryAndAllElevenEntryPoints) {
  struct Case {
    const char* library;
    bool usable;
  };
  const Case cases[] = {
      {"Wsock32.dll", true},
      {"NoSuchLibrary.dll", false},
      {"kernel32.dll", false},  // there, but without the socket functions
  };
  for (const Case& c : cases) {
    WinsockBinding binding;
    EXPECT_EQ(binding.Load(c.library), c.usable) << c.library;
    EXPECT_EQ(binding.IsLoaded(), c.usable) << c.library;
    binding.Release();
    EXPECT_FALSE(binding.IsLoaded());
    binding.Release();  // a second release does nothing
    EXPECT_EQ(binding.Socket(), INVALID_SOCKET);
  }
}

TEST(FreedbTransport, CddbpConnectionTalksToTheServerOnPort888) {
  fake_freedb::CddbpServer server({});
  ASSERT_TRUE(server.Listening());
  NotificationWindow window;
  StatusLog status;
  CddbpConnection connection;
  ASSERT_TRUE(connection.Open(window.Handle(), "127.0.0.1", 888, status.Sink()));
  EXPECT_EQ(status.texts, std::vector<std::string>{kTextConnectingCddbp});

  Notification n{};
  ASSERT_TRUE(window.WaitFor(FD_CONNECT, &n));
  EXPECT_EQ(n.error, 0);
  EXPECT_TRUE(connection.IsCurrentSocket(n.socket));
  ASSERT_TRUE(window.WaitFor(FD_READ, &n));
  EXPECT_EQ(connection.Receive(2048), "201 test CDDBP server ready\r\n");

  ASSERT_TRUE(connection.Send("quit\r\n"));
  ASSERT_TRUE(window.WaitFor(FD_READ, &n));
  EXPECT_EQ(connection.Receive(2048).substr(0, 4), "230 ");
  ASSERT_TRUE(window.WaitFor(FD_CLOSE, &n));
  EXPECT_EQ(server.Received(), "quit\r\n");
  EXPECT_EQ(server.ConnectionsOn(888), 1);
  connection.Release();
  EXPECT_FALSE(connection.IsOpen());
  EXPECT_FALSE(connection.IsCurrentSocket(n.socket));
}

TEST(FreedbTransport, RefusedConnectIsReportedByTheConnectNotification) {
  fake_freedb::CddbpServer::Script script;
  script.listenOn888 = false;
  fake_freedb::CddbpServer server(script);
  NotificationWindow window;
  StatusLog status;
  CddbpConnection connection;
  ASSERT_TRUE(connection.Open(window.Handle(), "127.0.0.1", 888, status.Sink()));
  Notification n{};
  ASSERT_TRUE(window.WaitFor(FD_CONNECT, &n));
  EXPECT_NE(n.error, 0);
  EXPECT_EQ(connection.Port(), 888);
}

TEST(FreedbTransport, UnknownServerNameIsReportedAndReleased) {
  NotificationWindow window;
  StatusLog status;
  CddbpConnection connection;
  EXPECT_FALSE(connection.Open(window.Handle(), "no-such-host.invalid", 888, status.Sink()));
  EXPECT_EQ(status.texts, std::vector<std::string>{kTextInvalidCddbpServer});
  EXPECT_FALSE(connection.IsOpen());
}

// --- HTTP -------------------------------------------------------------------------------------

class FreedbHttpTransport : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(bw::freedb::BindInternetLibrary()); }
  void TearDown() override { bw::freedb::UnbindInternetLibrary(); }
};

TEST_F(FreedbHttpTransport, FetchSendsTheUrlAndAgentAndReadsTheWholeReply) {
  const std::string body = "200 rock 7a0b1c09 Artist / Disc\r\n";
  fake_freedb::HttpServer server([&](const std::string&) {
    // Arrives in three pieces: the reader must not stop at the first.
    return fake_freedb::SayInPieces(fake_freedb::HttpOk(body), {60, 75}, 300);
  });
  ASSERT_TRUE(server.Listening());
  InternetSession session;
  ASSERT_TRUE(session.IsOpen());
  std::string url = "http://127.0.0.1:" + std::to_string(server.Port()) +
                    "/~cddb/cddb.cgi?cmd=cddb+query+7a0b1c09&proto=3";
  FetchResult result = session.Fetch(url, 81920);
  EXPECT_EQ(result.outcome, FetchResult::Outcome::kRead);
  EXPECT_EQ(result.text, body);
  ASSERT_EQ(server.Targets().size(), 1u);
  EXPECT_EQ(server.Targets()[0], "/~cddb/cddb.cgi?cmd=cddb+query+7a0b1c09&proto=3");
  EXPECT_EQ(server.UserAgents()[0], "Brindlewax 2.3");
}

TEST_F(FreedbHttpTransport, ReplyLongerThanTheBufferIsCutWithoutError) {
  const std::string body(100000, 'x');
  fake_freedb::HttpServer server(
      [&](const std::string&) { return fake_freedb::Say(fake_freedb::HttpOk(body)); });
  InternetSession session;
  FetchResult result =
      session.Fetch("http://127.0.0.1:" + std::to_string(server.Port()) + "/x", 81920);
  EXPECT_EQ(result.outcome, FetchResult::Outcome::kRead);
  EXPECT_EQ(result.text.size(), 81920u);
}

TEST_F(FreedbHttpTransport, NothingListeningFailsTheConnection) {
  int closedPort;
  {
    fake_freedb::HttpServer server(
        [](const std::string&) { return fake_freedb::Say(fake_freedb::HttpOk("")); });
    closedPort = server.Port();
  }
  InternetSession session;
  FetchResult result =
      session.Fetch("http://127.0.0.1:" + std::to_string(closedPort) + "/x", 81920);
  EXPECT_EQ(result.outcome, FetchResult::Outcome::kConnectionFailed);
}

// Cancel does not wait for the fetch (Wine's WinINet does not break off a blocked read; Windows
// does), and a cancelled fetch never counts as read, whatever arrives afterwards.
TEST_F(FreedbHttpTransport, CancelledFetchNeverCountsAsRead) {
  auto server = std::make_unique<fake_freedb::HttpServer>([](const std::string&) {
    fake_freedb::Answer answer = fake_freedb::Say(fake_freedb::HttpOk("210 rock"));
    answer.then = fake_freedb::Answer::Then::kHoldUntilStopped;
    return answer;
  });
  InternetSession session;
  std::string url = "http://127.0.0.1:" + std::to_string(server->Port()) + "/x";
  auto fetch = std::async(std::launch::async, [&] { return session.Fetch(url, 81920); });
  ASSERT_TRUE(e2e::WaitUntil([&] { return !server->Targets().empty(); }, 5000));
  e2e::Sleep(300);
  session.Cancel();
  server.reset();  // the connection ends
  ASSERT_EQ(fetch.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_NE(fetch.get().outcome, FetchResult::Outcome::kRead);
  EXPECT_EQ(session.Fetch(url, 81920).outcome, FetchResult::Outcome::kConnectionFailed);
}

TEST(FreedbInternetBinding, MissingLibraryLeavesHttpUnavailable) {
  EXPECT_FALSE(bw::freedb::BindInternetLibrary("NoSuchLibrary.dll"));
  EXPECT_FALSE(bw::freedb::IsInternetLibraryAvailable());
  InternetSession session;
  EXPECT_FALSE(session.IsOpen());
  EXPECT_FALSE(bw::freedb::BindInternetLibrary("kernel32.dll"));
  EXPECT_FALSE(bw::freedb::IsInternetLibraryAvailable());
}

}  // namespace
