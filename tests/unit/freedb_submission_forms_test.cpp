// The three forms of a submission: the SMTP envelope and message (as long as the record needs),
// the Simple MAPI message as data, and the Notepad file's text.
#include <gtest/gtest.h>

#include <string>

#include "freedb/submission_forms.h"

namespace bw {
namespace freedb {
namespace {

DiscQuery Disc(int tracks) {
  DiscQuery disc;
  disc.discId = 0x7a0b1c09;
  for (int i = 0; i < tracks; ++i) disc.frameOffsets.push_back(150 + i * 1000);
  disc.lengthSeconds = 3000;
  return disc;
}

SubmittedEntry Entry(int tracks) {
  SubmittedEntry entry;
  for (int i = 0; i < tracks; ++i) entry.trackTitles.push_back("Song");
  entry.artist = "Band";
  entry.discName = "Disc";
  entry.category = "Rock";
  return entry;
}

TEST(FreedbSubmissionForms, SubjectCarriesTheCategoryInLowerCase) {
  const SubmissionTexts texts = PrepareSubmission(Disc(2), Entry(2));
  EXPECT_EQ(texts.subject, "cddb rock 7a0b1c09");
  EXPECT_EQ(texts.record.substr(0, 8), "# xmcd\r\n");
}

TEST(FreedbSubmissionForms, SmtpMessage) {
  SubmissionTexts texts{"cddb rock 7a0b1c09", "# xmcd\r\nDISCID=7a0b1c09\r\nPLAYORDER="};
  const SmtpMessage smtp = MakeSmtpMessage("jo@example.org", texts);
  EXPECT_EQ(smtp.senderLine, "MAIL FROM:<jo@example.org>\r\n");
  EXPECT_EQ(smtp.recipientLine, "RCPT TO:<gnudb-submit@gnudb.org>\r\n");
  EXPECT_EQ(smtp.message,
            "From: jo@example.org\r\nTo: gnudb-submit@gnudb.org\r\nSubject: cddb rock 7a0b1c09\r\n"
            "\r\n# xmcd\r\nDISCID=7a0b1c09\r\nPLAYORDER=\r\n.\r\n");
}

TEST(FreedbSubmissionForms, TypedAddressCannotAddLinesOrCommands) {
  SubmissionTexts texts{"cddb rock 7a0b1c09", "PLAYORDER="};
  const SmtpMessage smtp = MakeSmtpMessage("jo@example.org>\r\nRCPT TO:<x@y\r\n", texts);
  EXPECT_EQ(smtp.senderLine, "MAIL FROM:<jo@example.org>RCPT TO:<x@y>\r\n");
  EXPECT_EQ(smtp.message.find("\r\nRCPT"), std::string::npos);
}

TEST(FreedbSubmissionForms, LeadingDotsAreDoubledSoTheDataEndsOnlyAtTheEnd) {
  SubmissionTexts texts{"s", ".\r\nA\r\n.x\r\nb.\r\n."};
  const std::string message = MakeSmtpMessage("a@b", texts).message;
  EXPECT_EQ(message.substr(message.find("\r\n\r\n") + 4), "..\r\nA\r\n..x\r\nb.\r\n..\r\n.\r\n");
}

TEST(FreedbSubmissionForms, LargestDiscFitsTheMessageWhole) {
  // 99 tracks of 255-character titles and full notes: far beyond a fixed 26,112-byte buffer.
  SubmittedEntry entry = Entry(99);
  for (std::string& title : entry.trackTitles) title = std::string(255, 't');
  entry.artist = std::string(255, 'a');
  entry.discName = std::string(255, 'd');
  entry.notes = std::string(256, 'n');
  const SubmissionTexts texts = PrepareSubmission(Disc(99), entry);
  const std::string message = MakeSmtpMessage("jo@example.org", texts).message;
  EXPECT_GT(message.size(), 26112u);
  EXPECT_NE(message.find(texts.record), std::string::npos);
  EXPECT_EQ(message.substr(message.size() - 17), "\r\nPLAYORDER=\r\n.\r\n");
}

TEST(FreedbSubmissionForms, MapiMessageAsData) {
  SubmissionTexts texts{"cddb jazz 820e770a", "# xmcd\r\nPLAYORDER="};
  const MapiSubmission mapi = MakeMapiSubmission("jo@example.org", texts);
  EXPECT_EQ(mapi.subject, "cddb jazz 820e770a");
  EXPECT_EQ(mapi.noteText, texts.record);
  EXPECT_EQ(mapi.originator.recipientClass, 0u);
  EXPECT_EQ(mapi.originator.name, "jo@example.org");
  EXPECT_EQ(mapi.originator.address, "jo@example.org");
  ASSERT_EQ(mapi.recipients.size(), 1u);
  EXPECT_EQ(mapi.recipients[0].recipientClass, 1u);
  EXPECT_EQ(mapi.recipients[0].name, "gnudb-submit@gnudb.org");
  EXPECT_EQ(mapi.recipients[0].address, "gnudb-submit@gnudb.org");
  EXPECT_EQ(mapi.messageFlags, 0x2u);  // receipt requested
  EXPECT_EQ(mapi.sendFlags, 0x1u);     // logon dialog allowed
}

TEST(FreedbSubmissionForms, NotepadText) {
  SubmissionTexts texts{"cddb rock 7a0b1c09", "# xmcd\r\nPLAYORDER="};
  EXPECT_EQ(NotepadSubmissionText(texts),
            "The following text below must be used to submit a disc to the Freedb database.\r\n"
            "Copy and Paste the items below into your email application.\r\n"
            "Make sure the email message is formatted as a plain text email.\r\n\r\n"
            "<--- To:      --->\r\ngnudb-submit@gnudb.org\r\n\r\n"
            "<--- Subject: --->\r\ncddb rock 7a0b1c09\r\n\r\n"
            "<--- Message: --->\r\n# xmcd\r\nPLAYORDER=");
  EXPECT_EQ(NotepadCommandLine("C:\\Program Files\\Brindlewax\\cddbsub.txt"),
            "notepad.exe \"C:\\Program Files\\Brindlewax\\cddbsub.txt\"");
}

TEST(FreedbSubmissionForms, ModeFromTheFirstLetter) {
  const struct {
    const char* setting;
    SubmissionMode mode;
  } cases[] = {
      {"MAPI", SubmissionMode::kMapi},       {"mapi", SubmissionMode::kMapi},
      {"Notepad", SubmissionMode::kNotepad}, {"n", SubmissionMode::kNotepad},
      {"SMTP", SubmissionMode::kSmtp},       {"", SubmissionMode::kSmtp},
      {"x", SubmissionMode::kSmtp},          {" MAPI", SubmissionMode::kSmtp},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SubmissionModeFromSetting(c.setting), c.mode) << c.setting;
  }
  for (SubmissionMode mode : {SubmissionMode::kSmtp, SubmissionMode::kMapi, SubmissionMode::kNotepad}) {
    EXPECT_EQ(SubmissionModeFromSetting(SubmissionModeSetting(mode)), mode);
  }
}

}  // namespace
}  // namespace freedb
}  // namespace bw
