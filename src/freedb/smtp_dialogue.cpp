// The SMTP submission: each whole reply decides the next command and the status text.
#include "freedb/smtp_dialogue.h"

#include <algorithm>
#include <utility>

#include "freedb/freedb_texts.h"

namespace bw {
namespace freedb {
namespace {

using Action = ConversationAction;

bool IsBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

}  // namespace

SmtpDialogue::SmtpDialogue(SmtpMessage message, std::string mailServer)
    : message_(std::move(message)), mailServer_(std::move(mailServer)) {}

ConversationActions SmtpDialogue::Start() {
  ConversationActions actions{Action::ShowStatus(kTextCreatingEmail)};
  // An empty name would resolve to this machine itself.
  if (IsBlank(mailServer_)) {
    step_ = Step::kFinished;
    actions.push_back(Action::ShowStatus(kTextInvalidSmtpServer));
    actions.push_back(Action::SetCaption(kTextCaptionOk));
    actions.push_back(Action::Finish());
    return actions;
  }
  step_ = Step::kGreeting;
  actions.push_back(Action::Connect(mailServer_, kSmtpPort));
  actions.push_back(Action::SetCaption(kTextCaptionCancel));
  return actions;
}

ConversationActions SmtpDialogue::OnConnectStartFailed() {
  if (!IsRunning()) return {};
  step_ = Step::kFinished;
  return {Action::SetCaption(kTextCaptionOk), Action::Finish()};
}

ConversationActions SmtpDialogue::OnConnectNotified(bool failed) {
  if (step_ != Step::kGreeting || !failed) return {};
  step_ = Step::kFinished;
  return {Action::ShowStatus(kTextCouldNotConnectSmtp), Action::SetCaption(kTextCaptionOk),
          Action::Finish()};
}

ConversationActions SmtpDialogue::OnReceived(std::string_view chunk) {
  if (!IsRunning()) return {};
  reader_.Add(chunk);
  ConversationActions actions;
  while (reader_.HasReply()) {
    const std::string reply = reader_.TakeReply();
    // After QUIT (or a refusal) only the server's close is awaited.
    if (step_ == Step::kClosing || !IsRunning()) continue;
    ConversationActions next = OnReply(reply);
    actions.insert(actions.end(), next.begin(), next.end());
  }
  return actions;
}

ConversationActions SmtpDialogue::OnReply(std::string_view reply) {
  const std::string_view code = SmtpReplyCode(reply);
  switch (step_) {
    case Step::kGreeting:
      if (code != "220") return Fail(kTextSmtpCommunicationProblem);
      return Advance(Step::kHelo, kSmtpHelloLine, nullptr);
    case Step::kHelo:
      if (code != "250") return Fail(kTextHeloCommandProblem);
      return Advance(Step::kSender, message_.senderLine, kTextSendingEmailAddress);
    case Step::kSender:
      if (code != "250") return Fail(kTextEmailAddressProblem);
      return Advance(Step::kRecipient, message_.recipientLine, kTextSendingFreedbAddress);
    case Step::kRecipient:
      if (code != "250") return Fail(kTextFreedbAddressProblem);
      return Advance(Step::kData, kSmtpDataLine, kTextSendingDiscInformation);
    case Step::kData:
      if (code != "354") return Fail(kTextDataCommandProblem);
      return Advance(Step::kMessage, message_.message, nullptr);
    case Step::kMessage:
      if (code != "250") return Fail(kTextDiscInformationProblem);
      accepted_ = true;
      return Advance(Step::kClosing, kSmtpQuitLine, kTextClosingSmtp);
    default:
      return {};
  }
}

ConversationActions SmtpDialogue::Advance(Step next, const std::string& line,
                                          const char* status) {
  step_ = next;
  ConversationActions actions = Queue(line);
  if (status != nullptr) actions.push_back(Action::ShowStatus(status));
  return actions;
}

ConversationActions SmtpDialogue::Fail(const char* status) {
  // The error stays shown; QUIT lets the server close the connection at once.
  errorShown_ = true;
  step_ = Step::kClosing;
  // Bytes already handed to the socket go; the rest of a refused message does not.
  unsent_.resize(handedOut_);
  ConversationActions actions{Action::ShowStatus(status)};
  ConversationActions quit = Queue(kSmtpQuitLine);
  actions.insert(actions.end(), quit.begin(), quit.end());
  return actions;
}

ConversationActions SmtpDialogue::Queue(const std::string& bytes) {
  // While a send is under way the new bytes wait behind it.
  unsent_ += bytes;
  if (handedOut_ > 0 || unsent_.empty()) return {};
  handedOut_ = unsent_.size();
  return {Action::Send(unsent_)};
}

ConversationActions SmtpDialogue::OnSent(std::size_t accepted) {
  if (!IsRunning() || handedOut_ == 0) return {};
  accepted = std::min(accepted, handedOut_);
  unsent_.erase(0, accepted);
  handedOut_ = 0;
  // A full socket says so with a write notification; a partial send is simply continued.
  if (unsent_.empty() || accepted == 0) return {};
  handedOut_ = unsent_.size();
  return {Action::Send(unsent_)};
}

ConversationActions SmtpDialogue::OnWritable() {
  if (!IsRunning() || handedOut_ > 0 || unsent_.empty()) return {};
  handedOut_ = unsent_.size();
  return {Action::Send(unsent_)};
}

ConversationActions SmtpDialogue::OnSendFailed() {
  if (!IsRunning()) return {};
  unsent_.clear();
  handedOut_ = 0;
  switch (step_) {
    case Step::kGreeting:
    case Step::kHelo: return End(kTextHeloCommandProblem);
    case Step::kSender: return End(kTextEmailAddressProblem);
    case Step::kRecipient: return End(kTextFreedbAddressProblem);
    case Step::kData: return End(kTextDataCommandProblem);
    case Step::kMessage: return End(kTextDiscInformationProblem);
    default: return OnClosed();  // QUIT could not be sent: the conversation is over anyway
  }
}

ConversationActions SmtpDialogue::End(const char* status) {
  errorShown_ = true;
  step_ = Step::kFinished;
  return {Action::ShowStatus(status), Action::SetCaption(kTextCaptionOk), Action::Finish()};
}

ConversationActions SmtpDialogue::OnClosed() {
  if (!IsRunning()) return {};
  step_ = Step::kFinished;
  unsent_.clear();
  handedOut_ = 0;
  ConversationActions actions;
  if (accepted_) {
    actions.push_back(Action::ShowStatus(kTextDiscSent));
  } else if (!errorShown_) {
    // Closed before the message was taken, without a refusal to show.
    actions.push_back(Action::ShowStatus(kTextSmtpCommunicationProblem));
  }
  actions.push_back(Action::SetCaption(kTextCaptionOk));
  actions.push_back(Action::Beep());
  actions.push_back(Action::Finish());
  return actions;
}

ConversationActions SmtpDialogue::OnCancel() {
  if (!IsRunning()) return {};
  step_ = Step::kFinished;
  unsent_.clear();
  handedOut_ = 0;
  return {Action::Finish()};
}

}  // namespace freedb
}  // namespace bw
