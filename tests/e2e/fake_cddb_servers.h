// Freedb servers for the tests, on 127.0.0.1 in threads of the test program: a CDDBP server on
// ports 888 and 8880 and an HTTP server answering the CGI script on a port of its own. Each
// answers from a script the test writes (codes, matches, records, replies cut into pieces with
// pauses, early closes, silence) and records every byte the client sent.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace fake_freedb {

// Bytes the server sends after waiting `pauseMs`.
struct Piece {
  std::string bytes;
  int pauseMs = 0;
};

// What the server does after a client's line (CDDBP) or request (HTTP).
struct Answer {
  enum class Then {
    kListen,           // wait for the next line
    kClose,            // close the connection
    kHoldUntilStopped  // say nothing more; keep the connection until the server stops or
                       // the client closes it (anything the client sends meanwhile is dropped)
  };
  std::vector<Piece> pieces;
  Then then = Then::kListen;
};

// One piece.
Answer Say(std::string bytes);
Answer SayAndClose(std::string bytes);
// The bytes cut before each offset in `cuts`, every piece after the first sent `pauseMs` later.
Answer SayInPieces(const std::string& bytes, const std::vector<std::size_t>& cuts, int pauseMs);
// Nothing at all, the connection held open.
Answer Silence();

// An HTTP/1.0 "200 OK" text/plain response carrying `body`, ended by the close.
std::string HttpOk(const std::string& body);

// A file of the shared test data (BW_TESTDATA_DIR), read whole; empty when missing.
std::string TestData(const std::string& relativePath);
// Text with its bare LF line ends made CR LF, as servers send it.
std::string WithCrLf(const std::string& text);

class CddbpServer {
 public:
  struct Script {
    bool listenOn888 = true;
    bool listenOn8880 = true;
    // A port of its own instead of 888 and 8880 (25 for a mail server); 0 for none.
    int port = 0;
    Answer greeting = Say("201 test CDDBP server ready\r\n");
    // Called for every line the client sends (its CR LF removed). The default answers the
    // hello with 200, quit with 230 and a close, anything else with 500.
    std::function<Answer(const std::string& line)> answer;
  };

  explicit CddbpServer(Script script);
  ~CddbpServer();
  CddbpServer(const CddbpServer&) = delete;
  CddbpServer& operator=(const CddbpServer&) = delete;

  // Whether every port asked for could be taken.
  bool Listening() const { return listening_; }
  // Every byte the client sent, over all connections, in order.
  std::string Received() const;
  // The lines received, without their line ends.
  std::vector<std::string> Lines() const;
  int ConnectionsOn(int port) const;
  // Connections that have ended (closed by either side).
  int FinishedConnections() const;

  // The answer of the default script, for scripts that change only some replies.
  static Answer DefaultAnswer(const std::string& line);

 private:
  struct Listener;
  void Serve(Listener* listener);
  void Converse(std::uintptr_t client, int port);

  Script script_;
  std::atomic<bool> stopping_{false};
  bool listening_ = true;
  std::vector<std::unique_ptr<Listener>> listeners_;
  mutable std::mutex mutex_;
  std::string received_;
  std::map<int, int> connections_;  // by port
  int finished_ = 0;
};

class HttpServer {
 public:
  // Called with the request target (the path and query of the GET line).
  using Script = std::function<Answer(const std::string& target)>;

  explicit HttpServer(Script script);
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  bool Listening() const { return port_ != 0; }
  int Port() const { return port_; }
  // A "CurrentHTTPServer" entry that points the program here: "127.0.0.1:port - ...".
  std::string ServerEntry() const;

  // Request targets in order, and the User-Agent header of each request.
  std::vector<std::string> Targets() const;
  std::vector<std::string> UserAgents() const;

 private:
  void Serve();
  void Respond(std::uintptr_t client);

  Script script_;
  std::atomic<bool> stopping_{false};
  std::uintptr_t socket_;
  int port_ = 0;
  std::thread thread_;
  mutable std::mutex mutex_;
  std::vector<std::string> targets_;
  std::vector<std::string> userAgents_;
};

}  // namespace fake_freedb
