// The drive search's kinds and texts, its file patterns, and the result kept between
// dialogs for the same drive and kind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filetools/drive_search.h"
#include "filetools/file_pattern.h"
#include "filetools/filetools_texts.h"
#include "filetools/search_kind.h"

namespace bw {
namespace {

TEST(FilePatternTest, MatchesAsFileNamesDo) {
  struct Case {
    const char* name;
    const char* pattern;
    bool matches;
  };
  const Case cases[] = {
      {"song.wav", "*.wav", true},       {"SONG.WAV", "*.wav", true},
      {"a.b.c.mp3", "*.mp3", true},      {".mp3", "*.mp3", true},
      {"song.wave", "*.wav", false},     {"song.wav.bak", "*.wav", false},
      {"wav", "*.wav", false},           {"songwav", "*.wav", false},
      {"track01.mid", "track??.mid", true}, {"track1.mid", "track??.mid", false},
      {"anything", "*", true},           {"", "*", true},
      {"", "*.exe", false},              {"setup.exe", "*.EXE", true},
      {"a*b.avi", "*.avi", true},        {"x.mov", "*.*", true},
      {"aaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*c", false},
      {"\xE9t\xE9.wav", "*.wav", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchesFilePattern(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
  }
  EXPECT_TRUE(MatchesAnyFilePattern("x.rmi", {"*.mid", "*.rmi"}));
  EXPECT_FALSE(MatchesAnyFilePattern("x.rmi", {}));
}

TEST(SearchKindTest, WordsCountsTitlesAndLabels) {
  struct Case {
    SearchKind kind;
    const char* countLine;
    const char* title;
  };
  const Case cases[] = {
      {SearchKind::kExecutable, "3 Executable File(s)", "Search for Executable files on drive D:"},
      {SearchKind::kAudio, "3 Audio File(s)", "Search for Audio files on drive D:"},
      {SearchKind::kMidi, "3 MIDI File(s)", "Search for MIDI files on drive D:"},
      {SearchKind::kVideo, "3 Video File(s)", "Search for Video files on drive D:"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SearchCountText(c.kind, 3), c.countLine);
    EXPECT_EQ(SearchTitle(c.kind, "D:"), c.title);
  }
  EXPECT_EQ(SearchFileTotalLabel(SearchKind::kMidi, "C:"),
            "Total number of MIDI files found on drive C:");
  EXPECT_EQ(SearchFolderTotalLabel(SearchKind::kVideo, "C:"),
            "Total number of directories with Video files on drive C:");
  EXPECT_EQ(SearchKindForMode(kModeAudio), SearchKind::kAudio);
  EXPECT_EQ(SearchKindForMode(kModeMidi), SearchKind::kMidi);
  EXPECT_EQ(SearchKindForMode(kModeVideo), SearchKind::kVideo);
  EXPECT_EQ(SearchKindForMode(kModeCdPlayer), SearchKind::kAudio);
}

TEST(SearchKindTest, PatternsFollowTheListFilters) {
  MainSettings settings;
  EXPECT_EQ(SearchPatterns(SearchKind::kExecutable, settings), std::vector<std::string>{"*.exe"});
  EXPECT_EQ(SearchPatterns(SearchKind::kAudio, settings),
            (std::vector<std::string>{"*.wav", "*.mp3"}));
  EXPECT_EQ(SearchPatterns(SearchKind::kVideo, settings),
            (std::vector<std::string>{"*.avi", "*.mov", "*.mpg"}));
  settings.listWav = false;
  settings.listRmi = false;
  settings.videoListMask = kVideoListMpg;
  EXPECT_EQ(SearchPatterns(SearchKind::kAudio, settings), std::vector<std::string>{"*.mp3"});
  EXPECT_EQ(SearchPatterns(SearchKind::kMidi, settings), std::vector<std::string>{"*.mid"});
  EXPECT_EQ(SearchPatterns(SearchKind::kVideo, settings), std::vector<std::string>{"*.mpg"});
  // The program files of the EXE kind do not depend on the media filters.
  settings.listMp3 = false;
  EXPECT_EQ(SearchPatterns(SearchKind::kExecutable, settings), std::vector<std::string>{"*.exe"});
}

TEST(SearchKindTest, TheDriveIsTheFoldersLetterUpperCased) {
  struct Case {
    const char* folder;
    const char* drive;  // null: no drive, the search is refused
  };
  const Case cases[] = {
      {"c:\\music\\", "C:"}, {"D:\\", "D:"}, {"z:", "Z:"},
      {"\\\\server\\share\\", nullptr}, {"", nullptr}, {"C", nullptr},
      {"1:\\", nullptr}, {":\\", nullptr}, {"\xE9:\\", nullptr},
  };
  for (const Case& c : cases) {
    const auto drive = SearchDriveOf(c.folder);
    if (c.drive == nullptr) {
      EXPECT_FALSE(drive.has_value()) << c.folder;
    } else {
      EXPECT_EQ(drive.value_or("?"), c.drive) << c.folder;
    }
  }
  EXPECT_EQ(DriveRoot("E:"), "E:\\");
}

SearchResult SampleResult(const char* drive, SearchKind kind) {
  return SearchResult{drive, kind, {{"C:\\Music\\", 4}, {"C:\\Sounds\\", 2}}, 6};
}

TEST(SearchResultCacheTest, GivesThePreviousResultOnceForTheSameDriveAndKind) {
  SearchResultCache cache;
  EXPECT_FALSE(cache.Take("C:", SearchKind::kAudio).has_value());

  cache.Keep(SampleResult("C:", SearchKind::kAudio));
  const auto again = cache.Take("c:", SearchKind::kAudio);  // letters in upper case
  ASSERT_TRUE(again.has_value());
  EXPECT_EQ(again->entries.size(), 2u);
  EXPECT_EQ(again->fileTotal, 6);
  EXPECT_TRUE(cache.IsEmpty());  // the dialog keeps it again when it ends
}

TEST(SearchResultCacheTest, AnotherDriveOrKindFreesIt) {
  struct Case {
    const char* drive;
    SearchKind kind;
  };
  for (const Case& other : {Case{"D:", SearchKind::kAudio}, Case{"C:", SearchKind::kMidi},
                            Case{"C:", SearchKind::kExecutable}}) {
    SearchResultCache cache;
    cache.Keep(SampleResult("C:", SearchKind::kAudio));
    EXPECT_FALSE(cache.Take(other.drive, other.kind).has_value());
    EXPECT_FALSE(cache.Take("C:", SearchKind::kAudio).has_value());
  }
}

TEST(SearchResultCacheTest, AnEmptyListKeepsNothing) {
  SearchResultCache cache;
  cache.Keep(SampleResult("C:", SearchKind::kAudio));
  cache.Keep(SearchResult{"C:", SearchKind::kAudio, {}, 0});
  EXPECT_TRUE(cache.IsEmpty());
}

TEST(DriveSearchOpeningTest, ShowsTheKeptResultOrAnEmptyList) {
  SearchResultCache cache;
  cache.Keep(SampleResult("C:", SearchKind::kAudio));

  const DriveSearchOpening midi = OpenDriveSearch("C:", SearchKind::kMidi, cache);
  EXPECT_EQ(midi.title, "Search for MIDI files on drive C:");
  EXPECT_EQ(midi.fileTotalLabel, "Total number of MIDI files found on drive C:");
  EXPECT_EQ(midi.folderTotalLabel, "Total number of directories with MIDI files on drive C:");
  EXPECT_TRUE(midi.entries.empty());
  EXPECT_EQ(midi.fileTotal, 0);
  EXPECT_EQ(midi.hint, "");

  cache.Keep(SampleResult("C:", SearchKind::kAudio));
  const DriveSearchOpening audio = OpenDriveSearch("C:", SearchKind::kAudio, cache);
  EXPECT_EQ(audio.entries.size(), 2u);
  EXPECT_EQ(audio.fileTotal, 6);
  EXPECT_EQ(audio.hint, kTextSearchPickHint);
  EXPECT_TRUE(cache.IsEmpty());
}

}  // namespace
}  // namespace bw
