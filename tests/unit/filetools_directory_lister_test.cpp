// The platform's folder lister on real folders: what one listing gives, folder identities,
// missing and empty folders, and a whole walk over a tree on disk.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "filetools/folder_walk.h"
#include "filetools_test_support.h"

#ifdef _WIN32
#include <windows.h>

#include "filetools/directory_lister_win32.h"
#else
#include <unistd.h>

#include "filetools/directory_lister_posix.h"
#endif

namespace bw {
namespace {

// A tree on disk and the platform's lister, with the tree's root in the program's form:
// its own path on Windows, a drive mounted on it elsewhere.
class PlatformTree {
 public:
#ifdef _WIN32
  std::string Root() const {
    std::string root = disk.Root().string();
    if (root.back() != '\\') root += '\\';
    return root;
  }
  Win32DirectoryLister lister;
#else
  PlatformTree() { lister.MountDrive('T', disk.Root().string()); }
  std::string Root() const { return "T:\\"; }
  PosixDirectoryLister lister;
#endif
  testing::DiskTree disk;

  std::map<std::string, unsigned> List(const std::string& folder, FileId* id, Status* status) {
    std::map<std::string, unsigned> entries;
    *status = lister.List(folder, id, [&entries](const DirectoryEntry& entry) {
      entries[std::string(entry.name)] = entry.attributes;
    });
    return entries;
  }
};

TEST(DirectoryListerTest, ListsFoldersAndFilesWithoutTheDotEntries) {
  PlatformTree tree;
  tree.disk.Folder("Music/Rock");
  tree.disk.File("song.wav");
  tree.disk.File("notes.txt");
  FileId id;
  Status status;
  const auto entries = tree.List(tree.Root(), &id, &status);
  ASSERT_TRUE(status.IsOk()) << status.ToString();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_TRUE(entries.at("Music") & kEntryFolder);
  EXPECT_FALSE(entries.at("song.wav") & kEntryFolder);
  EXPECT_FALSE(entries.at("notes.txt") & kEntryFolder);
  EXPECT_TRUE(id.known);
}

TEST(DirectoryListerTest, AFolderKeepsItsIdentityAndOthersDiffer) {
  PlatformTree tree;
  tree.disk.Folder("A");
  tree.disk.Folder("B");
  FileId root, rootAgain, a, b;
  Status status;
  tree.List(tree.Root(), &root, &status);
  tree.List(tree.Root(), &rootAgain, &status);
  tree.List(tree.Root() + "A\\", &a, &status);
  tree.List(tree.Root() + "B", &b, &status);  // without the final "\" as well
  ASSERT_TRUE(status.IsOk()) << status.ToString();
  ASSERT_TRUE(root.known && a.known && b.known);
  EXPECT_EQ(root, rootAgain);
  EXPECT_FALSE(root == a);
  EXPECT_FALSE(a == b);
}

TEST(DirectoryListerTest, MissingAndEmptyFolders) {
  PlatformTree tree;
  tree.disk.Folder("Empty");
  FileId id;
  Status status;
  EXPECT_TRUE(tree.List(tree.Root() + "Empty\\", &id, &status).empty());
  EXPECT_TRUE(status.IsOk()) << status.ToString();
  tree.List(tree.Root() + "Missing\\", &id, &status);
  EXPECT_FALSE(status.IsOk());
  EXPECT_FALSE(id.known);
}

TEST(DirectoryListerTest, TheWalkFindsTheFilesOfARealTree) {
  PlatformTree tree;
  tree.disk.File("top.wav");
  tree.disk.File("Music/a.wav");
  tree.disk.File("Music/b.MP3");
  tree.disk.File("Music/cover.jpg");
  tree.disk.File("Music/Rock/c.wav");
  tree.disk.File("Docs/readme.txt");
  tree.disk.Folder("Empty");
  tree.disk.File("zeta/Inner/d.mp3");
  const std::string root = tree.Root();

  FolderWalk walk(tree.lister, root, {"*.wav", "*.mp3"});
  while (walk.Step(2)) {
  }
  EXPECT_EQ(walk.Results(), (std::vector<SearchResultEntry>{{root, 1},
                                                            {root + "Music\\Rock\\", 1},
                                                            {root + "Music\\", 2},
                                                            {root + "zeta\\Inner\\", 1}}));
  EXPECT_EQ(walk.FileTotal(), 5);
  EXPECT_EQ(walk.FoldersVisited(), 7);
  EXPECT_TRUE(walk.Complete());
}

#ifdef _WIN32
TEST(DirectoryListerTest, ReportsHiddenAndReadOnlyFiles) {
  PlatformTree tree;
  tree.disk.File("hidden.wav");
  tree.disk.File("locked.wav");
  const std::string root = tree.Root();
  ASSERT_TRUE(SetFileAttributesA((root + "hidden.wav").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesA((root + "locked.wav").c_str(), FILE_ATTRIBUTE_READONLY));
  FileId id;
  Status status;
  const auto entries = tree.List(root, &id, &status);
  ASSERT_TRUE(status.IsOk()) << status.ToString();
  EXPECT_TRUE(entries.at("hidden.wav") & kEntryHidden);
  EXPECT_TRUE(entries.at("locked.wav") & kEntryReadOnly);
  SetFileAttributesA((root + "locked.wav").c_str(), FILE_ATTRIBUTE_NORMAL);
  SetFileAttributesA((root + "hidden.wav").c_str(), FILE_ATTRIBUTE_NORMAL);
}
// The folder browser and the drive search sort names themselves; their order must be the
// one a sorted list box of the system gives the same names.
TEST(DirectoryListerTest, NamesSortAsTheSystemsSortedListBoxes) {
  const std::vector<std::string> names = {"rock", "Rock2", "ROCK", "a_b", "a-b", "ab", "A B",
                                          "10", "9", "zz", "_x", "~t", "Jazz", "jazz band"};
  HWND list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP | LBS_SORT | LBS_HASSTRINGS, 0, 0, 10,
                              10, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(list, nullptr);
  for (const std::string& name : names) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  std::vector<std::string> byListBox;
  for (LRESULT i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
    char text[64] = {};
    SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    byListBox.emplace_back(text);
  }
  DestroyWindow(list);

  std::vector<std::string> byOrder = names;
  std::stable_sort(byOrder.begin(), byOrder.end(), [](const std::string& a, const std::string& b) {
    return CompareNamesAsListBoxesDo(a, b) < 0;
  });
  // Names the order holds equal ("rock", "ROCK") may stand either way round.
  ASSERT_EQ(byOrder.size(), byListBox.size());
  for (std::size_t i = 0; i < byOrder.size(); ++i) {
    EXPECT_EQ(CompareNamesAsListBoxesDo(byOrder[i], byListBox[i]), 0)
        << byOrder[i] << " where the list box has " << byListBox[i];
  }
}
#else
TEST(DirectoryListerTest, ALinkBackToTheRootIsNotWalkedAgain) {
  PlatformTree tree;
  tree.disk.File("Music/a.wav");
  ASSERT_EQ(symlink(tree.disk.Root().c_str(), (tree.disk.Root() / "Music" / "Back").c_str()), 0);
  ASSERT_EQ(symlink((tree.disk.Root() / "Music").c_str(), (tree.disk.Root() / "Alias").c_str()), 0);
  FileId id;
  Status status;
  const auto entries = tree.List("T:\\Music\\", &id, &status);
  EXPECT_EQ(entries.at("Back"), kEntryFolder | kEntryLink);

  FolderWalk walk(tree.lister, "T:\\", {"*.wav"});
  while (walk.Step(1)) {
  }
  EXPECT_EQ(walk.Results(), (std::vector<SearchResultEntry>{{"T:\\Alias\\", 1}}));
  EXPECT_EQ(walk.FoldersSkipped(), 2);  // Alias\Back and Music
}

TEST(DirectoryListerTest, ProgramPathsStayInsideTheirMountedDrive) {
  PosixDirectoryLister lister;
  lister.MountDrive('t', "/srv/tree/");
  EXPECT_EQ(lister.HostPath("T:\\").value_or("?"), "/srv/tree");
  EXPECT_EQ(lister.HostPath("t:\\Music\\Rock\\").value_or("?"), "/srv/tree/Music/Rock");
  EXPECT_FALSE(lister.HostPath("T:\\Music\\..\\..\\etc\\").has_value());
  EXPECT_FALSE(lister.HostPath("U:\\").has_value());
  EXPECT_FALSE(lister.HostPath("\\\\server\\share\\").has_value());
  FileId id;
  EXPECT_TRUE(lister.List("U:\\", &id, [](const DirectoryEntry&) {}).IsNotFound());
}

#endif

}  // namespace
}  // namespace bw
