// The volume mixer: the user's chosen mixer program, its selection dialog (1900, "Select
// Volume Mixer Application") and starting it. The main window reaches both through its
// ProgramParts.
#pragma once

#include <windows.h>

// Runs the selection dialog: the program typed or picked from the programs of a folder, which
// Browse chooses in the folder browser. A chosen program is stored in VolumeApplicationPath and
// VolumeApplicationName at once. Answers whether one was chosen.
bool RunVolumeMixerDialog(HWND owner);

// Starts the stored mixer with CreateProcessA; without one, offers the selection.
void StartVolumeMixer(HWND owner);
