// The main window's L shape: a window region cut at the hidden marker control 130, and the
// two-line 3D edge painted along the cut.
#pragma once

#include <windows.h>

// Sets the region from the window's current size and the marker's position.
void ApplyWindowShape(HWND mainWindow);

// WM_PAINT: the part of the edge inside the client area, into the paint DC.
void PaintNotchEdge(HWND mainWindow, HDC clientDc);
// WM_NCPAINT, after the default frame was drawn: the part over the frame.
void PaintNotchFrame(HWND mainWindow);
