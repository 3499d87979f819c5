// The folder browser's model: which kind a caller gets and what follows from it, the
// calling protocol's buffers, and the directory list with the folder each line leads to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filetools/directory_list.h"
#include "filetools/filetools_texts.h"
#include "filetools/folder_browser.h"
#include "filetools_test_support.h"

namespace bw {
namespace {

TEST(FolderBrowserKindTest, FollowsTheOrderOfPrecedence) {
  for (int flags = 0; flags < 16; ++flags) {
    BrowserCaller caller;
    caller.copyOrMoveOperation = flags & 1;
    caller.exeSelection = flags & 2;
    caller.exportDialogOpen = flags & 4;
    caller.htmlDialogOpen = flags & 8;
    const BrowserKind expected = (flags & 1)   ? BrowserKind::kDestination
                                 : (flags & 2) ? BrowserKind::kExe
                                 : (flags & 4) ? BrowserKind::kExport
                                 : (flags & 8) ? BrowserKind::kHtml
                                               : BrowserKind::kMedia;
    EXPECT_EQ(DecideBrowserKind(caller), expected) << "flags " << flags;
  }
}

struct SetupCase {
  const char* name;
  BrowserCaller caller;
  const char* title;
  const char* question;
  std::optional<SearchKind> searchKind;
  const char* startingFolder;
  std::vector<std::string> patterns;
};

TEST(FolderBrowserSetupTest, EachKindGetsItsTitleIndicatorSearchAndFolder) {
  FolderBrowserBuffers buffers;
  buffers.destinationFolder = "E:\\Copies\\";
  buffers.exeFolder = "C:\\Tools\\";
  buffers.exportFolder = "C:\\Export\\";
  MainSettings settings;
  settings.waveFilesPath = "D:\\Music\\";
  settings.midiFilesPath = "D:\\Midi\\";
  settings.videoFilesPath = "D:\\Video\\";
  settings.listMp3 = false;

  BrowserCaller destination;
  destination.copyOrMoveOperation = true;
  BrowserCaller exe;
  exe.exeSelection = true;
  exe.mode = kModeVideo;
  BrowserCaller exportCaller;
  exportCaller.exportDialogOpen = true;
  BrowserCaller html;
  html.htmlDialogOpen = true;
  html.mode = kModeCdPlayer;
  BrowserCaller audio, midi, video, fromCdPanel;
  midi.mode = kModeMidi;
  video.mode = kModeVideo;
  fromCdPanel.mode = kModeCdPlayer;

  const SetupCase cases[] = {
      {"destination", destination, "Destination Path Setup", " ", std::nullopt, "E:\\Copies\\", {}},
      {"exe", exe, "EXE File Path Setup", "Exe files?", SearchKind::kExecutable, "C:\\Tools\\",
       {"*.exe"}},
      {"export", exportCaller, "Export File Path Setup", " ", std::nullopt, "C:\\Export\\", {}},
      {"html", html, "HTML File Path Setup", " ", std::nullopt, "C:\\Export\\", {}},
      {"audio", audio, "Audio File Path Setup", "Audio files?", SearchKind::kAudio, "D:\\Music\\",
       {"*.wav"}},
      {"midi", midi, "MIDI File Path Setup", "MIDI files?", SearchKind::kMidi, "D:\\Midi\\",
       {"*.mid", "*.rmi"}},
      {"video", video, "Video File Path Setup", "Video files?", SearchKind::kVideo, "D:\\Video\\",
       {"*.avi", "*.mov", "*.mpg"}},
      {"cd panel", fromCdPanel, "Audio File Path Setup", "Audio files?", SearchKind::kAudio,
       "D:\\Music\\", {"*.wav"}},
  };
  for (const SetupCase& c : cases) {
    SCOPED_TRACE(c.name);
    const FolderBrowserSetup setup = SetUpFolderBrowser(c.caller, buffers, settings);
    EXPECT_EQ(setup.title, c.title);
    EXPECT_EQ(setup.filesQuestion, c.question);
    EXPECT_EQ(setup.offersSearch, c.searchKind.has_value());
    EXPECT_EQ(setup.searchKind, c.searchKind);
    EXPECT_EQ(setup.startingFolder, c.startingFolder);
    EXPECT_EQ(setup.callerListPatterns, c.patterns);
    EXPECT_FALSE(setup.searchAtOnce);
  }
}

TEST(FolderBrowserSetupTest, SearchModePostsSearchOnlyWhereSearchIsOffered) {
  FolderBrowserBuffers buffers;
  buffers.searchMode = true;
  const MainSettings settings;
  BrowserCaller media;
  EXPECT_TRUE(SetUpFolderBrowser(media, buffers, settings).searchAtOnce);
  BrowserCaller destination;
  destination.copyOrMoveOperation = true;
  EXPECT_FALSE(SetUpFolderBrowser(destination, buffers, settings).searchAtOnce);
}

TEST(FolderBrowserProtocolTest, TheIndicatorAnswersFromTheCallersList) {
  EXPECT_STREQ(FilesAnswer(BrowserKind::kMedia, 3), kTextFilesYes);
  EXPECT_STREQ(FilesAnswer(BrowserKind::kMedia, 0), kTextFilesNo);
  EXPECT_STREQ(FilesAnswer(BrowserKind::kExe, 1), kTextFilesYes);
  EXPECT_STREQ(FilesAnswer(BrowserKind::kExe, 0), kTextFilesNo);
  for (BrowserKind kind : {BrowserKind::kDestination, BrowserKind::kExport, BrowserKind::kHtml}) {
    EXPECT_STREQ(FilesAnswer(kind, 5), kTextBlank);
  }
}

TEST(FolderBrowserProtocolTest, OkStoresTheFolderWhereTheKindKeepsIt) {
  MainSettings settings;
  settings.waveFilesPath = "C:\\Old\\";
  settings.midiFilesPath = "C:\\OldMidi\\";
  FolderBrowserBuffers buffers;
  buffers.exeFolder = "C:\\Tools\\";
  buffers.browsedFolder = "D:\\New\\";

  AcceptBrowsedFolder(BrowserKind::kMedia, kModeMidi, buffers, settings);
  EXPECT_TRUE(buffers.accepted);
  EXPECT_EQ(settings.midiFilesPath, "D:\\New\\");
  EXPECT_EQ(settings.waveFilesPath, "C:\\Old\\");
  EXPECT_EQ(buffers.exeFolder, "C:\\Tools\\");

  buffers.accepted = false;
  AcceptBrowsedFolder(BrowserKind::kExe, kModeAudio, buffers, settings);
  EXPECT_TRUE(buffers.accepted);
  EXPECT_EQ(buffers.exeFolder, "D:\\New\\");
  EXPECT_EQ(settings.waveFilesPath, "C:\\Old\\");

  FolderBrowserBuffers other;
  other.browsedFolder = "F:\\Out\\";
  other.exportFolder = "C:\\Export\\";
  AcceptBrowsedFolder(BrowserKind::kHtml, kModeAudio, other, settings);
  EXPECT_TRUE(other.accepted);
  EXPECT_EQ(other.exportFolder, "C:\\Export\\");  // the caller reads the browsed folder
  EXPECT_EQ(other.browsedFolder, "F:\\Out\\");
}

TEST(FolderBrowserProtocolTest, TheCallersListIsRefilledWithEachPattern) {
  EXPECT_EQ(CallerListSearches({"*.wav", "*.mp3"}, "D:\\Music"),
            (std::vector<std::string>{"D:\\Music\\*.wav", "D:\\Music\\*.mp3"}));
  EXPECT_EQ(CallerListSearches({"*.exe"}, "C:\\"), std::vector<std::string>{"C:\\*.exe"});
  EXPECT_TRUE(CallerListSearches({}, "C:\\").empty());
}

TEST(DirectoryListTest, ShowsTheChainWithItsIndentsThenTheSortedSubfolders) {
  const DirectoryList list = MakeDirectoryList("D:\\Music\\Rock\\", {"live", "Demos", "b-sides"});
  EXPECT_EQ(list.folder, "D:\\Music\\Rock\\");
  EXPECT_EQ(list.chainCount, 3u);
  EXPECT_EQ(list.lines, (std::vector<DirectoryLine>{{"D:\\", 0, false},
                                                    {"Music", 4, false},
                                                    {"Rock", 8, false},
                                                    {"b-sides", 12, true},
                                                    {"Demos", 12, true},
                                                    {"live", 12, true}}));
  EXPECT_EQ(list.lines[1].Glyph(), kChainFolderGlyph);
  EXPECT_EQ(list.lines[4].Glyph(), kSubfolderGlyph);
}

TEST(DirectoryListTest, TheChainOfEachKindOfPath) {
  struct Case {
    const char* folder;
    std::vector<std::string> chain;
  };
  const Case cases[] = {
      {"D:\\", {"D:\\"}},
      {"c:\\", {"c:\\"}},
      {"D:", {"D:\\"}},
      {"D:\\Music", {"D:\\", "Music"}},
      {"D:\\Music\\\\Rock\\", {"D:\\", "Music", "Rock"}},
      {"\\\\server\\share\\music\\", {"\\\\server\\share\\music\\"}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(AncestorChain(c.folder), c.chain) << c.folder;
}

TEST(DirectoryListTest, DoubleClickingALineLeadsToTheRightFolder) {
  const DirectoryList rock = MakeDirectoryList("D:\\Music\\Rock\\", {"Live"});
  struct Case {
    std::size_t index;
    std::optional<std::string> folder;
    bool toAncestor;
  };
  const Case cases[] = {
      {0, "D:\\", true},
      {1, "D:\\Music\\", true},
      {2, "D:\\Music\\", true},  // the browsed folder's own entry goes to its parent
      {3, "D:\\Music\\Rock\\Live\\", false},
      {4, std::nullopt, false},
  };
  for (const Case& c : cases) {
    const auto navigation = NavigateDirectoryLine(rock, c.index);
    ASSERT_EQ(navigation.has_value(), c.folder.has_value()) << c.index;
    if (!navigation) continue;
    EXPECT_EQ(navigation->folder, *c.folder) << c.index;
    EXPECT_EQ(navigation->toAncestor, c.toAncestor) << c.index;
  }
}

TEST(DirectoryListTest, GoingUpStopsAtTheDriveOrTheShare) {
  struct Case {
    const char* folder;
    std::size_t index;
    const char* target;
  };
  const Case cases[] = {
      {"D:\\", 0, "D:\\"},
      {"d:\\Music", 1, "d:\\"},
      {"D:\\a\\b\\c\\", 1, "D:\\a\\"},
      {"D:\\a\\b\\c\\", 99, "D:\\a\\b\\"},
      {"D:\\a\\\\b\\c\\", 2, "D:\\a\\\\b\\"},  // the path is cut, never rebuilt
      {"\\\\server\\share\\a\\b\\", 0, "\\\\server\\share\\a\\"},
      {"\\\\server\\share\\", 0, "\\\\server\\share\\"},
      {"\\\\server\\", 0, "\\\\server\\"},
      {"nowhere", 0, "nowhere\\"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AncestorTarget(c.folder, c.index), c.target) << c.folder << " #" << c.index;
  }
}

TEST(DirectoryListTest, ASubfolderIsEnteredOnlyWhenItsPathFits) {
  const std::string base = "C:\\" + std::string(250, 'a') + "\\";  // 254 characters
  EXPECT_EQ(SubfolderTarget(base, "1234").value_or("?"), base + "1234\\");  // 259
  EXPECT_FALSE(SubfolderTarget(base, "12345").has_value());               // 260
  EXPECT_FALSE(SubfolderTarget("C:\\", "").has_value());
  EXPECT_FALSE(SubfolderTarget("C:\\", "..").has_value());
  EXPECT_FALSE(SubfolderTarget("C:\\", "a\\b").has_value());
  EXPECT_EQ(SubfolderTarget("C:\\Music", "Rock").value_or("?"), "C:\\Music\\Rock\\");
}

TEST(DirectoryListTest, ItemDataCarriesIndentAndKind) {
  const DirectoryLine subfolder{"x", 12, true};
  EXPECT_EQ(DirectoryItemData(subfolder), 0x1000Cu);
  EXPECT_EQ(DirectoryItemData(DirectoryLine{"D:\\", 0, false}), 0u);
  const DirectoryLine back = LineFromItemData(DirectoryItemData(subfolder));
  EXPECT_EQ(back.indent, 12);
  EXPECT_TRUE(back.subfolder);
}

TEST(DirectoryListTest, TheExtentFitsTheWidestLineWithItsIndentAndIcon) {
  const DirectoryList list = MakeDirectoryList("D:\\A\\", {"a-rather-long-name", "b"});
  const auto width = [](const std::string& text) { return static_cast<int>(text.size()) * 7; };
  // The widest line is the subfolder at indent 8: 8 + icon + 18 * 7, then one average char.
  EXPECT_EQ(DirectoryListExtent(list, width, false, 6), 8 + 16 + 126 + 6);
  EXPECT_EQ(DirectoryListExtent(list, width, true, 8), 8 + 20 + 126 + 8);
  // A long network path in the chain counts too.
  const std::string sharePath = "\\\\server\\a-very-long-share-name\\";
  const DirectoryList share = MakeDirectoryList(sharePath, {"x"});
  EXPECT_EQ(DirectoryListExtent(share, width, false, 0), 16 + width(sharePath));
}

TEST(DirectoryListTest, ReadsOnlyFoldersAndShowsTheChainWhenTheFolderIsUnreadable) {
  testing::MemoryTree tree;
  tree.AddFolder("C:\\Music\\Rock\\");
  tree.AddFolder("C:\\Music\\Jazz\\");
  tree.AddFile("C:\\Music\\", "song.wav");
  const DirectoryList music = ReadDirectoryList(tree, "C:\\Music");
  EXPECT_EQ(music.lines, (std::vector<DirectoryLine>{{"C:\\", 0, false},
                                                     {"Music", 4, false},
                                                     {"Jazz", 8, true},
                                                     {"Rock", 8, true}}));
  tree.MakeUnreadable("C:\\Music\\");
  EXPECT_EQ(ReadDirectoryList(tree, "C:\\Music\\").lines.size(), 2u);
  EXPECT_EQ(ReadDirectoryList(tree, "Q:\\Gone\\").lines.size(), 2u);
}

}  // namespace
}  // namespace bw
