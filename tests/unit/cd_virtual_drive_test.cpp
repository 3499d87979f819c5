// The virtual CD drive: its description file (read, written, damaged) and its behaviour as
// an MCI CD audio device (modes, positions that follow the clock, the end of the disc, the
// door, discs swapped by rewriting the file).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "cd/cd_device.h"
#include "cd/mci_codes.h"
#include "cd/mci_error_report.h"
#include "cd/msf.h"
#include "cd/virtual_cd_drive.h"
#include "cd/virtual_disc.h"

namespace bw {
namespace {

// The three-track disc of the disc ID example: 0:02:00, 4:10:37, 9:00:00, ending at 12:00:00.
VirtualDisc ExampleDisc() { return MakeVirtualDisc('E', {150, 18787, 40500}, 54000); }

// A description file in the temporary folder, removed afterwards.
class DescriptionFile {
 public:
  DescriptionFile() {
    static int serial = 0;
    path_ = (std::filesystem::temp_directory_path() /
             ("brindwax_virtual_cd_" +
              std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
              std::to_string(++serial) + ".txt"))
                .string();
  }
  ~DescriptionFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  const std::string& path() const { return path_; }
  void Write(const VirtualDisc& disc) const {
    ASSERT_TRUE(WriteVirtualDiscFile(path_, disc).IsOk());
  }
  void WriteText(const std::string& text) const {
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << text;
  }
  VirtualDisc Read() const {
    VirtualDisc disc;
    EXPECT_TRUE(ReadVirtualDiscFile(DefaultFileSystem(), path_, &disc).IsOk());
    return disc;
  }

 private:
  std::string path_;
};

class VirtualDriveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_.Write(ExampleDisc());
    drive_ = std::make_unique<VirtualCdDrive>(file_.path(), DefaultFileSystem(),
                                              [this] { return now_; });
  }

  void OpenTmsf() {
    ASSERT_EQ(drive_->Open('e'), mci::kOk);
    ASSERT_EQ(drive_->SetTimeFormat(CdTimeFormat::kTmsf), mci::kOk);
  }
  CdMode Mode() {
    CdMode mode = CdMode::kOther;
    EXPECT_EQ(drive_->QueryMode(&mode), mci::kOk);
    return mode;
  }
  Tmsf Position() {
    uint32_t packed = 0;
    EXPECT_EQ(drive_->QueryPosition(&packed), mci::kOk);
    return UnpackTmsf(packed);
  }
  bool MediaPresent() {
    bool present = false;
    EXPECT_EQ(drive_->QueryMediaPresent(&present), mci::kOk);
    return present;
  }

  DescriptionFile file_;
  int64_t now_ = 1000000;
  std::unique_ptr<VirtualCdDrive> drive_;
};

TEST(VirtualDiscFormat, WrittenDescriptionsReadBackEqual) {
  VirtualDisc disc = ExampleDisc();
  disc.doorOpen = true;
  disc.canEject = false;
  disc.firstTrackAudio = false;
  disc.lengthsRunToDiscEnd = true;
  disc.lastTrackOneFrameShort = true;
  VirtualDisc parsed;
  std::string error;
  ASSERT_TRUE(ParseVirtualDisc(FormatVirtualDisc(disc), &parsed, &error)) << error;
  EXPECT_EQ(parsed, disc);

  VirtualDisc empty;
  empty.discPresent = false;
  ASSERT_TRUE(ParseVirtualDisc(FormatVirtualDisc(empty), &parsed, &error)) << error;
  EXPECT_EQ(parsed, empty);
}

TEST(VirtualDiscFormat, HandWrittenDescriptions) {
  const std::string text =
      "; a test disc\r\n"
      "  DRIVE = f:\r\n"
      "\r\n"
      "# comment\n"
      "Door=Closed\n"
      "can_eject = off\n"
      "offsets = 150, 20000\t30000\n"
      "leadout=40000\n";
  VirtualDisc disc;
  std::string error;
  ASSERT_TRUE(ParseVirtualDisc(text, &disc, &error)) << error;
  EXPECT_EQ(disc.driveLetter, 'F');
  EXPECT_FALSE(disc.doorOpen);
  EXPECT_TRUE(disc.discPresent);
  EXPECT_FALSE(disc.canEject);
  EXPECT_TRUE(disc.firstTrackAudio);
  EXPECT_EQ(disc.trackOffsets, (std::vector<int32_t>{150, 20000, 30000}));
  EXPECT_EQ(disc.leadOut, 40000);
}

TEST(VirtualDiscFormat, DamagedDescriptionsAreRefused) {
  const struct {
    const char* text;
    const char* errorPart;
  } cases[] = {
      {"drive = DE\noffsets = 150\nleadout = 200\n", "line 1"},
      {"drive = 4\noffsets = 150\nleadout = 200\n", "drive"},
      {"offsets = 150\nleadout = 200\ndoor = ajar\n", "line 3"},
      {"disc = maybe\n", "disc"},
      {"can_eject = perhaps\noffsets = 150\nleadout = 200\n", "can_eject"},
      {"offsets = 150 100\nleadout = 200\n", "increase"},
      {"offsets = 150 150\nleadout = 200\n", "increase"},
      {"offsets = 150 -3\nleadout = 200\n", "frame number"},
      {"offsets = 150 2x\nleadout = 200\n", "frame number"},
      {"offsets = 99999999999999999999\nleadout = 200\n", "frame number"},
      {"offsets = 150\nleadout = 1152000\n", "leadout"},
      {"offsets = 150\nleadout = 150\n", "after the last"},
      {"offsets = 150\n", "together"},
      {"leadout = 200\n", "together"},
      {"disc = present\n", "needs offsets"},
      {"", "needs offsets"},
      {"tracks = 3\n", "unknown key"},
      {"just some words\n", "key = value"},
  };
  for (const auto& c : cases) {
    VirtualDisc disc;
    std::string error;
    EXPECT_FALSE(ParseVirtualDisc(c.text, &disc, &error)) << c.text;
    EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.text << " -> " << error;
  }
}

TEST(VirtualDiscFormat, TrackLimits) {
  std::string offsets;
  for (int i = 0; i < kVirtualDiscMaxTracks; ++i) offsets += std::to_string(150 + i * 100) + " ";
  const std::string leadOut = "leadout = " + std::to_string(150 + kVirtualDiscMaxTracks * 100);
  VirtualDisc disc;
  std::string error;
  EXPECT_TRUE(ParseVirtualDisc("offsets = " + offsets + "\n" + leadOut + "\n", &disc, &error));
  EXPECT_EQ(disc.trackOffsets.size(), static_cast<std::size_t>(kVirtualDiscMaxTracks));
  const std::string tooMany = "offsets = " + offsets + "99999\n" + leadOut + "00\n";
  EXPECT_FALSE(ParseVirtualDisc(tooMany, &disc, &error));
  EXPECT_FALSE(ParseVirtualDisc(std::string(kVirtualDiscMaxFileSize + 1, '#'), &disc, &error));
}

TEST(VirtualDiscFormat, EveryFlippedByteParsesOrIsRefused) {
  const std::string good = FormatVirtualDisc(ExampleDisc());
  for (std::size_t i = 0; i < good.size(); ++i) {
    for (int bit = 0; bit < 8; ++bit) {
      std::string damaged = good;
      damaged[i] = static_cast<char>(damaged[i] ^ (1 << bit));
      VirtualDisc disc;
      std::string error;
      if (ParseVirtualDisc(damaged, &disc, &error)) {
        // Whatever still parses must describe a playable disc.
        ASSERT_TRUE(!disc.discPresent || !disc.trackOffsets.empty());
        if (!disc.trackOffsets.empty()) {
          ASSERT_GT(disc.leadOut, disc.trackOffsets.back());
        }
      } else {
        ASSERT_FALSE(error.empty());
      }
    }
  }
}

TEST_F(VirtualDriveTest, OpensOnlyForItsLetter) {
  EXPECT_EQ(drive_->Open('D'), mci::kInvalidDeviceName);
  EXPECT_EQ(drive_->Open('E'), mci::kOk);
  EXPECT_EQ(drive_->Open('E'), mci::kDuplicateAlias);
  EXPECT_EQ(drive_->Close(), mci::kOk);
  EXPECT_EQ(drive_->Close(), mci::kInvalidDeviceId);
  CdMode mode;
  EXPECT_EQ(drive_->QueryMode(&mode), mci::kInvalidDeviceId);
}

TEST_F(VirtualDriveTest, MissingOrDamagedDescriptionAtOpen) {
  VirtualCdDrive missing(file_.path() + ".none", DefaultFileSystem(), [] { return 0; });
  EXPECT_EQ(missing.Open('E'), mci::kCannotLoadDriver);
  file_.WriteText("drive = E\nthis is not a description\n");
  VirtualCdDrive damaged(file_.path(), DefaultFileSystem(), [] { return 0; });
  EXPECT_EQ(damaged.Open('E'), mci::kHardware);
}

TEST_F(VirtualDriveTest, ReportsTheTableOfContentsLikeMci) {
  ASSERT_EQ(drive_->Open('E'), mci::kOk);
  int count = 0;
  ASSERT_EQ(drive_->QueryTrackCount(&count), mci::kOk);
  EXPECT_EQ(count, 3);
  uint32_t packed = 0;
  // MCI's default time format is MSF: starts are absolute.
  ASSERT_EQ(drive_->QueryTrackStart(2, &packed), mci::kOk);
  EXPECT_EQ(UnpackMsf(packed), (Msf{4, 10, 37}));
  ASSERT_EQ(drive_->QueryTrackLength(1, &packed), mci::kOk);
  EXPECT_EQ(UnpackMsf(packed), (Msf{4, 8, 37}));
  ASSERT_EQ(drive_->QueryTrackLength(3, &packed), mci::kOk);
  EXPECT_EQ(UnpackMsf(packed), (Msf{3, 0, 0}));
  ASSERT_EQ(drive_->SetTimeFormat(CdTimeFormat::kTmsf), mci::kOk);
  ASSERT_EQ(drive_->QueryTrackStart(2, &packed), mci::kOk);
  EXPECT_EQ(UnpackTmsf(packed), (Tmsf{2, 0, 0, 0}));
  EXPECT_EQ(drive_->QueryTrackLength(4, &packed), mci::kOutOfRange);
  EXPECT_EQ(drive_->QueryTrackLength(0, &packed), mci::kOutOfRange);
  CdTrackType type = CdTrackType::kOther;
  ASSERT_EQ(drive_->QueryTrackType(1, &type), mci::kOk);
  EXPECT_EQ(type, CdTrackType::kAudio);
  bool canEject = false;
  ASSERT_EQ(drive_->QueryCanEject(&canEject), mci::kOk);
  EXPECT_TRUE(canEject);
}

TEST_F(VirtualDriveTest, DrivesThatReportLengthsToTheDiscEndOrOneFrameShort) {
  VirtualDisc disc = ExampleDisc();
  disc.lengthsRunToDiscEnd = true;
  disc.lastTrackOneFrameShort = true;
  file_.Write(disc);
  ASSERT_EQ(drive_->Open('E'), mci::kOk);
  uint32_t packed = 0;
  ASSERT_EQ(drive_->QueryTrackLength(1, &packed), mci::kOk);
  EXPECT_EQ(FramesFromMsf(UnpackMsf(packed)), 54000 - 1 - 150);
  ASSERT_EQ(drive_->QueryTrackLength(3, &packed), mci::kOk);
  EXPECT_EQ(FramesFromMsf(UnpackMsf(packed)), 54000 - 1 - 40500);
  EXPECT_TRUE(drive_->ReportsLastTrackOneFrameShort());
}

TEST_F(VirtualDriveTest, ModesOfDoorAndDisc) {
  ASSERT_EQ(drive_->Open('E'), mci::kOk);
  EXPECT_EQ(Mode(), CdMode::kStopped);
  EXPECT_TRUE(MediaPresent());

  VirtualDisc disc = ExampleDisc();
  disc.doorOpen = true;
  file_.Write(disc);
  EXPECT_FALSE(MediaPresent());
  EXPECT_EQ(Mode(), CdMode::kOpen);

  disc.doorOpen = false;
  disc.discPresent = false;
  file_.Write(disc);
  EXPECT_FALSE(MediaPresent());
  EXPECT_EQ(Mode(), CdMode::kNotReady);
  int count = 0;
  EXPECT_EQ(drive_->QueryTrackCount(&count), mci::kDeviceNotReady);
  EXPECT_EQ(drive_->PlayFrom(PackTmsf({1, 0, 0, 0})), mci::kDeviceNotReady);
}

TEST_F(VirtualDriveTest, PositionFollowsTheClockAcrossTracks) {
  OpenTmsf();
  ASSERT_EQ(drive_->PlayFrom(PackTmsf({1, 0, 0, 0})), mci::kOk);
  EXPECT_EQ(Mode(), CdMode::kPlaying);
  now_ += 10500;
  EXPECT_EQ(Position(), (Tmsf{1, 0, 10, 37}));
  // Track 1 is 4:08:37 long: 250 seconds later the laser is in track 2.
  now_ += 250000;
  const Tmsf inTrack2 = Position();
  EXPECT_EQ(inTrack2.track, 2);
  EXPECT_EQ(inTrack2.minutes * 60 + inTrack2.seconds, 12);

  ASSERT_EQ(drive_->SetTimeFormat(CdTimeFormat::kMsf), mci::kOk);
  uint32_t packed = 0;
  ASSERT_EQ(drive_->QueryPosition(&packed), mci::kOk);
  EXPECT_EQ(FramesFromMsf(UnpackMsf(packed)), 150 + (10500 + 250000) * 75 / 1000);
}

TEST_F(VirtualDriveTest, SeekWithinATrack) {
  OpenTmsf();
  ASSERT_EQ(drive_->PlayFrom(PackTmsf({2, 1, 5, 30})), mci::kOk);
  EXPECT_EQ(Position(), (Tmsf{2, 1, 5, 30}));
  EXPECT_EQ(drive_->PlayFrom(PackTmsf({4, 0, 0, 0})), mci::kOutOfRange);
  EXPECT_EQ(drive_->PlayFrom(PackTmsf({3, 3, 0, 0})), mci::kOutOfRange);  // past the end
}

TEST_F(VirtualDriveTest, PlaybackStopsAtTheEndOfTheDisc) {
  OpenTmsf();
  ASSERT_EQ(drive_->PlayFrom(PackTmsf({3, 2, 58, 0})), mci::kOk);
  now_ += 1000;
  EXPECT_EQ(Mode(), CdMode::kPlaying);
  now_ += 1500;
  EXPECT_EQ(Mode(), CdMode::kStopped);
  EXPECT_EQ(Position(), (Tmsf{3, 2, 59, 74}));
  now_ += 60000;
  EXPECT_EQ(Position(), (Tmsf{3, 2, 59, 74}));
}

TEST_F(VirtualDriveTest, APauseReportsStoppedAndHoldsThePosition) {
  OpenTmsf();
  ASSERT_EQ(drive_->PlayFrom(PackTmsf({2, 0, 0, 0})), mci::kOk);
  now_ += 4000;
  ASSERT_EQ(drive_->Pause(), mci::kOk);
  EXPECT_EQ(Mode(), CdMode::kStopped);
  now_ += 30000;
  EXPECT_EQ(Position(), (Tmsf{2, 0, 4, 0}));
  ASSERT_EQ(drive_->Play(), mci::kOk);
  now_ += 2000;
  EXPECT_EQ(Position(), (Tmsf{2, 0, 6, 0}));
  ASSERT_EQ(drive_->Stop(), mci::kOk);
  EXPECT_EQ(Mode(), CdMode::kStopped);
  EXPECT_EQ(Position(), (Tmsf{1, 0, 0, 0}));
}

TEST_F(VirtualDriveTest, DataFirstTrackDoesNotPlay) {
  VirtualDisc disc = ExampleDisc();
  disc.firstTrackAudio = false;
  file_.Write(disc);
  OpenTmsf();
  CdTrackType type = CdTrackType::kAudio;
  ASSERT_EQ(drive_->QueryTrackType(1, &type), mci::kOk);
  EXPECT_EQ(type, CdTrackType::kOther);
  EXPECT_EQ(drive_->PlayFrom(PackTmsf({1, 0, 0, 0})), mci::kHardware);
  EXPECT_EQ(drive_->PlayFrom(PackTmsf({2, 0, 0, 0})), mci::kOk);
}

TEST_F(VirtualDriveTest, DoorCommandsRewriteTheDescription) {
  OpenTmsf();
  ASSERT_EQ(drive_->PlayFrom(PackTmsf({2, 0, 0, 0})), mci::kOk);
  ASSERT_EQ(drive_->SetDoorOpen(true), mci::kOk);
  EXPECT_TRUE(file_.Read().doorOpen);
  EXPECT_EQ(Mode(), CdMode::kOpen);
  EXPECT_FALSE(MediaPresent());

  ASSERT_EQ(drive_->SetDoorOpen(false), mci::kOk);
  VirtualDisc expected = ExampleDisc();
  EXPECT_EQ(file_.Read(), expected);
  EXPECT_TRUE(MediaPresent());
  EXPECT_EQ(Mode(), CdMode::kStopped);

  expected.canEject = false;
  file_.Write(expected);
  EXPECT_TRUE(MediaPresent());
  EXPECT_EQ(drive_->SetDoorOpen(true), mci::kUnsupportedFunction);
  EXPECT_FALSE(file_.Read().doorOpen);
}

TEST_F(VirtualDriveTest, ASwappedDiscStopsPlaybackAndShowsItsContents) {
  OpenTmsf();
  ASSERT_EQ(drive_->PlayFrom(PackTmsf({2, 0, 0, 0})), mci::kOk);
  EXPECT_TRUE(MediaPresent());
  EXPECT_EQ(Mode(), CdMode::kPlaying);  // the same disc written again plays on

  file_.Write(MakeVirtualDisc('E', {150, 9000, 18000, 27000, 36000}, 45000));
  EXPECT_TRUE(MediaPresent());
  EXPECT_EQ(Mode(), CdMode::kStopped);
  int count = 0;
  ASSERT_EQ(drive_->QueryTrackCount(&count), mci::kOk);
  EXPECT_EQ(count, 5);
}

TEST_F(VirtualDriveTest, MissingFileKeepsTheDiscAndDamageEmptiesTheDrive) {
  OpenTmsf();
  ASSERT_EQ(drive_->PlayFrom(PackTmsf({1, 0, 0, 0})), mci::kOk);
  std::remove(file_.path().c_str());
  EXPECT_TRUE(MediaPresent());
  EXPECT_EQ(Mode(), CdMode::kPlaying);

  file_.WriteText("offsets = 150 100\nleadout = 7\n");
  EXPECT_FALSE(MediaPresent());
  EXPECT_EQ(Mode(), CdMode::kNotReady);

  file_.Write(ExampleDisc());
  EXPECT_TRUE(MediaPresent());
  EXPECT_EQ(Mode(), CdMode::kStopped);
}

TEST_F(VirtualDriveTest, ThroughTheCdDevice) {
  std::vector<std::string> reports;
  SetMciErrorReportHandler([&](const std::string& report) { reports.push_back(report); });
  CdDevice device(std::move(drive_));
  EXPECT_FALSE(device.Open("D:\\"));
  EXPECT_EQ(reports.size(), 1u);  // the wrong letter is worth telling
  ASSERT_TRUE(device.Open("E:\\"));
  device.ReadTableOfContents();
  EXPECT_EQ(device.DiscId(), 0x1202ce03u);
  EXPECT_EQ(device.Toc().totalSeconds, 248 + 289 + 180);
  EXPECT_TRUE(device.CanEject());
  EXPECT_FALSE(device.IsDataDisc());

  EXPECT_EQ(device.PlayTrack(2), mci::kOk);
  now_ += 3000;
  EXPECT_EQ(device.QueryMode(), CdMode::kPlaying);
  EXPECT_EQ(device.QueryPosition(), (Tmsf{2, 0, 3, 0}));
  device.Pause();
  EXPECT_EQ(device.QueryMode(), CdMode::kStopped);
  EXPECT_TRUE(device.IsPaused());
  device.Stop();
  EXPECT_EQ(device.CurrentTrack(), 1);
  EXPECT_FALSE(device.IsPaused());

  EXPECT_EQ(device.Eject("E:\\"), mci::kOk);
  EXPECT_FALSE(device.QueryMediaPresent());
  EXPECT_EQ(device.QueryMode(), CdMode::kOpen);
  device.Load();
  EXPECT_TRUE(device.QueryMediaPresent());
  EXPECT_EQ(reports.size(), 1u);
  SetMciErrorReportHandler(nullptr);
}

TEST_F(VirtualDriveTest, LengthsToTheDiscEndAreRebuiltByTheDevice) {
  VirtualDisc disc = ExampleDisc();
  disc.lengthsRunToDiscEnd = true;
  file_.Write(disc);
  CdDevice device(std::move(drive_));
  ASSERT_TRUE(device.Open("E:\\"));
  device.ReadTableOfContents();
  const TableOfContents& toc = device.Toc();
  EXPECT_TRUE(toc.lengthsRebuilt);
  // Reported: 718, 469 and 180 seconds to the end of the disc.
  EXPECT_EQ(toc.trackSeconds[0], 718 - 469);
  EXPECT_EQ(toc.trackSeconds[1], 469 - 180);
  EXPECT_EQ(toc.trackSeconds[2], 180);
  EXPECT_EQ(toc.totalSeconds, 718);
  EXPECT_EQ(device.DiscId(), 0x1202ce03u);
}

}  // namespace
}  // namespace bw
