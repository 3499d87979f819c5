// The program's settings from BRINDWAX.INI: the MAIN and SEARCH keys with
// their reading rules and defaults, the start-up reading order and the
// "write all" done at every shutdown. Everything goes through a ProfileStore.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "base/profile_store.h"
#include "shell/program_mode.h"

inline constexpr const char* kMainSection = "MAIN";
inline constexpr const char* kSearchSection = "SEARCH";
inline constexpr const char* kSettingsFileName = "BRINDWAX.INI";

// Buffer sizes of the program's copies of the stored texts (with the
// terminating zero): paths 260, animation names 256, the search text 255.
inline constexpr std::size_t kMaxPathText = 259;
inline constexpr std::size_t kMaxAnimationName = 255;
inline constexpr std::size_t kMaxSearchText = 254;

// The five places that animate with a user-chosen animation, in the order of
// their keys and of the library's default-name strings.
enum AnimationPlace : int {
  kAnimationSound = 0,
  kAnimationMidi = 1,
  kAnimationCdPlayer = 2,
  kAnimationCopyMove = 3,
  kAnimationInternet = 4,
  kNamedAnimationCount = 5,
};
inline constexpr std::array<const char*, kNamedAnimationCount> kAnimationNameKeys = {
    "AnimationNameSound", "AnimationNameMidi", "AnimationNameCDPlayer",
    "AnimationNameCopyMove", "AnimationNameInternet"};

// Update periods of the media panels' position displays, in milliseconds,
// stored as TimerSpeed "1" to "5".
inline constexpr std::array<int, 5> kTimerPeriods = {100, 333, 500, 666, 1000};

// Video list bits (VideoListbox).
inline constexpr int kVideoListAvi = 1;
inline constexpr int kVideoListMov = 2;
inline constexpr int kVideoListMpg = 4;
inline constexpr int kVideoListAll = 7;

struct MainSettings {
  int mode = kModeCdPlayer;                 // BrindlewaxMode
  bool soundControls = true;                // SoundControls
  bool videoOutputFrames = false;           // VideoOutput: "Frames" or "Time"
  bool scrollBarRecreation = false;         // ScrollBar: "Recreation" or "Normal"
  bool listWav = true;                      // SoundListbox
  bool listMp3 = true;
  bool listMid = true;                      // MidiListbox
  bool listRmi = true;
  int videoListMask = kVideoListAll;        // VideoListbox
  int timerPeriodMs = 100;                  // TimerSpeed
  std::string waveFilesPath = "c:\\";       // WaveFilesPath
  std::string midiFilesPath = "c:\\";       // MidiFilesPath
  std::string videoFilesPath = "c:\\";      // VideoFilesPath
  bool waveAnimation = true;                // WaveAnimation
  bool midiAnimation = true;                // MidiAnimation
  bool cdAnimation = true;                  // CDAnimation
  bool entryFieldColorization = false;      // EntryFieldColorization
  bool floatingVideoWindow = false;         // FloatingVideoWindow
  bool maintainVideoWindowSize = false;     // MaintainVideoWindowSize
  bool maintainVideoAspectRatio = true;     // MaintainVideoAspectRatio
  int videoZoomFactor = 1;                  // VideoZoomFactor: 1, 2 or 3 (full screen)
  std::string defaultCdRomDrive;            // DefaultCDROMDrive: "D:\" or empty (no drive)
  bool autoCddbQuery = false;               // AutoCDDBQuery
  std::array<std::string, kNamedAnimationCount> animationNames;  // AnimationName*
};

// The SEARCH section, in the order "write all" writes it.
struct SearchSettings {
  bool searchTrack = true;
  bool searchArtist = true;
  bool searchDiscName = true;
  bool searchCategory = true;
  bool searchLabel = true;
  bool searchNotes = true;
  bool searchYearReleased = true;
  bool textSearch = true;
  bool caseSensitive = false;
  bool searchEntireDatabase = false;
  int radioSearch = 10;     // property option 1..10
  std::string stringMatch;  // last search text
};

struct Settings {
  MainSettings main;
  SearchSettings search;
};

// What the command line decided for this run, as far as the settings care.
struct SettingsOverrides {
  int mediaMode = 0;            // 50..52 when a media file was named, else 0
  std::string mediaFolder;      // that file's folder, ending in a separator
  char cdDrive = 0;             // drive letter of a CD play form, else 0
};

// Answers whether the drive with this letter (A-Z) is a CD-ROM drive.
using CdRomDriveProbe = std::function<bool(char driveLetter)>;

// The first CD-ROM drive from A to Z as a root path ("E:\"), or "" when none.
std::string FirstCdRomDriveRoot(const CdRomDriveProbe& isCdRom);

// Start-up reading order, step by step (the caller does the window work in
// between): EntryFieldColorization; the media folders; the animation names;
// then ReadAllSettings.
bool ReadEntryFieldColorization(ProfileStore& store);
void ReadMediaFolders(ProfileStore& store, const SettingsOverrides& overrides,
                      MainSettings& settings);
// The stored name of one animation, or defaultName when none is stored.
std::string ReadAnimationName(ProfileStore& store, AnimationPlace place,
                              const std::string& defaultName);
void WriteAnimationName(ProfileStore& store, AnimationPlace place, const std::string& name);

// Reads the MAIN switches and the SEARCH keys. A media file on the command
// line keeps its mode and folder; a CD play form keeps its drive and skips
// DefaultCDROMDrive. The drive is otherwise the stored one when it is a
// CD-ROM drive, else the first CD-ROM drive, else empty.
void ReadAllSettings(ProfileStore& store, const SettingsOverrides& overrides,
                     const CdRomDriveProbe& isCdRom, Settings& settings);

// Writes the shutdown set of keys in their fixed order.
void WriteAllSettings(ProfileStore& store, const Settings& settings);

// Texts as BrindlewaxMode and TimerSpeed store them.
const char* ModeSettingText(int mode);
// "1".."5" for the five periods, nullptr for any other period.
const char* TimerSpeedText(int periodMs);

// The volume mixer's folder and file name; both empty when none is chosen.
struct VolumeMixerSelection {
  std::string path;
  std::string name;
  bool IsSet() const { return !path.empty() && !name.empty(); }
};
VolumeMixerSelection ReadVolumeMixer(ProfileStore& store);
void WriteVolumeMixer(ProfileStore& store, const VolumeMixerSelection& selection);
