// The Audio, MIDI and Video panels as the shell shows them until the media subsystem lends
// its own: each sets the mode, colours its entry fields, draws its skinned buttons and shows
// its folder's files.
#pragma once

#include <memory>

#include "shell/skinned_dialog.h"

std::unique_ptr<SkinnedDialog> CreateFileListPanel();
