// The program-wide values of start-up and the main window.
#include "shell/program_state.h"

#include "base/profile_win32.h"

Settings g_settings;
HWND g_mainWindow = nullptr;
std::string g_programFolder;
std::string g_settingsPath;
CommandLine g_commandLine;
bool g_playAndExit = false;
UINT g_wheelMessage = 0;
bool g_acceleratorConsumed = false;
UINT g_keyInProgress = 0;

ProfileStore& ProgramSettingsFile() {
  static Win32ProfileStore store(g_settingsPath);
  // The path is known only after start-up has built it; follow it if it changed.
  if (store.Path() != g_settingsPath) store = Win32ProfileStore(g_settingsPath);
  return store;
}
