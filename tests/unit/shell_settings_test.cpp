// Reading rules, defaults and the shutdown write order of the settings file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory_profile_store.h"
#include "shell/settings.h"

namespace {

CdRomDriveProbe CdRomDrives(std::string letters) {
  return [letters](char letter) { return letters.find(letter) != std::string::npos; };
}

Settings ReadFrom(MemoryProfileStore& store, const SettingsOverrides& overrides = {},
                  const CdRomDriveProbe& probe = CdRomDrives("E")) {
  Settings settings;
  ReadMediaFolders(store, overrides, settings.main);
  ReadAllSettings(store, overrides, probe, settings);
  return settings;
}

Settings ReadMain(const std::string& key, const std::string& value) {
  MemoryProfileStore store;
  store.Preset(kMainSection, key, value);
  return ReadFrom(store);
}

std::string WrittenValue(const MemoryProfileStore& store, const std::string& section,
                         const std::string& key) {
  for (const auto& write : store.Writes()) {
    if (write.section == section && write.key == key) return write.value;
  }
  return "<not written>";
}

TEST(ShellSettings, EmptyFileGivesTheDocumentedDefaults) {
  MemoryProfileStore store;
  const Settings settings = ReadFrom(store, {}, CdRomDrives("FE"));
  const MainSettings& main = settings.main;
  EXPECT_EQ(main.mode, kModeCdPlayer);
  EXPECT_TRUE(main.soundControls);
  EXPECT_TRUE(main.waveAnimation && main.midiAnimation && main.cdAnimation);
  EXPECT_TRUE(main.listWav && main.listMp3 && main.listMid && main.listRmi);
  EXPECT_EQ(main.videoListMask, 7);
  EXPECT_EQ(main.timerPeriodMs, 100);
  EXPECT_FALSE(main.entryFieldColorization);
  EXPECT_EQ(main.defaultCdRomDrive, "E:\\");
  EXPECT_FALSE(main.autoCddbQuery);
  EXPECT_FALSE(main.videoOutputFrames);
  EXPECT_FALSE(main.scrollBarRecreation);
  EXPECT_FALSE(main.floatingVideoWindow);
  EXPECT_FALSE(main.maintainVideoWindowSize);
  EXPECT_TRUE(main.maintainVideoAspectRatio);
  EXPECT_EQ(main.videoZoomFactor, 1);
  EXPECT_EQ(main.waveFilesPath, "c:\\");
  EXPECT_EQ(main.midiFilesPath, "c:\\");
  EXPECT_EQ(main.videoFilesPath, "c:\\");
  const SearchSettings& search = settings.search;
  EXPECT_TRUE(search.searchTrack && search.searchArtist && search.searchDiscName &&
              search.searchCategory && search.searchLabel && search.searchNotes &&
              search.searchYearReleased && search.textSearch);
  EXPECT_FALSE(search.caseSensitive);
  EXPECT_FALSE(search.searchEntireDatabase);
  EXPECT_EQ(search.radioSearch, 10);
  EXPECT_EQ(search.stringMatch, "");
}

TEST(ShellSettings, ModeIsToldByItsFirstLetter) {
  const struct {
    const char* text;
    int mode;
  } cases[] = {{"wave", kModeAudio}, {"midi", kModeMidi}, {"video", kModeVideo},
               {"cdplayer", kModeCdPlayer}, {"Wave", kModeAudio}, {"x", kModeCdPlayer},
               {"c:\\", kModeCdPlayer}};
  for (const auto& c : cases) {
    EXPECT_EQ(ReadMain("BrindlewaxMode", c.text).main.mode, c.mode) << c.text;
  }
}

TEST(ShellSettings, SwitchesFallBackToTheirDefaultOnUnknownText) {
  const struct {
    const char* key;
    const char* text;
    bool MainSettings::*field;
    bool expected;
  } cases[] = {
      {"SoundControls", "Off", &MainSettings::soundControls, false},
      {"SoundControls", "On", &MainSettings::soundControls, true},
      {"SoundControls", "c:\\", &MainSettings::soundControls, true},
      {"WaveAnimation", "Off", &MainSettings::waveAnimation, false},
      {"MidiAnimation", "Off", &MainSettings::midiAnimation, false},
      {"CDAnimation", "Off", &MainSettings::cdAnimation, false},
      {"CDAnimation", "garbage", &MainSettings::cdAnimation, true},
      {"EntryFieldColorization", "On", &MainSettings::entryFieldColorization, true},
      {"EntryFieldColorization", "yes", &MainSettings::entryFieldColorization, false},
      {"VideoOutput", "Frames", &MainSettings::videoOutputFrames, true},
      {"VideoOutput", "Time", &MainSettings::videoOutputFrames, false},
      {"ScrollBar", "Recreation", &MainSettings::scrollBarRecreation, true},
      {"ScrollBar", "Normal", &MainSettings::scrollBarRecreation, false},
      {"FloatingVideoWindow", "1", &MainSettings::floatingVideoWindow, true},
      {"FloatingVideoWindow", "x", &MainSettings::floatingVideoWindow, true},
      {"FloatingVideoWindow", "0", &MainSettings::floatingVideoWindow, false},
      {"MaintainVideoWindowSize", "1", &MainSettings::maintainVideoWindowSize, true},
      {"MaintainVideoAspectRatio", "0", &MainSettings::maintainVideoAspectRatio, false},
      {"AutoCDDBQuery", "TRUE", &MainSettings::autoCddbQuery, true},
      {"AutoCDDBQuery", "FALSE", &MainSettings::autoCddbQuery, false},
      {"AutoCDDBQuery", "1", &MainSettings::autoCddbQuery, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadMain(c.key, c.text).main.*c.field, c.expected) << c.key << "=" << c.text;
  }
}

TEST(ShellSettings, ListFiltersReadTheirLetters) {
  const struct {
    const char* key;
    const char* text;
    bool first;
    bool second;
  } cases[] = {
      {"SoundListbox", "Both", true, true}, {"SoundListbox", "Wav", true, false},
      {"SoundListbox", "Mp3", false, true}, {"SoundListbox", "zzz", true, true},
      {"MidiListbox", "Both", true, true},  {"MidiListbox", "Mid", true, false},
      {"MidiListbox", "Rmi", false, true},  {"MidiListbox", "", true, true},
  };
  for (const auto& c : cases) {
    const MainSettings main = ReadMain(c.key, c.text).main;
    const bool first = c.key[0] == 'S' ? main.listWav : main.listMid;
    const bool second = c.key[0] == 'S' ? main.listMp3 : main.listRmi;
    EXPECT_EQ(first, c.first) << c.key << "=" << c.text;
    EXPECT_EQ(second, c.second) << c.key << "=" << c.text;
  }
}

TEST(ShellSettings, VideoListTakesOneDigitAndShowsAllOtherwise) {
  const struct {
    const char* text;
    int mask;
  } cases[] = {{"1", 1}, {"6", 6}, {"0", 0}, {"12", 7}, {"x", 7}, {"", 7}};
  for (const auto& c : cases) {
    EXPECT_EQ(ReadMain("VideoListbox", c.text).main.videoListMask, c.mask) << c.text;
  }
}

TEST(ShellSettings, TimerSpeedAndZoomFactor) {
  const struct {
    const char* text;
    int period;
  } speeds[] = {{"1", 100}, {"2", 333}, {"3", 500}, {"4", 666}, {"5", 1000}, {"9", 100},
                {"", 100}};
  for (const auto& c : speeds) {
    EXPECT_EQ(ReadMain("TimerSpeed", c.text).main.timerPeriodMs, c.period) << c.text;
  }
  const struct {
    const char* text;
    int zoom;
  } zooms[] = {{"1", 1}, {"2", 2}, {"3", 3}, {"4", 1}, {"c:\\", 1}};
  for (const auto& c : zooms) {
    EXPECT_EQ(ReadMain("VideoZoomFactor", c.text).main.videoZoomFactor, c.zoom) << c.text;
  }
}

TEST(ShellSettings, CdDriveIsTheStoredCdRomOrTheFirstOne) {
  const struct {
    const char* stored;
    const char* cdRoms;
    const char* drive;
  } cases[] = {
      {"F:\\", "EF", "F:\\"},  // a CD-ROM drive stays
      {"f:\\", "EF", "F:\\"},
      {"C:\\", "EF", "E:\\"},  // a hard disk gives the first CD-ROM drive
      {"0", "EF", "E:\\"},
      {"", "G", "G:\\"},
      {"D:\\", "", ""},  // no CD-ROM drive at all
  };
  for (const auto& c : cases) {
    MemoryProfileStore store;
    store.Preset(kMainSection, "DefaultCDROMDrive", c.stored);
    EXPECT_EQ(ReadFrom(store, {}, CdRomDrives(c.cdRoms)).main.defaultCdRomDrive, c.drive)
        << c.stored << " with " << c.cdRoms;
  }
}

TEST(ShellSettings, CommandLineKeepsItsModeFolderAndDrive) {
  MemoryProfileStore store;
  store.Preset(kMainSection, "BrindlewaxMode", "video");
  store.Preset(kMainSection, "WaveFilesPath", "D:\\Old\\");
  store.Preset(kMainSection, "MidiFilesPath", "D:\\Midi\\");
  store.Preset(kMainSection, "DefaultCDROMDrive", "F:\\");

  SettingsOverrides media;
  media.mediaMode = kModeAudio;
  media.mediaFolder = "C:\\Music\\";
  const Settings fromMedia = ReadFrom(store, media, CdRomDrives("F"));
  EXPECT_EQ(fromMedia.main.mode, kModeAudio);
  EXPECT_EQ(fromMedia.main.waveFilesPath, "C:\\Music\\");
  EXPECT_EQ(fromMedia.main.midiFilesPath, "D:\\Midi\\");
  EXPECT_EQ(fromMedia.main.videoFilesPath, "c:\\");

  SettingsOverrides cd;
  cd.cdDrive = 'E';
  const Settings fromCd = ReadFrom(store, cd, CdRomDrives("F"));
  EXPECT_EQ(fromCd.main.defaultCdRomDrive, "E:\\");
  EXPECT_EQ(fromCd.main.mode, kModeVideo);
}

TEST(ShellSettings, SearchKeys) {
  MemoryProfileStore store;
  store.Preset(kSearchSection, "SearchArtist", "FALSE");
  store.Preset(kSearchSection, "TextSearch", "f");
  store.Preset(kSearchSection, "CaseSensitive", "TRUE");
  store.Preset(kSearchSection, "SearchEntireDatabase", "xyz");
  store.Preset(kSearchSection, "RadioSearch", "3");
  store.Preset(kSearchSection, "StringMatch", "Blue Train");
  const SearchSettings search = ReadFrom(store).search;
  EXPECT_TRUE(search.searchTrack);
  EXPECT_FALSE(search.searchArtist);
  EXPECT_FALSE(search.textSearch);
  EXPECT_TRUE(search.caseSensitive);
  EXPECT_FALSE(search.searchEntireDatabase);
  EXPECT_EQ(search.radioSearch, 3);
  EXPECT_EQ(search.stringMatch, "Blue Train");

  const struct {
    const char* text;
    int option;
  } radios[] = {{"A", 10}, {"9", 9}, {"1", 1}, {"0", 10}, {"Z", 10}};
  for (const auto& c : radios) {
    MemoryProfileStore one;
    one.Preset(kSearchSection, "RadioSearch", c.text);
    EXPECT_EQ(ReadFrom(one).search.radioSearch, c.option) << c.text;
  }
  MemoryProfileStore zero;
  zero.Preset(kSearchSection, "StringMatch", "0");
  EXPECT_EQ(ReadFrom(zero).search.stringMatch, "");
  MemoryProfileStore longText;
  longText.Preset(kSearchSection, "StringMatch", std::string(400, 'x'));
  EXPECT_EQ(ReadFrom(longText).search.stringMatch.size(), kMaxSearchText);
}

TEST(ShellSettings, WriteAllKeepsItsOrder) {
  MemoryProfileStore store;
  Settings settings;
  settings.main.defaultCdRomDrive = "E:\\";
  WriteAllSettings(store, settings);

  std::vector<std::string> order;
  for (const auto& write : store.Writes()) order.push_back(write.section + "." + write.key);
  const std::vector<std::string> expected = {
      "MAIN.VideoOutput", "MAIN.ScrollBar", "MAIN.SoundControls", "MAIN.SoundListbox",
      "MAIN.MidiListbox", "MAIN.VideoListbox", "MAIN.TimerSpeed", "MAIN.WaveFilesPath",
      "MAIN.MidiFilesPath", "MAIN.VideoFilesPath", "MAIN.BrindlewaxMode", "MAIN.WaveAnimation",
      "MAIN.MidiAnimation", "MAIN.CDAnimation", "MAIN.EntryFieldColorization",
      "SEARCH.SearchTrack", "SEARCH.SearchArtist", "SEARCH.SearchDiscName",
      "SEARCH.SearchCategory", "SEARCH.SearchLabel", "SEARCH.SearchNotes",
      "SEARCH.SearchYearReleased", "SEARCH.TextSearch", "SEARCH.CaseSensitive",
      "SEARCH.SearchEntireDatabase", "SEARCH.RadioSearch", "SEARCH.StringMatch",
      "MAIN.DefaultCDROMDrive", "MAIN.AutoCDDBQuery", "MAIN.FloatingVideoWindow",
      "MAIN.MaintainVideoWindowSize", "MAIN.MaintainVideoAspectRatio", "MAIN.VideoZoomFactor"};
  EXPECT_EQ(order, expected);
}

TEST(ShellSettings, EmptyFileIsWrittenBackWithItsDefaults) {
  MemoryProfileStore store;
  WriteAllSettings(store, ReadFrom(store, {}, CdRomDrives("E")));
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } expected[] = {
      {"MAIN", "VideoOutput", "Time"},       {"MAIN", "ScrollBar", "Normal"},
      {"MAIN", "SoundControls", "On"},       {"MAIN", "SoundListbox", "Both"},
      {"MAIN", "MidiListbox", "Both"},       {"MAIN", "VideoListbox", "7"},
      {"MAIN", "TimerSpeed", "1"},           {"MAIN", "WaveFilesPath", "c:\\"},
      {"MAIN", "BrindlewaxMode", "cdplayer"}, {"MAIN", "CDAnimation", "On"},
      {"MAIN", "EntryFieldColorization", "Off"}, {"SEARCH", "SearchTrack", "TRUE"},
      {"SEARCH", "CaseSensitive", "FALSE"},  {"SEARCH", "RadioSearch", "A"},
      {"SEARCH", "StringMatch", ""},         {"MAIN", "DefaultCDROMDrive", "E:\\"},
      {"MAIN", "AutoCDDBQuery", "FALSE"},    {"MAIN", "FloatingVideoWindow", "0"},
      {"MAIN", "MaintainVideoAspectRatio", "1"}, {"MAIN", "VideoZoomFactor", "1"},
  };
  for (const auto& e : expected) {
    EXPECT_EQ(WrittenValue(store, e.section, e.key), e.value) << e.key;
  }
}

TEST(ShellSettings, WriteAllSpecialCases) {
  // TimerSpeed 9 reads as 100 ms and comes back as "1".
  MemoryProfileStore timer;
  timer.Preset(kMainSection, "TimerSpeed", "9");
  WriteAllSettings(timer, ReadFrom(timer));
  EXPECT_EQ(WrittenValue(timer, kMainSection, "TimerSpeed"), "1");

  // A period outside the five is not written at all.
  MemoryProfileStore odd;
  Settings settings;
  settings.main.timerPeriodMs = 250;
  WriteAllSettings(odd, settings);
  EXPECT_EQ(WrittenValue(odd, kMainSection, "TimerSpeed"), "<not written>");

  const struct {
    bool wav, mp3;
    const char* text;
  } sounds[] = {{true, true, "Both"}, {true, false, "Wav"}, {false, true, "Mp3"},
                {false, false, "<not written>"}};
  for (const auto& c : sounds) {
    MemoryProfileStore store;
    Settings s;
    s.main.listWav = c.wav;
    s.main.listMp3 = c.mp3;
    s.main.listMid = c.wav;
    s.main.listRmi = c.mp3;
    WriteAllSettings(store, s);
    EXPECT_EQ(WrittenValue(store, kMainSection, "SoundListbox"), c.text);
    const std::string midi = WrittenValue(store, kMainSection, "MidiListbox");
    EXPECT_EQ(midi, c.wav && c.mp3 ? "Both" : c.wav ? "Mid" : c.mp3 ? "Rmi" : "<not written>");
  }

  const struct {
    int mode;
    const char* text;
  } modes[] = {{kModeAudio, "wave"}, {kModeMidi, "midi"}, {kModeVideo, "video"},
               {kModeCdPlayer, "cdplayer"}};
  for (const auto& c : modes) {
    MemoryProfileStore store;
    Settings s;
    s.main.mode = c.mode;
    WriteAllSettings(store, s);
    EXPECT_EQ(WrittenValue(store, kMainSection, "BrindlewaxMode"), c.text);
  }

  // No CD-ROM drive: the drive is written as an empty value.
  MemoryProfileStore noDrive;
  WriteAllSettings(noDrive, ReadFrom(noDrive, {}, CdRomDrives("")));
  EXPECT_EQ(WrittenValue(noDrive, kMainSection, "DefaultCDROMDrive"), "");
}

TEST(ShellSettings, EveryValueWrittenReadsBackTheSame) {
  Settings original;
  MainSettings& main = original.main;
  main.mode = kModeMidi;
  main.soundControls = false;
  main.videoOutputFrames = true;
  main.scrollBarRecreation = true;
  main.listWav = false;
  main.listRmi = false;
  main.videoListMask = 5;
  main.timerPeriodMs = 666;
  main.waveFilesPath = "D:\\Wave\\";
  main.midiFilesPath = "D:\\Midi\\";
  main.videoFilesPath = "\\\\server\\share\\";
  main.waveAnimation = false;
  main.cdAnimation = false;
  main.entryFieldColorization = true;
  main.floatingVideoWindow = true;
  main.maintainVideoWindowSize = true;
  main.maintainVideoAspectRatio = false;
  main.videoZoomFactor = 3;
  main.defaultCdRomDrive = "G:\\";
  main.autoCddbQuery = true;
  SearchSettings& search = original.search;
  search.searchNotes = false;
  search.caseSensitive = true;
  search.searchEntireDatabase = true;
  search.radioSearch = 7;
  search.stringMatch = "Kind of Blue";

  MemoryProfileStore store;
  WriteAllSettings(store, original);
  Settings read;
  ReadMediaFolders(store, {}, read.main);
  ReadAllSettings(store, {}, CdRomDrives("EG"), read);
  EXPECT_EQ(read.main.mode, main.mode);
  EXPECT_EQ(read.main.soundControls, main.soundControls);
  EXPECT_EQ(read.main.videoOutputFrames, main.videoOutputFrames);
  EXPECT_EQ(read.main.scrollBarRecreation, main.scrollBarRecreation);
  EXPECT_EQ(read.main.listWav, main.listWav);
  EXPECT_EQ(read.main.listMp3, main.listMp3);
  EXPECT_EQ(read.main.listMid, main.listMid);
  EXPECT_EQ(read.main.listRmi, main.listRmi);
  EXPECT_EQ(read.main.videoListMask, main.videoListMask);
  EXPECT_EQ(read.main.timerPeriodMs, main.timerPeriodMs);
  EXPECT_EQ(read.main.waveFilesPath, main.waveFilesPath);
  EXPECT_EQ(read.main.midiFilesPath, main.midiFilesPath);
  EXPECT_EQ(read.main.videoFilesPath, main.videoFilesPath);
  EXPECT_EQ(read.main.waveAnimation, main.waveAnimation);
  EXPECT_EQ(read.main.midiAnimation, main.midiAnimation);
  EXPECT_EQ(read.main.cdAnimation, main.cdAnimation);
  EXPECT_EQ(read.main.entryFieldColorization, main.entryFieldColorization);
  EXPECT_EQ(read.main.floatingVideoWindow, main.floatingVideoWindow);
  EXPECT_EQ(read.main.maintainVideoWindowSize, main.maintainVideoWindowSize);
  EXPECT_EQ(read.main.maintainVideoAspectRatio, main.maintainVideoAspectRatio);
  EXPECT_EQ(read.main.videoZoomFactor, main.videoZoomFactor);
  EXPECT_EQ(read.main.defaultCdRomDrive, main.defaultCdRomDrive);
  EXPECT_EQ(read.main.autoCddbQuery, main.autoCddbQuery);
  EXPECT_EQ(read.search.searchNotes, search.searchNotes);
  EXPECT_EQ(read.search.caseSensitive, search.caseSensitive);
  EXPECT_EQ(read.search.searchEntireDatabase, search.searchEntireDatabase);
  EXPECT_EQ(read.search.radioSearch, search.radioSearch);
  EXPECT_EQ(read.search.stringMatch, search.stringMatch);
}

TEST(ShellSettings, AnimationNamesAndVolumeMixer) {
  MemoryProfileStore store;
  EXPECT_EQ(ReadAnimationName(store, kAnimationMidi, "Notes"), "Notes");
  store.Preset(kMainSection, "AnimationNameCDPlayer", "Spinning Disc");
  EXPECT_EQ(ReadAnimationName(store, kAnimationCdPlayer, "Disc"), "Spinning Disc");
  WriteAnimationName(store, kAnimationInternet, "Globe");
  EXPECT_EQ(store.WrittenKeys(kMainSection), std::vector<std::string>{"AnimationNameInternet"});

  EXPECT_FALSE(ReadVolumeMixer(store).IsSet());
  store.Preset(kMainSection, "VolumeApplicationPath", "0");
  store.Preset(kMainSection, "VolumeApplicationName", "sndvol32.exe");
  EXPECT_FALSE(ReadVolumeMixer(store).IsSet());
  WriteVolumeMixer(store, {"C:\\Windows\\", "sndvol32.exe"});
  const VolumeMixerSelection mixer = ReadVolumeMixer(store);
  EXPECT_EQ(mixer.path, "C:\\Windows\\");
  EXPECT_EQ(mixer.name, "sndvol32.exe");
}

}  // namespace

#include "shell/media_kinds.h"

namespace {

TEST(ShellMediaKinds, PatternsFollowTheListFilters) {
  MainSettings settings;
  EXPECT_EQ(MediaFilePatterns(kModeAudio, settings), (std::vector<std::string>{"*.wav", "*.mp3"}));
  EXPECT_EQ(MediaFilePatterns(kModeMidi, settings), (std::vector<std::string>{"*.mid", "*.rmi"}));
  EXPECT_EQ(MediaFilePatterns(kModeVideo, settings),
            (std::vector<std::string>{"*.avi", "*.mov", "*.mpg"}));
  EXPECT_TRUE(MediaFilePatterns(kModeCdPlayer, settings).empty());

  settings.listWav = false;
  settings.listRmi = false;
  settings.videoListMask = kVideoListAvi | kVideoListMpg;
  EXPECT_EQ(MediaFilePatterns(kModeAudio, settings), (std::vector<std::string>{"*.mp3"}));
  EXPECT_EQ(MediaFilePatterns(kModeMidi, settings), (std::vector<std::string>{"*.mid"}));
  EXPECT_EQ(MediaFilePatterns(kModeVideo, settings), (std::vector<std::string>{"*.avi", "*.mpg"}));
  settings.listMp3 = false;
  EXPECT_TRUE(MediaFilePatterns(kModeAudio, settings).empty());
}

TEST(ShellMediaKinds, ControlIdsFoldersAndCountTexts) {
  EXPECT_EQ(MediaControlId(kModeAudio, 3070), 3070);
  EXPECT_EQ(MediaControlId(kModeMidi, 3070), 3170);
  EXPECT_EQ(MediaControlId(kModeVideo, 3075), 3275);
  MainSettings settings;
  settings.midiFilesPath = "D:\\Midi\\";
  EXPECT_EQ(*MediaFolder(kModeMidi, settings), "D:\\Midi\\");
  EXPECT_EQ(MediaFolder(kModeCdPlayer, settings), nullptr);
  EXPECT_EQ(FileCountText(kModeAudio, 12), "12 Audio Files:");
  EXPECT_EQ(FileCountText(kModeMidi, 0), "0 MIDI Files:");
  EXPECT_EQ(FileCountText(kModeVideo, 3), "3 Video Files:");
}

}  // namespace
