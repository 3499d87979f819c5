// The e-mail submission over SMTP as a pure state machine: greeting, HELO, sender,
// recipient, DATA, the message, QUIT. Whole replies are judged (a greeting may run over
// several lines and a reply over several reads), every byte is sent even when the socket
// takes only part of it at a time, and success is shown only once the server accepted the
// message. The e-mail dialog feeds it its socket notifications.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "freedb/conversation_action.h"
#include "freedb/smtp_reply_reader.h"
#include "freedb/submission_forms.h"

namespace bw {
namespace freedb {

inline constexpr const char* kSmtpHelloLine = "HELO Brindlewax\r\n";
inline constexpr const char* kSmtpDataLine = "DATA\r\n";
inline constexpr const char* kSmtpQuitLine = "QUIT\r\n";

class SmtpDialogue {
 public:
  enum class Step {
    kIdle,
    kGreeting,   // connecting, then waiting for "220"
    kHelo,       // HELO sent, waiting for "250"
    kSender,     // MAIL FROM sent
    kRecipient,  // RCPT TO sent
    kData,       // DATA sent, waiting for "354"
    kMessage,    // the message sent, waiting for "250"
    kClosing,    // QUIT sent (or the server refused): replies are ignored until the close
    kFinished,
  };

  // `mailServer` is the "MailServer" setting, used whole.
  SmtpDialogue(SmtpMessage message, std::string mailServer);

  // The dialog has opened: connect to port 25 of the mail server.
  ConversationActions Start();
  // The connection could not be started; the status already says why.
  ConversationActions OnConnectStartFailed();
  // The connect notification; `failed` when its error word is non-zero.
  ConversationActions OnConnectNotified(bool failed);
  std::size_t RecvLimit() const { return kSmtpRecvSize; }
  // One recv's worth of bytes.
  ConversationActions OnReceived(std::string_view chunk);
  // What the socket took of the last Send: 0 when it would block (a write notification
  // follows when it can take more). Every Send is answered with OnSent (or OnSendFailed)
  // before the next event; a Send's bytes are always the front of Unsent().
  ConversationActions OnSent(std::size_t accepted);
  // The send failed for another reason than a full socket.
  ConversationActions OnSendFailed();
  // The write notification: the socket can take more.
  ConversationActions OnWritable();
  // The server closed the connection.
  ConversationActions OnClosed();
  // The dialog's button or its close box: the dialog closes whatever was reached.
  ConversationActions OnCancel();

  bool IsRunning() const { return step_ != Step::kIdle && step_ != Step::kFinished; }
  Step CurrentStep() const { return step_; }
  // The server answered the message with 250.
  bool Accepted() const { return accepted_; }
  // What is still to be sent.
  std::string_view Unsent() const { return unsent_; }

 private:
  ConversationActions OnReply(std::string_view reply);
  ConversationActions Advance(Step next, const std::string& line, const char* status);
  ConversationActions Fail(const char* status);
  ConversationActions Queue(const std::string& bytes);
  ConversationActions End(const char* status);

  SmtpMessage message_;
  std::string mailServer_;
  SmtpReplyReader reader_;
  Step step_ = Step::kIdle;
  std::string unsent_;
  std::size_t handedOut_ = 0;  // the front of unsent_ in a Send not yet answered
  bool accepted_ = false;
  bool errorShown_ = false;
};

}  // namespace freedb
}  // namespace bw
