// What differs between the Audio, MIDI and Video panels: their control ids (the MIDI ids are
// the Audio ids plus 100, the Video ids plus 200), file patterns, folders and count texts.
#pragma once

#include <string>
#include <vector>

#include "shell/settings.h"

// The id of an Audio panel control (30xx) in the panel of `mode`.
inline int MediaControlId(int mode, int audioId) { return audioId + (mode - kModeAudio) * 100; }

// The file patterns the list of `mode` shows, in listing order, as the list filters allow:
// "*.wav", "*.mp3" (Audio); "*.mid", "*.rmi" (MIDI); "*.avi", "*.mov", "*.mpg" (Video).
std::vector<std::string> MediaFilePatterns(int mode, const MainSettings& settings);

// The media folder of `mode` (audio, MIDI or video folder); null for the CD Player.
std::string* MediaFolder(int mode, MainSettings& settings);
const std::string* MediaFolder(int mode, const MainSettings& settings);

// "12 Audio Files:" and its MIDI and Video forms.
std::string FileCountText(int mode, int count);
