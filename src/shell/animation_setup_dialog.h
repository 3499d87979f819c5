// The animation setup (3900, "Animation Setup"): for each place that animates (sound, MIDI,
// CD player, copy/move, internet) one of the library's animations, previewed as it runs, with
// its author and colour depth. OK stores each changed choice in its AnimationName key at once,
// loads it into the place's record and shows it in the current panel.
#pragma once

#include <windows.h>

#include <string>

#include "shell/settings.h"

struct AnimationSetupInput {
  HWND panel = nullptr;  // the main window's current panel; told to place its animation again
};

// Answers whether any place got another animation.
bool RunAnimationSetupDialog(HWND owner, const AnimationSetupInput& input);

// Gives `place` the library's animation `name`: its thread (which reads the record while it
// draws) is stopped and waited for, the record reloaded, the name stored, the panel told, and
// a thread that was running started again. Answers false, changing nothing, when the thread
// would not end or the library cannot load the animation.
bool ReplacePlaceAnimation(AnimationPlace place, const std::string& name, HWND panel);
