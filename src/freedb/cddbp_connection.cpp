// The CDDBP connection sequence and the conversation's sends and receives.
#include "freedb/cddbp_connection.h"

#include <cstring>

#include "freedb/freedb_settings.h"
#include "freedb/freedb_texts.h"
#include "shell/texts.h"

namespace bw {
namespace freedb {
namespace {

constexpr int kWouldBlock = 10035;  // WSAEWOULDBLOCK: the connect goes on in the background

}  // namespace

const ConnectionTexts kCddbpConnectionTexts{kTextInvalidCddbpServer, kTextConnectingCddbp,
                                            kTextCouldNotConnectCddbp};
const ConnectionTexts kSmtpConnectionTexts{kTextInvalidSmtpServer, kTextConnectingSmtp,
                                           kTextCouldNotConnectSmtp};

bool CddbpConnection::Open(HWND notifyWindow, const std::string& host, int port,
                           const StatusSink& status) {
  return Open(notifyWindow, host, port, status, kCddbpConnectionTexts, kSocketNotifyEvents);
}

bool CddbpConnection::Open(HWND notifyWindow, const std::string& host, int port,
                           const StatusSink& status, const ConnectionTexts& texts, long events) {
  Release();
  port_ = port;
  auto fail = [&](const char* text) {
    status(text);
    Release();
    return false;
  };

  if (!binding_.Load()) return fail(kTextCannotFindWsock);
  const WinsockBinding::Functions& call = binding_.Call();

  WORD granted = 0;
  if (binding_.Startup(&granted) != 0) return fail(kTextWsaStartupFailed);
  if (LOBYTE(granted) != 1 || HIBYTE(granted) != 1) return fail(kTextWsockVersion);

  SOCKET socket = call.socket(AF_INET, SOCK_STREAM, 0);
  if (socket == INVALID_SOCKET) return fail(kTextInvalidSocket);
  binding_.TakeSocket(socket);

  const std::string serverName = host.substr(0, kMaxServerEntryLength);
  unsigned long address = call.inetAddr(serverName.c_str());
  if (address == INADDR_NONE) {
    hostent* entry = call.getHostByName(serverName.c_str());
    if (entry == nullptr || entry->h_addr_list == nullptr || entry->h_addr_list[0] == nullptr) {
      return fail(texts.invalidServer);
    }
    std::memcpy(&address, entry->h_addr_list[0], sizeof address);
  }

  sockaddr_in server{};  // the eight trailing bytes stay zero
  server.sin_family = AF_INET;
  server.sin_port = static_cast<u_short>(((port & 0xFF) << 8) | ((port >> 8) & 0xFF));
  server.sin_addr.s_addr = address;

  if (call.wsaAsyncSelect(socket, notifyWindow, kSocketNotifyMessage, events) ==
      SOCKET_ERROR) {
    return fail(kTextAsyncSelectFailed);
  }

  status(texts.connecting);
  if (call.connect(socket, reinterpret_cast<const sockaddr*>(&server), sizeof server) ==
          SOCKET_ERROR &&
      call.wsaGetLastError() != kWouldBlock) {
    return fail(texts.couldNotConnect);
  }
  return true;
}

bool CddbpConnection::Send(std::string_view line) {
  if (!IsOpen()) return false;
  return binding_.Call().send(binding_.Socket(), line.data(), static_cast<int>(line.size()), 0) ==
         static_cast<int>(line.size());
}

int CddbpConnection::SendSome(std::string_view bytes) {
  if (!IsOpen()) return -1;
  if (bytes.empty()) return 0;
  const WinsockBinding::Functions& call = binding_.Call();
  const int sent = call.send(binding_.Socket(), bytes.data(), static_cast<int>(bytes.size()), 0);
  if (sent != SOCKET_ERROR) return sent;
  return call.wsaGetLastError() == kWouldBlock ? 0 : -1;
}

std::string CddbpConnection::Receive(std::size_t limit) {
  if (!IsOpen() || limit == 0) return std::string();
  std::string chunk(limit, '\0');
  int received = binding_.Call().recv(binding_.Socket(), &chunk[0], static_cast<int>(limit), 0);
  chunk.resize(received > 0 ? static_cast<std::size_t>(received) : 0);
  return chunk;
}

void CddbpConnection::Release() { binding_.Release(); }

}  // namespace freedb
}  // namespace bw
