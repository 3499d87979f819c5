// The few program-wide values of the main program, set at start-up and read by every window.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "cd/cd_device.h"
#include "shell/animation.h"
#include "shell/command_line.h"
#include "shell/settings.h"
#include "base/win32_handles.h"

// --- look and feel: skins, sound effects, animations, boxes ---
// (the main window's start-up sets these; more program-wide state may follow below)
extern HINSTANCE g_instance;          // the main program's module: skins, sounds, dialogs
extern bool g_highColour;             // screen has 9 or more bits per pixel
extern bool g_largeFonts;             // 120 pixels per inch in both directions
extern HMODULE g_animationLibrary;    // WaxAnim.dll
using AnimateWindowFunction = BOOL(WINAPI*)(HWND, DWORD, DWORD);
extern AnimateWindowFunction g_animateWindow;  // null when user32 has no AnimateWindow
extern std::string g_helpFilePath;    // program folder + "brindhlp.hlp"
extern Settings g_settings;           // sound effects: g_settings.main.soundControls

// --- start-up and main window ---
// The mode (50 Audio .. 53 CD Player) is g_settings.main.mode; the media folders and the
// default CD drive root are g_settings.main.waveFilesPath, midiFilesPath, videoFilesPath and
// defaultCdRomDrive.
extern HWND g_mainWindow;
extern std::string g_programFolder;   // the program file's folder, ending in "\"
extern std::string g_settingsPath;    // program folder + "BRINDWAX.INI"
extern CommandLine g_commandLine;     // this run's command line
extern bool g_playAndExit;            // started with a media file: play it, then end
extern UINT g_wheelMessage;           // the private "MSWHEEL_ROLLMSG" wheel message
extern UniqueBrush g_entryFieldBrush; // edit and list controls of every panel
extern UniquePalette g_programPalette;  // 256-colour mode: the palette of RCDATA 2100
extern std::unique_ptr<bw::CdDevice> g_cdDevice;  // the one CD audio device
extern std::string g_searchString;    // the database search's text buffer
// Set when an accelerator command was forwarded to a panel, so the message loop does not
// also hand the key to the dialog manager.
extern bool g_acceleratorConsumed;
// The virtual key of the WM_KEYDOWN the message loop is handing on, else 0: the dialog
// manager's questions about Enter come while it is handled.
extern UINT g_keyInProgress;

// The six animation records: the five named places (AnimationPlace) and the fixed one.
inline constexpr int kFixedAnimation = 5;
inline constexpr int kAnimationRecordCount = 6;
extern Animation g_animations[kAnimationRecordCount];

// The settings file of this run (g_settingsPath) through the profile functions.
ProfileStore& ProgramSettingsFile();
