// Minimal panel procedures the main window uses until a subsystem registers its own: each sets
// the mode, places itself at the panel origin, colours its entry fields and draws its skinned
// buttons; the media panels also show their file lists.
#pragma once

#include <windows.h>

INT_PTR CALLBACK DefaultMediaPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DefaultCdPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);

// WM_CTLCOLOREDIT / WM_CTLCOLORLISTBOX of every panel: the entry-field brush, with the
// button-face or window text colour.
HBRUSH EntryFieldColours(HDC dc);
