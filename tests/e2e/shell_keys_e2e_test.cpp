// The main window's keys: the accelerators reach a media panel only while the focus is not in
// its location edit, Alt+L takes the focus there, F5 refreshes the file list, and Enter leaves
// the location edit for the list.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "shell_e2e_support.h"

namespace {

using shelle2e::ExitProgram;
using shelle2e::FocusOf;
using shelle2e::PostKey;

// A short silent 8-bit mono WAV file.
std::string SilentWav() {
  const uint32_t samples = 1102;
  auto le32 = [](uint32_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 24)};
  };
  auto le16 = [](uint16_t v) { return std::string{static_cast<char>(v), static_cast<char>(v >> 8)}; };
  std::string wav = "RIFF" + le32(36 + samples) + "WAVEfmt " + le32(16) + le16(1) + le16(1) +
                    le32(11025) + le32(11025) + le16(1) + le16(8) + "data" + le32(samples);
  wav += std::string(samples, static_cast<char>(0x80));
  return wav;
}

class ShellKeys : public testing::Test {
 protected:
  void SetUp() override {
    music = shelle2e::MakeMediaFolder(folder, "music");
    for (const char* name : {"a.wav", "b.wav", "c.wav"}) shelle2e::WriteBytes(music + name, SilentWav());
    folder.WriteIni("MAIN", "BrindlewaxMode", "wave");
    folder.WriteIni("MAIN", "WaveFilesPath", music.c_str());
    folder.WriteIni("MAIN", "SoundControls", "Off");
    ASSERT_TRUE(program.Start(folder));
    main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kAudioTab));
    location = e2e::FindControl(main, IDC_MEDIA_LOCATION);
    list = e2e::FindControl(main, IDC_MEDIA_LIST);
    ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 3; }, 5000));
  }

  void TearDown() override {
    if (program.IsRunning()) {
      EXPECT_EQ(ExitProgram(program, main), 0);
    }
  }

  // Alt+L: the focus goes to the location edit with its whole text selected.
  void FocusLocation() {
    shelle2e::PostAltKey(main, 'L');
    ASSERT_TRUE(e2e::WaitUntil([&] { return FocusOf(main) == location; }, 3000));
    // The key's character still reaches the dialog manager as the group box's mnemonic,
    // which selects the text again; let it pass before typing.
    e2e::Sleep(500);
  }

  e2e::ProgramFolder folder;
  e2e::RunningProgram program;
  std::string music;
  HWND main = nullptr;
  HWND location = nullptr;
  HWND list = nullptr;
};

TEST_F(ShellKeys, AltLSelectsTheLocationText) {
  FocusLocation();
  const DWORD selection = static_cast<DWORD>(SendMessageA(location, EM_GETSEL, 0, 0));
  EXPECT_EQ(LOWORD(selection), 0);
  EXPECT_EQ(HIWORD(selection), music.size());
}

TEST_F(ShellKeys, SpaceAndDeleteStayInTheLocationEdit) {
  FocusLocation();
  e2e::SetText(location, "abcd");
  SendMessageA(location, EM_SETSEL, 0, 0);
  PostKey(location, VK_DELETE);
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(location) == "bcd"; }, 3000))
      << e2e::GetText(location);
  PostKey(location, VK_SPACE);
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(location) == " bcd"; }, 3000))
      << e2e::GetText(location);
  EXPECT_EQ(FocusOf(main), location);
}

TEST_F(ShellKeys, SpaceInTheListIsTakenByThePanel) {
  // Click the first file: the list has the focus and that file is selected.
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  ASSERT_TRUE(e2e::WaitUntil([&] { return FocusOf(main) == list; }, 3000));
  ASSERT_GT(SendMessageA(list, LB_GETSEL, 0, 0), 0);
  // Move the caret without selecting; a Space the list box saw would select there.
  SendMessageA(list, LB_SETCARETINDEX, 2, FALSE);
  PostKey(list, VK_SPACE);
  e2e::Sleep(700);
  EXPECT_EQ(SendMessageA(list, LB_GETSEL, 2, 0), 0);
  EXPECT_EQ(e2e::GetText(location), music);
}

TEST_F(ShellKeys, F5RefreshesTheFileList) {
  HWND count = e2e::FindControl(main, IDC_MEDIA_COUNT);
  EXPECT_EQ(e2e::GetText(count), "3 Audio Files:");
  shelle2e::WriteBytes(music + "d.mp3", "x");
  shelle2e::WriteBytes(music + "e.mid", "x");
  e2e::SetText(location, "typed over");
  PostKey(list, VK_F5);
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(count) == "4 Audio Files:"; }, 3000))
      << e2e::GetText(count);
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(e2e::GetText(location), music);
}

TEST_F(ShellKeys, EnterLeavesTheLocationEditForTheList) {
  FocusLocation();
  PostKey(location, VK_RETURN);
  EXPECT_TRUE(e2e::WaitUntil([&] { return FocusOf(main) == list; }, 3000));
}

}  // namespace
