// The media panels' portable logic: the play queue through a selection and its repeat, the
// position bar's range, scale and steps, and the folders taken from typed and dropped paths.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "media/media_folder_path.h"
#include "media/play_queue.h"
#include "media/position_scale.h"

namespace bw {
namespace {

// Plays the queue as the position timer does: each start shows the files left after it.
std::vector<std::size_t> LeftShownAtEachStart(PlayQueue& queue, std::vector<int>* started) {
  std::vector<std::size_t> shown;
  while (queue.HasFilesLeft()) {
    shown.push_back(queue.LeftAfterNext());
    started->push_back(queue.Next());
    queue.Advance();
  }
  return shown;
}

TEST(PlayQueue, PlaysTheSelectionInListOrderAndCountsDown) {
  PlayQueue queue;
  queue.Start({2, 5, 9});
  EXPECT_EQ(queue.SelectedCount(), 3u);
  std::vector<int> started;
  EXPECT_EQ(LeftShownAtEachStart(queue, &started), (std::vector<std::size_t>{2, 1, 0}));
  EXPECT_EQ(started, (std::vector<int>{2, 5, 9}));
  EXPECT_EQ(queue.Next(), -1);
  queue.Advance();  // past the end nothing moves
  EXPECT_EQ(queue.LeftToStart(), 0u);
  EXPECT_EQ(queue.LeftAfterNext(), 0u);

  // Repeat starts the whole selection over.
  queue.Restart();
  started.clear();
  EXPECT_EQ(LeftShownAtEachStart(queue, &started), (std::vector<std::size_t>{2, 1, 0}));
  EXPECT_EQ(started, (std::vector<int>{2, 5, 9}));
}

TEST(PlayQueue, TakesAnySizeOfSelectionAndEmptiesOnClearOrAbandon) {
  std::vector<int> all;
  for (int i = 0; i < 5000; ++i) all.push_back(i);
  PlayQueue queue;
  queue.Start(all);
  EXPECT_EQ(queue.SelectedCount(), 5000u);
  for (int i = 0; i < 4999; ++i) queue.Advance();
  EXPECT_EQ(queue.Next(), 4999);
  queue.Abandon();
  EXPECT_FALSE(queue.HasFilesLeft());
  EXPECT_EQ(queue.Next(), -1);
  EXPECT_EQ(queue.SelectedCount(), 5000u);  // still there for a restart
  queue.Clear();
  EXPECT_TRUE(queue.Empty());
  queue.Restart();
  EXPECT_FALSE(queue.HasFilesLeft());
  queue.Start({});
  EXPECT_TRUE(queue.Empty());
  EXPECT_EQ(queue.Next(), -1);
}

TEST(PositionScale, RangeAndScaleFromTheLength) {
  const PositionScale empty;
  EXPECT_EQ(empty.Maximum(), 0);
  EXPECT_EQ(empty.BarValue(12345), 0);  // no file: nothing divides by zero
  EXPECT_EQ(empty.Target(500), 0u);

  const PositionScale half = PositionScale::ForMilliseconds(500);
  EXPECT_EQ(half.Maximum(), 500);
  EXPECT_FLOAT_EQ(half.Scale(), 1.0f);
  EXPECT_EQ(half.BarValue(250), 250);
  EXPECT_EQ(half.Target(250), 250u);

  const PositionScale exact = PositionScale::ForMilliseconds(1000);
  EXPECT_EQ(exact.Maximum(), 1000);
  EXPECT_FLOAT_EQ(exact.Scale(), 1.0f);

  const PositionScale song = PositionScale::ForMilliseconds(90000);
  EXPECT_EQ(song.Maximum(), 1000);
  EXPECT_FLOAT_EQ(song.Scale(), 90.0f);
  EXPECT_EQ(song.BarValue(45000), 500);
  EXPECT_EQ(song.BarValue(45089), 500);  // truncated
  EXPECT_EQ(song.Target(500), 45000u);
  EXPECT_EQ(song.BarValue(90000), 1000);
  EXPECT_EQ(song.BarValue(200000), 1000);  // a device past its length stays on the bar
  EXPECT_EQ(song.Target(1000), 90000u);
  EXPECT_EQ(song.Target(-5), 0u);
  EXPECT_EQ(song.Target(5000), 90000u);

  const PositionScale odd = PositionScale::ForMilliseconds(1001);
  EXPECT_EQ(odd.Maximum(), 1000);
  EXPECT_LE(odd.Target(1000), 1001u);
}

TEST(PositionScale, FramesKeepOneStepUntilTheThumbCannotCarryThem) {
  const PositionScale one = PositionScale::ForFrames(1);
  EXPECT_EQ(one.Maximum(), 1);
  const PositionScale clip = PositionScale::ForFrames(4500);
  EXPECT_EQ(clip.Maximum(), 4500);
  EXPECT_EQ(clip.BarValue(1234), 1234);
  EXPECT_EQ(clip.Target(1234), 1234u);
  const PositionScale limit = PositionScale::ForFrames(kLargestUnscaledFrameCount);
  EXPECT_EQ(limit.Maximum(), 65535);
  const PositionScale film = PositionScale::ForFrames(180000);
  EXPECT_EQ(film.Maximum(), 1000);
  EXPECT_EQ(film.BarValue(90000), 500);
  EXPECT_EQ(film.Target(500), 90000u);
}

TEST(PositionScale, ScrollStepsStayOnTheBar) {
  const PositionScale song = PositionScale::ForMilliseconds(90000);
  EXPECT_EQ(song.Scrolled(500, BarScroll::kLineLeft, 0), 499);
  EXPECT_EQ(song.Scrolled(500, BarScroll::kLineRight, 0), 501);
  EXPECT_EQ(song.Scrolled(500, BarScroll::kPageLeft, 0), 490);
  EXPECT_EQ(song.Scrolled(500, BarScroll::kPageRight, 0), 510);
  EXPECT_EQ(song.Scrolled(5, BarScroll::kPageLeft, 0), 0);
  EXPECT_EQ(song.Scrolled(0, BarScroll::kLineLeft, 0), 0);
  EXPECT_EQ(song.Scrolled(995, BarScroll::kPageRight, 0), 1000);
  EXPECT_EQ(song.Scrolled(1000, BarScroll::kLineRight, 0), 1000);
  EXPECT_EQ(song.Scrolled(10, BarScroll::kThumb, 640), 640);
  EXPECT_EQ(song.Scrolled(10, BarScroll::kThumb, 4000), 1000);
  EXPECT_EQ(song.Scrolled(10, BarScroll::kRight, 0), 1000);
  EXPECT_EQ(song.Scrolled(10, BarScroll::kLeft, 0), 0);
}

// A file system of the folders listed; the folders entered are recorded.
struct Folders {
  std::set<std::string> existing;
  std::vector<std::string> entered;
  FolderExistsFunction MakeCurrent() {
    return [this](const std::string& folder) {
      entered.push_back(folder);
      return existing.count(folder) != 0;
    };
  }
};

TEST(MediaFolderPath, TypedFoldersEndInABackslash) {
  Folders folders{{"D:\\music", "E:\\", "D:\\music\\x", "\\\\server\\share"}, {}};
  const struct {
    const char* typed;
    const char* folder;  // nullptr: "Invalid path!"
  } cases[] = {
      {"d:/music", "D:\\music\\"},
      {"d:\\music\\", "D:\\music\\"},
      {"D:/music/x/", "D:\\music\\x\\"},
      {"e:", "E:\\"},
      {"e", "E:\\"},
      {"E:\\", "E:\\"},
      {"\\\\server\\share", "\\\\server\\share\\"},
      {"d:/music//x", nullptr},
      {"d:\\\\music", nullptr},
      {"d:music", nullptr},  // relative to a drive's current folder
      {"f:\\", nullptr},     // not ready
      {"d:\\nothing", nullptr},
      {"music", nullptr},
      {"", nullptr},
      {"/music", nullptr},
      {"1:\\music", nullptr},
  };
  for (const auto& c : cases) {
    const std::optional<std::string> folder = NormaliseMediaFolder(c.typed, folders.MakeCurrent());
    if (c.folder == nullptr) {
      EXPECT_FALSE(folder.has_value()) << c.typed << " gave " << folder.value_or("");
    } else {
      EXPECT_EQ(folder.value_or("<invalid>"), c.folder) << c.typed;
    }
  }
  // The folder is entered without its final separator; a root keeps its own.
  folders.entered.clear();
  ASSERT_TRUE(NormaliseMediaFolder("d:/music/", folders.MakeCurrent()).has_value());
  ASSERT_TRUE(NormaliseMediaFolder("e:", folders.MakeCurrent()).has_value());
  EXPECT_EQ(folders.entered, (std::vector<std::string>{"D:\\music", "E:\\"}));
}

TEST(MediaFolderPath, NoFolderGrowsPastTheBuffer) {
  const std::string longest = "C:\\" + std::string(255, 'a');  // 258, 259 with its "\"
  const std::string tooLong = longest + "b";                   // 260 with its "\"
  Folders folders{{longest, tooLong}, {}};
  EXPECT_EQ(NormaliseMediaFolder(longest, folders.MakeCurrent()).value_or(""), longest + "\\");
  EXPECT_FALSE(NormaliseMediaFolder(tooLong, folders.MakeCurrent()).has_value());
  EXPECT_FALSE(NormaliseMediaFolder(tooLong + "\\", folders.MakeCurrent()).has_value());
  EXPECT_FALSE(NormaliseMediaFolder("C:\\" + std::string(400, 'a'), folders.MakeCurrent()).has_value());
}

TEST(MediaFolderPath, DroppedFilesGiveTheirFolder) {
  EXPECT_EQ(DroppedItemFolderText("D:\\Music\\song.wav", false), "D:\\Music");
  EXPECT_EQ(DroppedItemFolderText("D:\\Music", true), "D:\\Music");
  EXPECT_EQ(DroppedItemFolderText("D:\\song.wav", false), "D:");
  EXPECT_EQ(DroppedItemFolderText("song.wav", false), "song.wav");
  Folders folders{{"D:\\Music"}, {}};
  EXPECT_EQ(NormaliseMediaFolder(DroppedItemFolderText("D:\\Music\\song.wav", false),
                                 folders.MakeCurrent())
                .value_or(""),
            "D:\\Music\\");
  const std::string deep = "D:\\" + std::string(300, 'x') + "\\a.wav";
  EXPECT_LE(DroppedItemFolderText(deep, false).size(), kDroppedItemLimit);
}

}  // namespace
}  // namespace bw
