// What the options dialog (400) shows and how pressing OK changes the running program's
// settings: the controls' states taken from the settings, the rules that enable the video
// window's controls, and the values taken back, with what changed so the caller knows which
// windows to tell.
#pragma once

#include <string>
#include <vector>

#include "shell/settings.h"

// The state of the dialog's switches, one member per group of controls.
struct OptionsChoices {
  bool soundControls = true;           // 420 On / 421 Off
  bool scrollBarRecreation = false;    // 422 Normal / 423 Recreation
  bool entryFieldColorization = false; // 424 On / 425 Off
  int timerChoice = 0;                 // 426..430 as 0..4; -1 when none is checked
  bool waveAnimation = true;           // 431 / 432
  bool midiAnimation = true;           // 433 / 434
  bool cdAnimation = true;             // 435 / 436
  bool autoCddbQuery = false;          // 437 / 438
  bool videoOutputFrames = false;      // 439 Frames / 440 Time
  int zoomChoice = 0;                  // 441 1x, 442 2x, 443 Full Screen as 0..2; -1 none
  bool floatingVideoWindow = false;    // 457
  bool maintainVideoWindowSize = false;  // 458
  bool maintainVideoAspectRatio = true;  // 459
  bool listWav = true;                 // 450, 451
  bool listMp3 = true;
  bool listMid = true;                 // 455, 456
  bool listRmi = true;
  bool listAvi = true;                 // 452, 453, 454
  bool listMov = true;
  bool listMpg = true;
  std::string drive;                   // the drive list's selected text; "" when none
};

// Which controls of the video window group can be used.
struct VideoGroupEnabling {
  bool rememberSize = false;   // 458
  bool aspectRatio = false;    // 459
  bool sizeButtons = false;    // 441-443 and the labels 480, 481
};

// Remember Window Size and Maintain Aspect Ratio need the floating window; the size buttons
// need it too, and are idle while the remembered size is used.
VideoGroupEnabling VideoGroupEnablingFor(bool floatingWindow, bool rememberSize);

// The choices as the dialog opens: every switch from the settings, the update period without a
// choice when it is none of the five, and "1x" while the window size is remembered.
OptionsChoices ChoicesFromSettings(const MainSettings& settings);

// The radio of a period (0..4 for 100, 333, 500, 666, 1000 ms); -1 for any other period.
int TimerChoiceOf(int periodMs);
// The period OK takes: the first checked of the four shorter ones, otherwise one second.
int TimerPeriodOfChoice(int choice);
// 1x = 1, 2x = 2, otherwise 3 (full screen).
int ZoomFactorOfChoice(int choice);

// A chosen drive replaces the current one only when it is not empty and names another drive
// (compared without regard to case).
bool IsDriveChange(const std::string& chosen, const std::string& current);

// What OK changed, so the caller knows which windows to tell.
struct OptionsOutcome {
  bool entryFieldColoursChanged = false;
  bool listFiltersChanged = false;
  bool animationSwitchesChanged = false;
  bool driveChanged = false;  // settings.defaultCdRomDrive now holds the chosen drive
};

// Takes the choices into the settings (the order of OK: switches, filters and period,
// query, video window, then the drive).
OptionsOutcome ApplyChoices(const OptionsChoices& choices, MainSettings& settings);

// The root paths ("E:\") of the CD-ROM drives from A to Z, in letter order.
std::vector<std::string> CdRomDriveRoots(const CdRomDriveProbe& isCdRom);
