// The uninstaller's help contexts (15000 plus the control id) and its sound effects.
#pragma once

#include "shell/dialog_chrome.h"

inline constexpr DWORD kUninstallHelpBase = 15000;

template <class... Ids>
constexpr auto UninstallHelpIds(Ids... ids) {
  return MakeHelpIdsFrom<kUninstallHelpBase>(ids...);
}

inline constexpr int kUninstallSoundOk = 7;
inline constexpr int kUninstallSoundCancel = 2;
inline constexpr int kUninstallSoundQuestion = 23;
inline constexpr int kUninstallSoundDelete = 18;
inline constexpr int kUninstallSoundExit = 6;
