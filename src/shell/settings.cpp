// Reading and writing of the MAIN and SEARCH settings.
#include "shell/settings.h"

#include <cctype>

namespace {

// Every key is read with an empty default: an absent key and an empty value
// both leave the key's documented default in force.
std::string ReadText(ProfileStore& store, const char* section, const char* key) {
  return store.Get(section, key, "");
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

char LetterAt(const std::string& text, std::size_t index) {
  return index < text.size() ? Lower(text[index]) : '\0';
}

// "On"/"Off" switches are told apart by their second letter.
bool ReadOnOff(ProfileStore& store, const char* key, bool missing) {
  const char second = LetterAt(ReadText(store, kMainSection, key), 1);
  if (second == 'n') return true;
  if (second == 'f') return false;
  return missing;
}

// "1"/"0" switches: on unless the first character is 0.
bool ReadOneZero(ProfileStore& store, const char* key, bool missing) {
  const std::string text = ReadText(store, kMainSection, key);
  if (text.empty()) return missing;
  return text[0] != '0';
}

// "TRUE"/"FALSE" switches that are on unless they begin with F.
bool ReadUnlessFalse(ProfileStore& store, const char* section, const char* key) {
  return LetterAt(ReadText(store, section, key), 0) != 'f';
}

// "TRUE"/"FALSE" switches that are on only when they begin with T.
bool ReadOnlyTrue(ProfileStore& store, const char* section, const char* key) {
  return LetterAt(ReadText(store, section, key), 0) == 't';
}

std::string ReadPath(ProfileStore& store, const char* key, const std::string& missing) {
  std::string text = ReadText(store, kMainSection, key);
  if (text.empty()) return missing;
  if (text.size() > kMaxPathText) text.resize(kMaxPathText);
  return text;
}

int ReadMode(ProfileStore& store) {
  switch (LetterAt(ReadText(store, kMainSection, "BrindlewaxMode"), 0)) {
    case 'w': return kModeAudio;
    case 'm': return kModeMidi;
    case 'v': return kModeVideo;
    default: return kModeCdPlayer;
  }
}

// SoundListbox: B both, W WAV only, M MP3 only; anything else both.
void ReadSoundList(ProfileStore& store, MainSettings& settings) {
  const char first = LetterAt(ReadText(store, kMainSection, "SoundListBox"), 0);
  settings.listWav = first != 'm';
  settings.listMp3 = first != 'w';
}

// MidiListbox: B both, R RMI only, M MID only; anything else both.
void ReadMidiList(ProfileStore& store, MainSettings& settings) {
  const char first = LetterAt(ReadText(store, kMainSection, "MidiListBox"), 0);
  settings.listMid = first != 'r';
  settings.listRmi = first != 'm';
}

// VideoListbox: a single digit is the bit mask; anything else shows all kinds.
int ReadVideoList(ProfileStore& store) {
  const std::string text = ReadText(store, kMainSection, "VideoListBox");
  if (text.size() == 1 && std::isdigit(static_cast<unsigned char>(text[0]))) {
    return (text[0] - '0') & kVideoListAll;
  }
  return kVideoListAll;
}

int ReadTimerPeriod(ProfileStore& store) {
  const std::string text = ReadText(store, kMainSection, "TimerSpeed");
  const char first = text.empty() ? '\0' : text[0];
  if (first >= '2' && first <= '5') return kTimerPeriods[first - '1'];
  return kTimerPeriods[0];
}

int ReadZoomFactor(ProfileStore& store) {
  const std::string text = ReadText(store, kMainSection, "VideoZoomFactor");
  const char first = text.empty() ? '\0' : text[0];
  if (first == '3') return 3;
  if (first == '2') return 2;
  return 1;
}

int ReadRadioSearch(ProfileStore& store) {
  const std::string text = ReadText(store, kSearchSection, "RadioSearch");
  const char first = text.empty() ? '\0' : text[0];
  if (first >= '1' && first <= '9') return first - '0';
  return 10;
}

std::string ReadStringMatch(ProfileStore& store) {
  std::string text = ReadText(store, kSearchSection, "StringMatch");
  if (text == "0") return std::string();
  if (text.size() > kMaxSearchText) text.resize(kMaxSearchText);
  return text;
}

std::string DriveRoot(char letter) {
  return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))) +
         ":\\";
}

std::string ReadCdRomDrive(ProfileStore& store, const CdRomDriveProbe& isCdRom) {
  const std::string text = ReadText(store, kMainSection, "DefaultCDROMDrive");
  const char letter =
      text.empty() ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  if (letter >= 'A' && letter <= 'Z' && isCdRom && isCdRom(letter)) return DriveRoot(letter);
  return FirstCdRomDriveRoot(isCdRom);
}

const char* OnOff(bool on) { return on ? "On" : "Off"; }
const char* TrueFalse(bool on) { return on ? "TRUE" : "FALSE"; }
const char* OneZero(bool on) { return on ? "1" : "0"; }

void WriteMain(ProfileStore& store, const char* key, const std::string& value) {
  store.Set(kMainSection, key, value);
}

void WriteSearch(ProfileStore& store, const char* key, const std::string& value) {
  store.Set(kSearchSection, key, value);
}

}  // namespace

std::string FirstCdRomDriveRoot(const CdRomDriveProbe& isCdRom) {
  if (!isCdRom) return std::string();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (isCdRom(letter)) return DriveRoot(letter);
  }
  return std::string();
}

const char* ModeSettingText(int mode) {
  switch (mode) {
    case kModeAudio: return "wave";
    case kModeMidi: return "midi";
    case kModeVideo: return "video";
    default: return "cdplayer";
  }
}

const char* TimerSpeedText(int periodMs) {
  static const char* const kTexts[] = {"1", "2", "3", "4", "5"};
  for (std::size_t i = 0; i < kTimerPeriods.size(); ++i) {
    if (kTimerPeriods[i] == periodMs) return kTexts[i];
  }
  return nullptr;
}

bool ReadEntryFieldColorization(ProfileStore& store) {
  return ReadOnOff(store, "EntryFieldColorization", false);
}

void ReadMediaFolders(ProfileStore& store, const SettingsOverrides& overrides,
                      MainSettings& settings) {
  struct Folder {
    int mode;
    const char* key;
    std::string* value;
  };
  const Folder folders[] = {{kModeAudio, "WaveFilesPath", &settings.waveFilesPath},
                            {kModeMidi, "MidiFilesPath", &settings.midiFilesPath},
                            {kModeVideo, "VideoFilesPath", &settings.videoFilesPath}};
  for (const Folder& folder : folders) {
    if (folder.mode == overrides.mediaMode) {
      *folder.value = overrides.mediaFolder;
    } else {
      *folder.value = ReadPath(store, folder.key, "c:\\");
    }
  }
}

std::string ReadAnimationName(ProfileStore& store, AnimationPlace place,
                              const std::string& defaultName) {
  std::string name = ReadText(store, kMainSection, kAnimationNameKeys[place]);
  if (name.empty()) return defaultName;
  if (name.size() > kMaxAnimationName) name.resize(kMaxAnimationName);
  return name;
}

void WriteAnimationName(ProfileStore& store, AnimationPlace place, const std::string& name) {
  WriteMain(store, kAnimationNameKeys[place], name);
}

void ReadAllSettings(ProfileStore& store, const SettingsOverrides& overrides,
                     const CdRomDriveProbe& isCdRom, Settings& settings) {
  MainSettings& main = settings.main;
  main.mode = overrides.mediaMode != 0 ? overrides.mediaMode : ReadMode(store);
  main.soundControls = ReadOnOff(store, "SoundControls", true);
  main.videoOutputFrames = LetterAt(ReadText(store, kMainSection, "VideoOutput"), 0) == 'f';
  main.scrollBarRecreation = LetterAt(ReadText(store, kMainSection, "ScrollBar"), 0) == 'r';
  ReadSoundList(store, main);
  ReadMidiList(store, main);
  main.videoListMask = ReadVideoList(store);
  main.timerPeriodMs = ReadTimerPeriod(store);
  main.waveAnimation = ReadOnOff(store, "WaveAnimation", true);
  main.midiAnimation = ReadOnOff(store, "MidiAnimation", true);
  main.cdAnimation = ReadOnOff(store, "CDAnimation", true);
  main.entryFieldColorization = ReadEntryFieldColorization(store);
  main.floatingVideoWindow = ReadOneZero(store, "FloatingVideoWindow", false);
  main.maintainVideoWindowSize = ReadOneZero(store, "MaintainVideoWindowSize", false);
  main.maintainVideoAspectRatio = ReadOneZero(store, "MaintainVideoAspectRatio", true);
  main.videoZoomFactor = ReadZoomFactor(store);
  main.defaultCdRomDrive =
      overrides.cdDrive != 0 ? DriveRoot(overrides.cdDrive) : ReadCdRomDrive(store, isCdRom);
  main.autoCddbQuery = ReadOnlyTrue(store, kMainSection, "AutoCDDBQuery");

  SearchSettings& search = settings.search;
  search.searchTrack = ReadUnlessFalse(store, kSearchSection, "SearchTrack");
  search.searchArtist = ReadUnlessFalse(store, kSearchSection, "SearchArtist");
  search.searchDiscName = ReadUnlessFalse(store, kSearchSection, "SearchDiscName");
  search.searchCategory = ReadUnlessFalse(store, kSearchSection, "SearchCategory");
  search.searchLabel = ReadUnlessFalse(store, kSearchSection, "SearchLabel");
  search.searchNotes = ReadUnlessFalse(store, kSearchSection, "SearchNotes");
  search.searchYearReleased = ReadUnlessFalse(store, kSearchSection, "SearchYearReleased");
  search.textSearch = ReadUnlessFalse(store, kSearchSection, "TextSearch");
  search.caseSensitive = ReadOnlyTrue(store, kSearchSection, "CaseSensitive");
  search.searchEntireDatabase = ReadOnlyTrue(store, kSearchSection, "SearchEntireDatabase");
  search.radioSearch = ReadRadioSearch(store);
  search.stringMatch = ReadStringMatch(store);
}

void WriteAllSettings(ProfileStore& store, const Settings& settings) {
  const MainSettings& main = settings.main;
  WriteMain(store, "VideoOutput", main.videoOutputFrames ? "Frames" : "Time");
  WriteMain(store, "ScrollBar", main.scrollBarRecreation ? "Recreation" : "Normal");
  WriteMain(store, "SoundControls", OnOff(main.soundControls));
  // The list keys have no text for "neither kind": the stored value is then
  // left as it was.
  if (main.listWav || main.listMp3) {
    WriteMain(store, "SoundListbox", main.listWav && main.listMp3 ? "Both"
                                     : main.listWav              ? "Wav"
                                                                 : "Mp3");
  }
  if (main.listMid || main.listRmi) {
    WriteMain(store, "MidiListbox", main.listMid && main.listRmi ? "Both"
                                    : main.listMid               ? "Mid"
                                                                 : "Rmi");
  }
  WriteMain(store, "VideoListbox", std::to_string(main.videoListMask & kVideoListAll));
  if (const char* speed = TimerSpeedText(main.timerPeriodMs)) WriteMain(store, "TimerSpeed", speed);
  WriteMain(store, "WaveFilesPath", main.waveFilesPath);
  WriteMain(store, "MidiFilesPath", main.midiFilesPath);
  WriteMain(store, "VideoFilesPath", main.videoFilesPath);
  WriteMain(store, "BrindlewaxMode", ModeSettingText(main.mode));
  WriteMain(store, "WaveAnimation", OnOff(main.waveAnimation));
  WriteMain(store, "MidiAnimation", OnOff(main.midiAnimation));
  WriteMain(store, "CDAnimation", OnOff(main.cdAnimation));
  WriteMain(store, "EntryFieldColorization", OnOff(main.entryFieldColorization));

  const SearchSettings& search = settings.search;
  WriteSearch(store, "SearchTrack", TrueFalse(search.searchTrack));
  WriteSearch(store, "SearchArtist", TrueFalse(search.searchArtist));
  WriteSearch(store, "SearchDiscName", TrueFalse(search.searchDiscName));
  WriteSearch(store, "SearchCategory", TrueFalse(search.searchCategory));
  WriteSearch(store, "SearchLabel", TrueFalse(search.searchLabel));
  WriteSearch(store, "SearchNotes", TrueFalse(search.searchNotes));
  WriteSearch(store, "SearchYearReleased", TrueFalse(search.searchYearReleased));
  WriteSearch(store, "TextSearch", TrueFalse(search.textSearch));
  WriteSearch(store, "CaseSensitive", TrueFalse(search.caseSensitive));
  WriteSearch(store, "SearchEntireDatabase", TrueFalse(search.searchEntireDatabase));
  const int option = search.radioSearch;
  WriteSearch(store, "RadioSearch",
              option >= 1 && option <= 9 ? std::string(1, static_cast<char>('0' + option)) : "A");
  WriteSearch(store, "StringMatch", search.stringMatch);

  WriteMain(store, "DefaultCDROMDrive", main.defaultCdRomDrive);
  WriteMain(store, "AutoCDDBQuery", TrueFalse(main.autoCddbQuery));
  WriteMain(store, "FloatingVideoWindow", OneZero(main.floatingVideoWindow));
  WriteMain(store, "MaintainVideoWindowSize", OneZero(main.maintainVideoWindowSize));
  WriteMain(store, "MaintainVideoAspectRatio", OneZero(main.maintainVideoAspectRatio));
  const int zoom = main.videoZoomFactor;
  WriteMain(store, "VideoZoomFactor", std::to_string(zoom >= 1 && zoom <= 3 ? zoom : 1));
}

VolumeMixerSelection ReadVolumeMixer(ProfileStore& store) {
  VolumeMixerSelection selection;
  std::string path = ReadText(store, kMainSection, "VolumeApplicationPath");
  std::string name = ReadText(store, kMainSection, "VolumeApplicationName");
  // "0" (or nothing) in either key means no mixer is chosen.
  if (path.empty() || path[0] == '0' || name.empty() || name[0] == '0') return selection;
  selection.path = std::move(path);
  selection.name = std::move(name);
  return selection;
}

void WriteVolumeMixer(ProfileStore& store, const VolumeMixerSelection& selection) {
  WriteMain(store, "VolumeApplicationPath", selection.IsSet() ? selection.path : "0");
  WriteMain(store, "VolumeApplicationName", selection.IsSet() ? selection.name : "0");
}
