// The CD device over a scripted drive: the order of commands, what is remembered, which
// failures reach the MCI error report and which stay silent.
#include "cd/cd_device.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cd/mci_codes.h"
#include "cd/mci_error_report.h"
#include "shell/texts.h"

namespace bw {
namespace {

// Answers from a small disc model; records every command; any command can be made to fail.
class ScriptedDrive final : public CdDrive {
 public:
  struct Track {
    uint32_t startMsf;
    uint32_t lengthMsf;
  };

  std::vector<std::string> log;
  std::map<std::string, uint32_t> failures;  // command name -> result code
  std::vector<Track> tracks;
  int reportedTrackCount = -1;  // -1: the number of tracks above
  bool firstTrackAudio = true;
  bool canEject = true;
  bool mediaPresent = true;
  CdMode mode = CdMode::kStopped;
  uint32_t position = 0;
  CdTimeFormat format = CdTimeFormat::kMsf;

  uint32_t Open(char letter) override { return Run(std::string("open ") + letter); }
  uint32_t Close() override { return Run("close"); }
  uint32_t SetTimeFormat(CdTimeFormat f) override {
    const uint32_t result = Run(f == CdTimeFormat::kMsf ? "format msf" : "format tmsf");
    if (result == 0) format = f;
    return result;
  }
  uint32_t QueryCanEject(bool* value) override { return Answer("can eject", canEject, value); }
  uint32_t QueryTrackType(int track, CdTrackType* type) override {
    const CdTrackType answer =
        (track == 1 && !firstTrackAudio) ? CdTrackType::kOther : CdTrackType::kAudio;
    return Answer("type " + std::to_string(track), answer, type);
  }
  uint32_t QueryTrackCount(int* count) override {
    const int answer =
        reportedTrackCount >= 0 ? reportedTrackCount : static_cast<int>(tracks.size());
    return Answer("count", answer, count);
  }
  uint32_t QueryTrackLength(int track, uint32_t* value) override {
    return Answer("length " + std::to_string(track), TrackAt(track).lengthMsf, value);
  }
  uint32_t QueryTrackStart(int track, uint32_t* value) override {
    // Only the MSF format gives absolute starts; TMSF would give the track number alone.
    const uint32_t answer =
        format == CdTimeFormat::kMsf ? TrackAt(track).startMsf : static_cast<uint32_t>(track);
    return Answer("start " + std::to_string(track), answer, value);
  }
  uint32_t QueryMode(CdMode* value) override { return Answer("mode", mode, value); }
  uint32_t QueryPosition(uint32_t* value) override { return Answer("position", position, value); }
  uint32_t QueryMediaPresent(bool* value) override { return Answer("media", mediaPresent, value); }
  uint32_t PlayFrom(uint32_t from) override {
    const Tmsf t = UnpackTmsf(from);
    return Run("play from " + std::to_string(t.track) + ":" + std::to_string(t.minutes) + ":" +
               std::to_string(t.seconds) + ":" + std::to_string(t.frames));
  }
  uint32_t Play() override { return Run("play"); }
  uint32_t Pause() override { return Run("pause"); }
  uint32_t Stop() override { return Run("stop"); }
  uint32_t SetDoorOpen(bool open) override { return Run(open ? "door open" : "door closed"); }
  std::string ErrorText(uint32_t code) override { return "driver text " + std::to_string(code); }
  bool ReportsLastTrackOneFrameShort() const override { return false; }

 private:
  Track TrackAt(int track) const {
    return track >= 1 && track <= static_cast<int>(tracks.size()) ? tracks[track - 1] : Track{0, 0};
  }
  uint32_t Run(const std::string& command) {
    log.push_back(command);
    auto failure = failures.find(Name(command));
    return failure == failures.end() ? 0 : failure->second;
  }
  template <typename T>
  uint32_t Answer(const std::string& command, T answer, T* out) {
    const uint32_t result = Run(command);
    if (result == 0) *out = answer;
    return result;
  }
  // "play from 3:0:0:0" fails as "play from"; "length 2" as "length".
  static std::string Name(const std::string& command) {
    if (command.rfind("play from", 0) == 0) return "play from";
    if (command.rfind("door", 0) == 0 || command.rfind("format", 0) == 0 ||
        command.rfind("can eject", 0) == 0) {
      return command;
    }
    return command.substr(0, command.find(' '));
  }
};

class CdDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto drive = std::make_unique<ScriptedDrive>();
    drive_ = drive.get();
    // Three tracks: 0:02:00 for 4:08:37, 4:10:37 for 4:49:38, 9:00:00 for 3:00:00.
    drive_->tracks = {{PackMsf({0, 2, 0}), PackMsf({4, 8, 37})},
                      {PackMsf({4, 10, 37}), PackMsf({4, 49, 38})},
                      {PackMsf({9, 0, 0}), PackMsf({3, 0, 0})}};
    device_ = std::make_unique<CdDevice>(std::move(drive));
    SetMciErrorReportHandler([this](const std::string& report) { reports_.push_back(report); });
  }
  void TearDown() override { SetMciErrorReportHandler(nullptr); }

  void OpenAndForget() {
    ASSERT_TRUE(device_->Open("D:\\"));
    drive_->log.clear();
  }

  ScriptedDrive* drive_ = nullptr;
  std::unique_ptr<CdDevice> device_;
  std::vector<std::string> reports_;
};

TEST_F(CdDeviceTest, OpenSetsTmsfReadsCapabilityAndClassifies) {
  drive_->canEject = true;
  EXPECT_TRUE(device_->Open("e:\\"));
  EXPECT_TRUE(device_->IsOpen());
  EXPECT_TRUE(device_->CanEject());
  EXPECT_FALSE(device_->IsDataDisc());
  EXPECT_EQ(drive_->log,
            (std::vector<std::string>{"open e", "format tmsf", "can eject", "type 1"}));
}

TEST_F(CdDeviceTest, NoDriveLetterLeavesTheDeviceClosed) {
  EXPECT_FALSE(device_->Open(""));
  EXPECT_FALSE(device_->IsOpen());
  EXPECT_TRUE(drive_->log.empty());
  EXPECT_TRUE(reports_.empty());
}

TEST_F(CdDeviceTest, OpenFailuresAreReportedExceptAMissingDriver) {
  drive_->failures["open"] = mci::kCannotLoadDriver;
  EXPECT_FALSE(device_->Open("D:\\"));
  EXPECT_TRUE(reports_.empty());
  EXPECT_EQ(device_->LastResult(), mci::kCannotLoadDriver);

  drive_->failures["open"] = mci::kHardware;
  EXPECT_FALSE(device_->Open("D:\\"));
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_EQ(reports_[0], "driver text 262 " + std::string(kTextMciErrorAdvice));
  EXPECT_FALSE(device_->IsOpen());
  EXPECT_FALSE(device_->MediaPresent());
  EXPECT_FALSE(device_->IsPaused());
}

TEST_F(CdDeviceTest, CanEjectIsKeptOnlyWhenTheQuerySucceeds) {
  drive_->canEject = true;
  ASSERT_TRUE(device_->Open("D:\\"));
  drive_->canEject = false;
  drive_->failures["can eject"] = mci::kUnsupportedFunction;
  ASSERT_TRUE(device_->Open("D:\\"));
  EXPECT_TRUE(device_->CanEject());
}

TEST_F(CdDeviceTest, OpeningAgainClosesTheOldDeviceFirst) {
  ASSERT_TRUE(device_->Open("D:\\"));
  drive_->log.clear();
  ASSERT_TRUE(device_->Open("E:\\"));
  EXPECT_EQ(drive_->log.front(), "close");
  EXPECT_EQ(drive_->log[1], "open E");
}

TEST_F(CdDeviceTest, DataDiscClassification) {
  const struct {
    bool firstTrackAudio;
    int trackCount;
    bool dataDisc;
  } cases[] = {
      {true, 1, false}, {false, 1, true}, {false, 2, false}, {false, 0, false}, {true, 12, false}};
  for (const auto& c : cases) {
    drive_->firstTrackAudio = c.firstTrackAudio;
    drive_->reportedTrackCount = c.trackCount;
    ASSERT_TRUE(device_->Open("D:\\"));
    EXPECT_EQ(device_->IsDataDisc(), c.dataDisc)
        << "audio " << c.firstTrackAudio << ", " << c.trackCount << " tracks";
  }
}

TEST_F(CdDeviceTest, TableOfContentsReadsStartsInMsfAndSwitchesBack) {
  OpenAndForget();
  int calls = 0;
  device_->SetTableOfContentsListener([&] { ++calls; });
  device_->ReadTableOfContents();
  const std::vector<std::string> expected = {"count",       "length 1", "format msf", "start 1",
                                             "format tmsf", "length 2", "format msf", "start 2",
                                             "format tmsf", "length 3", "format msf", "start 3",
                                             "format tmsf"};
  EXPECT_EQ(drive_->log, expected);
  EXPECT_EQ(calls, 1);
  const TableOfContents& toc = device_->Toc();
  EXPECT_EQ(toc.trackCount, 3);
  EXPECT_EQ(toc.starts[1], (Msf{4, 10, 37}));
  EXPECT_EQ(toc.trackSeconds[1], 289);
  EXPECT_EQ(device_->DiscId(), 0x1202ce03u);
}

TEST_F(CdDeviceTest, MoreThan99TracksAreRead99) {
  drive_->tracks.clear();
  for (int i = 0; i < 120; ++i) {
    drive_->tracks.push_back({PackMsf(MsfFromFrames(150 + i * 750)), PackMsf({0, 10, 0})});
  }
  OpenAndForget();
  device_->ReadTableOfContents();
  EXPECT_EQ(device_->Toc().trackCount, 99);
  EXPECT_EQ(drive_->log.back(), "format tmsf");
  EXPECT_EQ(drive_->log[drive_->log.size() - 4], "length 99");
}

TEST_F(CdDeviceTest, PlayTrackTakesOutOfRangeTracksAsTrackOne) {
  OpenAndForget();
  const struct {
    int asked;
    int played;
  } cases[] = {{0, 1}, {1, 1}, {7, 7}, {99, 99}, {100, 1}, {-3, 1}};
  for (const auto& c : cases) {
    drive_->log.clear();
    device_->SetPaused(true);
    EXPECT_EQ(device_->PlayTrack(c.asked), 0u);
    EXPECT_EQ(drive_->log,
              (std::vector<std::string>{"play from " + std::to_string(c.played) + ":0:0:0"}));
    EXPECT_EQ(device_->CurrentTrack(), c.played);
    EXPECT_FALSE(device_->IsPaused());
  }
}

TEST_F(CdDeviceTest, SeekPlaysFromFrame30OfTheSecond) {
  OpenAndForget();
  device_->SeekWithinTrack(4, 2, 59);
  EXPECT_EQ(drive_->log, (std::vector<std::string>{"play from 4:2:59:30"}));
}

TEST_F(CdDeviceTest, PauseAndResumeKeepTheProgramsPauseFlag) {
  OpenAndForget();
  EXPECT_EQ(device_->Pause(), 0u);
  EXPECT_TRUE(device_->IsPaused());
  EXPECT_EQ(device_->Resume(), 0u);
  EXPECT_FALSE(device_->IsPaused());
  EXPECT_EQ(drive_->log, (std::vector<std::string>{"pause", "play"}));

  // A pause the drive refuses is no pause.
  drive_->failures["pause"] = mci::kDeviceNotReady;
  EXPECT_EQ(device_->Pause(), mci::kDeviceNotReady);
  EXPECT_FALSE(device_->IsPaused());
  EXPECT_EQ(reports_.size(), 1u);
}

TEST_F(CdDeviceTest, StopResumesAPauseFirstAndGoesBackToTrackOne) {
  OpenAndForget();
  device_->PlayTrack(5);
  device_->Pause();
  drive_->log.clear();
  device_->Stop();
  EXPECT_EQ(drive_->log, (std::vector<std::string>{"play", "stop"}));
  EXPECT_FALSE(device_->IsPaused());
  EXPECT_EQ(device_->CurrentTrack(), 1);

  drive_->log.clear();
  device_->Stop();
  EXPECT_EQ(drive_->log, (std::vector<std::string>{"stop"}));
}

TEST_F(CdDeviceTest, EjectOpensTheDeviceWhenNeeded) {
  device_->Eject("D:\\");
  EXPECT_EQ(drive_->log, (std::vector<std::string>{"open D", "format tmsf", "can eject", "type 1",
                                                   "stop", "door open"}));
  drive_->log.clear();
  device_->Load();
  EXPECT_EQ(drive_->log, (std::vector<std::string>{"door closed"}));
}

TEST_F(CdDeviceTest, EjectWithoutADriverIsSilent) {
  drive_->failures["open"] = mci::kCannotLoadDriver;
  EXPECT_EQ(device_->Eject("D:\\"), mci::kCannotLoadDriver);
  EXPECT_TRUE(reports_.empty());
  EXPECT_EQ(drive_->log, (std::vector<std::string>{"open D"}));
}

TEST_F(CdDeviceTest, CommandFailuresThatAreReported) {
  OpenAndForget();
  drive_->failures = {{"play from", 300},   {"play", 301}, {"pause", 302}, {"door open", 303},
                      {"door closed", 304}, {"stop", 305}, {"mode", 306},  {"format msf", 307}};
  device_->PlayTrack(2);
  device_->Resume();
  device_->Pause();
  device_->Eject("D:\\");
  device_->Load();
  device_->Stop();
  device_->QueryMode();
  device_->ReadTableOfContents();
  // Play, resume, pause and the door-open command; Load, Stop, polls and formats are quiet.
  ASSERT_EQ(reports_.size(), 4u);
  EXPECT_EQ(reports_[0].rfind("driver text 300 ", 0), 0u);
  EXPECT_EQ(reports_[1].rfind("driver text 301 ", 0), 0u);
  EXPECT_EQ(reports_[2].rfind("driver text 302 ", 0), 0u);
  EXPECT_EQ(reports_[3].rfind("driver text 303 ", 0), 0u);
}

TEST_F(CdDeviceTest, FailedPollsKeepThePreviousAnswer) {
  OpenAndForget();
  drive_->mode = CdMode::kPlaying;
  drive_->position = PackTmsf({3, 1, 2, 3});
  drive_->mediaPresent = true;
  EXPECT_EQ(device_->QueryMode(), CdMode::kPlaying);
  EXPECT_EQ(device_->QueryPosition(), (Tmsf{3, 1, 2, 3}));
  EXPECT_TRUE(device_->QueryMediaPresent());

  drive_->failures = {
      {"mode", mci::kHardware}, {"position", mci::kHardware}, {"media", mci::kHardware}};
  drive_->mode = CdMode::kStopped;
  drive_->position = 0;
  drive_->mediaPresent = false;
  EXPECT_EQ(device_->QueryMode(), CdMode::kPlaying);
  EXPECT_EQ(device_->QueryPosition(), (Tmsf{3, 1, 2, 3}));
  EXPECT_TRUE(device_->QueryMediaPresent());
  EXPECT_EQ(device_->LastResult(), mci::kHardware);
  EXPECT_TRUE(reports_.empty());
}

TEST_F(CdDeviceTest, ReopenStopsClosesOpensAndRereads) {
  ASSERT_TRUE(device_->Open("D:\\"));
  device_->PlayTrack(3);
  device_->Pause();
  drive_->log.clear();
  EXPECT_TRUE(device_->Reopen("D:\\"));
  EXPECT_EQ(std::vector<std::string>(drive_->log.begin(), drive_->log.begin() + 3),
            (std::vector<std::string>{"stop", "close", "open D"}));
  EXPECT_EQ(drive_->log.back(), "format tmsf");
  EXPECT_FALSE(device_->IsPaused());
  EXPECT_EQ(device_->CurrentTrack(), 0);
  EXPECT_EQ(device_->Toc().trackCount, 3);
}

TEST_F(CdDeviceTest, CloseReportsAFailureAndForgetsTheDevice) {
  OpenAndForget();
  drive_->failures["close"] = mci::kHardware;
  device_->Close();
  EXPECT_FALSE(device_->IsOpen());
  EXPECT_EQ(reports_.size(), 1u);
  drive_->log.clear();
  device_->Close();
  EXPECT_TRUE(drive_->log.empty());
}

TEST(MciErrorReport, CutsTheDriverTextAt255Characters) {
  const std::string report = BuildMciErrorReport(std::string(300, 'x'));
  EXPECT_EQ(report, std::string(255, 'x') + " " + kTextMciErrorAdvice);
  EXPECT_EQ(BuildMciErrorReport(""), kTextMciErrorAdvice);
}

}  // namespace
}  // namespace bw
