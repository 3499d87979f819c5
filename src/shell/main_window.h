// The main window (dialog 100): the tabs with one panel, the Help, Setup, About, Volume and
// Exit buttons, the accelerator targets, the mouse wheel, the L shape and the shutdown order.
#pragma once

#include <windows.h>

// Creates the main window modeless; `splash` is closed once the window has been built.
HWND CreateMainWindow(HINSTANCE instance, HWND splash);

// Stops playback, writes all settings, closes the CD device, destroys the main window and
// posts the quit message (Exit and the close command).
void ShutDownProgram(HWND mainWindow);

// Loads the five named animations (falling back to the library's defaults, which are then
// written back to the settings file) and the fixed one.
void LoadAnimations(HWND mainWindow);

// The entry-field brush: the button face when entry-field colouring is on, else the window.
void CreateEntryFieldBrush();

// 256-colour mode: the program's palette from RCDATA 2100 (3 bytes per entry: red, green,
// blue); none in high-colour mode.
void CreateProgramPalette(HINSTANCE instance);

// Bits per pixel of the screen; 9 or more is high-colour mode.
bool MeasureHighColour();
// 120 pixels per inch in both directions.
bool MeasureLargeFonts();
