// The message box and the question box in the running program: their texts, their buttons, what
// closing them answers, and the hover highlight of their skinned buttons.
#include <gtest/gtest.h>

#include "e2e_support.h"
#include "resources/resource.h"
#include "shell/texts.h"

namespace {

void MoveMouseOnto(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

void MoveMouseAway() { SetCursorPos(0, 0); }

// The title-bar close button, as the window manager hands it to the dialog.
void CloseWithTitleBar(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool IsGone(HWND window) {
  return e2e::WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, 5000);
}

// A started program whose Volume button has asked the question (no mixer is chosen yet).
class QuestionBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    MoveMouseAway();
    ASSERT_TRUE(program_.Start(folder_));
    main_ = program_.WaitForMainWindow();
    ASSERT_NE(main_, nullptr) << "no main window";
    e2e::ClickId(main_, IDC_MAIN_VOLUME);
    box_ = program_.WaitForWindow(kTextQuestionBoxTitle);
    ASSERT_NE(box_, nullptr) << "no question box";
  }

  void ExitProgram() {
    e2e::ClickId(main_, IDC_MAIN_EXIT);
    DWORD exitCode = 1;
    ASSERT_TRUE(program_.WaitForExit(15000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
  }

  e2e::ProgramFolder folder_;
  e2e::RunningProgram program_;
  HWND main_ = nullptr;
  HWND box_ = nullptr;
};

TEST_F(QuestionBoxTest, ShowsTheQuestionWithOkAndCancel) {
  EXPECT_EQ(e2e::GetText(e2e::FindControl(box_, IDC_QUESTION_BOX_TEXT)), kTextNoVolumeMixerQuestion);
  HWND ok = e2e::FindControl(box_, IDC_QUESTION_BOX_OK);
  HWND cancel = e2e::FindControl(box_, IDC_QUESTION_BOX_CANCEL);
  ASSERT_NE(ok, nullptr);
  ASSERT_NE(cancel, nullptr);
  EXPECT_TRUE(GetWindowLongA(ok, GWL_STYLE) & BS_OWNERDRAW);
  EXPECT_TRUE(GetWindowLongA(cancel, GWL_STYLE) & BS_OWNERDRAW);
  e2e::Sleep(300);
  e2e::SaveScreenshot(box_, "question_box");
  e2e::Click(cancel);
  ASSERT_TRUE(IsGone(box_));
  ExitProgram();
}

TEST_F(QuestionBoxTest, TitleBarCloseCountsAsCancel) {
  CloseWithTitleBar(box_);
  ASSERT_TRUE(IsGone(box_));
  // Cancel: the volume mixer selection is not opened.
  e2e::Sleep(1000);
  EXPECT_EQ(e2e::FindTopWindow(kTextVolumeMixerDialogTitle, program_.ProcessId()), nullptr);
  ExitProgram();
}

TEST_F(QuestionBoxTest, CancelButtonAnswersCancel) {
  e2e::ClickId(box_, IDC_QUESTION_BOX_CANCEL);
  ASSERT_TRUE(IsGone(box_));
  e2e::Sleep(1000);
  EXPECT_EQ(e2e::FindTopWindow(kTextVolumeMixerDialogTitle, program_.ProcessId()), nullptr);
  ExitProgram();
}

TEST_F(QuestionBoxTest, OkAnswersOk) {
  e2e::ClickId(box_, IDC_QUESTION_BOX_OK);
  ASSERT_TRUE(IsGone(box_));
  HWND selection = program_.WaitForWindow(kTextVolumeMixerDialogTitle);
  ASSERT_NE(selection, nullptr) << "OK did not lead to the volume mixer selection";
  CloseWithTitleBar(selection);
  ASSERT_TRUE(IsGone(selection));
  ExitProgram();
}

TEST_F(QuestionBoxTest, ButtonUnderTheMouseIsHighlighted) {
  HWND cancel = e2e::FindControl(box_, IDC_QUESTION_BOX_CANCEL);
  ASSERT_NE(cancel, nullptr);
  e2e::Sleep(600);  // past the opening and a few hover ticks
  e2e::ScreenPixels resting = e2e::CaptureScreenPixels(cancel);
  MoveMouseOnto(cancel);
  bool highlighted = e2e::WaitUntil([&] { return e2e::CaptureScreenPixels(cancel) != resting; }, 3000);
  EXPECT_TRUE(highlighted) << "the button under the mouse did not change";
  e2e::SaveScreenshot(box_, "question_box_hover");
  MoveMouseAway();
  bool restored = e2e::WaitUntil([&] { return e2e::CaptureScreenPixels(cancel) == resting; }, 3000);
  EXPECT_TRUE(restored) << "the button did not return to its resting look";
  e2e::Click(cancel);
  ASSERT_TRUE(IsGone(box_));
  ExitProgram();
}

// Without the animation library the program says so in its message box and ends on OK.
class MessageBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    MoveMouseAway();
    ASSERT_TRUE(program_.Start(folder_));
    box_ = program_.WaitForWindow(kTextMessageBoxTitle, 20000);
    ASSERT_NE(box_, nullptr) << "no message box";
  }

  void ExpectProgramEnds() {
    DWORD exitCode = 1;
    ASSERT_TRUE(program_.WaitForExit(15000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
  }

  e2e::ProgramFolder folder_{false};
  e2e::RunningProgram program_;
  HWND box_ = nullptr;
};

TEST_F(MessageBoxTest, ShowsTheTextAndOkEndsIt) {
  EXPECT_EQ(e2e::GetText(e2e::FindControl(box_, IDC_MESSAGE_BOX_TEXT)), kTextMissingAnimationLibrary);
  HWND ok = e2e::FindControl(box_, IDC_MESSAGE_BOX_OK);
  ASSERT_NE(ok, nullptr);
  EXPECT_TRUE(GetWindowLongA(ok, GWL_STYLE) & BS_OWNERDRAW);
  EXPECT_EQ(e2e::FindTopWindow(kTextProgramTitle, program_.ProcessId()), nullptr);
  e2e::Sleep(300);
  e2e::SaveScreenshot(box_, "message_box");
  e2e::Click(ok);
  ExpectProgramEnds();
}

TEST_F(MessageBoxTest, TitleBarCloseEndsItToo) {
  CloseWithTitleBar(box_);
  ExpectProgramEnds();
}

// On an 8-bit screen (the 256-colour skins) the box opens, draws and closes the same way.
TEST_F(MessageBoxTest, PaletteModeBoxOpensAndCloses) {
  e2e::Sleep(500);
  e2e::SaveScreenshot(box_, "message_box_palette_mode");
  e2e::ClickId(box_, IDC_MESSAGE_BOX_OK);
  ExpectProgramEnds();
}

}  // namespace
