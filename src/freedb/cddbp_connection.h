// One CDDBP (or SMTP) connection: the connection sequence with its status texts, and the sends
// and receives of a conversation (the dialogue decides when to fall back to 8880). The socket
// is non-blocking and reports to a window with message 1025 (read, connect, close, and write
// for a conversation that sends more than the socket takes at once), so the whole
// conversation runs on the window's thread, one step per notification.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "freedb/winsock_binding.h"

namespace bw {
namespace freedb {

// WM_USER + 1: wParam is the socket, LOWORD(lParam) the event, HIWORD(lParam) the error.
inline constexpr UINT kSocketNotifyMessage = WM_USER + 1;
inline constexpr long kSocketNotifyEvents = FD_READ | FD_CONNECT | FD_CLOSE;  // 49
// The e-mail submission also hears when a full socket can take more.
inline constexpr long kSmtpNotifyEvents = kSocketNotifyEvents | FD_WRITE;  // 51

// The status texts that differ between the two kinds of server.
struct ConnectionTexts {
  const char* invalidServer;    // the name resolves to no address
  const char* connecting;
  const char* couldNotConnect;  // connect failed at once
};
extern const ConnectionTexts kCddbpConnectionTexts;
extern const ConnectionTexts kSmtpConnectionTexts;

// Shows one status text in the caller's status control.
using StatusSink = std::function<void(const char* text)>;

class CddbpConnection {
 public:
  CddbpConnection() = default;
  CddbpConnection(const CddbpConnection&) = delete;
  CddbpConnection& operator=(const CddbpConnection&) = delete;

  // Binds Winsock, makes the socket, resolves `host` (dotted address or name), selects the
  // notifications for `notifyWindow`, shows "Connecting to CDDBP server" and starts the
  // connect. True while the connect is pending; on failure the status shows why and Winsock
  // is released again.
  bool Open(HWND notifyWindow, const std::string& host, int port, const StatusSink& status);
  // The same with the texts and notifications of another kind of server (SMTP).
  bool Open(HWND notifyWindow, const std::string& host, int port, const StatusSink& status,
            const ConnectionTexts& texts, long events);

  // The whole line with a single send.
  bool Send(std::string_view line);

  // One send of as much of `bytes` as the socket takes: the count taken, 0 when the socket is
  // full (a write notification follows), -1 when the send failed.
  int SendSome(std::string_view bytes);

  // One recv of at most `limit` bytes. Empty when the server sent nothing (closed or error).
  std::string Receive(std::size_t limit);

  // Closes the socket and lets go of Winsock; the port is kept for the caller to read.
  void Release();

  bool IsOpen() const { return binding_.Socket() != INVALID_SOCKET; }
  // Whether a notification's wParam names this conversation's socket (not a closed one's).
  bool IsCurrentSocket(WPARAM notifiedSocket) const {
    return IsOpen() && static_cast<SOCKET>(notifiedSocket) == binding_.Socket();
  }
  int Port() const { return port_; }

 private:
  WinsockBinding binding_;
  int port_ = 0;
};

}  // namespace freedb
}  // namespace bw
