// The main window's panels: the tab control, the four locked panel templates (Audio 3000,
// MIDI 3100, Video 3200, CD Player 3300) and the one panel shown, which is created afresh
// from its template whenever its tab is chosen.
#pragma once

#include <windows.h>

inline constexpr int kPanelCount = 4;
inline constexpr int kAudioTab = 0;
inline constexpr int kMidiTab = 1;
inline constexpr int kVideoTab = 2;
inline constexpr int kCdPlayerTab = 3;

// The dialog procedure of a panel; subsystems register theirs before the main window is
// created. Until then a minimal procedure sets the mode and draws the skinned buttons.
void RegisterPanelProc(int tabIndex, DLGPROC proc);
DLGPROC PanelProc(int tabIndex);

// The panel host record, kept in the main window's user data.
struct PanelHost {
  HWND tabs = nullptr;
  HWND panel = nullptr;     // the current panel, or none
  POINT origin = {0, 0};    // top-left of every panel in the main window
  const DLGTEMPLATE* templates[kPanelCount] = {};
};

// Adds the tabs "Audio", "MIDI", "Video", "CD Player", locks the panel templates and takes
// the panel origin: (13, 38) with large fonts, (9, 30) otherwise.
void BuildPanelHost(HWND mainWindow, HWND tabs, bool largeFonts);
void FreePanelHost(HWND mainWindow);
PanelHost* GetPanelHost(HWND mainWindow);

// Selects the tab and creates its panel (the previous one is destroyed first).
HWND ShowPanel(HWND mainWindow, int tabIndex);
void DestroyPanel(HWND mainWindow);

// For the panels: the current panel window and the origin they place themselves at.
HWND CurrentPanel();
POINT PanelOrigin();
