// The media panels' file-list refresh (F5): the kind's folder into the location edit, the
// folder's files of the enabled patterns into the list, and the count text.
#pragma once

#include <windows.h>

// Refreshes the Audio, MIDI or Video panel of `mode`; answers the number of entries.
int RefreshPanelFileList(HWND panel, int mode);
