// The main window's buttons and messages: About, the volume mixer with its question, its
// selection dialog and its failure message, the mouse wheel, and the CD Player notification.
#include <gtest/gtest.h>

#include <string>

#include "shell/texts.h"
#include "shell_e2e_support.h"

namespace {

using shelle2e::ExitProgram;

constexpr int kMessageOk = 610;
constexpr int kMessageText = 620;
constexpr int kQuestionOk = 1010;
constexpr int kQuestionCancel = 1011;
constexpr int kQuestionText = 1020;

class ShellButtons : public testing::Test {
 protected:
  void Start() {
    folder.WriteIni("MAIN", "SoundControls", "Off");
    ASSERT_TRUE(program.Start(folder));
    main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
  }
  void TearDown() override {
    if (program.IsRunning()) {
      EXPECT_EQ(ExitProgram(program, main), 0);
    }
  }
  e2e::ProgramFolder folder;
  e2e::RunningProgram program;
  HWND main = nullptr;
};

TEST_F(ShellButtons, AboutShowsNameAndVersion) {
  Start();
  e2e::ClickId(main, IDC_MAIN_ABOUT);
  HWND about = program.WaitForWindow("About Brindlewax");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(about, IDC_ABOUT_NAME)), "Brindlewax");
  EXPECT_NE(e2e::GetText(e2e::FindControl(about, IDC_ABOUT_VERSION)).find("2.3"), std::string::npos);
  e2e::ClickId(about, IDC_ABOUT_OK);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(about); }, 5000));
}

TEST_F(ShellButtons, VolumeWithoutMixerAsksAndCancelChangesNothing) {
  Start();
  e2e::ClickId(main, IDC_MAIN_VOLUME);
  HWND question = program.WaitForWindow("Brindlewax Question!");
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(question, kQuestionText)), kTextNoVolumeMixerQuestion);
  e2e::Sleep(400);
  e2e::SaveScreenshot(question, "shell_volume_question");
  e2e::ClickId(question, kQuestionCancel);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(question); }, 5000));
  e2e::Sleep(300);
  EXPECT_EQ(program.WaitForWindow(kTextVolumeMixerDialogTitle, 500), nullptr);
  EXPECT_EQ(folder.ReadIni("MAIN", "VolumeApplicationPath"), "<missing>");
}

TEST_F(ShellButtons, VolumeSelectionStoresTheChosenProgram) {
  Start();
  e2e::ClickId(main, IDC_MAIN_VOLUME);
  HWND question = program.WaitForWindow("Brindlewax Question!");
  ASSERT_NE(question, nullptr);
  e2e::ClickId(question, kQuestionOk);
  HWND selection = program.WaitForWindow(kTextVolumeMixerDialogTitle);
  ASSERT_NE(selection, nullptr);
  e2e::Sleep(400);
  e2e::SaveScreenshot(selection, "shell_volume_mixer_selection");
  // A program that is there: the copy of the program itself.
  e2e::SetText(e2e::FindControl(selection, IDC_VOLUME_MIXER_PATH), folder.File("BRINDWAX.EXE"));
  e2e::ClickId(selection, IDC_VOLUME_MIXER_OK);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(selection); }, 5000));
  EXPECT_EQ(folder.ReadIni("MAIN", "VolumeApplicationPath"), folder.Path());
  EXPECT_EQ(folder.ReadIni("MAIN", "VolumeApplicationName"), "BRINDWAX.EXE");
}

TEST_F(ShellButtons, MixerThatCannotStartIsReported) {
  folder.WriteIni("MAIN", "VolumeApplicationPath", "C:\\nowhere\\");
  folder.WriteIni("MAIN", "VolumeApplicationName", "mixer.exe");
  Start();
  e2e::ClickId(main, IDC_MAIN_VOLUME);
  HWND box = program.WaitForWindow("Brindlewax Message");
  ASSERT_NE(box, nullptr);
  const std::string text = e2e::GetText(e2e::FindControl(box, kMessageText));
  EXPECT_EQ(text.rfind(kTextCreateProcessFailed, 0), 0u) << text;
  EXPECT_NE(text.find("C:\\nowhere\\mixer.exe"), std::string::npos) << text;
  e2e::ClickId(box, kMessageOk);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box); }, 5000));
}

TEST_F(ShellButtons, WheelScrollsTheFileListBy25Lines) {
  const std::string music = shelle2e::MakeMediaFolder(folder, "music");
  for (int i = 0; i < 40; ++i) shelle2e::WriteBytes(music + "song" + std::to_string(100 + i) + ".wav", "x");
  folder.WriteIni("MAIN", "BrindlewaxMode", "wave");
  folder.WriteIni("MAIN", "WaveFilesPath", music.c_str());
  Start();
  ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kAudioTab));
  HWND list = e2e::FindControl(main, IDC_MEDIA_LIST);
  ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 40; }, 5000));
  const auto top = [&] { return SendMessageA(list, LB_GETTOPINDEX, 0, 0); };
  ASSERT_EQ(top(), 0);
  PostMessageA(main, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_TRUE(e2e::WaitUntil([&] { return top() == 25; }, 3000)) << top();
  // The older drivers' private message carries the delta in its word parameter.
  const UINT wheelMessage = RegisterWindowMessageA("MSWHEEL_ROLLMSG");
  PostMessageA(main, wheelMessage, WHEEL_DELTA, 0);
  EXPECT_TRUE(e2e::WaitUntil([&] { return top() == 0; }, 3000)) << top();
  PostMessageA(main, wheelMessage, WHEEL_DELTA, 0);
  e2e::Sleep(300);
  EXPECT_EQ(top(), 0);
}

TEST_F(ShellButtons, NotificationMarked6969BringsUpTheCdPlayer) {
  folder.WriteIni("MAIN", "BrindlewaxMode", "midi");
  Start();
  ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kMidiTab));
  PostMessageA(main, WM_NOTIFY, 0, MAKELPARAM(0, 6969));
  EXPECT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kCdPlayerTab));
  EXPECT_FALSE(shelle2e::ShowsPanel(main, shelle2e::kMidiTab));
}

}  // namespace
