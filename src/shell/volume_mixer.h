// The volume mixer: the user's chosen mixer program, its selection dialog (1900, "Select
// Volume Mixer Application") and starting it.
#pragma once

#include <windows.h>

// Runs the selection dialog; a chosen program is stored in VolumeApplicationPath and
// VolumeApplicationName at once. Answers whether one was chosen.
bool RunVolumeMixerDialog(HWND owner);

// Starts the stored mixer with CreateProcessA; without one, offers the selection.
void StartVolumeMixer(HWND owner);
