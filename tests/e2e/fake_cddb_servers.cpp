// Scripted CDDBP and HTTP servers on the loop-back address, Winsock 2 in threads.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include "fake_cddb_servers.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace fake_freedb {
namespace {

constexpr int kPollMs = 50;

// Keeps Winsock started while a server lives (WSAStartup counts its callers).
class WinsockSession {
 public:
  WinsockSession() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
  ~WinsockSession() { WSACleanup(); }
};

SOCKET ListenOn(int port) {
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return s;
  // Earlier tests leave their connections in TIME_WAIT on the same fixed ports.
  BOOL reuse = TRUE;
  setsockopt(s, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof reuse);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  // The ports may still be held by a server of the previous test for a moment.
  for (int attempt = 0; attempt < 40; ++attempt) {
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
      if (listen(s, 4) == 0) return s;
      break;
    }
    Sleep(kPollMs);
  }
  closesocket(s);
  return INVALID_SOCKET;
}

int LocalPort(SOCKET s) {
  sockaddr_in address{};
  int length = sizeof address;
  if (getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
  return ntohs(address.sin_port);
}

// Waits up to one poll period for the socket to become readable (or the peer to close).
bool Readable(SOCKET s) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval wait{0, kPollMs * 1000};
  return select(0, &set, nullptr, nullptr, &wait) > 0;
}

// Sleeps in short steps so a stopping server does not wait out a long pause.
void PauseUnlessStopping(int ms, const std::atomic<bool>& stopping) {
  for (int waited = 0; waited < ms && !stopping; waited += 10) Sleep(10);
}

bool SendAll(SOCKET s, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    int n = send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

// Sends the answer's pieces; false when the connection is to end.
bool Perform(SOCKET s, const Answer& answer, const std::atomic<bool>& stopping) {
  for (const Piece& piece : answer.pieces) {
    PauseUnlessStopping(piece.pauseMs, stopping);
    if (stopping || !SendAll(s, piece.bytes)) return false;
  }
  switch (answer.then) {
    case Answer::Then::kListen:
      return true;
    case Answer::Then::kClose:
      return false;
    case Answer::Then::kHoldUntilStopped:
      while (!stopping) {
        char ignored[512];
        if (Readable(s) && recv(s, ignored, sizeof ignored, 0) <= 0) break;  // client closed
      }
      return false;
  }
  return false;
}

void CloseGracefully(SOCKET s) {
  shutdown(s, SD_SEND);
  closesocket(s);
}

}  // namespace

Answer Say(std::string bytes) {
  Answer answer;
  answer.pieces.push_back({std::move(bytes), 0});
  return answer;
}

Answer SayAndClose(std::string bytes) {
  Answer answer = Say(std::move(bytes));
  answer.then = Answer::Then::kClose;
  return answer;
}

Answer SayInPieces(const std::string& bytes, const std::vector<std::size_t>& cuts, int pauseMs) {
  Answer answer;
  std::size_t start = 0;
  for (std::size_t cut : cuts) {
    if (cut <= start || cut >= bytes.size()) continue;
    answer.pieces.push_back({bytes.substr(start, cut - start), start == 0 ? 0 : pauseMs});
    start = cut;
  }
  answer.pieces.push_back({bytes.substr(start), start == 0 ? 0 : pauseMs});
  return answer;
}

Answer Silence() {
  Answer answer;
  answer.then = Answer::Then::kHoldUntilStopped;
  return answer;
}

std::string HttpOk(const std::string& body) {
  return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n" + body;
}

std::string TestData(const std::string& relativePath) {
  std::ifstream in(std::string(BW_TESTDATA_DIR) + "/" + relativePath, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string WithCrLf(const std::string& text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
    result += text[i];
  }
  return result;
}

// --- CDDBP ------------------------------------------------------------------------------------

struct CddbpServer::Listener {
  WinsockSession winsock;
  int port = 0;
  SOCKET socket = INVALID_SOCKET;
  std::thread thread;
};

Answer CddbpServer::DefaultAnswer(const std::string& line) {
  if (line.rfind("CDDB HELLO ", 0) == 0) return Say("200 Hello and welcome, test server.\r\n");
  if (line == "quit") return SayAndClose("230 test server Closing connection.  Goodbye.\r\n");
  return Say("500 Unrecognized command.\r\n");
}

CddbpServer::CddbpServer(Script script) : script_(std::move(script)) {
  if (!script_.answer) script_.answer = DefaultAnswer;
  std::vector<int> ports;
  if (script_.port != 0) {
    ports.push_back(script_.port);
  } else {
    if (script_.listenOn888) ports.push_back(888);
    if (script_.listenOn8880) ports.push_back(8880);
  }
  for (int port : ports) {
    auto listener = std::make_unique<Listener>();
    listener->port = port;
    listener->socket = ListenOn(port);
    if (listener->socket == INVALID_SOCKET) {
      std::fprintf(stderr, "fake server: cannot listen on port %d\n", port);
      listening_ = false;
      continue;
    }
    Listener* raw = listener.get();
    listener->thread = std::thread([this, raw] { Serve(raw); });
    listeners_.push_back(std::move(listener));
  }
}

CddbpServer::~CddbpServer() {
  stopping_ = true;
  for (auto& listener : listeners_) {
    if (listener->thread.joinable()) listener->thread.join();
    closesocket(listener->socket);
  }
}

void CddbpServer::Serve(Listener* listener) {
  while (!stopping_) {
    if (!Readable(listener->socket)) continue;
    SOCKET client = accept(listener->socket, nullptr, nullptr);
    if (client == INVALID_SOCKET) continue;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      ++connections_[listener->port];
    }
    Converse(static_cast<std::uintptr_t>(client), listener->port);
  }
}

void CddbpServer::Converse(std::uintptr_t clientSocket, int port) {
  SOCKET client = static_cast<SOCKET>(clientSocket);
  bool open = Perform(client, script_.greeting, stopping_);
  std::string pending;
  while (open && !stopping_) {
    if (!Readable(client)) continue;
    char buffer[4096];
    int n = recv(client, buffer, sizeof buffer, 0);
    if (n <= 0) break;  // the client closed
    {
      std::lock_guard<std::mutex> lock(mutex_);
      received_.append(buffer, static_cast<std::size_t>(n));
    }
    pending.append(buffer, static_cast<std::size_t>(n));
    std::size_t end;
    while (open && (end = pending.find('\n')) != std::string::npos) {
      std::string line = pending.substr(0, end);
      pending.erase(0, end + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      open = Perform(client, script_.answer(line), stopping_);
    }
  }
  CloseGracefully(client);
  std::lock_guard<std::mutex> lock(mutex_);
  ++finished_;
}

std::string CddbpServer::Received() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return received_;
}

std::vector<std::string> CddbpServer::Lines() const {
  std::vector<std::string> lines;
  std::string all = Received();
  std::size_t start = 0, end;
  while ((end = all.find('\n', start)) != std::string::npos) {
    std::string line = all.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

int CddbpServer::ConnectionsOn(int port) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = connections_.find(port);
  return found == connections_.end() ? 0 : found->second;
}

int CddbpServer::FinishedConnections() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return finished_;
}

// --- HTTP -------------------------------------------------------------------------------------

namespace {
WinsockSession& HttpWinsock() {
  static WinsockSession session;  // kept for the test program's life
  return session;
}

std::string HeaderValue(const std::string& head, const std::string& name) {
  std::string lowerHead = head;
  std::string lowerName = "\r\n" + name + ":";
  for (char& c : lowerHead) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  for (char& c : lowerName) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  std::size_t at = lowerHead.find(lowerName);
  if (at == std::string::npos) return std::string();
  std::size_t start = at + lowerName.size();
  while (start < head.size() && head[start] == ' ') ++start;
  return head.substr(start, head.find("\r\n", start) - start);
}
}  // namespace

HttpServer::HttpServer(Script script) : script_(std::move(script)) {
  HttpWinsock();
  SOCKET s = ListenOn(0);
  socket_ = static_cast<std::uintptr_t>(s);
  if (s == INVALID_SOCKET) return;
  port_ = LocalPort(s);
  thread_ = std::thread([this] { Serve(); });
}

HttpServer::~HttpServer() {
  stopping_ = true;
  if (thread_.joinable()) thread_.join();
  if (static_cast<SOCKET>(socket_) != INVALID_SOCKET) closesocket(static_cast<SOCKET>(socket_));
}

std::string HttpServer::ServerEntry() const {
  return "127.0.0.1:" + std::to_string(port_) + " - Local test server";
}

void HttpServer::Serve() {
  SOCKET listener = static_cast<SOCKET>(socket_);
  while (!stopping_) {
    if (!Readable(listener)) continue;
    SOCKET client = accept(listener, nullptr, nullptr);
    if (client != INVALID_SOCKET) Respond(static_cast<std::uintptr_t>(client));
  }
}

void HttpServer::Respond(std::uintptr_t clientSocket) {
  SOCKET client = static_cast<SOCKET>(clientSocket);
  std::string head;
  while (!stopping_ && head.find("\r\n\r\n") == std::string::npos) {
    if (!Readable(client)) continue;
    char buffer[4096];
    int n = recv(client, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    head.append(buffer, static_cast<std::size_t>(n));
  }
  std::size_t targetStart = head.find(' ');
  std::size_t targetEnd = head.find(' ', targetStart + 1);
  if (targetStart != std::string::npos && targetEnd != std::string::npos) {
    std::string target = head.substr(targetStart + 1, targetEnd - targetStart - 1);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      targets_.push_back(target);
      userAgents_.push_back(HeaderValue(head, "User-Agent"));
    }
    Perform(client, script_(target), stopping_);
  }
  CloseGracefully(client);
}

std::vector<std::string> HttpServer::Targets() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return targets_;
}

std::vector<std::string> HttpServer::UserAgents() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return userAgents_;
}

}  // namespace fake_freedb
