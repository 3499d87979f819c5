// The installation's host in the installer's windows.
#include "setup/setup_window_host.h"

#include "resources/setup_resource.h"
#include "setup/setup_freedb_dialog.h"
#include "setup/setup_message_dialog.h"
#include "setup/setup_question_dialog.h"
#include "setup/shortcut_win32.h"

bool WindowSetupHost::Ask(const std::string& question) { return AskSetupQuestion(dialog_, question); }

void WindowSetupHost::ShowMessage(const std::string& text) { ShowSetupMessage(dialog_, text); }

void WindowSetupHost::ShowLine(int id, const std::string& text) {
  HWND line = GetDlgItem(dialog_, id);
  SetWindowTextA(line, text.c_str());
  // The copy runs in the window's own thread: the line is painted now, not after it.
  UpdateWindow(line);
}

void WindowSetupHost::ShowStatus(const std::string& text) { ShowLine(IDC_SETUP_STATUS, text); }

void WindowSetupHost::ShowPercent(const std::string& text) { ShowLine(IDC_SETUP_PERCENT, text); }

void WindowSetupHost::SetBusy(bool busy) {
  if (busy) {
    previousCursor_ = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
  } else {
    SetCursor(previousCursor_ != nullptr ? previousCursor_ : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
    previousCursor_ = nullptr;
  }
}

bool WindowSetupHost::FolderExists(const std::string& folder) {
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WindowSetupHost::CreateFolder(const std::string& folder) {
  return CreateDirectoryA(folder.c_str(), nullptr) != FALSE || FolderExists(folder);
}

bool WindowSetupHost::CreateShortcut(const bw::setup::ShortcutRequest& shortcut) {
  return bw::setup::CreateShortcut(bw::setup::ShortcutPath(), shortcut);
}

bw::setup::FreedbContact WindowSetupHost::AskFreedbContact(const bw::setup::FreedbContact& offered) {
  return RunSetupFreedbDialog(dialog_, offered);
}
