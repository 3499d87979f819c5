// Submit New Entry of the Add / Edit dialog, end to end: the check of the typed entry with its
// messages and focus, the e-mail dialog talking to a real mail server and to scripted ones that
// refuse at each step, the message handed to a stand-in Mapi32.dll, and the file opened in
// Notepad.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cd_panel_e2e_support.h"
#include "fake_cddb_servers.h"
#include "freedb/freedb_texts.h"
#include "shell/texts.h"
#include "shell/version.h"
#include "smtp_capture_server.h"

namespace {

using fake_freedb::Answer;
using fake_freedb::CddbpServer;
using fake_freedb::Say;
using fake_freedb::SayAndClose;
using fake_freedb::SayInPieces;

constexpr const char* kEmail = "tester@example.org";
constexpr const char* kSubmissionAddress = "gnudb-submit@gnudb.org";
constexpr int kConversationTimeoutMs = 20000;
constexpr const char* kMapiSent = "mapi_sent.txt";  // written by the stand-in Mapi32.dll

// Three tracks of 200, 180 and 150 seconds: offsets 150, 15150 and 28650, the lead-out at
// 39900 (532 seconds), so the disc ID is 13 (digit sums 2 + 4 + 13), 0212 (530 seconds) and 03.
bw::VirtualDisc ThreeTracks() { return cde2e::DiscOfTracks({200, 180, 150}); }
constexpr const char* kDiscId = "13021203";

// What the program writes for that disc with the entry FillThreeTracks types.
std::string ExpectedRecord() {
  return std::string(
             "# xmcd\r\n#\r\n# Track frame offsets:\r\n# 150\r\n# 15150\r\n# 28650\r\n#\r\n"
             "# Disc length: 532 seconds\r\n#\r\n# Revision: 1\r\n# Submitted via: Brindlewax 2.3 ") +
         kMakerWebAddress +
         "\r\n#\r\nDISCID=13021203\r\nDTITLE=The Artist / The Disc\r\nTTITLE0=One\r\n"
         "TTITLE1=Two\r\nTTITLE2=Three\r\nEXTD=Line one\\nLine two\r\nEXTT0=\r\nEXTT1=\r\n"
         "EXTT2=\r\nPLAYORDER=";
}

// What the stand-in Mapi32.dll writes down for that entry sent from the dialog `owner`: no
// session, a logon allowed, a receipt asked for, the user as originator and the submission
// address as the one recipient, no files, and the record as the note text.
std::string ExpectedMapiMessage(HWND owner) {
  char ownerText[32];
  std::snprintf(ownerText, sizeof ownerText, "%08lx",
                static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(owner)));
  const std::string email = std::string("\"") + kEmail + "\"";
  const std::string submission = std::string("\"") + kSubmissionAddress + "\"";
  return std::string("session 0\nowner ") + ownerText +
         "\nflags 1\nreserved 0\nmessage flags 2\nsubject \"cddb rock " + kDiscId +
         "\"\noriginator class 0, name " + email + ", address " + email +
         "\nrecipients 1\nrecipient class 1, name " + submission + ", address " + submission +
         "\nfiles 0\nnote text\n" + ExpectedRecord();
}

// Wine answers a load of Mapi32.dll with its own library, even when a file of that name lies
// beside the program, unless told otherwise for the program in its registry; a variable in
// the program's environment does not reach its loader. While this lives only a Mapi32.dll
// found on the search path is loaded (or none); Windows has no such key and ignores it.
class NativeMapiForProgram {
 public:
  NativeMapiForProgram() {
    const char* overrides = "Software\\Wine\\AppDefaults\\BRINDWAX.EXE\\DllOverrides";
    if (RegCreateKeyExA(HKEY_CURRENT_USER, overrides, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key_, nullptr) != ERROR_SUCCESS) {
      key_ = nullptr;
      return;
    }
    static const char kNative[] = "native";
    RegSetValueExA(key_, "mapi32", 0, REG_SZ, reinterpret_cast<const BYTE*>(kNative),
                   sizeof kNative);
  }
  ~NativeMapiForProgram() {
    if (key_ == nullptr) return;
    RegDeleteValueA(key_, "mapi32");
    RegCloseKey(key_);
  }
  NativeMapiForProgram(const NativeMapiForProgram&) = delete;
  NativeMapiForProgram& operator=(const NativeMapiForProgram&) = delete;

 private:
  HKEY key_ = nullptr;
};

// A mail server from the scripted server: each command's reply as given, the message lines
// after DATA taken in silence up to the lone dot.
struct SmtpReplies {
  Answer greeting = Say("220 test.example ESMTP ready\r\n");
  Answer helo = Say("250 test.example\r\n");
  Answer sender = Say("250 2.1.0 Ok\r\n");
  Answer recipient = Say("250 2.1.5 Ok\r\n");
  Answer data = Say("354 End data with <CR><LF>.<CR><LF>\r\n");
  Answer message = Say("250 2.0.0 Ok: queued\r\n");
};

CddbpServer::Script SmtpScript(SmtpReplies replies) {
  CddbpServer::Script script;
  script.port = 25;
  script.greeting = replies.greeting;
  auto inData = std::make_shared<bool>(false);
  script.answer = [replies, inData](const std::string& line) -> Answer {
    if (*inData) {
      if (line != ".") return Answer{};
      *inData = false;
      return replies.message;
    }
    if (line.rfind("HELO ", 0) == 0) return replies.helo;
    if (line.rfind("MAIL FROM:", 0) == 0) return replies.sender;
    if (line.rfind("RCPT TO:", 0) == 0) return replies.recipient;
    if (line == "DATA") {
      *inData = !replies.data.pieces.empty() && replies.data.pieces[0].bytes.rfind("354", 0) == 0;
      return replies.data;
    }
    if (line == "QUIT") return SayAndClose("221 2.0.0 Bye\r\n");
    return Say("502 5.5.2 Error: command not recognized\r\n");
  };
  return script;
}

class Submission : public testing::Test {
 protected:
  // Starts the program on `disc` with the submission settings and opens the Add / Edit dialog.
  void Open(const bw::VirtualDisc& disc, const char* mode, const char* mailServer = "127.0.0.1") {
    session_.folder.WriteIni("CDDB", "EMailAddress", kEmail);
    session_.folder.WriteIni("CDDB", "MailServer", mailServer);
    session_.folder.WriteIni("CDDB", "CDDBSubmissionMode", mode);
    ASSERT_TRUE(session_.Start(&disc));
    ASSERT_TRUE(session_.WaitForState(kTextPlayStateReady));
    session_.Press(IDC_CD_ADD_ENTRY);
    dialog_ = session_.program.WaitForWindow(kTextDiscInfoDialogTitle, 5000);
    ASSERT_NE(dialog_, nullptr);
    e2e::Sleep(300);  // the opening animation
  }

  HWND Control(int id) const { return e2e::FindControl(dialog_, id); }
  void Type(int id, const std::string& text) const { e2e::SetText(Control(id), text); }
  std::string Text(int id) const { return e2e::GetText(Control(id)); }

  void FillThreeTracks(const char* category = "Rock") const {
    Type(IDC_DISC_INFO_TITLE_FIRST, "One");
    Type(IDC_DISC_INFO_TITLE_FIRST + 1, "Two");
    Type(IDC_DISC_INFO_TITLE_FIRST + 2, "Three");
    Type(IDC_DISC_INFO_ARTIST, "The Artist");
    Type(IDC_DISC_INFO_DISC_NAME, "The Disc");
    Type(IDC_DISC_INFO_CATEGORY, category);
    Type(IDC_DISC_INFO_NOTES, "Line one\r\nLine two");
  }

  void PressSubmit() const { e2e::ClickId(dialog_, IDC_DISC_INFO_SUBMIT); }

  HWND SubmitByEmail() const {
    PressSubmit();
    return session_.program.WaitForWindow(kTextSmtpDialogTitle, 5000);
  }

  static std::string Status(HWND smtp) {
    return e2e::GetText(e2e::FindControl(smtp, IDC_SMTP_SUBMISSION_STATUS));
  }
  static std::string Caption(HWND smtp) {
    return e2e::GetText(e2e::FindControl(smtp, IDC_SMTP_SUBMISSION_CAPTION));
  }

  // Waits for the conversation to be over (the button reads OK) with `status` shown.
  static void ExpectEnds(HWND smtp, const std::string& status) {
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return Caption(smtp) == kTextCaptionOk && Status(smtp) == status; },
        kConversationTimeoutMs))
        << "status \"" << Status(smtp) << "\", caption " << Caption(smtp);
  }

  void CloseSmtpDialog(HWND smtp) const {
    e2e::ClickId(smtp, IDC_SMTP_SUBMISSION_BUTTON);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(smtp); }, 5000));
  }

  // The text of the message box the program shows, which is then closed.
  std::string TakeMessage() const {
    HWND box = session_.program.WaitForWindow(kTextMessageBoxTitle, 5000);
    if (box == nullptr) return "<no message>";
    const std::string text = e2e::GetText(e2e::FindControl(box, IDC_MESSAGE_BOX_TEXT));
    e2e::ClickId(box, IDC_MESSAGE_BOX_OK);
    e2e::WaitUntil([&] { return !IsWindow(box); }, 5000);
    return text;
  }

  // The control of the dialog that has the keyboard focus, once the focus has settled there.
  int FocusedId(int expected) const {
    int id = 0;
    e2e::WaitUntil([&] {
      GUITHREADINFO info{};
      info.cbSize = sizeof info;
      const DWORD thread = GetWindowThreadProcessId(dialog_, nullptr);
      id = GetGUIThreadInfo(thread, &info) && info.hwndFocus != nullptr
               ? GetDlgCtrlID(info.hwndFocus)
               : 0;
      return id == expected;
    }, 3000);
    return id;
  }

  // Puts `built` (a library of the build folder) beside the program as Mapi32.dll.
  void InstallMapiLibrary(const char* built) const {
    ASSERT_TRUE(CopyFileA((e2e::BuiltProgramDir() + built).c_str(),
                          session_.folder.File("Mapi32.dll").c_str(), FALSE))
        << "cannot copy " << built;
  }
  void InstallMapiStandIn() const { InstallMapiLibrary("mapi_stand_in.dll"); }

  // What the stand-in was handed at the last Submit; empty when it was not called.
  std::string TakeMapiMessage() const {
    e2e::WaitUntil([&] { return session_.folder.Exists(kMapiSent); }, 5000);
    const std::string sent = session_.folder.ReadFile(kMapiSent);
    DeleteFileA(session_.folder.File(kMapiSent).c_str());
    return sent;
  }
  // The result the stand-in gives its next callers.
  void AnswerMapiWith(int result) const {
    session_.folder.WriteTextFile("mapi_result.txt", std::to_string(result));
  }

  bool NoMessageBox() const {
    e2e::Sleep(500);
    return e2e::FindTopWindow(kTextMessageBoxTitle, session_.program.ProcessId()) == nullptr;
  }

  bool NoEmailDialog() const {
    e2e::Sleep(300);
    return e2e::FindTopWindow(kTextSmtpDialogTitle, session_.program.ProcessId()) == nullptr;
  }

  NativeMapiForProgram nativeMapi_;
  cde2e::CdPlayerSession session_;
  HWND dialog_ = nullptr;
};

TEST_F(Submission, RealMailServerReceivesTheHeadersAndTheRecord) {
  e2e::SmtpCaptureServer server;
  ASSERT_TRUE(server.WaitReady()) << "the Python mail server did not start";
  Open(ThreeTracks(), "SMTP");
  EXPECT_EQ(Text(IDC_DISC_INFO_DISC_ID), kDiscId);
  FillThreeTracks("Rock");
  HWND smtp = SubmitByEmail();
  ASSERT_NE(smtp, nullptr);
  ExpectEnds(smtp, kTextDiscSent);
  e2e::SaveScreenshot(smtp, "smtp_submission_sent");
  ASSERT_TRUE(server.WaitForMessage(5000));
  EXPECT_EQ(server.Envelope(), std::string("HELO Brindlewax\nMAIL FROM ") + kEmail +
                                   "\nRCPT TO " + kSubmissionAddress + "\n");
  // The category goes in lower case; an empty line ends the header.
  EXPECT_EQ(server.Data(), std::string("From: ") + kEmail + "\r\nTo: " + kSubmissionAddress +
                               "\r\nSubject: cddb rock " + kDiscId + "\r\n\r\n" +
                               ExpectedRecord() + "\r\n");
  CloseSmtpDialog(smtp);
}

// Every refusal ends in its own text and a QUIT, never in the success text.
TEST_F(Submission, RefusalAtEachStepKeepsItsErrorText) {
  Open(ThreeTracks(), "SMTP");
  FillThreeTracks();
  struct Case {
    const char* name;
    SmtpReplies replies;
    const char* status;
    const char* lastCommand;
  };
  std::vector<Case> cases(6);
  cases[0] = {"greeting", {}, kTextSmtpCommunicationProblem, "QUIT"};
  cases[0].replies.greeting = Say("554 5.3.2 No service here\r\n");
  cases[1] = {"HELO", {}, kTextHeloCommandProblem, "HELO Brindlewax"};
  cases[1].replies.helo = Say("501 5.5.4 Syntax\r\n");
  cases[2] = {"sender", {}, kTextEmailAddressProblem, "MAIL FROM:<tester@example.org>"};
  cases[2].replies.sender = Say("553 5.1.8 Sender refused\r\n");
  cases[3] = {"recipient", {}, kTextFreedbAddressProblem, "RCPT TO:<gnudb-submit@gnudb.org>"};
  cases[3].replies.recipient = Say("550 5.1.1 No such user\r\n");
  cases[4] = {"DATA", {}, kTextDataCommandProblem, "DATA"};
  cases[4].replies.data = Say("451 4.3.0 Try later\r\n");
  cases[5] = {"message", {}, kTextDiscInformationProblem, "."};
  cases[5].replies.message = Say("554 5.7.1 Message refused\r\n");
  for (const Case& step : cases) {
    SCOPED_TRACE(step.name);
    CddbpServer server(SmtpScript(step.replies));
    ASSERT_TRUE(server.Listening());
    HWND smtp = SubmitByEmail();
    ASSERT_NE(smtp, nullptr);
    ExpectEnds(smtp, step.status);
    ASSERT_TRUE(e2e::WaitUntil([&] { return server.FinishedConnections() == 1; }, 5000));
    const std::vector<std::string> lines = server.Lines();
    ASSERT_GE(lines.size(), 1u);
    EXPECT_EQ(lines.back(), "QUIT");
    if (lines.size() >= 2) {
      EXPECT_EQ(lines[lines.size() - 2], step.lastCommand);
    }
    e2e::Sleep(200);
    EXPECT_EQ(Status(smtp), step.status);
    if (std::string(step.name) == "message") e2e::SaveScreenshot(smtp, "smtp_submission_refused");
    CloseSmtpDialog(smtp);
  }
}

// A greeting of three lines over three reads and a reply cut in two are each judged whole.
TEST_F(Submission, SplitGreetingAndRepliesAreJudgedWhole) {
  SmtpReplies replies;
  replies.greeting = SayInPieces(
      "220-test.example ESMTP\r\n220-no unsolicited mail\r\n220 ready\r\n", {12, 40}, 300);
  replies.sender = SayInPieces("250 2.1.0 Ok\r\n", {2}, 300);
  CddbpServer server(SmtpScript(replies));
  ASSERT_TRUE(server.Listening());
  Open(ThreeTracks(), "SMTP");
  FillThreeTracks();
  HWND smtp = SubmitByEmail();
  ASSERT_NE(smtp, nullptr);
  ExpectEnds(smtp, kTextDiscSent);
  const std::vector<std::string> lines = server.Lines();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "HELO Brindlewax");
  EXPECT_EQ(lines[1], "MAIL FROM:<tester@example.org>");
  EXPECT_EQ(lines[2], "RCPT TO:<gnudb-submit@gnudb.org>");
  EXPECT_EQ(lines[3], "DATA");
  EXPECT_EQ(lines.back(), "QUIT");
  CloseSmtpDialog(smtp);
}

// No mail server named: the dialog says so at once and talks to nobody.
TEST_F(Submission, EmptyMailServerIsAnInvalidAddress) {
  Open(ThreeTracks(), "SMTP", "");
  FillThreeTracks();
  HWND smtp = SubmitByEmail();
  ASSERT_NE(smtp, nullptr);
  ExpectEnds(smtp, kTextInvalidSmtpServer);
  CloseSmtpDialog(smtp);
}

TEST_F(Submission, NotepadFileHoldsTheAddressSubjectAndRecord) {
  Open(ThreeTracks(), "Notepad");
  FillThreeTracks("Rock");
  session_.folder.WriteTextFile("cddbsub.txt", "an earlier submission, longer than nothing");
  PressSubmit();
  const std::string expected =
      std::string(kTextNotepadIntroduction) + "\r\n\r\n<--- To:      --->\r\n" +
      kSubmissionAddress + "\r\n\r\n<--- Subject: --->\r\ncddb rock " + kDiscId +
      "\r\n\r\n<--- Message: --->\r\n" + ExpectedRecord();
  EXPECT_TRUE(e2e::WaitUntil(
      [&] { return session_.folder.ReadFile("cddbsub.txt") == expected; }, 5000))
      << session_.folder.ReadFile("cddbsub.txt");
  // Notepad shows the file; the test closes it.
  HWND notepad = nullptr;
  EXPECT_TRUE(e2e::WaitUntil([&] {
    notepad = FindWindowA("Notepad", nullptr);
    return notepad != nullptr;
  }, 10000)) << "Notepad did not start";
  if (notepad != nullptr) PostMessageA(notepad, WM_CLOSE, 0, 0);
  EXPECT_TRUE(NoEmailDialog());
}

TEST_F(Submission, MapiGetsTheAddressesSubjectAndRecordFromTheDialog) {
  InstallMapiStandIn();
  Open(ThreeTracks(), "MAPI");
  FillThreeTracks("Rock");
  PressSubmit();
  EXPECT_EQ(TakeMapiMessage(), ExpectedMapiMessage(dialog_));
  // A sent message is not reported, and neither the e-mail dialog nor Notepad comes up.
  EXPECT_TRUE(NoMessageBox());
  EXPECT_TRUE(NoEmailDialog());
  EXPECT_FALSE(session_.folder.Exists("cddbsub.txt"));
  EXPECT_TRUE(IsWindow(dialog_));
}

// The mail program's refusal is shown with its number; the user's own cancel is not. A missing
// library, or one without MAPISendMail, says so. The library is loaded anew at each Submit.
TEST_F(Submission, MapiFailuresAreShownButTheUsersCancelIsNot) {
  Open(ThreeTracks(), "mapi");
  FillThreeTracks();
  PressSubmit();
  EXPECT_EQ(TakeMessage(), kTextMapiMissing);

  InstallMapiLibrary("WaxAnim.dll");  // a library of resources only: no MAPISendMail
  PressSubmit();
  EXPECT_EQ(TakeMessage(), kTextMapiMissing);

  InstallMapiStandIn();
  AnswerMapiWith(14);  // MAPI_E_UNKNOWN_RECIPIENT
  PressSubmit();
  e2e::SaveScreenshot(session_.program.WaitForWindow(kTextMessageBoxTitle, 5000),
                      "mapi_submission_refused");
  EXPECT_EQ(TakeMessage(), std::string(kTextMapiSendFailed) + "14.");
  EXPECT_EQ(TakeMapiMessage(), ExpectedMapiMessage(dialog_));

  AnswerMapiWith(1);  // MAPI_USER_ABORT
  PressSubmit();
  EXPECT_FALSE(TakeMapiMessage().empty()) << "the stand-in was not called";
  EXPECT_TRUE(NoMessageBox());
  EXPECT_TRUE(NoEmailDialog());
}

// Each missing or wrong field is named, its control takes the focus, and nothing is sent.
TEST_F(Submission, CheckNamesTheMissingFieldAndFocusesIt) {
  Open(ThreeTracks(), "SMTP");
  FillThreeTracks();
  const std::string required = kTextRequiredFieldPrefix;
  Type(IDC_DISC_INFO_TITLE_FIRST + 2, "");
  PressSubmit();
  EXPECT_EQ(TakeMessage(), required + "Track 3.");
  EXPECT_EQ(FocusedId(IDC_DISC_INFO_TITLE_FIRST + 2), IDC_DISC_INFO_TITLE_FIRST + 2);
  Type(IDC_DISC_INFO_TITLE_FIRST + 2, "Three");

  Type(IDC_DISC_INFO_ARTIST, "");
  PressSubmit();
  EXPECT_EQ(TakeMessage(), required + "Artist.");
  EXPECT_EQ(FocusedId(IDC_DISC_INFO_ARTIST), IDC_DISC_INFO_ARTIST);
  Type(IDC_DISC_INFO_ARTIST, "The Artist");

  Type(IDC_DISC_INFO_DISC_NAME, "");
  PressSubmit();
  EXPECT_EQ(TakeMessage(), required + "Disc Name.");
  EXPECT_EQ(FocusedId(IDC_DISC_INFO_DISC_NAME), IDC_DISC_INFO_DISC_NAME);
  Type(IDC_DISC_INFO_DISC_NAME, "The Disc");

  const std::string valid =
      "\nValid categories for Freedb are: Blues, Classical, Country, Data, Folk, Jazz, Misc, "
      "Newage, Reggae, Rock, or Soundtrack.";
  Type(IDC_DISC_INFO_CATEGORY, "");
  PressSubmit();
  EXPECT_EQ(TakeMessage(), required + "Category." + valid);
  EXPECT_EQ(FocusedId(IDC_DISC_INFO_CATEGORY), IDC_DISC_INFO_CATEGORY);

  Type(IDC_DISC_INFO_CATEGORY, "Pop");
  PressSubmit();
  EXPECT_EQ(TakeMessage(),
            "The provided category name is invalid for Freedb submission. Name: Pop" + valid);
  EXPECT_EQ(FocusedId(IDC_DISC_INFO_CATEGORY), IDC_DISC_INFO_CATEGORY);
  EXPECT_TRUE(NoEmailDialog());
}

// The 17th title is on the second page: the dialog turns to it and focuses its row.
TEST_F(Submission, EmptySeventeenthTitleTurnsToItsPage) {
  Open(cde2e::DiscOfEqualTracks(20, 100), "SMTP");
  for (int row = 0; row < 15; ++row) {
    Type(IDC_DISC_INFO_TITLE_FIRST + row, "Song " + std::to_string(row + 1));
  }
  e2e::ClickId(dialog_, IDC_DISC_INFO_PAGE_DOWN);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Text(IDC_DISC_INFO_NUMBER_FIRST) == "16"; }, 3000));
  for (int row : {0, 2, 3, 4}) Type(IDC_DISC_INFO_TITLE_FIRST + row, "Later song");
  e2e::ClickId(dialog_, IDC_DISC_INFO_PAGE_UP);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Text(IDC_DISC_INFO_NUMBER_FIRST) == "1"; }, 3000));
  Type(IDC_DISC_INFO_ARTIST, "The Artist");
  Type(IDC_DISC_INFO_DISC_NAME, "The Disc");
  Type(IDC_DISC_INFO_CATEGORY, "misc");

  PressSubmit();
  EXPECT_EQ(TakeMessage(), std::string(kTextRequiredFieldPrefix) + "Track 17.");
  EXPECT_TRUE(e2e::WaitUntil([&] { return Text(IDC_DISC_INFO_NUMBER_FIRST) == "16"; }, 3000));
  EXPECT_EQ(Text(IDC_DISC_INFO_NUMBER_FIRST + 1), "17");
  EXPECT_EQ(FocusedId(IDC_DISC_INFO_TITLE_FIRST + 1), IDC_DISC_INFO_TITLE_FIRST + 1);
  // The titles typed on both pages are still there.
  EXPECT_EQ(Text(IDC_DISC_INFO_TITLE_FIRST), "Later song");
  e2e::SaveScreenshot(dialog_, "submission_seventeenth_title");
  EXPECT_TRUE(NoEmailDialog());
}

}  // namespace
