// Create HTML Document opened from Garnish: a run with the default template writes the page the
// command-line generator writes, sorts the catalogue and copies the template's pictures; OK
// stores the choices; a destination without a file name is refused and the last one kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "garnish_e2e_support.h"
#include "shell_e2e_support.h"
#include "web/web_texts.h"

namespace {

using cde2e::CdPlayerSession;
using garnishe2e::QuotedFolder;
using garnishe2e::RunCommandLine;
using garnishe2e::Text;

const std::vector<garnishe2e::TestEntry> kEntries = {
    {"Zeta & Sons", "Last <Light>", {200, 180}},
    {"alpha", "First", {61}},
    {"Mid", "Middle", {100, 110, 120}},
};

class HtmlDocument : public ::testing::Test {
 protected:
  void SetUp() override {
    // The default template set lies beside the program, where the dialog looks first.
    for (const char* name : {"Default.wt", "Default.htm", "Default.gif", "Defs.gif"}) {
      ASSERT_TRUE(CopyFileA((e2e::BuiltProgramDir() + name).c_str(),
                            session.folder.File(name).c_str(), FALSE)) << name;
    }
    ASSERT_TRUE(CreateDirectoryA(session.folder.File("pages").c_str(), nullptr));
    bw::Database catalogue = session.Catalogue();
    garnishe2e::AppendEntries(catalogue, kEntries);
    garnish = garnishe2e::OpenGarnish(session, nullptr);
    ASSERT_NE(garnish, nullptr);
    e2e::ClickId(garnish, IDC_GARNISH_CREATE_HTML);
    dialog = session.program.WaitForWindow(bw::kTextWebDialogTitle, 5000);
    ASSERT_NE(dialog, nullptr);
    e2e::Sleep(400);  // the opening animation
  }

  void Check(int id) const {
    HWND button = e2e::FindControl(dialog, id);
    if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) return;
    e2e::Click(button);
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 3000)) << id;
  }

  // Types into the destination field and takes it with Enter, as a user does.
  void TypeDestination(const std::string& text) const {
    ASSERT_TRUE(shelle2e::TypeByMnemonic(dialog, IDC_HTML_DESTINATION, 'D', text));
  }

  CdPlayerSession session;
  HWND garnish = nullptr;
  HWND dialog = nullptr;
};

TEST_F(HtmlDocument, StartWritesTheSortedPageWithTheTemplateAndOkStoresTheSettings) {
  for (int id = IDC_HTML_ITEM_FIRST; id <= IDC_HTML_ITEM_LAST; ++id) {
    EXPECT_EQ(SendMessageA(e2e::FindControl(dialog, id), BM_GETCHECK, 0, 0), BST_CHECKED) << id;
  }
  EXPECT_EQ(Text(dialog, IDC_HTML_TEMPLATE_FOLDER), session.folder.Path());
  EXPECT_EQ(Text(dialog, IDC_HTML_DESTINATION), session.folder.File(bw::kTextWebDefaultFileName));

  HWND list = e2e::FindControl(dialog, IDC_HTML_TEMPLATE_LIST);
  const LRESULT found = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>("Default.wt"));
  ASSERT_NE(found, LB_ERR);
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
  e2e::ClickId(dialog, IDC_HTML_SELECT);

  Check(IDC_HTML_SINGLE_PAGE);
  Check(IDC_HTML_TABLE);
  Check(IDC_HTML_SORT_YES);
  Check(IDC_HTML_CONTENTS_ARTIST);
  Check(IDC_HTML_HEADING_ARTIST);
  Check(IDC_HTML_SIZE_LARGE);
  Check(IDC_HTML_NAMES_ON);
  const std::string page = session.folder.File("pages\\index.htm");
  TypeDestination(page);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Text(dialog, IDC_HTML_DESTINATION) == page; }, 3000));

  e2e::ClickId(dialog, IDC_HTML_START);
  ASSERT_TRUE(e2e::WaitUntil([&] { return Text(dialog, IDC_HTML_STATUS) == bw::kTextWebDone; },
                             20000)) << Text(dialog, IDC_HTML_STATUS);
  e2e::Sleep(300);
  e2e::SaveScreenshot(dialog, "html_document_done");

  // The same page from the command line, over the catalogue the dialog has just sorted.
  ASSERT_TRUE(CreateDirectoryA(session.folder.File("cli").c_str(), nullptr));
  ASSERT_EQ(RunCommandLine("html " + QuotedFolder(session.folder) + " \"" +
                           session.folder.File("cli\\index.htm") +
                           "\" --table --contents artist --heading artist --size large --template \"" +
                           session.folder.File("Default.wt") + "\""), 0);
  const std::string written = session.folder.ReadFile("pages\\index.htm");
  EXPECT_EQ(written, session.folder.ReadFile("cli\\index.htm"));
  EXPECT_NE(written.find("Zeta &amp; Sons"), std::string::npos);
  EXPECT_LT(written.find("alpha"), written.find("Mid"));
  EXPECT_LT(written.find("Mid"), written.find("Zeta"));
  EXPECT_EQ(session.folder.ReadFile("pages\\Default.gif"), session.folder.ReadFile("Default.gif"));
  EXPECT_EQ(session.folder.ReadFile("pages\\Defs.gif"), session.folder.ReadFile("Defs.gif"));

  e2e::ClickId(dialog, IDC_HTML_OK);
  ASSERT_TRUE(garnishe2e::WaitGone(session, bw::kTextWebDialogTitle));
  EXPECT_EQ(session.folder.ReadIni("WEB", "DestinationPath"), session.folder.File("pages\\"));
  EXPECT_EQ(session.folder.ReadIni("WEB", "DestinationFileName"), "index.htm");
  EXPECT_EQ(session.folder.ReadIni("WEB", "TemplateFileName"), "Default.wt");
  EXPECT_EQ(session.folder.ReadIni("WEB", "HTMLOutput"), "Single");
  EXPECT_EQ(session.folder.ReadIni("WEB", "DatabaseOutput"), "Table");
  EXPECT_EQ(session.folder.ReadIni("WEB", "Sorting"), "Yes");
}

TEST_F(HtmlDocument, DestinationWithoutAFileNameIsRefused) {
  const std::string before = Text(dialog, IDC_HTML_DESTINATION);
  TypeDestination(session.folder.File("pages\\"));
  HWND box = session.program.WaitForWindow(kTextMessageBoxTitle, 4000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Text(box, IDC_MESSAGE_BOX_TEXT), bw::kTextWebNoDestinationName);
  e2e::ClickId(box, IDC_MESSAGE_BOX_OK);
  ASSERT_TRUE(garnishe2e::WaitGone(session, kTextMessageBoxTitle));
  EXPECT_EQ(Text(dialog, IDC_HTML_DESTINATION), before);

  TypeDestination(session.folder.File("no such folder\\page.htm"));
  box = session.program.WaitForWindow(kTextMessageBoxTitle, 4000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Text(box, IDC_MESSAGE_BOX_TEXT), kTextInvalidPath);
  e2e::ClickId(box, IDC_MESSAGE_BOX_OK);
  ASSERT_TRUE(garnishe2e::WaitGone(session, kTextMessageBoxTitle));
  EXPECT_EQ(Text(dialog, IDC_HTML_DESTINATION), before);
}

}  // namespace
