// The panel mode shared by every part of the program: it selects the panel,
// the accelerator targets and what BrindlewaxMode stores.
#pragma once

enum ProgramMode : int {
  kModeAudio = 50,
  kModeMidi = 51,
  kModeVideo = 52,
  kModeCdPlayer = 53,
};

// Tab index of the main window's tab control (0 Audio .. 3 CD Player) for a
// mode; modes outside the four show the Audio tab.
inline int TabIndexForMode(int mode) {
  return (mode >= kModeAudio && mode <= kModeCdPlayer) ? mode - kModeAudio : 0;
}

inline int ModeForTabIndex(int tabIndex) { return kModeAudio + tabIndex; }

inline bool IsMediaMode(int mode) { return mode >= kModeAudio && mode <= kModeVideo; }
