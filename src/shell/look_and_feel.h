// The program-wide values of the program's look and feel: the module that holds the skins,
// sounds and dialogs, the screen's colour depth and font size, the animation library and its
// six animation records, the entry-field brush and the 256-colour palette. Start-up and the
// main window set them; every window reads them.
#pragma once

#include <windows.h>

#include <string>

#include "base/win32_handles.h"
#include "shell/animation.h"

extern HINSTANCE g_instance;          // the main program's module: skins, sounds, dialogs
extern bool g_highColour;             // screen has 9 or more bits per pixel
extern bool g_largeFonts;             // 120 pixels per inch in both directions
extern HMODULE g_animationLibrary;    // WaxAnim.dll
using AnimateWindowFunction = BOOL(WINAPI*)(HWND, DWORD, DWORD);
extern AnimateWindowFunction g_animateWindow;  // null when user32 has no AnimateWindow
extern std::string g_helpFilePath;    // program folder + "brindhlp.hlp"
extern UniqueBrush g_entryFieldBrush; // edit and list controls of every panel
extern UniquePalette g_programPalette;  // 256-colour mode: the palette of RCDATA 2100

// The six animation records: the five named places (AnimationPlace) and the fixed one.
inline constexpr int kFixedAnimation = 5;
inline constexpr int kAnimationRecordCount = 6;
extern Animation g_animations[kAnimationRecordCount];

// The entry-field brush: the button face when entry-field colouring is on, else the window
// colour. Made again whenever the setting or the system colours change.
void CreateEntryFieldBrush();
// WM_CTLCOLOREDIT / WM_CTLCOLORLISTBOX: the entry-field brush, with the matching text colours.
HBRUSH EntryFieldColours(HDC dc);
