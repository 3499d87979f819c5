// The installer's help contexts: 14000 plus the control id.
#pragma once

#include "shell/dialog_chrome.h"

inline constexpr DWORD kSetupHelpBase = 14000;

template <class... Ids>
constexpr auto SetupHelpIds(Ids... ids) {
  return MakeHelpIdsFrom<kSetupHelpBase>(ids...);
}

// The sound effects the installer's dialogs play.
inline constexpr int kSetupSoundOk = 7;
inline constexpr int kSetupSoundCancel = 2;
inline constexpr int kSetupSoundMessage = 15;
inline constexpr int kSetupSoundQuestion = 23;
inline constexpr int kSetupSoundBrowse = 8;
inline constexpr int kSetupSoundAbout = 1;
