// A second start while the program runs hands its command line over to the running copy and
// ends at once.
#include <gtest/gtest.h>

#include <string>

#include "shell/texts.h"
#include "shell_e2e_support.h"

namespace {

using shelle2e::ExitProgram;

TEST(ShellSecondCopy, CdPlayFormMovesTheFirstCopyToTheCdPlayer) {
  e2e::ProgramFolder folder;
  folder.WriteIni("MAIN", "BrindlewaxMode", "wave");
  e2e::RunningProgram first;
  ASSERT_TRUE(first.Start(folder));
  HWND main = first.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kAudioTab));

  e2e::RunningProgram second;
  ASSERT_TRUE(second.Start(folder, "/play E:"));
  DWORD code = 1;
  ASSERT_TRUE(second.WaitForExit(15000, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kCdPlayerTab));
  EXPECT_FALSE(shelle2e::ShowsPanel(main, shelle2e::kAudioTab));
  ASSERT_EQ(ExitProgram(first, main), 0);
  // The drive of the second copy's command line is not the first copy's.
  EXPECT_NE(folder.ReadIni("MAIN", "DefaultCDROMDrive"), "E:\\");
  EXPECT_EQ(folder.ReadIni("MAIN", "BrindlewaxMode"), "cdplayer");
}

TEST(ShellSecondCopy, MediaFileOnlyBringsTheFirstCopyToTheFront) {
  e2e::ProgramFolder folder;
  const std::string music = shelle2e::MakeMediaFolder(folder, "music");
  shelle2e::WriteBytes(music + "song.mp3", "x");
  e2e::RunningProgram first;
  ASSERT_TRUE(first.Start(folder));
  HWND main = first.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kCdPlayerTab));
  ShowWindow(main, SW_MINIMIZE);
  ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(main) != FALSE; }, 3000));

  e2e::RunningProgram second;
  ASSERT_TRUE(second.Start(folder, "\"" + music + "song.mp3\""));
  DWORD code = 1;
  ASSERT_TRUE(second.WaitForExit(15000, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(e2e::WaitUntil([&] { return IsIconic(main) == FALSE; }, 3000));
  e2e::Sleep(300);
  EXPECT_EQ(shelle2e::SelectedTab(main), shelle2e::kCdPlayerTab);
  EXPECT_TRUE(shelle2e::ShowsPanel(main, shelle2e::kCdPlayerTab));
  ASSERT_EQ(ExitProgram(first, main), 0);
  EXPECT_EQ(folder.ReadIni("MAIN", "WaveFilesPath"), "c:\\");
}

TEST(ShellSecondCopy, MediaFileStartOpensItsPanelAndFolder) {
  e2e::ProgramFolder folder;
  folder.WriteIni("MAIN", "BrindlewaxMode", "video");
  folder.WriteIni("MAIN", "WaveFilesPath", "c:\\windows\\");
  const std::string music = shelle2e::MakeMediaFolder(folder, "My Music");
  shelle2e::WriteBytes(music + "Other.wav", "x");
  ASSERT_TRUE(CopyFileA(BW_TESTDATA_DIR "/mp3/tuffy+python-audio-tools__test_sine.mp3",
                        (music + "Song.mp3").c_str(), FALSE));
  e2e::RunningProgram program;
  ASSERT_TRUE(program.Start(folder, "\"" + music + "Song.mp3\""));
  HWND main = program.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kAudioTab));
  // The song's folder, ending in a backslash, is the audio folder; the song is selected.
  EXPECT_EQ(e2e::GetText(e2e::FindControl(main, IDC_MEDIA_LOCATION)), music);
  HWND list = e2e::FindControl(main, IDC_MEDIA_LIST);
  const LRESULT song = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>("Song.mp3"));
  // A panel that plays the song ends the program when the song is over; both are fine here.
  if (program.IsRunning() && song != LB_ERR) {
    EXPECT_GT(SendMessageA(list, LB_GETSEL, song, 0), 0);
  }
  if (program.IsRunning()) {
    e2e::ClickId(main, IDC_MAIN_EXIT);
    if (program.WaitForExit(20000) && folder.ReadIni("MAIN", "BrindlewaxMode") != "<missing>") {
      EXPECT_EQ(folder.ReadIni("MAIN", "WaveFilesPath"), music);
      EXPECT_EQ(folder.ReadIni("MAIN", "BrindlewaxMode"), "wave");
    }
  }
}

TEST(ShellSecondCopy, OtherFileStartsNormallyWithTheStoredMode) {
  e2e::ProgramFolder folder;
  folder.WriteIni("MAIN", "BrindlewaxMode", "midi");
  folder.WriteTextFile("notes.txt", "text");
  e2e::RunningProgram program;
  ASSERT_TRUE(program.Start(folder, "\"" + folder.File("notes.txt") + "\""));
  HWND main = program.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kMidiTab));
  ASSERT_EQ(ExitProgram(program, main), 0);
}

}  // namespace
