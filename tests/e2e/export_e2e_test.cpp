// Export to Text File opened from Garnish: both forms written as the command-line export
// writes them, the overwrite question answered both ways, and the destination rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cddb/database_format.h"
#include "filetools/filetools_texts.h"
#include "garnish_e2e_support.h"
#include "shell_e2e_support.h"

namespace {

using cde2e::CdPlayerSession;
using garnishe2e::QuotedFolder;
using garnishe2e::RunCommandLine;
using garnishe2e::Text;
using garnishe2e::WaitGone;

class ExportDialog : public ::testing::Test {
 protected:
  HWND Open(const std::vector<garnishe2e::TestEntry>& entries) {
    bw::Database catalogue = session.Catalogue();
    garnishe2e::AppendEntries(catalogue, entries);
    garnish = garnishe2e::OpenGarnish(session, nullptr);
    if (garnish == nullptr) return nullptr;
    e2e::ClickId(garnish, IDC_GARNISH_EXPORT);
    dialog = session.program.WaitForWindow(kTextExportTitle, 5000);
    return dialog;
  }

  std::string Field(int id) const { return Text(dialog, id); }
  bool WaitForStatus(const std::string& text) const {
    return e2e::WaitUntil([&] { return Field(IDC_EXPORT_STATUS) == text; }, 10000);
  }
  void Click(int id) const { e2e::ClickId(dialog, id); }
  // Clicks a radio button or check box and waits until it shows `checked`.
  void Set(int id, bool checked) const {
    HWND button = e2e::FindControl(dialog, id);
    if ((SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) == checked) return;
    e2e::Click(button);
    EXPECT_TRUE(e2e::WaitUntil([&] {
      return (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) == checked;
    }, 3000));
  }
  // Types into the destination and leaves it through Enter.
  void TypeDestination(const std::string& text) const {
    ASSERT_TRUE(shelle2e::TypeByMnemonic(dialog, IDC_EXPORT_PATH, 'D', text));
  }
  // The box that comes up (message or question) with its text; answered with `ok`.
  std::string AnswerBox(const char* title, int text, int button) const {
    HWND box = session.program.WaitForWindow(title, 4000);
    if (box == nullptr) return "<no box>";
    const std::string shown = Text(box, text);
    e2e::ClickId(box, button);
    WaitGone(session, title);
    return shown;
  }

  CdPlayerSession session;
  HWND garnish = nullptr;
  HWND dialog = nullptr;
};

// Texts a spreadsheet reader has to get back whole: quotes, commas and a line break.
const std::vector<garnishe2e::TestEntry> kEntries = {
    {"Zeta \"Z\" Band", "Twelve, Inch", {200, 180}},
    {"Alpha", "12\" Mix", {61}},
    {"mid, dle", "Plain", {100, 110, 120}},
};

TEST_F(ExportDialog, BothFormsAreWrittenAsTheCommandLineWritesThem) {
  ASSERT_NE(Open(kEntries), nullptr);
  e2e::Sleep(400);  // the opening animation
  e2e::SaveScreenshot(dialog, "export_dialog");
  const std::string destination = session.folder.File(kTextExportFileName);
  EXPECT_EQ(Field(IDC_EXPORT_PATH), destination);
  for (int id = IDC_EXPORT_ITEM_FIRST; id <= IDC_EXPORT_ITEM_LAST; ++id) {
    EXPECT_EQ(SendMessageA(e2e::FindControl(dialog, id), BM_GETCHECK, 0, 0), BST_CHECKED);
  }

  // Plain text, sorted by artist.
  Click(IDC_EXPORT_START);
  ASSERT_TRUE(WaitForStatus(kTextToolDone));
  e2e::Sleep(300);
  e2e::SaveScreenshot(dialog, "export_dialog_done");
  ASSERT_EQ(RunCommandLine("db " + QuotedFolder(session.folder) + " export --plain --sorted \"" +
                           session.folder.File("plain.txt") + "\""), 0);
  const std::string plain = session.folder.ReadFile(kTextExportFileName);
  EXPECT_EQ(plain, session.folder.ReadFile("plain.txt"));
  EXPECT_EQ(plain.rfind("Alpha\r\n", 0), 0u) << plain;

  // Delimited text in file order over the old file: the question answered Yes.
  Set(IDC_EXPORT_DELIMITED, true);
  Set(IDC_EXPORT_SORT_NO, true);
  Click(IDC_EXPORT_START);
  EXPECT_EQ(AnswerBox(kTextQuestionBoxTitle, IDC_QUESTION_BOX_TEXT, IDC_QUESTION_BOX_OK),
            kTextExportAskOverwrite);
  ASSERT_TRUE(WaitForStatus(kTextToolDone));
  ASSERT_EQ(RunCommandLine("db " + QuotedFolder(session.folder) + " export --delimited \"" +
                           session.folder.File("delimited.txt") + "\""), 0);
  const std::string delimited = session.folder.ReadFile(kTextExportFileName);
  EXPECT_EQ(delimited, session.folder.ReadFile("delimited.txt"));
  EXPECT_EQ(delimited.rfind("\"Zeta \"\"Z\"\" Band\",\"Twelve, Inch\",6:20,1,", 0), 0u)
      << delimited;

  // Answered No: the file stays and the status says why.
  Set(IDC_EXPORT_PLAIN, true);
  Click(IDC_EXPORT_START);
  EXPECT_EQ(AnswerBox(kTextQuestionBoxTitle, IDC_QUESTION_BOX_TEXT, IDC_QUESTION_BOX_CANCEL),
            kTextExportAskOverwrite);
  ASSERT_TRUE(WaitForStatus(kTextExportKept));
  EXPECT_EQ(session.folder.ReadFile(kTextExportFileName), delimited);
  EXPECT_FALSE(session.folder.Exists(std::string(kTextExportFileName) + ".new"));

  Click(IDC_EXPORT_OK);
  EXPECT_TRUE(WaitGone(session, kTextExportTitle));
}

TEST_F(ExportDialog, DestinationKeepsOnlyItsFolderAndRefusesABadOne) {
  ASSERT_NE(Open({{"Only Artist", "Only Disc", {100}}}), nullptr);
  const std::string sub = session.folder.File("out");
  ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));

  // A typed file name gives way to export.txt in its folder.
  TypeDestination(sub + "\\mine.csv");
  const std::string wanted = sub + "\\" + kTextExportFileName;
  EXPECT_TRUE(e2e::WaitUntil([&] { return Field(IDC_EXPORT_PATH) == wanted; }, 3000))
      << Field(IDC_EXPORT_PATH);

  // A folder that does not exist: "Invalid path!", and nothing is written into it.
  TypeDestination(session.folder.File("missing") + "\\x.txt");
  EXPECT_EQ(AnswerBox(kTextMessageBoxTitle, IDC_MESSAGE_BOX_TEXT, IDC_MESSAGE_BOX_OK),
            kTextExportInvalidPath);
  Click(IDC_EXPORT_START);
  EXPECT_EQ(AnswerBox(kTextMessageBoxTitle, IDC_MESSAGE_BOX_TEXT, IDC_MESSAGE_BOX_OK),
            kTextExportInvalidPath);
  EXPECT_FALSE(session.folder.Exists("missing"));

  // No item chosen: the status says so before anything else.
  for (int id = IDC_EXPORT_ITEM_FIRST; id <= IDC_EXPORT_ITEM_LAST; ++id) Set(id, false);
  Click(IDC_EXPORT_START);
  ASSERT_TRUE(WaitForStatus(kTextExportNoItems));

  // Artist and disc name into the good folder: one entry, written without sorting.
  TypeDestination(sub);
  EXPECT_TRUE(e2e::WaitUntil([&] { return Field(IDC_EXPORT_PATH) == wanted; }, 3000));
  Set(IDC_EXPORT_ITEM_FIRST, true);
  Set(IDC_EXPORT_ITEM_FIRST + 1, true);
  Click(IDC_EXPORT_START);
  ASSERT_TRUE(WaitForStatus(kTextToolDone));
  EXPECT_EQ(session.folder.ReadFile("out\\export.txt"), "Only Artist\r\nOnly Disc\r\n\r\n");
  Click(IDC_EXPORT_OK);
  EXPECT_TRUE(WaitGone(session, kTextExportTitle));
}

TEST_F(ExportDialog, BrowseReplacesTheFolderAndKeepsTheFileName) {
  ASSERT_NE(Open({{"Only Artist", "Only Disc", {100}}}), nullptr);
  ASSERT_TRUE(CreateDirectoryA(session.folder.File("chosen").c_str(), nullptr));
  Click(IDC_EXPORT_BROWSE);
  HWND browser = session.program.WaitForWindow(kTextExportPathSetup, 5000);
  ASSERT_NE(browser, nullptr);
  // It starts at the destination's folder; a double click on a subfolder goes into it.
  HWND folders = e2e::FindControl(browser, IDC_FOLDER_BROWSER_DIRECTORIES);
  const LRESULT line = SendMessageA(folders, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>("chosen"));
  ASSERT_NE(line, LB_ERR);
  SendMessageA(folders, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
  PostMessageA(browser, WM_COMMAND, MAKEWPARAM(IDC_FOLDER_BROWSER_DIRECTORIES, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(folders));
  ASSERT_TRUE(e2e::WaitUntil([&] {
    const std::string location = Text(browser, IDC_FOLDER_BROWSER_LOCATION);
    return location.size() > 7 && location.substr(location.size() - 7) == "chosen\\";
  }, 5000)) << Text(browser, IDC_FOLDER_BROWSER_LOCATION);
  e2e::ClickId(browser, IDC_FOLDER_BROWSER_OK);
  ASSERT_TRUE(WaitGone(session, kTextExportPathSetup));
  const std::string path = Field(IDC_EXPORT_PATH);
  const std::string tail = std::string("chosen\\") + kTextExportFileName;
  ASSERT_GT(path.size(), tail.size());
  EXPECT_EQ(path.substr(path.size() - tail.size()), tail);

  Set(IDC_EXPORT_DELIMITED, true);
  Click(IDC_EXPORT_START);
  ASSERT_TRUE(WaitForStatus(kTextToolDone));
  EXPECT_EQ(session.folder.ReadFile("chosen\\export.txt"),
            "\"Only Artist\",\"Only Disc\",1:40,1,\"Track 1\",1:40,,\"\",\"\",\"\","
            "\"AAD\",\"Album\",\"5 Inch\",\r\n");
  Click(IDC_EXPORT_OK);
  EXPECT_TRUE(WaitGone(session, kTextExportTitle));
}

}  // namespace
