// The drive search's walk over trees held in memory: the order folders are shown in, what
// is counted, that every folder is listed once however wide the tree, the path limit, links
// that lead back, folders that cannot be read, and that stepping changes nothing.
#include <string>
#include <vector>

#include "filetools/folder_walk.h"
#include "filetools_test_support.h"

namespace bw {
namespace {

using testing::MemoryTree;

const std::vector<std::string> kAudio = {"*.wav", "*.mp3"};

std::vector<std::string> FoldersOf(const std::vector<SearchResultEntry>& results) {
  std::vector<std::string> folders;
  for (const SearchResultEntry& entry : results) folders.push_back(entry.folder);
  return folders;
}

void WalkToEnd(FolderWalk& walk, int step = 1000) {
  for (int guard = 0; walk.Step(step); ++guard) ASSERT_LT(guard, 1000000);
}

// Every folder holds one sound, so the result lists the folders in visiting order.
TEST(FolderWalkTest, ShowsTheRootFirstAndEveryFolderAfterItsSubfolders) {
  MemoryTree tree;
  for (const char* folder : {"C:\\beta\\", "C:\\Alpha\\zed\\", "C:\\Alpha\\Mid\\deep\\",
                             "C:\\Alpha\\", "C:\\Alpha\\Mid\\", "C:\\"}) {
    tree.AddFile(folder, "a.wav");
  }
  FolderWalk walk(tree, "C:\\", kAudio);
  WalkToEnd(walk);
  EXPECT_EQ(FoldersOf(walk.Results()),
            (std::vector<std::string>{"C:\\", "C:\\Alpha\\Mid\\deep\\", "C:\\Alpha\\Mid\\",
                                      "C:\\Alpha\\zed\\", "C:\\Alpha\\", "C:\\beta\\"}));
  EXPECT_TRUE(walk.Complete());
  EXPECT_EQ(walk.FoldersVisited(), 6);
}

TEST(FolderWalkTest, SortsSubfoldersByTheGivenOrder) {
  MemoryTree tree;
  for (const char* folder : {"D:\\b\\", "D:\\C\\", "D:\\a\\"}) tree.AddFile(folder, "x.mid");
  // Plain byte order puts upper case first.
  FolderWalk walk(tree, "D:\\", {"*.mid"}, [](std::string_view a, std::string_view b) {
    return a.compare(b);
  });
  WalkToEnd(walk);
  EXPECT_EQ(FoldersOf(walk.Results()),
            (std::vector<std::string>{"D:\\C\\", "D:\\a\\", "D:\\b\\"}));
}

TEST(FolderWalkTest, ListsAFolderOnceWithTheSumOfItsMatchingFiles) {
  MemoryTree tree;
  for (const char* name : {"one.wav", "two.mp3", "THREE.WAV", "four.Mp3", "five.wav"}) {
    tree.AddFile("C:\\Music\\", name);
  }
  for (const char* name : {"notes.txt", "wav", "song.wav.bak", "mp3", ".wavx"}) {
    tree.AddFile("C:\\Music\\", name);
  }
  tree.AddFolder("C:\\Music\\folder.wav\\");  // a folder is never a matching file
  tree.AddFile("C:\\Other\\", "readme.txt");
  tree.AddFile("C:\\", "root.mp3");

  FolderWalk walk(tree, "C:\\", kAudio);
  WalkToEnd(walk);
  EXPECT_EQ(walk.Results(), (std::vector<SearchResultEntry>{{"C:\\", 1}, {"C:\\Music\\", 5}}));
  EXPECT_EQ(walk.FileTotal(), 6);
  EXPECT_EQ(walk.FoldersVisited(), 4);
}

TEST(FolderWalkTest, WithoutPatternsFindsNothingButStillEnds) {
  MemoryTree tree;
  tree.AddFile("C:\\Music\\", "a.wav");
  FolderWalk walk(tree, "C:\\", {});
  WalkToEnd(walk);
  EXPECT_TRUE(walk.Results().empty());
  EXPECT_TRUE(walk.Complete());
}

TEST(FolderWalkTest, ListsEveryFolderExactlyOnceHoweverWideTheTree) {
  MemoryTree tree;
  for (int i = 0; i < 400; ++i) {
    tree.AddFolder("C:\\wide" + std::to_string(i) + "\\");
    tree.AddFolder("C:\\wide" + std::to_string(i) + "\\sub\\");
  }
  FolderWalk walk(tree, "C:\\", kAudio);
  WalkToEnd(walk, 1);
  EXPECT_EQ(tree.listings(), 801);
  EXPECT_EQ(walk.FoldersVisited(), 801);
}

TEST(FolderWalkTest, SteppingGivesTheSameResultAsOneGo) {
  MemoryTree tree;
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 4; ++j) {
      const std::string folder = "E:\\f" + std::to_string(i) + "\\g" + std::to_string(j) + "\\";
      tree.AddFolder(folder + "h\\");
      if ((i + j) % 2 == 0) tree.AddFile(folder, "clip" + std::to_string(j) + ".avi");
    }
    tree.AddFile("E:\\f" + std::to_string(i) + "\\", "movie.mpg");
  }
  FolderWalk reference(tree, "E:\\", {"*.avi", "*.mpg"});
  WalkToEnd(reference);

  for (int step : {1, 2, 3, 7, 50}) {
    SCOPED_TRACE("step " + std::to_string(step));
    FolderWalk walk(tree, "E:\\", {"*.avi", "*.mpg"});
    int steps = 0;
    while (walk.Step(step)) ++steps;
    EXPECT_EQ(walk.Results(), reference.Results());
    EXPECT_EQ(walk.FileTotal(), reference.FileTotal());
    EXPECT_FALSE(walk.Step(step));  // once finished it stays finished
    if (step == 1) {
      EXPECT_EQ(steps, reference.FoldersVisited());  // one listing a step
    }
  }
}

TEST(FolderWalkTest, ProgressNamesTheFolderAndFileLastSeen) {
  MemoryTree tree;
  tree.AddFile("C:\\a\\", "first.wav");
  tree.AddFolder("C:\\b\\");
  FolderWalk walk(tree, "C:\\", kAudio);
  EXPECT_EQ(walk.CurrentFolder(), "");
  ASSERT_TRUE(walk.Step(1));
  EXPECT_EQ(walk.CurrentFolder(), "C:\\");
  ASSERT_TRUE(walk.Step(1));  // lists C:\a\ .
  ASSERT_TRUE(walk.Step(1));  // shows C:\a\ and lists C:\b\ .
  EXPECT_EQ(walk.LastFileName(), "first.wav");
  EXPECT_EQ(walk.FileTotal(), 1);
  EXPECT_FALSE(walk.Step(1));
  EXPECT_EQ(walk.CurrentFolder(), "C:\\b\\");
}

TEST(FolderWalkTest, StopKeepsWhatWasFoundAndMarksItIncomplete) {
  MemoryTree tree;
  for (int i = 0; i < 10; ++i) tree.AddFile("C:\\d" + std::to_string(i) + "\\", "a.wav");
  FolderWalk walk(tree, "C:\\", kAudio);
  ASSERT_TRUE(walk.Step(4));
  walk.Stop();
  EXPECT_FALSE(walk.Step(4));
  EXPECT_TRUE(walk.Finished());
  EXPECT_FALSE(walk.Complete());
  EXPECT_EQ(walk.Results().size(), 2u);  // d2 was listed but is shown only after its subfolders
  EXPECT_EQ(tree.listings(), 4);
}

TEST(FolderWalkTest, SkipsPathsThatWouldNotFitTheProgramsBuffers) {
  MemoryTree tree;
  const std::string fits = "C:\\" + std::string(255, 'f') + "\\";        // 259 characters
  const std::string tooLong = "C:\\" + std::string(256, 'g') + "\\";     // 260 characters
  const std::string nested = "C:\\" + std::string(200, 'h') + "\\" + std::string(55, 'i') + "\\";
  tree.AddFile(fits, "a.wav");
  tree.AddFile(tooLong, "b.wav");
  tree.AddFile(tooLong + "x\\", "c.wav");
  tree.AddFile(nested, "d.wav");
  tree.AddFile("C:\\" + std::string(200, 'h') + "\\", "e.wav");

  FolderWalk walk(tree, "C:\\", kAudio);
  WalkToEnd(walk);
  EXPECT_EQ(FoldersOf(walk.Results()),
            (std::vector<std::string>{fits, "C:\\" + std::string(200, 'h') + "\\"}));
  EXPECT_EQ(walk.FoldersSkipped(), 2);
  for (const std::string& listed : tree.listed()) EXPECT_LE(listed.size(), 259u);
}

TEST(FolderWalkTest, WalksAFolderReachedThroughALinkOnlyOnce) {
  MemoryTree tree;
  tree.AddFile("C:\\Music\\", "a.wav");
  tree.AddFile("C:\\Music\\Live\\", "b.wav");
  tree.AddLink("C:\\Music\\Live\\", "Back", "C:\\");      // a loop to the root
  tree.AddLink("C:\\", "Alias", "C:\\Music\\Live\\");      // the same folder by another name

  FolderWalk walk(tree, "C:\\", kAudio);
  WalkToEnd(walk);
  // "Alias" sorts first, so the folder is walked under that name and not again as Live.
  EXPECT_EQ(walk.Results(), (std::vector<SearchResultEntry>{{"C:\\Alias\\", 1},
                                                            {"C:\\Music\\", 1}}));
  EXPECT_EQ(walk.FoldersSkipped(), 2);
}

TEST(FolderWalkTest, WithoutFolderIdentitiesALoopStillEndsAtThePathLimit) {
  MemoryTree tree;
  tree.AddFile("C:\\Loop\\", "a.wav");
  tree.AddLink("C:\\Loop\\", "L", "C:\\Loop\\");
  tree.ForgetIdentities();

  FolderWalk walk(tree, "C:\\", kAudio);
  WalkToEnd(walk);
  EXPECT_TRUE(walk.Complete());
  EXPECT_EQ(walk.Results().size(), 126u);  // "C:\Loop\" then "L\" up to 259 characters
  for (const SearchResultEntry& entry : walk.Results()) EXPECT_LE(entry.folder.size(), 259u);
}

TEST(FolderWalkTest, TreatsFoldersThatCannotBeListedAsEmpty) {
  MemoryTree tree;
  tree.AddFile("C:\\Locked\\", "hidden.wav");
  tree.AddFile("C:\\Locked\\Inner\\", "inner.wav");
  tree.AddFile("C:\\Open\\", "open.wav");
  tree.MakeUnreadable("C:\\Locked\\");
  FolderWalk walk(tree, "C:\\", kAudio);
  WalkToEnd(walk);
  EXPECT_EQ(walk.Results(), (std::vector<SearchResultEntry>{{"C:\\Open\\", 1}}));
  EXPECT_TRUE(walk.Complete());

  MemoryTree missing;  // a drive that is not there at all: an empty floppy, say
  FolderWalk nothing(missing, "A:\\", kAudio);
  EXPECT_FALSE(nothing.Step(10));
  EXPECT_TRUE(nothing.Results().empty());
  EXPECT_EQ(nothing.FoldersVisited(), 1);
}

TEST(FolderWalkTest, TakesARootWithoutItsFinalSeparator) {
  MemoryTree tree;
  tree.AddFile("C:\\", "x.exe");
  FolderWalk walk(tree, "C:", {"*.exe"});
  WalkToEnd(walk);
  EXPECT_EQ(walk.Results(), (std::vector<SearchResultEntry>{{"C:\\", 1}}));
}

}  // namespace
}  // namespace bw
