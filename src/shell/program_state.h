// The program-wide values of the main program's start-up and main window: the folder it runs
// from, its settings, this run's command line and the state the message loop shares with the
// main window.
#pragma once

#include <windows.h>

#include <string>

#include "base/profile_store.h"
#include "shell/command_line.h"
#include "shell/settings.h"

// The mode (50 Audio .. 53 CD Player) is g_settings.main.mode; the media folders and the
// default CD drive root are g_settings.main.waveFilesPath, midiFilesPath, videoFilesPath and
// defaultCdRomDrive.
extern Settings g_settings;
extern HWND g_mainWindow;
extern std::string g_programFolder;   // the program file's folder, ending in "\"
extern std::string g_settingsPath;    // program folder + "BRINDWAX.INI"
extern CommandLine g_commandLine;     // this run's command line
extern bool g_playAndExit;            // started with a media file: play it, then end
extern UINT g_wheelMessage;           // the private "MSWHEEL_ROLLMSG" wheel message
// Set when an accelerator command was forwarded to a panel, so the message loop does not
// also hand the key to the dialog manager.
extern bool g_acceleratorConsumed;
// The virtual key of the WM_KEYDOWN the message loop is handing on, else 0: the dialog
// manager's questions about Enter come while it is handled.
extern UINT g_keyInProgress;

// The settings file of this run (g_settingsPath) through the profile functions.
ProfileStore& ProgramSettingsFile();
