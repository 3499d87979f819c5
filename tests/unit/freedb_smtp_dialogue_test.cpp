// The SMTP submission: every reply and its status text, whole replies gathered over reads and
// lines, sends continued until every byte is written, and success only after the message was
// accepted.
#include <gtest/gtest.h>

#include <string>

#include "freedb/freedb_texts.h"
#include "freedb/smtp_dialogue.h"
#include "freedb/smtp_reply_reader.h"
#include "freedb_conversation_support.h"

namespace bw {
namespace freedb {
namespace {

using namespace ::bw::freedb::testing;

SmtpMessage Message() {
  return MakeSmtpMessage("jo@example.org", {"cddb rock 7a0b1c09", "# xmcd\r\nPLAYORDER="});
}

// Sends are taken whole unless a test says otherwise.
Steps Sent(SmtpDialogue& dialogue, const ConversationActions& actions) {
  Steps steps = Trace(actions);
  for (const ConversationAction& action : actions) {
    if (action.kind == ConversationAction::Kind::kSend) dialogue.OnSent(action.text.size());
  }
  return steps;
}

const char* const kGreeting = "220 mail.example.org ESMTP ready\r\n";

// A dialogue brought to the point where `step`'s reply is awaited.
SmtpDialogue At(SmtpDialogue::Step step) {
  SmtpDialogue dialogue(Message(), "mail.example.org");
  Sent(dialogue, dialogue.Start());
  const char* replies[] = {kGreeting, "250 hello\r\n", "250 sender ok\r\n", "250 recipient ok\r\n",
                           "354 go ahead\r\n", "250 queued\r\n"};
  for (const char* reply : replies) {
    if (dialogue.CurrentStep() == step) break;
    Sent(dialogue, dialogue.OnReceived(reply));
  }
  return dialogue;
}

TEST(FreedbSmtp, WholeSubmission) {
  const SmtpMessage message = Message();
  SmtpDialogue dialogue(message, "mail.example.org");
  EXPECT_EQ(Trace(dialogue.Start()),
            (Steps{StatusLine(kTextCreatingEmail), "connect mail.example.org:25",
                   CaptionLine(kTextCaptionCancel)}));
  EXPECT_EQ(Trace(dialogue.OnConnectNotified(false)), Steps{});
  EXPECT_EQ(Sent(dialogue, dialogue.OnReceived(kGreeting)), Steps{"send HELO Brindlewax\r\n"});
  EXPECT_EQ(Sent(dialogue, dialogue.OnReceived("250 mail.example.org\r\n")),
            (Steps{"send MAIL FROM:<jo@example.org>\r\n", StatusLine(kTextSendingEmailAddress)}));
  EXPECT_EQ(Sent(dialogue, dialogue.OnReceived("250 2.1.0 Ok\r\n")),
            (Steps{"send RCPT TO:<gnudb-submit@gnudb.org>\r\n",
                   StatusLine(kTextSendingFreedbAddress)}));
  EXPECT_EQ(Sent(dialogue, dialogue.OnReceived("250 2.1.5 Ok\r\n")),
            (Steps{"send DATA\r\n", StatusLine(kTextSendingDiscInformation)}));
  EXPECT_EQ(Sent(dialogue, dialogue.OnReceived("354 End data with <CR><LF>.<CR><LF>\r\n")),
            Steps{"send " + message.message});
  EXPECT_FALSE(dialogue.Accepted());
  EXPECT_EQ(Sent(dialogue, dialogue.OnReceived("250 2.0.0 Ok: queued as 4F2A\r\n")),
            (Steps{"send QUIT\r\n", StatusLine(kTextClosingSmtp)}));
  EXPECT_TRUE(dialogue.Accepted());
  EXPECT_EQ(Trace(dialogue.OnReceived("221 2.0.0 Bye\r\n")), Steps{});
  EXPECT_EQ(Trace(dialogue.OnClosed()),
            (Steps{StatusLine(kTextDiscSent), CaptionLine(kTextCaptionOk), "beep", "finish"}));
  EXPECT_FALSE(dialogue.IsRunning());
  EXPECT_EQ(std::string(kTextDiscSent),
            "Your disc was sent to Freedb. If there was an error, you will get an email from "
            "Freedb.");
}

TEST(FreedbSmtp, EachRefusalKeepsItsTextThroughTheClose) {
  const struct {
    SmtpDialogue::Step at;
    const char* reply;
    const char* status;
  } cases[] = {
      {SmtpDialogue::Step::kGreeting, "554 no service\r\n", kTextSmtpCommunicationProblem},
      {SmtpDialogue::Step::kGreeting, "250 wrong code\r\n", kTextSmtpCommunicationProblem},
      {SmtpDialogue::Step::kHelo, "501 syntax\r\n", kTextHeloCommandProblem},
      {SmtpDialogue::Step::kSender, "550 sender refused\r\n", kTextEmailAddressProblem},
      {SmtpDialogue::Step::kRecipient, "550 no such user\r\n", kTextFreedbAddressProblem},
      {SmtpDialogue::Step::kData, "250 not 354\r\n", kTextDataCommandProblem},
      {SmtpDialogue::Step::kMessage, "554 rejected\r\n", kTextDiscInformationProblem},
  };
  for (const auto& c : cases) {
    SmtpDialogue dialogue = At(c.at);
    ASSERT_EQ(dialogue.CurrentStep(), c.at);
    EXPECT_EQ(Sent(dialogue, dialogue.OnReceived(c.reply)),
              (Steps{StatusLine(c.status), "send QUIT\r\n"}))
        << c.reply;
    EXPECT_EQ(Trace(dialogue.OnReceived("221 bye\r\n")), Steps{});
    // The close no longer claims success over the refusal.
    EXPECT_EQ(Trace(dialogue.OnClosed()), (Steps{CaptionLine(kTextCaptionOk), "beep", "finish"}))
        << c.reply;
    EXPECT_FALSE(dialogue.Accepted());
  }
}

TEST(FreedbSmtp, CloseBeforeTheMessageWasTakenIsAnError) {
  for (SmtpDialogue::Step step : {SmtpDialogue::Step::kGreeting, SmtpDialogue::Step::kSender,
                                  SmtpDialogue::Step::kMessage}) {
    SmtpDialogue dialogue = At(step);
    EXPECT_EQ(Trace(dialogue.OnClosed()),
              (Steps{StatusLine(kTextSmtpCommunicationProblem), CaptionLine(kTextCaptionOk), "beep",
                     "finish"}));
  }
}

TEST(FreedbSmtp, MultiLineGreetingAtEverySplitPoint) {
  const std::string greeting =
      "220-mail.example.org ESMTP\r\n220-Unsolicited mail is not welcome\r\n220 ready\r\n";
  for (std::size_t split = 1; split < greeting.size(); ++split) {
    SmtpDialogue dialogue = At(SmtpDialogue::Step::kGreeting);
    EXPECT_EQ(Trace(dialogue.OnReceived(greeting.substr(0, split))), Steps{}) << split;
    EXPECT_EQ(Sent(dialogue, dialogue.OnReceived(greeting.substr(split))),
              Steps{"send HELO Brindlewax\r\n"})
        << split;
    EXPECT_EQ(dialogue.CurrentStep(), SmtpDialogue::Step::kHelo);
  }
}

TEST(FreedbSmtp, EveryReplyAtEverySplitPoint) {
  const struct {
    SmtpDialogue::Step at;
    std::string reply;
    SmtpDialogue::Step next;
  } cases[] = {
      {SmtpDialogue::Step::kHelo, "250-mail.example.org\r\n250-SIZE 10240000\r\n250 8BITMIME\r\n",
       SmtpDialogue::Step::kSender},
      {SmtpDialogue::Step::kSender, "250 2.1.0 Ok\r\n", SmtpDialogue::Step::kRecipient},
      {SmtpDialogue::Step::kRecipient, "250 2.1.5 Ok\r\n", SmtpDialogue::Step::kData},
      {SmtpDialogue::Step::kData, "354 End data with <CR><LF>.<CR><LF>\r\n",
       SmtpDialogue::Step::kMessage},
      {SmtpDialogue::Step::kMessage, "250 2.0.0 Ok: queued as 4F2A\r\n",
       SmtpDialogue::Step::kClosing},
  };
  for (const auto& c : cases) {
    for (std::size_t split = 1; split < c.reply.size(); ++split) {
      SmtpDialogue dialogue = At(c.at);
      EXPECT_EQ(Trace(dialogue.OnReceived(c.reply.substr(0, split))), Steps{}) << split;
      EXPECT_EQ(dialogue.CurrentStep(), c.at);
      EXPECT_FALSE(Sent(dialogue, dialogue.OnReceived(c.reply.substr(split))).empty()) << split;
      EXPECT_EQ(dialogue.CurrentStep(), c.next) << c.reply << " " << split;
    }
  }
}

TEST(FreedbSmtp, PartialSendsContinueUntilEveryByteIsWritten) {
  SmtpDialogue dialogue = At(SmtpDialogue::Step::kData);
  const std::string message = Message().message;
  ConversationActions actions = dialogue.OnReceived("354 go ahead\r\n");
  ASSERT_EQ(Trace(actions), Steps{"send " + message});

  std::string written;
  // The socket takes 10 bytes, then is full, then after the write notification takes the rest
  // in two pieces.
  written += message.substr(0, 10);
  actions = dialogue.OnSent(10);
  ASSERT_EQ(Trace(actions), Steps{"send " + message.substr(10)});
  actions = dialogue.OnSent(0);
  EXPECT_EQ(Trace(actions), Steps{});
  EXPECT_EQ(dialogue.Unsent(), message.substr(10));
  actions = dialogue.OnWritable();
  ASSERT_EQ(Trace(actions), Steps{"send " + message.substr(10)});
  written += message.substr(10, 7);
  actions = dialogue.OnSent(7);
  ASSERT_EQ(Trace(actions), Steps{"send " + message.substr(17)});
  written += message.substr(17);
  EXPECT_EQ(Trace(dialogue.OnSent(message.size() - 17)), Steps{});
  EXPECT_EQ(written, message);
  EXPECT_TRUE(dialogue.Unsent().empty());
  EXPECT_EQ(Trace(dialogue.OnWritable()), Steps{});  // nothing left to send
}

TEST(FreedbSmtp, EarlyRefusalDropsTheRestOfTheMessage) {
  // Still holding the end of the message when the server refuses early.
  SmtpDialogue early = At(SmtpDialogue::Step::kData);
  early.OnReceived("354 go\r\n");
  early.OnSent(5);
  early.OnSent(0);
  EXPECT_EQ(Trace(early.OnReceived("552 too big\r\n")),
            (Steps{StatusLine(kTextDiscInformationProblem), "send QUIT\r\n"}));
  EXPECT_EQ(early.Unsent(), "QUIT\r\n");  // the rest of the message is dropped
}

TEST(FreedbSmtp, RepliesInOneReadAreAnsweredInTurn) {
  SmtpDialogue dialogue = At(SmtpDialogue::Step::kGreeting);
  // The second reply's command waits until the first command is written.
  EXPECT_EQ(Trace(dialogue.OnReceived("220 hi\r\n250 hello\r\n")),
            (Steps{"send HELO Brindlewax\r\n", StatusLine(kTextSendingEmailAddress)}));
  EXPECT_EQ(dialogue.Unsent(), "HELO Brindlewax\r\nMAIL FROM:<jo@example.org>\r\n");
  EXPECT_EQ(Trace(dialogue.OnSent(17)), Steps{"send MAIL FROM:<jo@example.org>\r\n"});

  // A refusal right behind an accepted reply: what is under way still goes, then QUIT.
  SmtpDialogue refused = At(SmtpDialogue::Step::kGreeting);
  EXPECT_EQ(Trace(refused.OnReceived("220 hi\r\n554 go away\r\n")),
            (Steps{"send HELO Brindlewax\r\n", StatusLine(kTextHeloCommandProblem)}));
  EXPECT_EQ(Trace(refused.OnSent(17)), Steps{"send QUIT\r\n"});
  EXPECT_EQ(Trace(refused.OnSent(6)), Steps{});
  EXPECT_TRUE(refused.Unsent().empty());
}

TEST(FreedbSmtp, SendFailureEndsWithTheStepsText) {
  SmtpDialogue dialogue = At(SmtpDialogue::Step::kData);
  dialogue.OnReceived("354 go\r\n");
  EXPECT_EQ(Trace(dialogue.OnSendFailed()),
            (Steps{StatusLine(kTextDiscInformationProblem), CaptionLine(kTextCaptionOk), "finish"}));
  EXPECT_FALSE(dialogue.IsRunning());
  EXPECT_EQ(Trace(dialogue.OnClosed()), Steps{});
}

TEST(FreedbSmtp, ConnectionFailures) {
  SmtpDialogue refused(Message(), "mail.example.org");
  refused.Start();
  EXPECT_EQ(Trace(refused.OnConnectNotified(true)),
            (Steps{StatusLine(kTextCouldNotConnectSmtp), CaptionLine(kTextCaptionOk), "finish"}));
  EXPECT_EQ(std::string(kTextCouldNotConnectSmtp), "Error: Could not connect to the SMTP server.");

  SmtpDialogue notStarted(Message(), "mail.example.org");
  notStarted.Start();
  EXPECT_EQ(Trace(notStarted.OnConnectStartFailed()),
            (Steps{CaptionLine(kTextCaptionOk), "finish"}));

  // An empty name would resolve to this machine: refused without connecting.
  for (const char* server : {"", "  "}) {
    SmtpDialogue blank(Message(), server);
    EXPECT_EQ(Trace(blank.Start()),
              (Steps{StatusLine(kTextCreatingEmail), StatusLine(kTextInvalidSmtpServer),
                     CaptionLine(kTextCaptionOk), "finish"}));
  }
  EXPECT_EQ(std::string(kTextInvalidSmtpServer), "Error: Invalid SMTP server address.");
}

TEST(FreedbSmtp, CancelEndsAtAnyPointAndLaterEventsAreIgnored) {
  SmtpDialogue dialogue = At(SmtpDialogue::Step::kRecipient);
  EXPECT_EQ(Trace(dialogue.OnCancel()), Steps{"finish"});
  EXPECT_EQ(Trace(dialogue.OnReceived("250 ok\r\n")), Steps{});
  EXPECT_EQ(Trace(dialogue.OnClosed()), Steps{});
  EXPECT_EQ(Trace(dialogue.OnCancel()), Steps{});
}

TEST(FreedbSmtpReplyReader, RepliesAreToldApartWhateverTheReads) {
  SmtpReplyReader reader;
  EXPECT_FALSE(reader.Add("250-first\r\n250-sec"));
  EXPECT_FALSE(reader.Add("ond\r\n250 last\r"));
  EXPECT_TRUE(reader.Add("\n354 next\r\n"));
  EXPECT_EQ(reader.TakeReply(), "250-first\r\n250-second\r\n250 last\r\n");
  // What came after the first reply is the next one.
  EXPECT_TRUE(reader.HasReply());
  EXPECT_EQ(reader.TakeReply(), "354 next\r\n");
  EXPECT_FALSE(reader.HasReply());
  EXPECT_EQ(reader.TakeReply(), "");

  // A code alone, LF line ends and a malformed line each end a reply.
  for (const char* reply : {"250\r\n", "250 ok\n", "hello\r\n", "25-\r\n"}) {
    SmtpReplyReader one;
    EXPECT_TRUE(one.Add(reply)) << reply;
  }
  SmtpReplyReader more;
  EXPECT_FALSE(more.Add("250-\r\n"));
  EXPECT_EQ(SmtpReplyCode("354 go"), "354");
  EXPECT_EQ(SmtpReplyCode("35"), "35");
}

TEST(FreedbSmtpReplyReader, EndlessReplyIsKeptToItsLimit) {
  SmtpReplyReader reader;
  const std::string line = "250-" + std::string(200, 'x') + "\r\n";
  for (int i = 0; i < 500; ++i) EXPECT_FALSE(reader.Add(line));
  EXPECT_LE(reader.Pending().size(), kMaxSmtpReply);
  EXPECT_TRUE(reader.Add("250 done\r\n"));
  EXPECT_EQ(reader.TakeReply().substr(0, 3), "250");
}

}  // namespace
}  // namespace freedb
}  // namespace bw
