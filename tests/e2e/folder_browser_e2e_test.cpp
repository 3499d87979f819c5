// The Path Setup folder browser and the drive search on the real program, over a folder tree
// the test makes and maps to drive letters of its own: the directory list's chain and
// navigation, the drive list, the caller's program list refilled live and restored on Cancel,
// the drive search with its result lines, count line and cache, and the network-path message.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "filetools/filetools_texts.h"
#include "shell/texts.h"
#include "shell_e2e_support.h"

namespace {

using shelle2e::ExitProgram;

constexpr int kMessageOk = 610;
constexpr int kMessageText = 620;
constexpr int kQuestionOk = 1010;
constexpr const char* kExeBrowserTitle = "EXE File Path Setup";
constexpr char kTreeDrive = 'X';
constexpr char kGoneDrive = 'Q';  // its folder is removed while the browser is open, as a disk is

// Runs a program of the host system (the file tools of the test's machine) and waits for it.
bool RunHostCommand(const std::string& program, const std::string& arguments) {
  std::string commandLine = program + " " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  const std::string windowsProgram = "Z:" + program;
  if (!CreateProcessA(windowsProgram.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

std::string HostVariable(const char* name) {
  char value[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

// Drive letters of the test: links in the prefix's dosdevices folder, as the system's own
// drives are made.
class MappedDrive {
 public:
  MappedDrive(char letter, const std::string& hostTarget) {
    const std::string prefix = HostVariable("WINEPREFIX");
    if (prefix.empty()) return;
    link_ = prefix + "/dosdevices/" + static_cast<char>(letter - 'A' + 'a') + ":";
    RunHostCommand("/bin/ln", "-sfn " + hostTarget + " " + link_);
  }
  ~MappedDrive() {
    if (!link_.empty()) RunHostCommand("/bin/rm", "-f " + link_);
  }
  MappedDrive(const MappedDrive&) = delete;
  MappedDrive& operator=(const MappedDrive&) = delete;

 private:
  std::string link_;
};

std::string Root(char letter) { return std::string(1, letter) + ":\\"; }

// Line texts are asked for in wide characters: the narrow reply does not cross from process
// to process whole.
std::vector<std::string> ListLines(HWND list) {
  std::vector<std::string> lines;
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t text[MAX_PATH + 1] = {};
    if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < MAX_PATH) {
      SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    }
    char narrow[2 * MAX_PATH + 2] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    lines.emplace_back(narrow);
  }
  return lines;
}

std::vector<std::string> Lines(HWND dialog, int id) { return ListLines(e2e::FindControl(dialog, id)); }

int LineIndex(HWND dialog, int id, const std::string& text) {
  const std::vector<std::string> lines = Lines(dialog, id);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == text) return static_cast<int>(i);
  }
  return -1;
}

// A double-click on a line as the mouse gives it, at the middle of the line.
bool DoubleClickLine(HWND dialog, int id, const std::string& text) {
  HWND list = e2e::FindControl(dialog, id);
  const int index = LineIndex(dialog, id, text);
  if (index < 0) return false;
  SendMessageA(list, LB_SETTOPINDEX, index, 0);
  RECT line{};
  if (SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&line)) == LB_ERR) return false;
  const LPARAM at = MAKELPARAM((line.left + line.right) / 2, (line.top + line.bottom) / 2);
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(list, WM_LBUTTONUP, 0, at);
  PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageA(list, WM_LBUTTONUP, 0, at);
  return true;
}

void SelectLine(HWND dialog, int id, const std::string& text) {
  HWND list = e2e::FindControl(dialog, id);
  SendMessageA(list, LB_SETCURSEL, LineIndex(dialog, id, text), 0);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::string Text(HWND dialog, int id) { return e2e::GetText(e2e::FindControl(dialog, id)); }

bool WaitForText(HWND dialog, int id, const std::string& text, int timeoutMs = 5000) {
  return e2e::WaitUntil([&] { return Text(dialog, id) == text; }, timeoutMs);
}

bool WaitClosed(HWND window) { return e2e::WaitUntil([&] { return !IsWindow(window); }, 5000); }

bool Visible(HWND dialog, int id) { return IsWindowVisible(e2e::FindControl(dialog, id)) != FALSE; }

class FolderBrowserFlow : public testing::Test {
 protected:
  void SetUp() override {
    host_ = "/tmp/bw-browser-" + std::to_string(GetCurrentProcessId()) + "-" +
            testing::UnitTest::GetInstance()->current_test_info()->name();
    tree_ = "Z:" + host_;
    for (char& c : tree_) {
      if (c == '/') c = '\\';
    }
    for (const char* folderName :
         {"", "\\Music", "\\Music\\Rock", "\\Music\\Rock\\Live", "\\Music\\Rock\\Studio",
          "\\Music\\Jazz", "\\Programs", "\\Programs\\Sub", "\\Tools", "-gone"}) {
      CreateDirectoryA((tree_ + folderName).c_str(), nullptr);
    }
    for (const char* file : {"\\Programs\\alpha.exe", "\\Programs\\beta.exe",
                             "\\Programs\\Sub\\gamma.exe", "\\Tools\\readme.txt",
                             "\\Music\\Rock\\one.wav"}) {
      HANDLE handle = CreateFileA((tree_ + file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
      if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
    tree_drive_ = std::make_unique<MappedDrive>(kTreeDrive, host_);
    gone_drive_ = std::make_unique<MappedDrive>(kGoneDrive, host_ + "-gone");
    ASSERT_TRUE(e2e::WaitUntil(
        [] { return GetFileAttributesA(Root(kTreeDrive).c_str()) != INVALID_FILE_ATTRIBUTES; }, 5000))
        << "the test drive could not be mapped";
    folder.WriteIni("MAIN", "SoundControls", "Off");
    folder.WriteIni("MAIN", "WaveFilesPath", "X:\\Music\\Rock\\Live\\");
  }

  void TearDown() override {
    if (program.IsRunning()) {
      EXPECT_EQ(ExitProgram(program, main), 0);
    }
    tree_drive_.reset();
    gone_drive_.reset();
    RunHostCommand("/bin/rm", "-rf " + host_ + " " + host_ + "-gone");
  }

  void Start() {
    ASSERT_TRUE(program.Start(folder));
    main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
  }

  // The main window's Volume without a mixer: the question, then the selection.
  HWND OpenMixerSelectionFromVolume() {
    e2e::ClickId(main, IDC_MAIN_VOLUME);
    HWND question = program.WaitForWindow("Brindlewax Question!");
    if (question == nullptr) return nullptr;
    e2e::ClickId(question, kQuestionOk);
    return program.WaitForWindow(kTextVolumeMixerDialogTitle);
  }

  HWND OpenMixerSelectionFromOptions() {
    e2e::ClickId(main, IDC_MAIN_SETUP);
    options = program.WaitForWindow("Brindlewax Setup");
    if (options == nullptr) return nullptr;
    e2e::ClickId(options, IDC_OPTIONS_CHANGE_VOLUME);
    return program.WaitForWindow(kTextVolumeMixerDialogTitle);
  }

  HWND Browse(HWND selection, int browseId) {
    e2e::ClickId(selection, browseId);
    return program.WaitForWindow(kExeBrowserTitle);
  }

  std::string host_;  // the tree as the host system names it
  std::string tree_;  // and as the program does
  std::unique_ptr<MappedDrive> tree_drive_;
  std::unique_ptr<MappedDrive> gone_drive_;
  e2e::ProgramFolder folder;
  e2e::RunningProgram program;
  HWND main = nullptr;
  HWND options = nullptr;
};

// The mixer selection's Browse opens the EXE kind; every step refills the list 1941 with the
// folder's programs and the indicator follows it; OK keeps the chosen folder's programs, and a
// program picked there is stored. Cancel brings back the programs of the folder it started at.
TEST_F(FolderBrowserFlow, MixerSelectionBrowsesForItsProgramFolder) {
  Start();
  HWND selection = OpenMixerSelectionFromVolume();
  ASSERT_NE(selection, nullptr);
  HWND browser = Browse(selection, IDC_VOLUME_MIXER_BROWSE);
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(Text(browser, IDC_FOLDER_BROWSER_FILES_QUESTION), kTextExeFilesQuestion);
  EXPECT_TRUE(Visible(browser, IDC_FOLDER_BROWSER_SEARCH));
  EXPECT_TRUE(Visible(browser, IDC_FOLDER_BROWSER_SEARCH_LABEL));

  // The drive list holds the test's drives as the system lists them.
  const std::vector<std::string> drives = Lines(browser, IDC_FOLDER_BROWSER_DRIVES);
  EXPECT_NE(std::find(drives.begin(), drives.end(), "[-x-]"), drives.end());
  EXPECT_NE(std::find(drives.begin(), drives.end(), "[-q-]"), drives.end());
  const int xEntry = LineIndex(browser, IDC_FOLDER_BROWSER_DRIVES, "[-x-]");
  EXPECT_EQ(Lines(browser, IDC_FOLDER_BROWSER_DRIVE_TEXTS)[xEntry].substr(0, 3), "X: ");

  ASSERT_TRUE(DoubleClickLine(browser, IDC_FOLDER_BROWSER_DRIVES, "[-x-]"));
  ASSERT_TRUE(WaitForText(browser, IDC_FOLDER_BROWSER_LOCATION, "X:\\"));
  HWND programs = e2e::FindControl(selection, IDC_VOLUME_MIXER_PROGRAMS);
  EXPECT_TRUE(e2e::WaitUntil([&] { return SendMessageA(programs, LB_GETCOUNT, 0, 0) == 0; }, 3000));
  EXPECT_EQ(Text(browser, IDC_FOLDER_BROWSER_FILES_ANSWER), kTextFilesNo);

  ASSERT_TRUE(DoubleClickLine(browser, IDC_FOLDER_BROWSER_DIRECTORIES, "Programs"));
  ASSERT_TRUE(WaitForText(browser, IDC_FOLDER_BROWSER_LOCATION, "X:\\Programs\\"));
  EXPECT_EQ(ListLines(programs), (std::vector<std::string>{"alpha.exe", "beta.exe"}));
  EXPECT_EQ(Text(browser, IDC_FOLDER_BROWSER_FILES_ANSWER), kTextFilesYes);
  e2e::Sleep(400);
  e2e::SaveScreenshot(browser, "folder_browser_exe");

  e2e::ClickId(browser, IDC_FOLDER_BROWSER_OK);
  ASSERT_TRUE(WaitClosed(browser));
  EXPECT_EQ(ListLines(programs), (std::vector<std::string>{"alpha.exe", "beta.exe"}));
  EXPECT_EQ(Text(selection, IDC_VOLUME_MIXER_PROGRAMS_LABEL),
            std::string(kTextProgramsIn) + "X:\\Programs\\");
  SelectLine(selection, IDC_VOLUME_MIXER_PROGRAMS, "beta.exe");
  ASSERT_TRUE(WaitForText(selection, IDC_VOLUME_MIXER_PATH, "X:\\Programs\\beta.exe"));
  e2e::Sleep(300);
  e2e::SaveScreenshot(selection, "volume_mixer_selection");
  e2e::ClickId(selection, IDC_VOLUME_MIXER_OK);
  ASSERT_TRUE(WaitClosed(selection));
  EXPECT_EQ(folder.ReadIni("MAIN", "VolumeApplicationPath"), "X:\\Programs\\");
  EXPECT_EQ(folder.ReadIni("MAIN", "VolumeApplicationName"), "beta.exe");

  // Again from the options: the stored program's folder is listed; browsing into a folder
  // without programs empties the list, and Cancel lists the starting folder's programs again.
  selection = OpenMixerSelectionFromOptions();
  ASSERT_NE(selection, nullptr);
  programs = e2e::FindControl(selection, IDC_VOLUME_MIXER_PROGRAMS);
  EXPECT_EQ(ListLines(programs), (std::vector<std::string>{"alpha.exe", "beta.exe"}));
  browser = Browse(selection, IDC_VOLUME_MIXER_BROWSE);
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(Text(browser, IDC_FOLDER_BROWSER_LOCATION), "X:\\Programs\\");
  ASSERT_TRUE(DoubleClickLine(browser, IDC_FOLDER_BROWSER_DIRECTORIES, "X:\\"));
  ASSERT_TRUE(WaitForText(browser, IDC_FOLDER_BROWSER_LOCATION, "X:\\"));
  ASSERT_TRUE(DoubleClickLine(browser, IDC_FOLDER_BROWSER_DIRECTORIES, "Tools"));
  ASSERT_TRUE(WaitForText(browser, IDC_FOLDER_BROWSER_LOCATION, "X:\\Tools\\"));
  EXPECT_EQ(SendMessageA(programs, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(Text(browser, IDC_FOLDER_BROWSER_FILES_ANSWER), kTextFilesNo);
  e2e::ClickId(browser, IDC_FOLDER_BROWSER_CANCEL);
  ASSERT_TRUE(WaitClosed(browser));
  EXPECT_EQ(ListLines(programs), (std::vector<std::string>{"alpha.exe", "beta.exe"}));
  e2e::ClickId(selection, IDC_VOLUME_MIXER_CANCEL);
  ASSERT_TRUE(WaitClosed(selection));
  e2e::ClickId(options, IDC_OPTIONS_CANCEL);
  ASSERT_TRUE(WaitClosed(options));
}

// The directory list of X:\Music\Rock\ and where each double-click leads; a starting folder in
// lower case still selects its drive; a drive that cannot be made current leaves the browser
// in the audio folder.
TEST_F(FolderBrowserFlow, EditorSelectionNavigatesTheDirectoryList) {
  folder.WriteIni("MAIN", "WavEditorPath", "x:\\Music\\Rock\\");
  folder.WriteIni("MAIN", "WavEditorName", "wavedit.exe");
  Start();
  e2e::ClickId(main, IDC_MAIN_SETUP);
  options = program.WaitForWindow("Brindlewax Setup");
  ASSERT_NE(options, nullptr);
  e2e::ClickId(options, IDC_OPTIONS_CHANGE_EDITOR);
  HWND editor = program.WaitForWindow("Select editor for *.WAV files");
  ASSERT_NE(editor, nullptr);
  HWND browser = Browse(editor, IDC_EDITOR_BROWSE);
  ASSERT_NE(browser, nullptr);

  const std::vector<std::string> rock = {"x:\\", "Music", "Rock", "Live", "Studio"};
  EXPECT_EQ(Lines(browser, IDC_FOLDER_BROWSER_DIRECTORIES), rock);
  EXPECT_EQ(Lines(browser, IDC_FOLDER_BROWSER_DIRECTORY_TEXTS), rock);
  EXPECT_EQ(Text(browser, IDC_FOLDER_BROWSER_LOCATION), "x:\\Music\\Rock\\");
  HWND drives = e2e::FindControl(browser, IDC_FOLDER_BROWSER_DRIVES);
  EXPECT_EQ(SendMessageA(drives, LB_GETCURSEL, 0, 0),
            LineIndex(browser, IDC_FOLDER_BROWSER_DRIVES, "[-x-]"));
  e2e::Sleep(400);
  e2e::SaveScreenshot(browser, "folder_browser_chain");

  ASSERT_TRUE(DoubleClickLine(browser, IDC_FOLDER_BROWSER_DIRECTORIES, "Rock"));
  ASSERT_TRUE(WaitForText(browser, IDC_FOLDER_BROWSER_LOCATION, "x:\\Music\\"));
  EXPECT_EQ(Lines(browser, IDC_FOLDER_BROWSER_DIRECTORIES),
            (std::vector<std::string>{"x:\\", "Music", "Jazz", "Rock"}));
  ASSERT_TRUE(DoubleClickLine(browser, IDC_FOLDER_BROWSER_DIRECTORIES, "Rock"));
  ASSERT_TRUE(WaitForText(browser, IDC_FOLDER_BROWSER_LOCATION, "x:\\Music\\Rock\\"));
  ASSERT_TRUE(DoubleClickLine(browser, IDC_FOLDER_BROWSER_DIRECTORIES, "Music"));
  ASSERT_TRUE(WaitForText(browser, IDC_FOLDER_BROWSER_LOCATION, "x:\\Music\\"));
  ASSERT_TRUE(DoubleClickLine(browser, IDC_FOLDER_BROWSER_DIRECTORIES, "x:\\"));
  ASSERT_TRUE(WaitForText(browser, IDC_FOLDER_BROWSER_LOCATION, "x:\\"));
  EXPECT_EQ(Lines(browser, IDC_FOLDER_BROWSER_DIRECTORIES),
            (std::vector<std::string>{"x:\\", "Music", "Programs", "Tools"}));
  // The root's own entry stays where it is.
  ASSERT_TRUE(DoubleClickLine(browser, IDC_FOLDER_BROWSER_DIRECTORIES, "x:\\"));
  e2e::Sleep(500);
  EXPECT_EQ(Text(browser, IDC_FOLDER_BROWSER_LOCATION), "x:\\");

  ASSERT_TRUE(RemoveDirectoryA((tree_ + "-gone").c_str()));
  ASSERT_TRUE(DoubleClickLine(browser, IDC_FOLDER_BROWSER_DRIVES, "[-q-]"));
  ASSERT_TRUE(WaitForText(browser, IDC_FOLDER_BROWSER_LOCATION, "X:\\Music\\Rock\\Live\\"));
  EXPECT_EQ(SendMessageA(drives, LB_GETCURSEL, 0, 0),
            LineIndex(browser, IDC_FOLDER_BROWSER_DRIVES, "[-x-]"));

  ASSERT_TRUE(DoubleClickLine(browser, IDC_FOLDER_BROWSER_DRIVES, "[-c-]"));
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return Text(browser, IDC_FOLDER_BROWSER_LOCATION).substr(0, 3) == "C:\\"; }, 5000));
  e2e::ClickId(browser, IDC_FOLDER_BROWSER_CANCEL);
  ASSERT_TRUE(WaitClosed(browser));
  e2e::ClickId(editor, IDC_EDITOR_CANCEL);
  ASSERT_TRUE(WaitClosed(editor));
  e2e::ClickId(options, IDC_OPTIONS_CANCEL);
  ASSERT_TRUE(WaitClosed(options));
}

// Search in the EXE kind: the drive's folders with programs, their counts, the totals and
// "Done!"; the same drive and kind again shows the result without walking; a cancelled search
// leaves the browser open on its folder; double-clicking a result takes it as OK does.
TEST_F(FolderBrowserFlow, DriveSearchFindsTheProgramFolders) {
  folder.WriteIni("MAIN", "VolumeApplicationPath", "X:\\Tools\\");
  folder.WriteIni("MAIN", "VolumeApplicationName", "mixer.exe");
  Start();
  HWND selection = OpenMixerSelectionFromOptions();
  ASSERT_NE(selection, nullptr);
  HWND browser = Browse(selection, IDC_VOLUME_MIXER_BROWSE);
  ASSERT_NE(browser, nullptr);

  e2e::ClickId(browser, IDC_FOLDER_BROWSER_SEARCH);
  HWND search = program.WaitForWindow("Search for Executable files on drive X:");
  ASSERT_NE(search, nullptr);
  EXPECT_EQ(Text(search, IDC_DRIVE_SEARCH_FILE_TOTAL_LABEL),
            "Total number of Executable files found on drive X:");
  EXPECT_EQ(Text(search, IDC_DRIVE_SEARCH_FOLDER_TOTAL_LABEL),
            "Total number of directories with Executable files on drive X:");
  EXPECT_EQ(Text(search, IDC_DRIVE_SEARCH_FILE_TOTAL), "0");
  EXPECT_EQ(Lines(search, IDC_DRIVE_SEARCH_RESULTS).size(), 0u);

  e2e::ClickId(search, IDC_DRIVE_SEARCH_START);
  ASSERT_TRUE(WaitForText(search, IDC_DRIVE_SEARCH_COUNT, kTextSearchDone, 15000));
  EXPECT_EQ(Lines(search, IDC_DRIVE_SEARCH_RESULTS),
            (std::vector<std::string>{"X:\\Programs\\", "X:\\Programs\\Sub\\"}));
  EXPECT_EQ(Text(search, IDC_DRIVE_SEARCH_FILE_TOTAL), "3");
  EXPECT_EQ(Text(search, IDC_DRIVE_SEARCH_FOLDER_TOTAL), "2");
  EXPECT_EQ(Text(search, IDC_DRIVE_SEARCH_OUTPUT), kTextSearchPickHint);
  SelectLine(search, IDC_DRIVE_SEARCH_RESULTS, "X:\\Programs\\");
  EXPECT_TRUE(WaitForText(search, IDC_DRIVE_SEARCH_COUNT, "2 Executable File(s)"));
  e2e::Sleep(300);
  e2e::SaveScreenshot(search, "drive_search_exe");

  e2e::ClickId(search, IDC_DRIVE_SEARCH_CANCEL);
  ASSERT_TRUE(WaitClosed(search));
  e2e::Sleep(300);
  ASSERT_TRUE(IsWindow(browser));
  EXPECT_EQ(Text(browser, IDC_FOLDER_BROWSER_LOCATION), "X:\\Tools\\");

  // The kept result, shown at once.
  e2e::ClickId(browser, IDC_FOLDER_BROWSER_SEARCH);
  search = program.WaitForWindow("Search for Executable files on drive X:");
  ASSERT_NE(search, nullptr);
  EXPECT_EQ(Lines(search, IDC_DRIVE_SEARCH_RESULTS),
            (std::vector<std::string>{"X:\\Programs\\", "X:\\Programs\\Sub\\"}));
  EXPECT_EQ(Text(search, IDC_DRIVE_SEARCH_FILE_TOTAL), "3");
  EXPECT_EQ(Text(search, IDC_DRIVE_SEARCH_FOLDER_TOTAL), "2");
  EXPECT_EQ(Text(search, IDC_DRIVE_SEARCH_COUNT), "");
  ASSERT_TRUE(DoubleClickLine(search, IDC_DRIVE_SEARCH_RESULTS, "X:\\Programs\\Sub\\"));
  ASSERT_TRUE(WaitClosed(search));
  ASSERT_TRUE(WaitClosed(browser));
  HWND programs = e2e::FindControl(selection, IDC_VOLUME_MIXER_PROGRAMS);
  EXPECT_EQ(ListLines(programs), (std::vector<std::string>{"gamma.exe"}));
  EXPECT_EQ(Text(selection, IDC_VOLUME_MIXER_PROGRAMS_LABEL),
            std::string(kTextProgramsIn) + "X:\\Programs\\Sub\\");
  e2e::ClickId(selection, IDC_VOLUME_MIXER_CANCEL);
  ASSERT_TRUE(WaitClosed(selection));
  e2e::ClickId(options, IDC_OPTIONS_CANCEL);
  ASSERT_TRUE(WaitClosed(options));
}

// A network path is shown as one entry, and Search (Alt+S) says it works on drive letters only.
TEST_F(FolderBrowserFlow, SearchRefusesANetworkPath) {
  folder.WriteIni("MAIN", "VolumeApplicationPath", "\\\\nosuchserver\\share\\");
  folder.WriteIni("MAIN", "VolumeApplicationName", "mixer.exe");
  Start();
  HWND selection = OpenMixerSelectionFromOptions();
  ASSERT_NE(selection, nullptr);
  HWND browser = Browse(selection, IDC_VOLUME_MIXER_BROWSE);
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(Lines(browser, IDC_FOLDER_BROWSER_DIRECTORIES),
            (std::vector<std::string>{"\\\\nosuchserver\\share\\"}));
  shelle2e::PostAltKey(browser, 'S');
  HWND message = program.WaitForWindow("Brindlewax Message");
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(Text(message, kMessageText), kTextSearchMappedDrivesOnly);
  e2e::ClickId(message, kMessageOk);
  ASSERT_TRUE(WaitClosed(message));
  EXPECT_TRUE(IsWindow(browser));
  e2e::ClickId(browser, IDC_FOLDER_BROWSER_CANCEL);
  ASSERT_TRUE(WaitClosed(browser));
  e2e::ClickId(selection, IDC_VOLUME_MIXER_CANCEL);
  ASSERT_TRUE(WaitClosed(selection));
  e2e::ClickId(options, IDC_OPTIONS_CANCEL);
  ASSERT_TRUE(WaitClosed(options));
}

}  // namespace
