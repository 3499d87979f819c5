// The floating video window of class "Brindlewax Video Window": one per video file, its size
// from the zoom or the size the last window had, the picture kept at its aspect ratio with
// black bars, and closing it stopping playback.
#pragma once
#include <windows.h>

#include <string>

// Creates the window for a file at the kept position; null when it cannot be made.
HWND CreateVideoWindow(const std::string& title);
// The device is open in the window: the window takes its size for the source picture.
void SizeVideoWindowForSource(SIZE source);
// Playback has started: the picture is fitted into the client area from now on.
void StartVideoWindowPicture(SIZE source);
// Destroys the window, keeping its size and position for the next one (not when it is
// minimised or maximised). Nothing when there is no window.
void DestroyVideoWindow();
HWND LiveVideoWindow();
