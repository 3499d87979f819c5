// Reading the main window of a running program from the shell's end-to-end tests: its tab,
// its panel's controls, and keys and clicks sent into it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "e2e_support.h"
#include "resources/resource.h"

namespace shelle2e {

inline constexpr int kAudioTab = 0;
inline constexpr int kMidiTab = 1;
inline constexpr int kVideoTab = 2;
inline constexpr int kCdPlayerTab = 3;

inline int SelectedTab(HWND main) {
  HWND tabs = e2e::FindControl(main, IDC_MAIN_TABS);
  return tabs != nullptr ? static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0)) : -1;
}

// The panel shown is the one whose controls exist: the CD Player's Play button, or the
// file list of a media panel.
inline bool ShowsPanel(HWND main, int tab) {
  const int probe = tab == kCdPlayerTab ? IDC_CD_PLAY : IDC_MEDIA_LIST + tab * IDC_MEDIA_ID_STEP;
  return e2e::FindControl(main, probe) != nullptr;
}

inline bool WaitForPanel(HWND main, int tab, int timeoutMs = 5000) {
  return e2e::WaitUntil([&] { return SelectedTab(main) == tab && ShowsPanel(main, tab); },
                        timeoutMs);
}

// The keyboard focus of the program's window thread.
inline HWND FocusOf(HWND main) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) ? info.hwndFocus : nullptr;
}

// A key as the keyboard posts it to the focused window.
inline void PostKey(HWND window, UINT virtualKey) {
  const UINT scanCode = MapVirtualKeyA(virtualKey, 0);
  PostMessageA(window, WM_KEYDOWN, virtualKey, 1 | (scanCode << 16));
  PostMessageA(window, WM_KEYUP, virtualKey, 1 | (scanCode << 16) | 0xC0000000u);
}

// Alt with a letter, as the keyboard posts it.
inline void PostAltKey(HWND window, UINT virtualKey) {
  const UINT scanCode = MapVirtualKeyA(virtualKey, 0);
  PostMessageA(window, WM_SYSKEYDOWN, virtualKey, 1 | (scanCode << 16) | 0x20000000u);
  PostMessageA(window, WM_SYSKEYUP, virtualKey, 1 | (scanCode << 16) | 0xE0000000u);
}

// Reaches a field through its group's mnemonic, types `text` and takes it with Enter, as a
// user does. False when the mnemonic does not bring the focus to the field.
inline bool TypeByMnemonic(HWND dialog, int fieldId, UINT mnemonic, const std::string& text) {
  HWND field = e2e::FindControl(dialog, fieldId);
  PostAltKey(dialog, mnemonic);
  if (!e2e::WaitUntil([&] { return FocusOf(dialog) == field; }, 3000)) return false;
  e2e::Sleep(300);  // the mnemonic's character passes first
  e2e::SetText(field, text);
  PostKey(field, VK_RETURN);
  return true;
}

// The first drive from A to Z that is a CD-ROM drive, as a root path; "" when none.
inline std::string FirstCdRomDrive() {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const char root[4] = {letter, ':', '\\', '\0'};
    if (GetDriveTypeA(root) == DRIVE_CDROM) return root;
  }
  return std::string();
}

// Exits through the Exit button and answers the exit code (or -1 when it does not end).
inline long ExitProgram(e2e::RunningProgram& program, HWND main) {
  e2e::ClickId(main, IDC_MAIN_EXIT);
  DWORD code = 0;
  return program.WaitForExit(20000, &code) ? static_cast<long>(code) : -1;
}

// A folder beside the program folder for media files.
inline std::string MakeMediaFolder(const e2e::ProgramFolder& folder, const std::string& name) {
  const std::string path = folder.File(name) + "\\";
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

inline void WriteBytes(const std::string& path, const std::string& content) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace shelle2e
