// The CD Player panel (dialog 3300): the child dialog under the "CD Player" tab that plays the
// disc in the drive, pages its 15 track buttons, shows the times and the titles the catalogue
// holds, and opens the Add/Edit dialog. It learns of every change of the drive by polling.
#pragma once

#include <windows.h>

#include <memory>

#include "shell/skinned_dialog.h"

// The state of a new panel; the main window's panel host creates it from template 3300
// whenever the "CD Player" tab is chosen.
std::unique_ptr<SkinnedDialog> CreateCdPlayerPanel();

// Plays `track` (1-99) from its start: asks to retry when the device is not open, shows the
// track on the panel when there is one, and starts the automatic freedb query for a disc the
// catalogue does not know (or leaves it pending for the next panel). Used by the panel's
// buttons, the CD play forms of the command line and the main window's command 130.
void PlayCdTrack(HWND owner, int track);
