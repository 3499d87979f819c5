// The program-wide values of the main program.
#include "shell/program_state.h"

#include "base/profile_win32.h"

// --- look and feel ---
HINSTANCE g_instance = nullptr;
bool g_highColour = true;
bool g_largeFonts = false;
HMODULE g_animationLibrary = nullptr;
AnimateWindowFunction g_animateWindow = nullptr;
std::string g_helpFilePath;
Settings g_settings;

// --- start-up and main window ---
HWND g_mainWindow = nullptr;
std::string g_programFolder;
std::string g_settingsPath;
CommandLine g_commandLine;
bool g_playAndExit = false;
UINT g_wheelMessage = 0;
UniqueBrush g_entryFieldBrush;
UniquePalette g_programPalette;
std::unique_ptr<bw::CdDevice> g_cdDevice;
std::string g_searchString;
bool g_acceleratorConsumed = false;
UINT g_keyInProgress = 0;
Animation g_animations[kAnimationRecordCount];

ProfileStore& ProgramSettingsFile() {
  static Win32ProfileStore store(g_settingsPath);
  // The path is known only after start-up has built it; follow it if it changed.
  if (store.Path() != g_settingsPath) store = Win32ProfileStore(g_settingsPath);
  return store;
}
