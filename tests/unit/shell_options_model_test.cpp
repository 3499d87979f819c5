// The options dialog's model: what the controls show for given settings, the video window
// group's rules, and the values OK takes back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory_profile_store.h"
#include "shell/media_kinds.h"
#include "shell/options_model.h"

namespace {

// Settings that differ from the defaults in every switch the dialog shows.
MainSettings UnusualSettings() {
  MainSettings settings;
  settings.soundControls = false;
  settings.scrollBarRecreation = true;
  settings.entryFieldColorization = true;
  settings.timerPeriodMs = 666;
  settings.waveAnimation = false;
  settings.midiAnimation = true;
  settings.cdAnimation = false;
  settings.autoCddbQuery = true;
  settings.videoOutputFrames = true;
  settings.floatingVideoWindow = true;
  settings.maintainVideoWindowSize = false;
  settings.maintainVideoAspectRatio = false;
  settings.videoZoomFactor = 3;
  settings.listWav = false;
  settings.listMp3 = true;
  settings.listMid = true;
  settings.listRmi = false;
  settings.videoListMask = kVideoListMov | kVideoListMpg;
  settings.defaultCdRomDrive = "F:\\";
  return settings;
}

void ExpectSameShownSettings(const MainSettings& a, const MainSettings& b) {
  EXPECT_EQ(a.soundControls, b.soundControls);
  EXPECT_EQ(a.scrollBarRecreation, b.scrollBarRecreation);
  EXPECT_EQ(a.entryFieldColorization, b.entryFieldColorization);
  EXPECT_EQ(a.timerPeriodMs, b.timerPeriodMs);
  EXPECT_EQ(a.waveAnimation, b.waveAnimation);
  EXPECT_EQ(a.midiAnimation, b.midiAnimation);
  EXPECT_EQ(a.cdAnimation, b.cdAnimation);
  EXPECT_EQ(a.autoCddbQuery, b.autoCddbQuery);
  EXPECT_EQ(a.videoOutputFrames, b.videoOutputFrames);
  EXPECT_EQ(a.floatingVideoWindow, b.floatingVideoWindow);
  EXPECT_EQ(a.maintainVideoWindowSize, b.maintainVideoWindowSize);
  EXPECT_EQ(a.maintainVideoAspectRatio, b.maintainVideoAspectRatio);
  EXPECT_EQ(a.videoZoomFactor, b.videoZoomFactor);
  EXPECT_EQ(a.listWav, b.listWav);
  EXPECT_EQ(a.listMp3, b.listMp3);
  EXPECT_EQ(a.listMid, b.listMid);
  EXPECT_EQ(a.listRmi, b.listRmi);
  EXPECT_EQ(a.videoListMask, b.videoListMask);
  EXPECT_EQ(a.defaultCdRomDrive, b.defaultCdRomDrive);
}

TEST(OptionsModel, OkWithoutChangesKeepsEverySetting) {
  for (const MainSettings& original : {MainSettings{}, UnusualSettings()}) {
    MainSettings applied;  // defaults, so every value has to come from the choices
    applied.defaultCdRomDrive = original.defaultCdRomDrive;
    const OptionsOutcome outcome = ApplyChoices(ChoicesFromSettings(original), applied);
    ExpectSameShownSettings(applied, original);
    EXPECT_FALSE(outcome.driveChanged);
  }
}

TEST(OptionsModel, EachPeriodAndZoomShowsItsOwnButton) {
  const int periods[] = {100, 333, 500, 666, 1000};
  for (int i = 0; i < 5; ++i) {
    MainSettings settings;
    settings.timerPeriodMs = periods[i];
    EXPECT_EQ(ChoicesFromSettings(settings).timerChoice, i) << periods[i];
  }
  for (int zoom = 1; zoom <= 3; ++zoom) {
    MainSettings settings;
    settings.videoZoomFactor = zoom;
    EXPECT_EQ(ChoicesFromSettings(settings).zoomChoice, zoom - 1) << zoom;
  }
}

TEST(OptionsModel, OpeningRules) {
  MainSettings settings;
  settings.timerPeriodMs = 250;  // none of the five: the group is left without a choice
  settings.maintainVideoWindowSize = true;
  settings.videoZoomFactor = 3;  // the remembered size shows as 1x
  const OptionsChoices choices = ChoicesFromSettings(settings);
  EXPECT_EQ(choices.timerChoice, -1);
  EXPECT_EQ(choices.zoomChoice, 0);
}

TEST(OptionsModel, PeriodAndZoomTakenOnOk) {
  struct Case {
    int choice;
    int periodMs;
    int zoom;
  };
  // The last period button and no button at all both mean one second; a zoom that is neither
  // 1x nor 2x is full screen.
  const Case cases[] = {{0, 100, 1}, {1, 333, 2}, {2, 500, 3}, {3, 666, 3}, {4, 1000, 3}, {-1, 1000, 3}};
  for (const Case& c : cases) {
    EXPECT_EQ(TimerPeriodOfChoice(c.choice), c.periodMs) << c.choice;
    EXPECT_EQ(ZoomFactorOfChoice(c.choice), c.zoom) << c.choice;
  }
}

TEST(OptionsModel, VideoGroupEnabling) {
  struct Case {
    bool floating, remember;
    bool rememberEnabled, aspectEnabled, sizeEnabled;
  };
  const Case cases[] = {
      {false, false, false, false, false},
      {false, true, false, false, false},
      {true, false, true, true, true},
      {true, true, true, true, false},
  };
  for (const Case& c : cases) {
    const VideoGroupEnabling enabling = VideoGroupEnablingFor(c.floating, c.remember);
    EXPECT_EQ(enabling.rememberSize, c.rememberEnabled) << c.floating << c.remember;
    EXPECT_EQ(enabling.aspectRatio, c.aspectEnabled) << c.floating << c.remember;
    EXPECT_EQ(enabling.sizeButtons, c.sizeEnabled) << c.floating << c.remember;
  }
}

TEST(OptionsModel, DriveChangesOnlyToAnotherDrive) {
  struct Case {
    const char* chosen;
    const char* current;
    bool change;
    const char* after;
  };
  const Case cases[] = {
      {"F:\\", "E:\\", true, "F:\\"},
      {"e:\\", "E:\\", false, "E:\\"},  // the same drive, in other case: nothing happens
      {"E:\\", "E:\\", false, "E:\\"},
      {"", "E:\\", false, "E:\\"},      // no CD-ROM drive in the list: the drive stays
      {"", "", false, ""},
      {"F:\\", "", true, "F:\\"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsDriveChange(c.chosen, c.current), c.change) << c.chosen << " " << c.current;
    MainSettings settings;
    settings.defaultCdRomDrive = c.current;
    OptionsChoices choices = ChoicesFromSettings(settings);
    choices.drive = c.chosen;
    EXPECT_EQ(ApplyChoices(choices, settings).driveChanged, c.change);
    EXPECT_EQ(settings.defaultCdRomDrive, c.after);
  }
}

TEST(OptionsModel, OutcomeTellsWhatTheWindowsMustFollow) {
  MainSettings settings;
  OptionsChoices choices = ChoicesFromSettings(settings);
  OptionsOutcome outcome = ApplyChoices(choices, settings);
  EXPECT_FALSE(outcome.entryFieldColoursChanged || outcome.listFiltersChanged ||
               outcome.animationSwitchesChanged || outcome.driveChanged);

  choices.entryFieldColorization = true;
  choices.listMpg = false;
  choices.cdAnimation = false;
  outcome = ApplyChoices(choices, settings);
  EXPECT_TRUE(outcome.entryFieldColoursChanged);
  EXPECT_TRUE(outcome.listFiltersChanged);
  EXPECT_TRUE(outcome.animationSwitchesChanged);
  EXPECT_EQ(settings.videoListMask, kVideoListAvi | kVideoListMov);
}

TEST(OptionsModel, UncheckingBothAudioKindsListsNoAudioFiles) {
  MainSettings settings;
  OptionsChoices choices = ChoicesFromSettings(settings);
  choices.listWav = false;
  choices.listMp3 = false;
  ApplyChoices(choices, settings);
  EXPECT_TRUE(MediaFilePatterns(kModeAudio, settings).empty());
  EXPECT_EQ(MediaFilePatterns(kModeMidi, settings), (std::vector<std::string>{"*.mid", "*.rmi"}));
  // "neither kind" has no stored text: the key keeps what it held.
  MemoryProfileStore store;
  Settings all;
  all.main = settings;
  WriteAllSettings(store, all);
  EXPECT_FALSE(store.Has(kMainSection, "SoundListbox"));
}

TEST(OptionsModel, CdRomDrivesInLetterOrder) {
  const CdRomDriveProbe probe = [](char letter) { return letter == 'R' || letter == 'D' || letter == 'S'; };
  EXPECT_EQ(CdRomDriveRoots(probe), (std::vector<std::string>{"D:\\", "R:\\", "S:\\"}));
  EXPECT_TRUE(CdRomDriveRoots([](char) { return false; }).empty());
  EXPECT_TRUE(CdRomDriveRoots(nullptr).empty());
}

}  // namespace
