// The help file in the system's help viewer: it opens on its contents topic, the help contexts
// that the program's tables name open their topics, and F1 on a control of the running program
// shows that control's help.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "help_viewer_support.h"
#include "shell_e2e_support.h"

namespace {

constexpr DWORD kContextBase = 10000;
constexpr UINT kKeyF1Message = 0x004D;  // what the keyboard turns F1 into (WM_KEYF1)

using e2e::HelpWindow;
using e2e::HelpText;
using e2e::SaveHelpScreenshot;
using e2e::StartsWith;

class HelpViewer : public testing::Test {
 protected:
  void SetUp() override {
    helpFile = folder.File("brindhlp.hlp");
    ASSERT_TRUE(CopyFileA((e2e::BuiltProgramDir() + "brindhlp.hlp").c_str(), helpFile.c_str(), FALSE))
        << "the build did not make brindhlp.hlp";
  }

  void TearDown() override {
    WinHelpA(nullptr, helpFile.c_str(), HELP_QUIT, 0);
    EXPECT_TRUE(e2e::WaitUntil([] { return HelpWindow() == nullptr; }, 10000));
  }

  // Waits until the viewer shows a topic whose text begins with the title; answers the text.
  std::string WaitForTopic(const std::string& title, HWND* window = nullptr) {
    std::string text;
    e2e::WaitUntil(
        [&] {
          HWND help = HelpWindow();
          text = HelpText(help);
          if (window != nullptr) *window = help;
          return StartsWith(text, title);
        },
        15000);
    return text;
  }

  e2e::ProgramFolder folder;
  std::string helpFile;
};

TEST_F(HelpViewer, OpensOnTheContentsTopic) {
  ASSERT_TRUE(WinHelpA(nullptr, helpFile.c_str(), HELP_CONTENTS, 0));
  HWND window = nullptr;
  const std::string text = WaitForTopic("Brindlewax 2.3 Help", &window);
  ASSERT_TRUE(StartsWith(text, "Brindlewax 2.3 Help")) << text.substr(0, 200);
  // The contents list the program's parts by their topics' titles.
  for (const char* title : {"Getting started", "CD Player panel", "Audio panel", "Freedb Setup",
                            "Compact Disc Database Editor", "Installing Brindlewax"}) {
    EXPECT_NE(text.find(title), std::string::npos) << title;
  }
  SaveHelpScreenshot(window, "help_contents");
}

struct FindOwned {
  DWORD processId;
  const char* className;
  HWND found = nullptr;
};

BOOL CALLBACK FindOwnedProc(HWND window, LPARAM data) {
  auto* find = reinterpret_cast<FindOwned*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (pid == find->processId && IsWindowVisible(window) && std::string(className) == find->className) {
    find->found = window;
    return FALSE;
  }
  return TRUE;
}

// A visible top-level window of that class in the process of the given window.
HWND WindowOfSameProcess(HWND window, const char* className) {
  FindOwned find{0, className};
  GetWindowThreadProcessId(window, &find.processId);
  EnumWindows(FindOwnedProc, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

BOOL CALLBACK FindChildOfClassProc(HWND window, LPARAM data) {
  auto* find = reinterpret_cast<FindOwned*>(data);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) == find->className) {
    find->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND ChildOfClass(HWND parent, const char* className) {
  FindOwned find{0, className};
  EnumChildWindows(parent, FindChildOfClassProc, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

BOOL CALLBACK FindButtonProc(HWND window, LPARAM data) {
  auto* find = reinterpret_cast<FindOwned*>(data);
  char text[64] = {};
  GetWindowTextA(window, text, sizeof text);
  std::string label;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c != '&') label += *c;
  }
  if (label == find->className) {
    find->found = window;
    return FALSE;
  }
  return TRUE;
}

// The viewer's button with that label (ampersands left out).
HWND ViewerButton(HWND helpWindow, const char* label) {
  FindOwned find{0, label};
  EnumChildWindows(helpWindow, FindButtonProc, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

TEST_F(HelpViewer, IndexListsTheKeywordsAndOpensTheirTopics) {
  ASSERT_TRUE(WinHelpA(nullptr, helpFile.c_str(), HELP_CONTENTS, 0));
  HWND help = nullptr;
  ASSERT_TRUE(StartsWith(WaitForTopic("Brindlewax 2.3 Help", &help), "Brindlewax 2.3 Help"));
  HWND indexButton = ViewerButton(help, "Index");
  ASSERT_NE(indexButton, nullptr);
  PostMessageA(indexButton, BM_CLICK, 0, 0);
  HWND sheet = nullptr;
  HWND list = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        sheet = WindowOfSameProcess(help, "#32770");
        list = sheet != nullptr ? ChildOfClass(sheet, "ListBox") : nullptr;
        return list != nullptr && SendMessageA(list, LB_GETCOUNT, 0, 0) > 0;
      },
      10000));
  // Every dialog's title is in the index, in alphabetical order.
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  EXPECT_GT(count, 100);
  std::vector<std::string> keywords;
  for (LRESULT i = 0; i < count; ++i) {
    // The viewer's list holds wide strings; read them as such.
    wchar_t text[256] = {};
    if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < 255) {
      SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    }
    char narrow[512] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    keywords.push_back(narrow);
  }
  const auto at = std::find(keywords.begin(), keywords.end(), "Freedb Setup");
  ASSERT_NE(at, keywords.end());
  for (size_t i = 1; i < keywords.size(); ++i) {
    EXPECT_LE(_stricmp(keywords[i - 1].c_str(), keywords[i].c_str()), 0) << keywords[i];
  }
  SendMessageA(list, LB_SETCURSEL, at - keywords.begin(), 0);
  SaveHelpScreenshot(nullptr, "help_index");
  PostMessageA(sheet, WM_COMMAND, IDOK, 0);
  const std::string text = WaitForTopic("Freedb Setup");
  EXPECT_TRUE(StartsWith(text, "Freedb Setup")) << text.substr(0, 200);
}

struct ContextCase {
  DWORD context;
  const char* title;     // the topic's first line
  const char* contains;  // a piece of its text
  const char* screenshot;
};

TEST_F(HelpViewer, HelpContextsOpenTheirTopics) {
  const ContextCase cases[] = {
      // A dialog's own context opens the dialog's topic.
      {kContextBase + IDD_CD_PANEL, "CD Player panel", "Track buttons", "help_cd_player_panel"},
      {kContextBase + IDD_DISC_INFO, "Add / Edit Compact Disc Information", "Submit New Entry", nullptr},
      // A control with a text of its own opens its topic, which names its dialog.
      {kContextBase + IDC_CD_PLAY, "Play\r", "Part of CD Player panel", "help_cd_play"},
      {kContextBase + IDC_DISC_INFO_SUBMIT, "Submit New Entry", "valid category", nullptr},
      {kContextBase + IDC_MAIN_EXIT, "Exit", "saves your settings", nullptr},
      // The MIDI panel's controls are the Audio panel's plus 100.
      {kContextBase + IDC_MEDIA_LOCATION + IDC_MEDIA_ID_STEP, "Location", "MIDI panel", nullptr},
      // Track button 7 lies inside the range of the track buttons' common text.
      {kContextBase + IDC_CD_TRACK_FIRST + 6, "Track buttons", "Play the track", nullptr},
      // An id of the Add/Edit dialog without a text of its own opens the dialog's topic.
      {kContextBase + IDD_DISC_INFO + 99, "Add / Edit Compact Disc Information", "Year Released", nullptr},
  };
  for (const ContextCase& c : cases) {
    SCOPED_TRACE(c.context);
    ASSERT_TRUE(WinHelpA(nullptr, helpFile.c_str(), HELP_CONTEXT, c.context));
    HWND window = nullptr;
    const std::string text = WaitForTopic(c.title, &window);
    EXPECT_TRUE(StartsWith(text, c.title)) << text.substr(0, 200);
    EXPECT_NE(text.find(c.contains), std::string::npos) << text.substr(0, 400);
    if (c.screenshot != nullptr) SaveHelpScreenshot(window, c.screenshot);
  }
}

// F1 on a control of the running program: the program asks the viewer for the control's
// context (Wine's viewer takes only plain contexts, so the program falls back to them).
class ProgramHelp : public HelpViewer {
 protected:
  void SetUp() override {
    HelpViewer::SetUp();
    folder.WriteIni("MAIN", "SoundControls", "Off");
    folder.WriteIni("MAIN", "BrindlewaxMode", "cdplayer");
    ASSERT_TRUE(program.Start(folder));
    main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kCdPlayerTab));
  }

  void TearDown() override {
    HelpViewer::TearDown();
    if (program.IsRunning()) {
      EXPECT_EQ(shelle2e::ExitProgram(program, main), 0);
    }
  }

  void PressF1On(int controlId) {
    HWND control = e2e::FindControl(main, controlId);
    ASSERT_NE(control, nullptr);
    PostMessageA(control, kKeyF1Message, 0, 0);
  }

  e2e::RunningProgram program;
  HWND main = nullptr;
};

TEST_F(ProgramHelp, F1OnAMainWindowButtonShowsItsHelp) {
  PressF1On(IDC_MAIN_SETUP);
  HWND window = nullptr;
  const std::string text = WaitForTopic("Setup", &window);
  EXPECT_TRUE(StartsWith(text, "Setup")) << text.substr(0, 200);
  EXPECT_NE(text.find("Part of Main window"), std::string::npos) << text.substr(0, 400);
  SaveHelpScreenshot(nullptr, "help_f1_main_window");
}

TEST_F(ProgramHelp, F1OnACdPanelButtonShowsItsHelp) {
  PressF1On(IDC_CD_GARNISH);
  const std::string text = WaitForTopic("Garnish");
  EXPECT_TRUE(StartsWith(text, "Garnish")) << text.substr(0, 200);
  EXPECT_NE(text.find("Part of CD Player panel"), std::string::npos) << text.substr(0, 400);
}

}  // namespace
