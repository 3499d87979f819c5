// The main window (dialog 100): the tabs with one panel, the Help, Setup, About, Volume and
// Exit buttons, the accelerator targets, the mouse wheel, the L shape and the shutdown order.
#pragma once

#include <windows.h>

#include <memory>

#include "shell/program_parts.h"
#include "shell/skinned_dialog.h"

// Creates the main window modeless with the subsystems' parts; `splash` is closed once the
// window has been built. The caller keeps the window's state for the whole message loop;
// null when the window could not be created.
std::unique_ptr<SkinnedDialog> CreateMainWindow(HWND splash, const ProgramParts& parts);

// Loads the five named animations (falling back to the library's defaults, which are then
// written back to the settings file) and the fixed one.
void LoadAnimations(HWND mainWindow);

// 256-colour mode: the program's palette from RCDATA 2100 (3 bytes per entry: red, green,
// blue); none in high-colour mode.
void CreateProgramPalette(HINSTANCE instance);

// Bits per pixel of the screen; 9 or more is high-colour mode.
bool MeasureHighColour();
// 120 pixels per inch in both directions.
bool MeasureLargeFonts();
