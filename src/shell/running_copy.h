// Finding the copy of the program that already runs. Its main window is found by its title,
// and by a mark it carries for the times its title shows something else (the playing track's
// title while minimised).
#pragma once

#include <windows.h>

// Marks the main window as the running copy's, for the life of the window.
void MarkMainWindow(HWND mainWindow);
void UnmarkMainWindow(HWND mainWindow);

// The running copy's main window, or null.
HWND FindRunningCopy();
