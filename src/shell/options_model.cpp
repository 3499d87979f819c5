// The options dialog's model: choices from the settings and back.
#include "shell/options_model.h"

#include <cctype>

namespace {

// The four shorter periods count as chosen by their radio; the last radio and no radio at all
// both give the longest period.
constexpr int kChoosableShortPeriods = 4;
constexpr int kLongestPeriodMs = 1000;

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

int VideoMask(const OptionsChoices& choices) {
  return (choices.listAvi ? kVideoListAvi : 0) | (choices.listMov ? kVideoListMov : 0) |
         (choices.listMpg ? kVideoListMpg : 0);
}

}  // namespace

VideoGroupEnabling VideoGroupEnablingFor(bool floatingWindow, bool rememberSize) {
  VideoGroupEnabling enabling;
  enabling.rememberSize = floatingWindow;
  enabling.aspectRatio = floatingWindow;
  enabling.sizeButtons = floatingWindow && !rememberSize;
  return enabling;
}

int TimerChoiceOf(int periodMs) {
  for (std::size_t i = 0; i < kTimerPeriods.size(); ++i) {
    if (kTimerPeriods[i] == periodMs) return static_cast<int>(i);
  }
  return -1;
}

int TimerPeriodOfChoice(int choice) {
  if (choice >= 0 && choice < kChoosableShortPeriods) return kTimerPeriods[choice];
  return kLongestPeriodMs;
}

int ZoomFactorOfChoice(int choice) {
  if (choice == 0) return 1;
  if (choice == 1) return 2;
  return 3;
}

bool IsDriveChange(const std::string& chosen, const std::string& current) {
  return !chosen.empty() && !SameTextIgnoringCase(chosen, current);
}

OptionsChoices ChoicesFromSettings(const MainSettings& settings) {
  OptionsChoices choices;
  choices.soundControls = settings.soundControls;
  choices.scrollBarRecreation = settings.scrollBarRecreation;
  choices.entryFieldColorization = settings.entryFieldColorization;
  choices.timerChoice = TimerChoiceOf(settings.timerPeriodMs);
  choices.waveAnimation = settings.waveAnimation;
  choices.midiAnimation = settings.midiAnimation;
  choices.cdAnimation = settings.cdAnimation;
  choices.autoCddbQuery = settings.autoCddbQuery;
  choices.videoOutputFrames = settings.videoOutputFrames;
  choices.floatingVideoWindow = settings.floatingVideoWindow;
  choices.maintainVideoWindowSize = settings.maintainVideoWindowSize;
  choices.maintainVideoAspectRatio = settings.maintainVideoAspectRatio;
  const int zoom = settings.videoZoomFactor;
  choices.zoomChoice = settings.maintainVideoWindowSize ? 0 : (zoom == 2 ? 1 : zoom == 3 ? 2 : 0);
  choices.listWav = settings.listWav;
  choices.listMp3 = settings.listMp3;
  choices.listMid = settings.listMid;
  choices.listRmi = settings.listRmi;
  choices.listAvi = (settings.videoListMask & kVideoListAvi) != 0;
  choices.listMov = (settings.videoListMask & kVideoListMov) != 0;
  choices.listMpg = (settings.videoListMask & kVideoListMpg) != 0;
  choices.drive = settings.defaultCdRomDrive;
  return choices;
}

OptionsOutcome ApplyChoices(const OptionsChoices& choices, MainSettings& settings) {
  OptionsOutcome outcome;
  outcome.entryFieldColoursChanged = settings.entryFieldColorization != choices.entryFieldColorization;
  outcome.animationSwitchesChanged = settings.waveAnimation != choices.waveAnimation ||
                                     settings.midiAnimation != choices.midiAnimation ||
                                     settings.cdAnimation != choices.cdAnimation;
  settings.soundControls = choices.soundControls;
  settings.waveAnimation = choices.waveAnimation;
  settings.midiAnimation = choices.midiAnimation;
  settings.cdAnimation = choices.cdAnimation;
  settings.videoOutputFrames = choices.videoOutputFrames;
  settings.scrollBarRecreation = choices.scrollBarRecreation;
  settings.entryFieldColorization = choices.entryFieldColorization;

  const int videoMask = VideoMask(choices);
  outcome.listFiltersChanged = settings.listWav != choices.listWav ||
                               settings.listMp3 != choices.listMp3 ||
                               settings.listMid != choices.listMid ||
                               settings.listRmi != choices.listRmi ||
                               (settings.videoListMask & kVideoListAll) != videoMask;
  settings.listWav = choices.listWav;
  settings.listMp3 = choices.listMp3;
  settings.listMid = choices.listMid;
  settings.listRmi = choices.listRmi;
  settings.videoListMask = videoMask;
  settings.timerPeriodMs = TimerPeriodOfChoice(choices.timerChoice);

  settings.autoCddbQuery = choices.autoCddbQuery;
  settings.videoZoomFactor = ZoomFactorOfChoice(choices.zoomChoice);
  settings.floatingVideoWindow = choices.floatingVideoWindow;
  settings.maintainVideoWindowSize = choices.maintainVideoWindowSize;
  settings.maintainVideoAspectRatio = choices.maintainVideoAspectRatio;

  if (IsDriveChange(choices.drive, settings.defaultCdRomDrive)) {
    settings.defaultCdRomDrive = choices.drive;
    outcome.driveChanged = true;
  }
  return outcome;
}

std::vector<std::string> CdRomDriveRoots(const CdRomDriveProbe& isCdRom) {
  std::vector<std::string> roots;
  if (!isCdRom) return roots;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (isCdRom(letter)) roots.push_back(std::string(1, letter) + ":\\");
  }
  return roots;
}
