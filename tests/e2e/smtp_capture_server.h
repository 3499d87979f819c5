// A real mail server for the tests: smtp_capture_server.py under the machine's own Python,
// started from the test program on 127.0.0.1 port 25, and what it received.
#pragma once

#include <string>

namespace e2e {

class SmtpCaptureServer {
 public:
  SmtpCaptureServer();
  // Asks the server to stop and waits for it.
  ~SmtpCaptureServer();
  SmtpCaptureServer(const SmtpCaptureServer&) = delete;
  SmtpCaptureServer& operator=(const SmtpCaptureServer&) = delete;

  // Whether the server was started and listens.
  bool WaitReady(int timeoutMs = 15000) const;
  // Waits for one message: "HELO name", "MAIL FROM address" and "RCPT TO address" lines.
  bool WaitForMessage(int timeoutMs) const;
  std::string Envelope() const;
  // The DATA bytes as the server took them (dot-stuffing removed, end-of-data line dropped).
  std::string Data() const;

 private:
  std::string unixFolder_;     // for the server
  std::string windowsFolder_;  // the same folder for this program
};

}  // namespace e2e
