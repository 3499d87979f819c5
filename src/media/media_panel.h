// The Audio, MIDI and Video panels (dialogs 3000, 3100, 3200): the files of one media folder,
// played one after another through MCI with a position bar, and the per-file tools.
#pragma once

#include <memory>

#include "shell/skinned_dialog.h"

// The state of a new panel; the main window's panel host creates it from the tab's template.
std::unique_ptr<SkinnedDialog> CreateAudioPanel();
std::unique_ptr<SkinnedDialog> CreateMidiPanel();
std::unique_ptr<SkinnedDialog> CreateVideoPanel();

// The media panels' stop routine: closes the media device and clears the displays. The main
// window runs it before its own dialogs and at shutdown; it does nothing when no file plays.
void StopMediaPlayback();
