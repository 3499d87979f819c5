// The media panels' file tools in the running program: copy and move into another folder,
// the "File Already Exists!" question answered each way, a copy over itself refused, rename,
// delete (by button and by the Delete key) and the editor started with the selected file.
// Every test checks the folders afterwards: what was asked is done and nothing else.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "filetools/editor_settings.h"
#include "filetools/file_tool_texts.h"
#include "filetools/filetools_texts.h"
#include "shell/texts.h"
#include "shell_e2e_support.h"

namespace {

constexpr int kMessageOk = 610;
constexpr int kMessageText = 620;
constexpr int kQuestionOk = 1010;
constexpr int kQuestionCancel = 1011;
constexpr int kQuestionText = 1020;

std::string ReadAll(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

// The names of the files in `folder` (ending in "\").
std::set<std::string> FilesIn(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(found.cFileName);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return names;
}

class FileTools : public testing::Test {
 protected:
  void SetUp() override {
    music = shelle2e::MakeMediaFolder(folder, "music");
    backup = shelle2e::MakeMediaFolder(folder, "backup");
    folder.WriteIni("MAIN", "BrindlewaxMode", "wave");
    folder.WriteIni("MAIN", "WaveFilesPath", music.c_str());
    folder.WriteIni("MAIN", "SoundControls", "Off");
    for (const char* name : {"a.wav", "b.wav", "c.wav", "d.wav"}) Put(music, name, "new ");
  }
  void TearDown() override {
    if (program.IsRunning()) program.Kill();
  }

  static void Put(const std::string& where, const std::string& name, const std::string& what) {
    shelle2e::WriteBytes(where + name, what + name);
  }

  void Start() {
    ASSERT_TRUE(program.Start(folder));
    main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(shelle2e::WaitForPanel(main, shelle2e::kAudioTab));
    list = e2e::FindControl(main, IDC_MEDIA_LIST);
  }

  int Count() const { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }

  // Selects exactly the entries with these names.
  void Select(const std::vector<std::string>& names) {
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    for (const std::string& name : names) {
      const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(name.c_str()));
      ASSERT_NE(index, LB_ERR) << name;
      SendMessageA(list, LB_SETSEL, TRUE, index);
    }
  }

  HWND Press(int audioId, const char* title) {
    e2e::ClickId(main, audioId);
    return program.WaitForWindow(title);
  }

  // The message box's text, after which it is closed.
  std::string TakeMessage() {
    HWND box = program.WaitForWindow(kTextMessageBoxTitle);
    if (box == nullptr) return "<no message>";
    const std::string text = e2e::GetText(e2e::FindControl(box, kMessageText));
    e2e::ClickId(box, kMessageOk);
    EXPECT_TRUE(WaitClosed(box));
    return text;
  }

  static bool WaitClosed(HWND window) {
    return e2e::WaitUntil([&] { return !IsWindow(window); }, 10000);
  }

  // Runs the copy or move dialog to `destination` and waits for it to end, answering each
  // "File Already Exists!" question with the next of `answers`.
  void Transfer(int audioId, const char* title, const std::string& destination,
                const std::vector<int>& answers = {}) {
    HWND dialog = Press(audioId, title);
    ASSERT_NE(dialog, nullptr);
    e2e::SetText(e2e::FindControl(dialog, IDC_COPY_DESTINATION), destination);
    e2e::ClickId(dialog, IDC_COPY_OK);
    for (int answer : answers) {
      HWND question = program.WaitForWindow(kTextFileExistsTitle);
      ASSERT_NE(question, nullptr);
      e2e::ClickId(question, answer);
      ASSERT_TRUE(WaitClosed(question));
    }
    ASSERT_TRUE(WaitClosed(dialog));
  }

  e2e::ProgramFolder folder;
  e2e::RunningProgram program;
  std::string music;
  std::string backup;
  HWND main = nullptr;
  HWND list = nullptr;
};

TEST_F(FileTools, CopyAndMoveTouchOnlyTheSelectedFiles) {
  Start();
  ASSERT_EQ(Count(), 4);
  Select({"a.wav", "c.wav"});
  HWND dialog = Press(IDC_MEDIA_COPY, kTextCopyFilesTitle);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(dialog, IDC_COPY_QUESTION)), kTextCopyQuestion);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(dialog, IDC_COPY_COUNT)), "2 files, 18 bytes");
  e2e::SaveScreenshot(dialog, "file_tools_copy_dialog");
  // Browse opens the folder browser's destination kind at the folder typed.
  e2e::SetText(e2e::FindControl(dialog, IDC_COPY_DESTINATION), backup);
  e2e::ClickId(dialog, IDC_COPY_BROWSE);
  HWND browser = program.WaitForWindow(kTextDestinationPathSetup);
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(browser, IDC_FOLDER_BROWSER_LOCATION)), backup);
  EXPECT_FALSE(IsWindowVisible(e2e::FindControl(browser, IDC_FOLDER_BROWSER_SEARCH)));
  e2e::ClickId(browser, IDC_FOLDER_BROWSER_OK);
  ASSERT_TRUE(WaitClosed(browser));
  EXPECT_EQ(e2e::GetText(e2e::FindControl(dialog, IDC_COPY_DESTINATION)), backup);
  e2e::ClickId(dialog, IDC_COPY_CANCEL);
  ASSERT_TRUE(WaitClosed(dialog));
  EXPECT_TRUE(FilesIn(backup).empty());

  Transfer(IDC_MEDIA_COPY, kTextCopyFilesTitle, backup);
  EXPECT_EQ(FilesIn(backup), (std::set<std::string>{"a.wav", "c.wav"}));
  EXPECT_EQ(ReadAll(backup + "c.wav"), "new c.wav");
  EXPECT_EQ(FilesIn(music).size(), 4u);
  EXPECT_EQ(folder.ReadIni("MAIN", "WaveCopyToPath"), backup);

  // The move dialog starts empty (its own last target), and the list loses the moved file.
  Select({"b.wav"});
  HWND move = Press(IDC_MEDIA_MOVE, kTextMoveFilesTitle);
  ASSERT_NE(move, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(move, IDC_COPY_QUESTION)), kTextMoveQuestion);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(move, IDC_COPY_DESTINATION)), "");
  e2e::ClickId(move, IDC_COPY_CANCEL);
  ASSERT_TRUE(WaitClosed(move));
  Transfer(IDC_MEDIA_MOVE, kTextMoveFilesTitle, backup);
  EXPECT_EQ(FilesIn(music), (std::set<std::string>{"a.wav", "c.wav", "d.wav"}));
  EXPECT_EQ(ReadAll(backup + "b.wav"), "new b.wav");
  EXPECT_TRUE(e2e::WaitUntil([&] { return Count() == 3; }, 5000));
  EXPECT_EQ(folder.ReadIni("MAIN", "WaveMoveToPath"), backup);

  // The next copy offers the last destination again.
  Select({"d.wav"});
  HWND again = Press(IDC_MEDIA_COPY, kTextCopyFilesTitle);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(again, IDC_COPY_DESTINATION)), backup);
  e2e::ClickId(again, IDC_COPY_CANCEL);
  ASSERT_TRUE(WaitClosed(again));
}

TEST_F(FileTools, ExistingFilesAreOverwrittenOnlyOnAYes) {
  for (const char* name : {"a.wav", "b.wav", "c.wav", "d.wav"}) Put(backup, name, "old ");
  Start();
  Select({"a.wav", "b.wav", "c.wav", "d.wav"});
  HWND dialog = Press(IDC_MEDIA_COPY, kTextCopyFilesTitle);
  ASSERT_NE(dialog, nullptr);
  e2e::SetText(e2e::FindControl(dialog, IDC_COPY_DESTINATION), backup);
  e2e::ClickId(dialog, IDC_COPY_OK);
  HWND question = program.WaitForWindow(kTextFileExistsTitle);
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(question, IDC_EXISTS_NAME)), backup + "a.wav");
  e2e::SaveScreenshot(question, "file_tools_file_exists");
  e2e::ClickId(question, IDC_EXISTS_SKIP);
  ASSERT_TRUE(WaitClosed(question));
  for (int answer : {IDC_EXISTS_OVERWRITE, IDC_EXISTS_CANCEL}) {
    question = program.WaitForWindow(kTextFileExistsTitle);
    ASSERT_NE(question, nullptr);
    e2e::ClickId(question, answer);
    ASSERT_TRUE(WaitClosed(question));
  }
  ASSERT_TRUE(WaitClosed(dialog));
  EXPECT_EQ(ReadAll(backup + "a.wav"), "old a.wav");
  EXPECT_EQ(ReadAll(backup + "b.wav"), "new b.wav");
  EXPECT_EQ(ReadAll(backup + "c.wav"), "old c.wav");
  EXPECT_EQ(ReadAll(backup + "d.wav"), "old d.wav");
  EXPECT_EQ(FilesIn(backup).size(), 4u);  // no temporary copy left behind

  // Overwrite All answers for the rest; a move removes what it moved.
  Select({"a.wav", "c.wav", "d.wav"});
  Transfer(IDC_MEDIA_MOVE, kTextMoveFilesTitle, backup, {IDC_EXISTS_OVERWRITE_ALL});
  EXPECT_EQ(ReadAll(backup + "a.wav"), "new a.wav");
  EXPECT_EQ(ReadAll(backup + "d.wav"), "new d.wav");
  EXPECT_EQ(FilesIn(music), std::set<std::string>{"b.wav"});
}

TEST_F(FileTools, CopyOverItselfIsRefusedHoweverTheFolderIsTyped) {
  Start();
  Select({"a.wav"});
  HWND dialog = Press(IDC_MEDIA_COPY, kTextCopyFilesTitle);
  ASSERT_NE(dialog, nullptr);
  std::string typed = music;
  for (char& c : typed) {
    if (c == '\\') c = '/';
  }
  typed[0] = static_cast<char>(tolower(typed[0]));
  e2e::SetText(e2e::FindControl(dialog, IDC_COPY_DESTINATION), typed + "./");
  e2e::ClickId(dialog, IDC_COPY_OK);
  EXPECT_EQ(TakeMessage(), kTextCopyOverItself);
  e2e::SetText(e2e::FindControl(dialog, IDC_COPY_DESTINATION), music + "nowhere");
  e2e::ClickId(dialog, IDC_COPY_OK);
  EXPECT_EQ(TakeMessage(), kTextInvalidPath);
  ASSERT_TRUE(IsWindow(dialog));  // still open to choose another folder
  e2e::ClickId(dialog, IDC_COPY_CANCEL);
  ASSERT_TRUE(WaitClosed(dialog));
  EXPECT_EQ(FilesIn(music).size(), 4u);
  EXPECT_EQ(ReadAll(music + "a.wav"), "new a.wav");
}

TEST_F(FileTools, RenameChecksTheNameAndRenamesOnlyThatFile) {
  Start();
  Select({"b.wav", "d.wav"});
  HWND dialog = Press(IDC_MEDIA_RENAME, kTextRenameFilesTitle);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(dialog, IDC_RENAME_OLD)), "b.wav");
  EXPECT_EQ(e2e::GetText(e2e::FindControl(dialog, IDC_RENAME_COUNT)), "File 1 of 2");
  e2e::SaveScreenshot(dialog, "file_tools_rename");
  HWND name = e2e::FindControl(dialog, IDC_RENAME_NEW);
  e2e::SetText(name, "A.WAV");
  e2e::ClickId(dialog, IDC_RENAME_OK);
  EXPECT_EQ(TakeMessage(), kTextNameTaken);
  e2e::SetText(name, "bee?.wav");
  e2e::ClickId(dialog, IDC_RENAME_OK);
  EXPECT_EQ(TakeMessage(), kTextInvalidFileName);
  e2e::SetText(name, "bee.wav");
  e2e::ClickId(dialog, IDC_RENAME_OK);
  ASSERT_TRUE(WaitClosed(dialog));
  // The second file's dialog: Cancel ends the series and keeps d.wav.
  HWND second = program.WaitForWindow(kTextRenameFilesTitle);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(second, IDC_RENAME_OLD)), "d.wav");
  e2e::ClickId(second, IDC_RENAME_CANCEL);
  ASSERT_TRUE(WaitClosed(second));
  EXPECT_EQ(FilesIn(music), (std::set<std::string>{"a.wav", "bee.wav", "c.wav", "d.wav"}));
  EXPECT_EQ(ReadAll(music + "bee.wav"), "new b.wav");
  EXPECT_TRUE(e2e::WaitUntil(
      [&] {
        return SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>("bee.wav")) != LB_ERR;
      },
      5000));
}

TEST_F(FileTools, DeleteAsksAndDeletesOnlyTheSelection) {
  Start();
  Select({"a.wav", "c.wav"});
  HWND dialog = Press(IDC_MEDIA_DELETE, kTextDeleteFilesTitle);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(dialog, IDC_DELETE_QUESTION)), kTextDeleteQuestion);
  e2e::SaveScreenshot(dialog, "file_tools_delete");
  e2e::ClickId(dialog, IDC_DELETE_CANCEL);
  ASSERT_TRUE(WaitClosed(dialog));
  EXPECT_EQ(FilesIn(music).size(), 4u);

  // The Delete key opens the same dialog for the list's selection.
  SetFocus(list);
  shelle2e::PostKey(list, VK_DELETE);
  dialog = program.WaitForWindow(kTextDeleteFilesTitle);
  ASSERT_NE(dialog, nullptr);
  e2e::ClickId(dialog, IDC_DELETE_OK);
  ASSERT_TRUE(WaitClosed(dialog));
  EXPECT_EQ(FilesIn(music), (std::set<std::string>{"b.wav", "d.wav"}));
  EXPECT_TRUE(e2e::WaitUntil([&] { return Count() == 2; }, 5000));
}

TEST_F(FileTools, EditorStartsWithTheSelectedFileOrOffersTheSelection) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string recorder = folder.File("cmdline_recorder.exe");
  ASSERT_TRUE(CopyFileA(self, recorder.c_str(), FALSE));
  Put(music, "my song.wav", "new ");
  folder.WriteIni("MAIN", "WavEditorPath", folder.Path().c_str());
  folder.WriteIni("MAIN", "WavEditorName", "cmdline_recorder.exe");
  Start();
  Select({"my song.wav"});
  e2e::ClickId(main, IDC_MEDIA_EDITOR);
  const std::string recorded = folder.File("recorded_command_lines.txt");
  ASSERT_TRUE(e2e::WaitUntil([&] { return ReadAll(recorded) != "<missing>"; }, 10000));
  e2e::Sleep(300);
  std::string music_folder = music.substr(0, music.size() - 1);
  EXPECT_EQ(ReadAll(recorded),
            "\"" + recorder + "\" \"" + music + "my song.wav\"|" + music_folder + "\r\n");

  // A kind without an editor: the question names it, and Cancel starts nothing.
  folder.WriteIni("MAIN", "WavEditorPath", nullptr);
  folder.WriteIni("MAIN", "WavEditorName", nullptr);
  DeleteFileA(recorded.c_str());
  Select({"a.wav"});
  e2e::ClickId(main, IDC_MEDIA_EDITOR);
  HWND question = program.WaitForWindow(kTextQuestionBoxTitle);
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(e2e::GetText(e2e::FindControl(question, kQuestionText)),
            NoEditorQuestion(EditorKind::kWav));
  e2e::ClickId(question, kQuestionCancel);
  ASSERT_TRUE(WaitClosed(question));
  e2e::Sleep(500);
  EXPECT_EQ(ReadAll(recorded), "<missing>");

  // Yes: the selection opens on the kind, and the editor chosen there starts at once.
  e2e::ClickId(main, IDC_MEDIA_EDITOR);
  question = program.WaitForWindow(kTextQuestionBoxTitle);
  ASSERT_NE(question, nullptr);
  e2e::ClickId(question, kQuestionOk);
  HWND selection = program.WaitForWindow(EditorDialogTitle(EditorKind::kWav).c_str());
  ASSERT_NE(selection, nullptr);
  e2e::SetText(e2e::FindControl(selection, IDC_EDITOR_PATH), recorder);
  e2e::ClickId(selection, IDC_EDITOR_SELECTION_OK);
  ASSERT_TRUE(WaitClosed(selection));
  ASSERT_TRUE(e2e::WaitUntil([&] { return ReadAll(recorded) != "<missing>"; }, 10000));
  e2e::Sleep(300);
  EXPECT_EQ(ReadAll(recorded),
            "\"" + recorder + "\" \"" + music + "a.wav\"|" + music_folder + "\r\n");
  EXPECT_EQ(folder.ReadIni("MAIN", "WavEditorName"), "cmdline_recorder.exe");
}

}  // namespace
