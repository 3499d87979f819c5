// Fuzzes what an SMTP server says back: the reply gatherer with arbitrary reads and the
// submission dialogue driven to its end, with the socket taking arbitrary amounts. Whatever
// arrives, no reply grows past its limit, nothing unsent is lost or invented, and success is
// never shown unless the message was accepted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "freedb/freedb_texts.h"
#include "freedb/smtp_dialogue.h"
#include "freedb/smtp_reply_reader.h"

namespace {

using namespace bw::freedb;

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the read size and how much the socket takes per send.
  const std::size_t chunk = 1 + data[0] % 48;
  const std::size_t take = data[0] % 7 == 0 ? 0 : 1 + data[0] % 200;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

  SmtpReplyReader reader;
  std::string taken;
  for (std::size_t at = 0; at < bytes.size(); at += chunk) {
    reader.Add(bytes.substr(at, chunk));
    Check(reader.Pending().size() <= kMaxSmtpReply);
    while (reader.HasReply()) {
      const std::string reply = reader.TakeReply();
      Check(!reply.empty() && reply.size() <= kMaxSmtpReply);
    }
  }

  const SmtpMessage message =
      MakeSmtpMessage("jo@example.org", {"cddb rock 7a0b1c09", "# xmcd\r\nPLAYORDER="});
  SmtpDialogue dialogue(message, "mail.example.org");
  dialogue.Start();
  bool sawSuccess = false;
  auto run = [&](ConversationActions actions) {
    for (int round = 0; round < 64 && !actions.empty(); ++round) {
      ConversationActions next;
      for (const ConversationAction& action : actions) {
        if (action.kind == ConversationAction::Kind::kShowStatus && action.text == kTextDiscSent) {
          sawSuccess = true;
        }
        if (action.kind == ConversationAction::Kind::kSend) {
          Check(dialogue.Unsent().substr(0, action.text.size()) == action.text);
          const std::size_t before = dialogue.Unsent().size();
          ConversationActions more = dialogue.OnSent(std::min(take, action.text.size()));
          Check(dialogue.Unsent().size() <= before);
          next.insert(next.end(), more.begin(), more.end());
        }
      }
      if (next.empty() && !dialogue.Unsent().empty()) next = dialogue.OnWritable();
      actions = std::move(next);
    }
  };
  for (std::size_t at = 0; at < bytes.size(); at += chunk) {
    run(dialogue.OnReceived(bytes.substr(at, chunk)));
  }
  run(dialogue.OnClosed());
  Check(!sawSuccess || dialogue.Accepted());
  Check(!dialogue.IsRunning());
  return 0;
}
