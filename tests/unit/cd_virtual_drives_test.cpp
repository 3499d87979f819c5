// Several virtual CD drives at once: the environment's list of descriptions, and one drive
// object that opens whichever described letter it is asked for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cd/mci_codes.h"
#include "cd/msf.h"
#include "cd/virtual_cd_drive.h"
#include "cd/virtual_cd_environment.h"
#include "cd/virtual_disc.h"

namespace bw {
namespace {

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() /
          ("brindwax_drives_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           "_" + name))
      .string();
}

// Two drive descriptions: E holds a three-track disc, F a five-track one.
class TwoVirtualDrives : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WriteVirtualDiscFile(ePath_, MakeVirtualDisc('E', {150, 18787, 40500}, 54000)).IsOk());
    ASSERT_TRUE(WriteVirtualDiscFile(
                    fPath_, MakeVirtualDisc('F', {150, 7650, 15150, 22650, 30150}, 37650))
                    .IsOk());
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove(ePath_, ignored);
    std::filesystem::remove(fPath_, ignored);
  }
  int TrackCount(VirtualCdDrive& drive) {
    int count = -1;
    EXPECT_EQ(drive.QueryTrackCount(&count), mci::kOk);
    return count;
  }

  std::string ePath_ = TempPath("e.txt");
  std::string fPath_ = TempPath("f.txt");
  int64_t now_ = 5000;
};

TEST_F(TwoVirtualDrives, OpeningALetterUsesTheDescriptionThatNamesIt) {
  VirtualCdDrive drive({ePath_, fPath_}, DefaultFileSystem(), [this] { return now_; });
  ASSERT_EQ(drive.Open('f'), mci::kOk);
  EXPECT_EQ(TrackCount(drive), 5);
  ASSERT_EQ(drive.Close(), mci::kOk);
  ASSERT_EQ(drive.Open('E'), mci::kOk);
  EXPECT_EQ(TrackCount(drive), 3);
  ASSERT_EQ(drive.Close(), mci::kOk);
  // A letter no description names is not a device, as MCI answers for a missing drive.
  EXPECT_EQ(drive.Open('G'), mci::kInvalidDeviceName);
}

TEST_F(TwoVirtualDrives, PlaybackOnOneDriveDoesNotCarryOverToTheOther) {
  VirtualCdDrive drive({ePath_, fPath_}, DefaultFileSystem(), [this] { return now_; });
  ASSERT_EQ(drive.Open('E'), mci::kOk);
  ASSERT_EQ(drive.PlayFrom(PackMsf(Msf{0, 2, 0})), mci::kOk);
  CdMode mode = CdMode::kOther;
  ASSERT_EQ(drive.QueryMode(&mode), mci::kOk);
  ASSERT_EQ(mode, CdMode::kPlaying);
  ASSERT_EQ(drive.Close(), mci::kOk);
  ASSERT_EQ(drive.Open('F'), mci::kOk);
  ASSERT_EQ(drive.QueryMode(&mode), mci::kOk);
  EXPECT_EQ(mode, CdMode::kStopped);
}

TEST_F(TwoVirtualDrives, DoorCommandsRewriteTheOpenedDrivesDescriptionOnly) {
  VirtualCdDrive drive({ePath_, fPath_}, DefaultFileSystem(), [this] { return now_; });
  ASSERT_EQ(drive.Open('F'), mci::kOk);
  ASSERT_EQ(drive.SetDoorOpen(true), mci::kOk);
  VirtualDisc e;
  VirtualDisc f;
  ASSERT_TRUE(ReadVirtualDiscFile(DefaultFileSystem(), ePath_, &e).IsOk());
  ASSERT_TRUE(ReadVirtualDiscFile(DefaultFileSystem(), fPath_, &f).IsOk());
  EXPECT_FALSE(e.doorOpen);
  EXPECT_TRUE(f.doorOpen);
}

TEST(VirtualDriveEnvironment, DescriptionListsSplitAtSemicolons) {
  struct Case {
    std::string value;
    std::vector<std::string> paths;
  };
  const Case cases[] = {
      {"", {}},
      {"C:\\one.txt", {"C:\\one.txt"}},
      {"C:\\one.txt;Z:\\tmp\\two.txt", {"C:\\one.txt", "Z:\\tmp\\two.txt"}},
      {";C:\\one.txt;;", {"C:\\one.txt"}},
      {"/tmp/a b.txt;/tmp/c.txt", {"/tmp/a b.txt", "/tmp/c.txt"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitDescriptionPaths(c.value), c.paths) << c.value;
}

}  // namespace
}  // namespace bw
