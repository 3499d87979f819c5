// Start-up and shutdown of the main program: the settings an empty file gives and writes
// back, the panel of the stored mode, the animation library, and the window's shape.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "shell/texts.h"
#include "shell_e2e_support.h"

namespace {

using shelle2e::ExitProgram;
using shelle2e::SelectedTab;

// The default animation name `index` (string 100 + index) of the built library.
std::string LibraryDefaultName(int index) {
  HMODULE library = LoadLibraryExA((e2e::BuiltProgramDir() + "WaxAnim.dll").c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE);
  char text[256] = {};
  if (library != nullptr) {
    LoadStringA(library, 100 + index, text, sizeof text);
    FreeLibrary(library);
  }
  return text;
}

TEST(ShellStartup, EmptySettingsFileStartsInTheCdPlayerAndWritesTheDefaults) {
  e2e::ProgramFolder folder;
  folder.WriteTextFile("BRINDWAX.INI", "");
  e2e::RunningProgram program;
  ASSERT_TRUE(program.Start(folder));
  HWND main = program.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kCdPlayerTab));
  EXPECT_EQ(e2e::GetText(main), kTextProgramTitle);
  e2e::Sleep(500);
  e2e::SaveScreenshot(main, "shell_main_window");
  ASSERT_EQ(ExitProgram(program, main), 0);

  const struct {
    const char* section;
    const char* key;
    std::string value;
  } expected[] = {
      {"MAIN", "VideoOutput", "Time"},
      {"MAIN", "ScrollBar", "Normal"},
      {"MAIN", "SoundControls", "On"},
      {"MAIN", "SoundListbox", "Both"},
      {"MAIN", "MidiListbox", "Both"},
      {"MAIN", "VideoListbox", "7"},
      {"MAIN", "TimerSpeed", "1"},
      {"MAIN", "WaveFilesPath", "c:\\"},
      {"MAIN", "MidiFilesPath", "c:\\"},
      {"MAIN", "VideoFilesPath", "c:\\"},
      {"MAIN", "BrindlewaxMode", "cdplayer"},
      {"MAIN", "WaveAnimation", "On"},
      {"MAIN", "MidiAnimation", "On"},
      {"MAIN", "CDAnimation", "On"},
      {"MAIN", "EntryFieldColorization", "Off"},
      {"SEARCH", "SearchTrack", "TRUE"},
      {"SEARCH", "SearchArtist", "TRUE"},
      {"SEARCH", "SearchDiscName", "TRUE"},
      {"SEARCH", "SearchCategory", "TRUE"},
      {"SEARCH", "SearchLabel", "TRUE"},
      {"SEARCH", "SearchNotes", "TRUE"},
      {"SEARCH", "SearchYearReleased", "TRUE"},
      {"SEARCH", "TextSearch", "TRUE"},
      {"SEARCH", "CaseSensitive", "FALSE"},
      {"SEARCH", "SearchEntireDatabase", "FALSE"},
      {"SEARCH", "RadioSearch", "A"},
      {"SEARCH", "StringMatch", ""},
      {"MAIN", "DefaultCDROMDrive", shelle2e::FirstCdRomDrive()},
      {"MAIN", "AutoCDDBQuery", "FALSE"},
      {"MAIN", "FloatingVideoWindow", "0"},
      {"MAIN", "MaintainVideoWindowSize", "0"},
      {"MAIN", "MaintainVideoAspectRatio", "1"},
      {"MAIN", "VideoZoomFactor", "1"},
  };
  for (const auto& e : expected) {
    EXPECT_EQ(folder.ReadIni(e.section, e.key), e.value) << e.section << "." << e.key;
  }
}

TEST(ShellStartup, OddStoredValuesAreWrittenBackInTheirOwnForm) {
  e2e::ProgramFolder folder;
  const std::string videos = shelle2e::MakeMediaFolder(folder, "videos");
  for (const char* name : {"a.avi", "b.mov", "c.mpg", "d.txt"}) shelle2e::WriteBytes(videos + name, "x");
  folder.WriteIni("MAIN", "TimerSpeed", "9");
  folder.WriteIni("MAIN", "VideoListbox", "12");
  folder.WriteIni("MAIN", "VideoFilesPath", videos.c_str());
  folder.WriteIni("MAIN", "BrindlewaxMode", "video");
  e2e::RunningProgram program;
  ASSERT_TRUE(program.Start(folder));
  HWND main = program.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kVideoTab));
  // A two-character list filter shows all three video kinds.
  HWND list = e2e::FindControl(main, IDC_MEDIA_LIST + 2 * IDC_MEDIA_ID_STEP);
  EXPECT_TRUE(e2e::WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 3; }, 5000));
  EXPECT_EQ(e2e::GetText(e2e::FindControl(main, IDC_MEDIA_COUNT + 2 * IDC_MEDIA_ID_STEP)),
            "3 Video Files:");
  ASSERT_EQ(ExitProgram(program, main), 0);
  EXPECT_EQ(folder.ReadIni("MAIN", "TimerSpeed"), "1");
  EXPECT_EQ(folder.ReadIni("MAIN", "VideoListbox"), "7");
  EXPECT_EQ(folder.ReadIni("MAIN", "BrindlewaxMode"), "video");
}

TEST(ShellStartup, ARunEndingInTheMidiPanelStoresMidi) {
  e2e::ProgramFolder folder;
  folder.WriteIni("MAIN", "BrindlewaxMode", "wave");
  e2e::RunningProgram program;
  ASSERT_TRUE(program.Start(folder));
  HWND main = program.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kAudioTab));
  // The arrow key moves the tab control to the next tab, as a user would.
  shelle2e::PostKey(e2e::FindControl(main, IDC_MAIN_TABS), VK_RIGHT);
  ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kMidiTab));
  EXPECT_FALSE(shelle2e::ShowsPanel(main, shelle2e::kAudioTab));  // the old panel is gone
  ASSERT_EQ(ExitProgram(program, main), 0);
  EXPECT_EQ(folder.ReadIni("MAIN", "BrindlewaxMode"), "midi");
}

TEST(ShellStartup, UnknownAnimationNameIsReplacedByTheDefault) {
  const std::string defaultMidi = LibraryDefaultName(1);
  ASSERT_FALSE(defaultMidi.empty());
  e2e::ProgramFolder folder;
  folder.WriteIni("MAIN", "AnimationNameMidi", "No Such Animation");
  folder.WriteIni("MAIN", "AnimationNameSound", LibraryDefaultName(0).c_str());
  e2e::RunningProgram program;
  ASSERT_TRUE(program.Start(folder));
  HWND main = program.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  // Written back at once, before any shutdown.
  EXPECT_TRUE(e2e::WaitUntil(
      [&] { return folder.ReadIni("MAIN", "AnimationNameMidi") == defaultMidi; }, 5000))
      << folder.ReadIni("MAIN", "AnimationNameMidi");
  EXPECT_EQ(folder.ReadIni("MAIN", "AnimationNameSound"), LibraryDefaultName(0));
  EXPECT_EQ(folder.ReadIni("MAIN", "AnimationNameCDPlayer"), "<missing>");
  ASSERT_EQ(ExitProgram(program, main), 0);
}

TEST(ShellStartup, MissingAnimationLibraryGivesOneMessageAndNoMainWindow) {
  e2e::ProgramFolder folder(false);
  e2e::RunningProgram program;
  ASSERT_TRUE(program.Start(folder));
  HWND box = program.WaitForWindow("Brindlewax Message", 20000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(box, 620)), kTextMissingAnimationLibrary);
  EXPECT_EQ(e2e::FindTopWindow(kTextProgramTitle, program.ProcessId()), nullptr);
  e2e::SaveScreenshot(box, "shell_missing_library_message");
  e2e::ClickId(box, 610);
  DWORD code = 1;
  ASSERT_TRUE(program.WaitForExit(10000, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_FALSE(folder.Exists("BRINDWAX.INI"));
}

TEST(ShellStartup, MainWindowCannotBeMaximisedOrResized) {
  e2e::ProgramFolder folder;
  e2e::RunningProgram program;
  ASSERT_TRUE(program.Start(folder));
  HWND main = program.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  const LONG style = GetWindowLongA(main, GWL_STYLE);
  EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  HMENU systemMenu = GetSystemMenu(main, FALSE);
  EXPECT_TRUE(GetMenuState(systemMenu, SC_MAXIMIZE, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(systemMenu, SC_SIZE, MF_BYCOMMAND) & MF_GRAYED);

  RECT before = {};
  GetWindowRect(main, &before);
  PostMessageA(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  e2e::Sleep(700);
  RECT after = {};
  GetWindowRect(main, &after);
  EXPECT_FALSE(IsZoomed(main));
  EXPECT_TRUE(EqualRect(&before, &after));

  // The window is L-shaped: its bottom-right corner is cut away.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(main, region), ERROR);
  const int width = before.right - before.left;
  const int height = before.bottom - before.top;
  EXPECT_TRUE(PtInRegion(region, 2, 2));
  EXPECT_TRUE(PtInRegion(region, width - 3, 2));
  EXPECT_TRUE(PtInRegion(region, 2, height - 3));
  EXPECT_FALSE(PtInRegion(region, width - 3, height - 3));
  DeleteObject(region);
  ASSERT_EQ(ExitProgram(program, main), 0);
}

// Run again on an 8-bit screen by the test script (filter *PaletteMode*).
TEST(ShellStartup, PaletteModeScreenshot) {
  e2e::ProgramFolder folder;
  e2e::RunningProgram program;
  ASSERT_TRUE(program.Start(folder));
  HWND main = program.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kCdPlayerTab));
  e2e::Sleep(800);
  const char* depth = std::getenv("BW_E2E_DEPTH");
  e2e::SaveScreenshot(main, depth != nullptr && std::string(depth) == "8" ? "shell_main_window_256_colours"
                                                                          : "shell_main_window_cd");
  ASSERT_EQ(ExitProgram(program, main), 0);
}

}  // namespace
