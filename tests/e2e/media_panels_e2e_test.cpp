// The Audio, MIDI and Video panels in the running program: the list filters, playing a
// selection in list order, repeat, pause at the end, the folder from a drop or the location
// edit, the position bar's scale, the main window's keys and a start that plays one file.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "filetools/filetools_texts.h"
#include "media/media_panel_texts.h"
#include "shell/texts.h"
#include "shell_e2e_support.h"
#include "video_e2e_support.h"

namespace {

using shelle2e::ExitProgram;
using shelle2e::FocusOf;
using shelle2e::PostKey;

constexpr int kMessageText = 620;
constexpr int kMessageOk = 610;

std::string Le32(uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
          static_cast<char>(v >> 24)};
}
std::string Le16(uint16_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }

// A silent 8-bit mono 8 kHz WAV file of that many milliseconds.
std::string SilentWav(uint32_t milliseconds) {
  const uint32_t rate = 8000;
  const uint32_t samples = rate / 1000 * milliseconds;
  std::string wav = "RIFF" + Le32(36 + samples) + "WAVEfmt " + Le32(16) + Le16(1) + Le16(1) +
                    Le32(rate) + Le32(rate) + Le16(1) + Le16(8) + "data" + Le32(samples);
  wav += std::string(samples, static_cast<char>(0x80));
  return wav;
}

// An uncompressed 32 x 24 AVI video of `frames` grey frames at 10 frames a second, no sound.
std::string GreyAvi(uint32_t frames) { return videoe2e::UncompressedAvi(32, 24, frames); }

class MediaPanels : public testing::Test {
 protected:
  void SetUp() override {
    music = shelle2e::MakeMediaFolder(folder, "music");
    folder.WriteIni("MAIN", "BrindlewaxMode", "wave");
    folder.WriteIni("MAIN", "WaveFilesPath", music.c_str());
    folder.WriteIni("MAIN", "SoundControls", "Off");
  }

  void TearDown() override {
    if (program.IsRunning() && main != nullptr) {
      EXPECT_EQ(ExitProgram(program, main), 0);
    }
  }

  void AddWav(const std::string& name, uint32_t milliseconds) {
    shelle2e::WriteBytes(music + name, SilentWav(milliseconds));
  }

  void Start(const std::string& arguments = "") {
    ASSERT_TRUE(program.Start(folder, arguments));
    main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kAudioTab));
    list = e2e::FindControl(main, IDC_MEDIA_LIST);
    location = e2e::FindControl(main, IDC_MEDIA_LOCATION);
    panel = GetParent(list);
  }

  HWND Control(int id) const { return e2e::FindControl(main, id); }
  std::string Text(int id) const { return e2e::GetText(Control(id)); }
  bool WaitForText(int id, const std::string& text, int timeoutMs = 5000) const {
    return e2e::WaitUntil([&] { return Text(id) == text; }, timeoutMs);
  }
  int Count() const { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }
  // The entry's text (asked for in wide characters: only those cross the process border).
  std::string Entry(int index) const {
    wchar_t wide[MAX_PATH] = {};
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide));
    char text[MAX_PATH] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
  }
  void Select(std::initializer_list<int> indices) const {
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    for (int index : indices) SendMessageA(list, LB_SETSEL, TRUE, index);
  }
  void Press(int id) const { e2e::ClickId(main, id); }

  // The program's message box: its text, closed with OK.
  std::string TakeMessage() {
    HWND box = program.WaitForWindow("Brindlewax Message", 8000);
    if (box == nullptr) return "<no message>";
    const std::string text = e2e::GetText(e2e::FindControl(box, kMessageText));
    e2e::ClickId(box, kMessageOk);
    e2e::WaitUntil([&] { return !IsWindow(box); }, 5000);
    return text;
  }

  // The message box when one comes within a moment, else "".
  std::string TakeMessageIfAny() {
    if (program.WaitForWindow("Brindlewax Message", 700) == nullptr) return "";
    return TakeMessage();
  }

  // Drops `item` on the panel as the shell does: a DROPFILES block in the program's memory.
  bool DropOnPanel(const std::string& item) {
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, program.ProcessId());
    if (process == nullptr) return false;
    DROPFILES header = {};
    header.pFiles = sizeof header;
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    block += item;
    block.append(2, '\0');
    void* remote = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const bool written = remote != nullptr &&
                         WriteProcessMemory(process, remote, block.data(), block.size(), nullptr);
    CloseHandle(process);
    return written && PostMessageA(panel, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
  }

  // Text typed into the location edit, which has the focus while it is typed.
  void Type(const std::string& text) {
    shelle2e::PostAltKey(main, 'L');
    e2e::WaitUntil([&] { return FocusOf(main) == location; }, 3000);
    e2e::Sleep(300);
    e2e::SetText(location, text);
  }

  // Keys as the keyboard sends them to the program's focused window.
  void Keys(std::initializer_list<WORD> keys) const {
    SetForegroundWindow(main);
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
      INPUT input = {};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = key;
      inputs.push_back(input);
    }
    for (auto key = keys.end(); key != keys.begin();) {
      INPUT input = {};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = *--key;
      input.ki.dwFlags = KEYEVENTF_KEYUP;
      inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  }

  // Clicks the first entry: the list takes the focus.
  void FocusList() const {
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    e2e::WaitUntil([&] { return FocusOf(main) == list; }, 3000);
  }

  // Watches a label until the state label has kept `until` for a while, and answers the
  // distinct values it showed in turn.
  std::vector<std::string> Watch(int id, int timeoutMs, const std::function<bool()>& done) {
    std::vector<std::string> seen;
    const DWORD start = GetTickCount();
    while (static_cast<int>(GetTickCount() - start) < timeoutMs) {
      const std::string text = Text(id);
      // A blank name is the moment before a file opens, not a file of the queue.
      if (!text.empty() && (seen.empty() || seen.back() != text)) seen.push_back(text);
      if (done()) break;
      ::Sleep(20);
    }
    return seen;
  }

  // The queue has ended: the position shows the length and the timer has stopped.
  bool AtTheEnd() const {
    return !Text(IDC_MEDIA_POSITION_LENGTH).empty() &&
           Text(IDC_MEDIA_POSITION) == Text(IDC_MEDIA_POSITION_LENGTH);
  }

  e2e::ProgramFolder folder;
  e2e::RunningProgram program;
  std::string music;
  HWND main = nullptr;
  HWND panel = nullptr;
  HWND list = nullptr;
  HWND location = nullptr;
};

TEST_F(MediaPanels, ListFiltersShowBothKindsSortedOrOnlyWav) {
  AddWav("a.wav", 200);
  shelle2e::WriteBytes(music + "A.MP3", "x");
  shelle2e::WriteBytes(music + "notes.txt", "x");
  CreateDirectoryA((music + "folder.wav").c_str(), nullptr);
  shelle2e::WriteBytes(music + "hidden.wav", "x");
  SetFileAttributesA((music + "hidden.wav").c_str(), FILE_ATTRIBUTE_HIDDEN);
  folder.WriteIni("MAIN", "SoundListbox", "Both");
  Start();
  ASSERT_TRUE(e2e::WaitUntil([&] { return Count() == 2; }, 5000)) << Count();
  EXPECT_EQ(Entry(0), "A.MP3");
  EXPECT_EQ(Entry(1), "a.wav");
  EXPECT_EQ(Text(IDC_MEDIA_COUNT), "2 Audio Files:");
  EXPECT_EQ(Text(IDC_MEDIA_STATE), kTextMediaReady);
  e2e::SaveScreenshot(main, "media_audio_panel");
  ASSERT_EQ(ExitProgram(program, main), 0);
  main = nullptr;

  folder.WriteIni("MAIN", "SoundListbox", "Wav");
  e2e::RunningProgram second;
  ASSERT_TRUE(second.Start(folder));
  main = second.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kAudioTab));
  list = e2e::FindControl(main, IDC_MEDIA_LIST);
  EXPECT_TRUE(e2e::WaitUntil([&] { return Count() == 1; }, 5000)) << Count();
  EXPECT_EQ(Entry(0), "a.wav");
  EXPECT_EQ(Text(IDC_MEDIA_COUNT), "1 Audio Files:");
  EXPECT_EQ(ExitProgram(second, main), 0);
  main = nullptr;
}

TEST_F(MediaPanels, ThreeSelectedFilesPlayInListOrder) {
  for (const char* name : {"1 first.wav", "2 skipped.wav", "3 second.wav", "4 third.wav"}) {
    AddWav(name, 1200);
  }
  Start();
  ASSERT_TRUE(e2e::WaitUntil([&] { return Count() == 4; }, 5000));
  Select({0, 2, 3});
  Press(IDC_MEDIA_PLAY);
  ASSERT_TRUE(WaitForText(IDC_MEDIA_STATE, kTextMediaPlaying));
  EXPECT_EQ(Text(IDC_MEDIA_SELECTED), "3");
  std::vector<std::string> names;
  std::vector<std::string> left;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 15000 && !(Text(IDC_MEDIA_LEFT) == "0" && AtTheEnd())) {
    for (auto [id, seen] : {std::pair{IDC_MEDIA_NAME, &names}, std::pair{IDC_MEDIA_LEFT, &left}}) {
      const std::string text = Text(id);
      if (!text.empty() && (seen->empty() || seen->back() != text)) seen->push_back(text);
    }
    ::Sleep(20);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"1 first.wav", "3 second.wav", "4 third.wav"}));
  EXPECT_EQ(left, (std::vector<std::string>{"2", "1", "0"}));
  // The last file stays at its end; the panel still says it plays.
  EXPECT_TRUE(AtTheEnd());
  EXPECT_EQ(Text(IDC_MEDIA_STATE), kTextMediaPlaying);
  EXPECT_EQ(Text(IDC_MEDIA_POSITION_START), "0");
  EXPECT_EQ(Text(IDC_MEDIA_POSITION_LENGTH), "1.200 Seconds");
  e2e::SaveScreenshot(main, "media_audio_played");

  Press(IDC_MEDIA_STOP);
  EXPECT_TRUE(WaitForText(IDC_MEDIA_STATE, kTextMediaReady));
  EXPECT_EQ(Text(IDC_MEDIA_NAME), "");
  EXPECT_EQ(Text(IDC_MEDIA_SELECTED), "0");
  EXPECT_EQ(Text(IDC_MEDIA_POSITION), "");
}

TEST_F(MediaPanels, RepeatStartsOverUntilAnMciErrorTurnsItOff) {
  AddWav("a.wav", 700);
  AddWav("b.wav", 700);
  shelle2e::WriteBytes(music + "c broken.wav", "RIFF this is no sound at all");
  Start();
  ASSERT_TRUE(e2e::WaitUntil([&] { return Count() == 3; }, 5000));
  HWND repeat = Control(IDC_MEDIA_REPEAT);
  const e2e::ScreenPixels repeatOff = e2e::CaptureScreenPixels(repeat);
  Press(IDC_MEDIA_REPEAT);
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::CaptureScreenPixels(repeat) != repeatOff; }, 3000));

  Select({0, 1});
  Press(IDC_MEDIA_PLAY);
  const std::vector<std::string> names = Watch(IDC_MEDIA_NAME, 8000, [&] {
    return false;
  });
  // a, b, then a again, and so on: never the end of the queue.
  ASSERT_GE(names.size(), 4u);
  EXPECT_EQ(names[0], "a.wav");
  EXPECT_EQ(names[1], "b.wav");
  EXPECT_EQ(names[2], "a.wav");
  EXPECT_EQ(Text(IDC_MEDIA_STATE), kTextMediaPlaying);

  // A file the device cannot open: the report, and repeat is off again.
  Select({2});
  Press(IDC_MEDIA_PLAY);
  const std::string report = TakeMessage();
  EXPECT_NE(report.find(kTextMciErrorAdvice), std::string::npos) << report;
  EXPECT_TRUE(WaitForText(IDC_MEDIA_STATE, kTextMediaReady));
  e2e::SaveScreenshot(main, "media_repeat_after_error");
  // Without repeat the same two files play once and stay at the end of the second.
  Select({0, 1});
  Press(IDC_MEDIA_PLAY);
  EXPECT_TRUE(e2e::WaitUntil([&] { return Text(IDC_MEDIA_NAME) == "b.wav" && AtTheEnd(); }, 8000));
  e2e::Sleep(1500);
  EXPECT_TRUE(AtTheEnd());
  EXPECT_EQ(Text(IDC_MEDIA_NAME), "b.wav");
}

TEST_F(MediaPanels, PauseAtTheEndShowsPausedAndPlayResumes) {
  AddWav("short.wav", 400);
  Start();
  ASSERT_TRUE(e2e::WaitUntil([&] { return Count() == 1; }, 5000));
  Select({0});
  Press(IDC_MEDIA_PLAY);
  ASSERT_TRUE(e2e::WaitUntil([&] { return AtTheEnd(); }, 5000));
  Press(IDC_MEDIA_PAUSE);
  EXPECT_TRUE(WaitForText(IDC_MEDIA_STATE, kTextMediaPaused));
  Press(IDC_MEDIA_PLAY);
  EXPECT_TRUE(WaitForText(IDC_MEDIA_STATE, kTextMediaPlaying));
  EXPECT_EQ(TakeMessageIfAny(), "");
}

TEST_F(MediaPanels, DroppedFileOrFolderBecomesTheFolder) {
  const std::string other = shelle2e::MakeMediaFolder(folder, "Other Music");
  shelle2e::WriteBytes(other + "song.wav", SilentWav(100));
  shelle2e::WriteBytes(other + "tune.wav", SilentWav(100));
  AddWav("here.wav", 100);
  Start();
  ASSERT_TRUE(e2e::WaitUntil([&] { return Count() == 1; }, 5000));
  ASSERT_TRUE(DropOnPanel(other + "song.wav"));
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(location) == other; }, 5000))
      << e2e::GetText(location);
  EXPECT_TRUE(e2e::WaitUntil([&] { return Count() == 2; }, 3000));
  EXPECT_EQ(Text(IDC_MEDIA_COUNT), "2 Audio Files:");

  ASSERT_TRUE(DropOnPanel(music.substr(0, music.size() - 1)));  // the folder, without its "\"
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(location) == music; }, 5000))
      << e2e::GetText(location);
  EXPECT_TRUE(e2e::WaitUntil([&] { return Count() == 1; }, 3000));
  ASSERT_EQ(ExitProgram(program, main), 0);
  main = nullptr;
  EXPECT_EQ(folder.ReadIni("MAIN", "WaveFilesPath"), music);
}

// A double-click on a line of the folder browser's directory list, at the middle of the line.
bool DoubleClickFolder(HWND browser, const std::string& name) {
  HWND folders = e2e::FindControl(browser, IDC_FOLDER_BROWSER_DIRECTORIES);
  const LRESULT count = SendMessageA(folders, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t wide[MAX_PATH + 1] = {};
    if (SendMessageW(folders, LB_GETTEXTLEN, i, 0) >= MAX_PATH) continue;
    SendMessageW(folders, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
    char text[2 * MAX_PATH + 2] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    if (name != text) continue;
    SendMessageA(folders, LB_SETTOPINDEX, i, 0);
    RECT line{};
    SendMessageA(folders, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&line));
    const LPARAM at = MAKELPARAM((line.left + line.right) / 2, (line.top + line.bottom) / 2);
    PostMessageA(folders, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(folders, WM_LBUTTONUP, 0, at);
    PostMessageA(folders, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(folders, WM_LBUTTONUP, 0, at);
    return true;
  }
  return false;
}

// Browse opens the audio kind of the folder browser on the panel's folder; each step lists the
// folder's files in the panel at once; OK makes the chosen folder the panel's and Cancel lists
// the starting folder again. Search opens the drive search of the panel's kind straight away.
TEST_F(MediaPanels, BrowseAndSearchChooseThePanelsFolder) {
  const std::string rock = music + "rock\\";
  CreateDirectoryA(rock.c_str(), nullptr);
  shelle2e::WriteBytes(rock + "one.wav", SilentWav(100));
  shelle2e::WriteBytes(rock + "two.wav", SilentWav(100));
  AddWav("here.wav", 100);
  Start();
  ASSERT_TRUE(e2e::WaitUntil([&] { return Count() == 1; }, 5000));

  Press(IDC_MEDIA_BROWSE);
  HWND browser = program.WaitForWindow(kTextAudioPathSetup);
  ASSERT_NE(browser, nullptr);
  HWND where = e2e::FindControl(browser, IDC_FOLDER_BROWSER_LOCATION);
  EXPECT_EQ(e2e::GetText(where), music);
  ASSERT_TRUE(DoubleClickFolder(browser, "rock"));
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(where) == rock; }, 5000));
  EXPECT_TRUE(e2e::WaitUntil([&] { return Count() == 2; }, 3000));
  EXPECT_EQ(Entry(0), "one.wav");
  e2e::ClickId(browser, IDC_FOLDER_BROWSER_OK);
  ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(browser); }, 5000));
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(location) == rock; }, 3000));
  EXPECT_EQ(Count(), 2);
  EXPECT_EQ(Text(IDC_MEDIA_COUNT), "2 Audio Files:");

  // Back up to the music folder, then Cancel: the rock folder's files are listed again.
  Press(IDC_MEDIA_BROWSE);
  browser = program.WaitForWindow(kTextAudioPathSetup);
  ASSERT_NE(browser, nullptr);
  where = e2e::FindControl(browser, IDC_FOLDER_BROWSER_LOCATION);
  ASSERT_TRUE(DoubleClickFolder(browser, "music"));
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(where) == music; }, 5000));
  EXPECT_TRUE(e2e::WaitUntil([&] { return Count() == 1; }, 3000));
  e2e::ClickId(browser, IDC_FOLDER_BROWSER_CANCEL);
  ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(browser); }, 5000));
  EXPECT_TRUE(e2e::WaitUntil([&] { return Count() == 2; }, 3000));
  EXPECT_EQ(e2e::GetText(location), rock);

  Press(IDC_MEDIA_SEARCH);
  HWND search = program.WaitForWindow("Search for Audio files on drive C:");
  ASSERT_NE(search, nullptr);
  e2e::ClickId(search, IDC_DRIVE_SEARCH_CANCEL);
  ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(search); }, 5000));
  browser = program.WaitForWindow(kTextAudioPathSetup, 2000);
  if (browser != nullptr) {
    e2e::ClickId(browser, IDC_FOLDER_BROWSER_CANCEL);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(browser); }, 5000));
  }
  EXPECT_EQ(Count(), 2);

  ASSERT_EQ(ExitProgram(program, main), 0);
  main = nullptr;
  EXPECT_EQ(folder.ReadIni("MAIN", "WaveFilesPath"), rock);
}

TEST_F(MediaPanels, TypedFolderIsNormalisedOrRefused) {
  AddWav("here.wav", 100);
  const std::string other = shelle2e::MakeMediaFolder(folder, "other");
  Start();
  ASSERT_TRUE(e2e::WaitUntil([&] { return Count() == 1; }, 5000));
  // Leaving the edit takes what was typed.
  Type("d:/music//x");
  FocusList();
  EXPECT_EQ(TakeMessage(), kTextInvalidPath);
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(location) == music; }, 3000));
  EXPECT_EQ(Count(), 1);

  Type("c:\\" + std::string(300, 'x'));
  FocusList();
  EXPECT_EQ(TakeMessage(), kTextInvalidPath);
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(location) == music; }, 3000));

  // Forward slashes and a lower-case drive letter; the folder gets its final backslash.
  std::string typed = other.substr(0, other.size() - 1);
  for (char& c : typed) {
    if (c == '\\') c = '/';
  }
  typed[0] = static_cast<char>(tolower(typed[0]));
  Type(typed);
  FocusList();
  std::string expected = other;
  expected[0] = static_cast<char>(toupper(expected[0]));
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::GetText(location) == expected; }, 5000))
      << e2e::GetText(location);
  EXPECT_EQ(TakeMessageIfAny(), "");
  EXPECT_EQ(Text(IDC_MEDIA_COUNT), "0 Audio Files:");
}

TEST_F(MediaPanels, LongFileHasAThousandStepBarScaledBy90) {
  AddWav("long.wav", 90000);
  Start();
  ASSERT_TRUE(e2e::WaitUntil([&] { return Count() == 1; }, 5000));
  Select({0});
  Press(IDC_MEDIA_PLAY);
  ASSERT_TRUE(WaitForText(IDC_MEDIA_POSITION_LENGTH, "1:30.000 Minutes"));
  HWND bar = Control(IDC_MEDIA_POSITION_BAR);
  int low = -1;
  int high = -1;
  GetScrollRange(bar, SB_CTL, &low, &high);
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 1000);
  // Step 500 of 1000 is 45 seconds in; pausing first keeps the device there.
  Press(IDC_MEDIA_PAUSE);
  ASSERT_TRUE(WaitForText(IDC_MEDIA_STATE, kTextMediaPaused));
  PostMessageA(panel, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 500), reinterpret_cast<LPARAM>(bar));
  EXPECT_TRUE(WaitForText(IDC_MEDIA_POSITION, "45.000 Seconds")) << Text(IDC_MEDIA_POSITION);
  PostMessageA(panel, WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(bar));
  EXPECT_TRUE(WaitForText(IDC_MEDIA_STATE, kTextMediaPaused));
  PostMessageA(panel, WM_HSCROLL, MAKEWPARAM(SB_PAGERIGHT, 0), reinterpret_cast<LPARAM>(bar));
  EXPECT_TRUE(WaitForText(IDC_MEDIA_POSITION, "45.900 Seconds")) << Text(IDC_MEDIA_POSITION);
  PostMessageA(panel, WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(bar));
  // Resumed, it plays on from there.
  Press(IDC_MEDIA_PLAY);
  ASSERT_TRUE(WaitForText(IDC_MEDIA_STATE, kTextMediaPlaying));
  e2e::Sleep(1200);
  // On from 45.9 seconds, not from the start.
  const std::string position = Text(IDC_MEDIA_POSITION);
  const double seconds = atof(position.c_str());
  EXPECT_GE(seconds, 45.9) << position;
  EXPECT_LT(seconds, 60.0) << position;
  EXPECT_NE(position.find("Seconds"), std::string::npos) << position;
  e2e::SaveScreenshot(main, "media_audio_long");
}

TEST_F(MediaPanels, KeysReachThePanelButNotWhileTheLocationEditHasTheFocus) {
  AddWav("a.wav", 3000);
  AddWav("b.wav", 3000);
  Start();
  ASSERT_TRUE(e2e::WaitUntil([&] { return Count() == 2; }, 5000));
  FocusList();
  Select({});
  // Delete with nothing selected: the panel's message.
  PostKey(list, VK_DELETE);
  EXPECT_EQ(TakeMessage(), kTextNoFilesDelete);
  // Ctrl+A selects every file, Space plays them.
  FocusList();
  Keys({VK_CONTROL, 'A'});
  EXPECT_TRUE(e2e::WaitUntil([&] { return SendMessageA(list, LB_GETSELCOUNT, 0, 0) == 2; }, 3000));
  PostKey(list, VK_SPACE);
  EXPECT_TRUE(WaitForText(IDC_MEDIA_STATE, kTextMediaPlaying));
  EXPECT_EQ(Text(IDC_MEDIA_SELECTED), "2");
  // F5 lists the folder afresh, which stops playback.
  AddWav("c.wav", 100);
  PostKey(list, VK_F5);
  EXPECT_TRUE(WaitForText(IDC_MEDIA_COUNT, "3 Audio Files:"));
  EXPECT_TRUE(WaitForText(IDC_MEDIA_STATE, kTextMediaReady));

  // In the location edit the keys are the typing's.
  shelle2e::PostAltKey(main, 'L');
  ASSERT_TRUE(e2e::WaitUntil([&] { return FocusOf(main) == location; }, 3000));
  e2e::Sleep(300);
  Select({0});
  Keys({VK_CONTROL, 'A'});
  PostKey(location, VK_SPACE);
  PostKey(location, VK_DELETE);
  e2e::Sleep(800);
  EXPECT_EQ(SendMessageA(list, LB_GETSELCOUNT, 0, 0), 1);
  EXPECT_EQ(Text(IDC_MEDIA_STATE), kTextMediaReady);
  EXPECT_EQ(e2e::FindTopWindow("Brindlewax Message", program.ProcessId()), nullptr);
  EXPECT_EQ(FocusOf(main), location);
  // What the keys typed is no folder: put the folder back before leaving the edit.
  e2e::SetText(location, music);
}

TEST_F(MediaPanels, StartWithAnMp3PlaysItAndEnds) {
  AddWav("other.wav", 100);
  ASSERT_TRUE(CopyFileA(BW_TESTDATA_DIR "/mp3/tuffy+python-audio-tools__test_sine.mp3",
                        (music + "Song.mp3").c_str(), FALSE));
  folder.WriteIni("MAIN", "BrindlewaxMode", "cdplayer");
  ASSERT_TRUE(program.Start(folder, "\"" + music + "Song.mp3\""));
  DWORD code = 1;
  const bool ended = program.WaitForExit(20000, &code);
  if (!ended) {
    HWND box = e2e::FindTopWindow("Brindlewax Message", program.ProcessId());
    ADD_FAILURE() << "still running; message: "
                  << (box != nullptr ? e2e::GetText(e2e::FindControl(box, kMessageText)) : "none");
    program.Kill();
    return;
  }
  EXPECT_EQ(code, 0u);
}

TEST_F(MediaPanels, VideoAndMidiPanelsListTheirKinds) {
  const std::string videos = shelle2e::MakeMediaFolder(folder, "videos");
  const std::string midi = shelle2e::MakeMediaFolder(folder, "midi");
  for (const char* name : {"a.avi", "b.mov", "c.mpg", "d.wav"}) shelle2e::WriteBytes(videos + name, "x");
  for (const char* name : {"a.mid", "b.rmi", "c.wav"}) shelle2e::WriteBytes(midi + name, "x");
  folder.WriteIni("MAIN", "VideoFilesPath", videos.c_str());
  folder.WriteIni("MAIN", "MidiFilesPath", midi.c_str());
  folder.WriteIni("MAIN", "VideoListbox", "5");
  folder.WriteIni("MAIN", "BrindlewaxMode", "video");
  ASSERT_TRUE(program.Start(folder));
  main = program.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kVideoTab));
  const int step = IDC_MEDIA_ID_STEP;
  HWND videoList = e2e::FindControl(main, IDC_MEDIA_LIST + 2 * step);
  EXPECT_TRUE(e2e::WaitUntil([&] { return SendMessageA(videoList, LB_GETCOUNT, 0, 0) == 2; }, 5000));
  EXPECT_EQ(Text(IDC_MEDIA_COUNT + 2 * step), "2 Video Files:");
  EXPECT_EQ(Text(IDC_MEDIA_STATE + 2 * step), kTextMediaReady);
  // A file the video device cannot open is reported; the docked area stays hidden.
  SendMessageA(videoList, LB_SETSEL, TRUE, 0);
  e2e::ClickId(main, IDC_MEDIA_PLAY + 2 * step);
  EXPECT_NE(TakeMessage().find(kTextMciErrorAdvice), std::string::npos);
  EXPECT_FALSE(IsWindowVisible(Control(IDC_MEDIA_VIDEO_HOST + 2 * step)));
  EXPECT_TRUE(WaitForText(IDC_MEDIA_STATE + 2 * step, kTextMediaReady));
  e2e::SaveScreenshot(main, "media_video_panel");

  shelle2e::PostKey(e2e::FindControl(main, IDC_MAIN_TABS), VK_LEFT);
  ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kMidiTab));
  HWND midiList = e2e::FindControl(main, IDC_MEDIA_LIST + step);
  EXPECT_TRUE(e2e::WaitUntil([&] { return SendMessageA(midiList, LB_GETCOUNT, 0, 0) == 2; }, 5000));
  EXPECT_EQ(Text(IDC_MEDIA_COUNT + step), "2 MIDI Files:");
  e2e::SaveScreenshot(main, "media_midi_panel");
}

TEST_F(MediaPanels, InfoShowsTheSelectionsDialogsAndLeavesThePanelUsable) {
  AddWav("a.wav", 300);
  AddWav("b.wav", 300);
  Start();
  ASSERT_TRUE(e2e::WaitUntil([&] { return Count() == 2; }, 5000));
  Press(IDC_MEDIA_INFO);
  EXPECT_EQ(TakeMessage(), kTextNoFilesInfo);
  Select({0, 1});
  Press(IDC_MEDIA_INFO);
  HWND first = program.WaitForWindow("Audio File Information", 8000);
  ASSERT_NE(first, nullptr);
  EXPECT_FALSE(IsWindowEnabled(panel));
  PostMessageA(first, WM_COMMAND, IDCANCEL, 0);  // ends the series
  EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(panel) != FALSE; }, 5000));
  EXPECT_EQ(e2e::FindTopWindow("Audio File Information", program.ProcessId()), nullptr);
}

TEST_F(MediaPanels, VideoPlaysInTheDockedAreaCountingFrames) {
  const std::string videos = shelle2e::MakeMediaFolder(folder, "videos");
  shelle2e::WriteBytes(videos + "grey.avi", GreyAvi(20));
  folder.WriteIni("MAIN", "VideoFilesPath", videos.c_str());
  folder.WriteIni("MAIN", "VideoOutput", "Frames");
  folder.WriteIni("MAIN", "BrindlewaxMode", "video");
  ASSERT_TRUE(program.Start(folder));
  main = program.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kVideoTab));
  const int step = 2 * IDC_MEDIA_ID_STEP;
  HWND videoList = e2e::FindControl(main, IDC_MEDIA_LIST + step);
  ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(videoList, LB_GETCOUNT, 0, 0) == 1; }, 5000));
  HWND host = Control(IDC_MEDIA_VIDEO_HOST + step);
  EXPECT_FALSE(IsWindowVisible(host));
  SendMessageA(videoList, LB_SETSEL, TRUE, 0);
  e2e::ClickId(main, IDC_MEDIA_PLAY + step);
  ASSERT_TRUE(WaitForText(IDC_MEDIA_POSITION_LENGTH + step, "20 Frames")) << TakeMessageIfAny();
  EXPECT_EQ(Text(IDC_MEDIA_NAME + step), "grey.avi");
  EXPECT_TRUE(IsWindowVisible(host));
  // The picture keeps its own size, centred in the frame.
  RECT area = {};
  GetClientRect(host, &area);
  EXPECT_EQ(area.right, 32);
  EXPECT_EQ(area.bottom, 24);
  e2e::SaveScreenshot(main, "media_video_playing");
  // Two seconds on, the video has ended at its last frame.
  EXPECT_TRUE(WaitForText(IDC_MEDIA_POSITION + step, "20 Frames", 6000)) << Text(IDC_MEDIA_POSITION + step);
  EXPECT_TRUE(IsWindowVisible(host));
  e2e::ClickId(main, IDC_MEDIA_STOP + step);
  EXPECT_TRUE(WaitForText(IDC_MEDIA_STATE + step, kTextMediaReady));
  EXPECT_EQ(Text(IDC_MEDIA_POSITION_LENGTH + step), "");
  EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(host) == FALSE; }, 3000));
}

}  // namespace
