// The CD Player panel (dialog 3300): the child dialog under the "CD Player" tab that plays the
// disc in the drive, pages its 15 track buttons, shows the times and the titles the catalogue
// holds, and opens the Add/Edit dialog. It learns of every change of the drive by polling.
#pragma once

#include <windows.h>

// The panel's dialog procedure; the main window creates the panel from template 3300.
INT_PTR CALLBACK CdPlayerPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);

// The panel window while it exists, else null.
HWND CdPlayerPanelWindow();

// Plays `track` (1-99) from its start: asks to retry when the device is not open, shows the
// track on the panel when there is one, and starts the automatic freedb query for a disc the
// catalogue does not know (or leaves it pending for the next panel). Used by the panel's
// buttons, the CD play forms of the command line and the main window's command 130.
void PlayCdTrack(HWND owner, int track);

// Places the CD animation in the centre of its frame again (after the options dialog).
void RepositionCdAnimation(HWND panel);
