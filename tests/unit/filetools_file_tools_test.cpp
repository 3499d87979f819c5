// The copy and move job, rename, delete and the editor launch over files in memory: what is
// refused before anything is written, the user's choice for every existing file, and that
// nothing beyond what was asked changes.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "base/memory_profile_store.h"
#include "filetools/editor_launch_plan.h"
#include "filetools/file_delete.h"
#include "filetools/file_rename.h"
#include "filetools/file_tool_paths.h"
#include "filetools/file_tool_texts.h"
#include "filetools/file_transfer.h"
#include "filetools_memory_volumes.h"
#include "shell/program_mode.h"
#include "shell/texts.h"

namespace bw {
namespace {

using testing::MemoryVolumes;

TEST(FileToolPathsTest, PathsCompareAsWindowsSeesThem) {
  const struct {
    const char* a;
    const char* b;
    bool same;
  } cases[] = {
      {"C:\\Music\\a.wav", "c:/music/A.WAV", true},
      {"C:\\Music\\a.wav", "C:\\Music\\\\.\\a.wav", true},
      {"C:\\Music\\a.wav", "C:\\Music\\Rock\\..\\a.wav", true},
      {"C:\\Music\\", "C:\\Music", true},
      {"C:\\", "c:", true},
      {"\\\\Server\\Share\\a.wav", "\\\\SERVER\\share\\a.wav", true},
      {"C:\\Music\\a.wav", "D:\\Music\\a.wav", false},
      {"C:\\Music\\a.wav", "C:\\Music\\a.wav.wav", false},
      {"C:\\Music\\a b.wav", "C:\\Music\\ab.wav", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsSamePath(c.a, c.b), c.same) << c.a << " | " << c.b;
  EXPECT_EQ(VolumeOf("d:\\x\\y"), "D:");
  EXPECT_EQ(VolumeOf("\\\\server\\share\\x"), "\\\\SERVER\\SHARE");
  EXPECT_EQ(VolumeOf("music\\x"), "");
}

TEST(FileToolPathsTest, FileNamesWindowsWouldKeep) {
  for (const char* good : {"a.wav", "My Song (live).mp3", ".hidden", "a..b"}) {
    EXPECT_TRUE(IsValidFileName(good)) << good;
  }
  for (const char* bad : {"", ".", "..", "a\\b.wav", "a/b", "c:a", "a?.wav", "a*", "\"q\"",
                          "a<b", "a|b", "name.", "name ", "tab\there"}) {
    EXPECT_FALSE(IsValidFileName(bad)) << bad;
  }
}

// Answers the existing-file question from a script and records what it was told.
class ScriptedHost : public TransferHost {
 public:
  explicit ScriptedHost(std::deque<ExistingFileChoice> answers) : answers_(std::move(answers)) {}
  ExistingFileChoice AskExisting(const std::string&, const std::string& target) override {
    asked.push_back(NamePart(target));
    if (answers_.empty()) {
      ADD_FAILURE() << "asked once too often, about " << target;
      return ExistingFileChoice::kCancel;
    }
    const ExistingFileChoice answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  void ShowProgress(std::size_t, std::size_t, const std::string&) override {}
  void ShowFailure(const std::string& text) override { failures.push_back(text); }

  std::vector<std::string> asked;
  std::vector<std::string> failures;

 private:
  std::deque<ExistingFileChoice> answers_;
};

class FileTransferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    volumes.AddFolder("C:\\Music\\");
    volumes.AddFolder("C:\\Backup\\");
    volumes.AddFolder("D:\\Other\\");
    for (const char* name : {"a.wav", "b.wav", "c.wav", "d.wav"}) {
      volumes.AddFile(std::string("C:\\Music\\") + name, std::string("new ") + name);
    }
  }
  TransferJob Job(TransferOperation operation, const std::string& destination) const {
    TransferJob job;
    job.operation = operation;
    job.destination = destination;
    for (const char* name : {"a.wav", "b.wav", "c.wav", "d.wav"}) {
      job.sources.push_back(std::string("C:\\Music\\") + name);
    }
    return job;
  }

  MemoryVolumes volumes;
};

TEST_F(FileTransferTest, FileOverItselfIsRefusedHoweverTheFolderIsWritten) {
  for (const char* destination : {"C:\\Music\\", "c:/music/", "C:\\MUSIC\\Rock\\..\\"}) {
    EXPECT_EQ(CheckTransfer(volumes, Job(TransferOperation::kCopy, destination)),
              std::optional<std::string>(kTextCopyOverItself))
        << destination;
  }
  EXPECT_EQ(CheckTransfer(volumes, Job(TransferOperation::kMove, "C:\\Backup\\")), std::nullopt);
}

TEST_F(FileTransferTest, PathsPastTheLimitAreRefused) {
  TransferJob job = Job(TransferOperation::kCopy, "C:\\Backup\\");
  job.sources.push_back("C:\\Music\\" + std::string(250, 'n') + ".wav");
  EXPECT_EQ(CheckTransfer(volumes, job), std::optional<std::string>(kTextInvalidPath));
  // The folder leaves room for the file but not for the temporary copy beside it.
  const std::string deep = "C:\\" + std::string(246, 'f') + "\\";
  EXPECT_EQ(CheckTransfer(volumes, Job(TransferOperation::kCopy, deep)),
            std::optional<std::string>(kTextInvalidPath));
}

TEST_F(FileTransferTest, FreeSpaceIsCheckedForWhatIsWrittenAnew) {
  const std::uint64_t total = 4 * 9;  // four files of nine bytes
  volumes.SetFreeSpace("D:", total - 1);
  volumes.SetFreeSpace("C:", 0);
  EXPECT_EQ(CheckTransfer(volumes, Job(TransferOperation::kCopy, "D:\\Other\\")),
            std::optional<std::string>(kTextNotEnoughSpace));
  EXPECT_EQ(CheckTransfer(volumes, Job(TransferOperation::kMove, "D:\\Other\\")),
            std::optional<std::string>(kTextNotEnoughSpace));
  // A move on one volume only renames.
  EXPECT_EQ(CheckTransfer(volumes, Job(TransferOperation::kMove, "C:\\Backup\\")), std::nullopt);
  EXPECT_EQ(CheckTransfer(volumes, Job(TransferOperation::kCopy, "C:\\Backup\\")),
            std::optional<std::string>(kTextNotEnoughSpace));
  volumes.SetFreeSpace("D:", total);
  EXPECT_EQ(CheckTransfer(volumes, Job(TransferOperation::kCopy, "D:\\Other\\")), std::nullopt);
}

TEST_F(FileTransferTest, EachExistingFileIsAskedAboutAndOverwriteAllAsksNoMore) {
  for (const char* name : {"a.wav", "b.wav", "c.wav", "d.wav"}) {
    volumes.AddFile(std::string("D:\\Other\\") + name, "old");
  }
  ScriptedHost host({ExistingFileChoice::kSkip, ExistingFileChoice::kOverwrite,
                     ExistingFileChoice::kOverwriteAll});
  const TransferSummary summary = RunTransfer(volumes, Job(TransferOperation::kCopy, "D:\\Other\\"), host);
  EXPECT_EQ(host.asked, (std::vector<std::string>{"a.wav", "b.wav", "c.wav"}));
  EXPECT_EQ(summary.done, 3);
  EXPECT_EQ(summary.skipped, 1);
  EXPECT_FALSE(summary.canceled || summary.failed);
  EXPECT_EQ(volumes.Bytes("D:\\Other\\a.wav"), "old");
  EXPECT_EQ(volumes.Bytes("D:\\Other\\b.wav"), "new b.wav");
  EXPECT_EQ(volumes.Bytes("D:\\Other\\d.wav"), "new d.wav");
}

TEST_F(FileTransferTest, CancelKeepsWhatWasDoneAndTouchesNothingAfter) {
  volumes.AddFile("D:\\Other\\b.wav", "old");
  ScriptedHost host({ExistingFileChoice::kCancel});
  const TransferSummary summary = RunTransfer(volumes, Job(TransferOperation::kMove, "D:\\Other\\"), host);
  EXPECT_TRUE(summary.canceled);
  EXPECT_EQ(summary.done, 1);
  EXPECT_EQ(volumes.FilesIn("D:\\Other\\"), (std::set<std::string>{"a.wav", "b.wav"}));
  EXPECT_EQ(volumes.Bytes("D:\\Other\\b.wav"), "old");
  EXPECT_EQ(volumes.FilesIn("C:\\Music\\"), (std::set<std::string>{"b.wav", "c.wav", "d.wav"}));
}

TEST_F(FileTransferTest, SkippedMoveLeavesBothFiles) {
  volumes.AddFile("C:\\Backup\\c.wav", "old");
  ScriptedHost host({ExistingFileChoice::kSkip});
  const TransferSummary summary = RunTransfer(volumes, Job(TransferOperation::kMove, "C:\\Backup\\"), host);
  EXPECT_EQ(summary.done, 3);
  EXPECT_EQ(volumes.Bytes("C:\\Backup\\c.wav"), "old");
  EXPECT_EQ(volumes.Bytes("C:\\Music\\c.wav"), "new c.wav");
  EXPECT_EQ(volumes.FilesIn("C:\\Music\\"), (std::set<std::string>{"c.wav"}));
}

TEST_F(FileTransferTest, FirstFailureEndsTheJobWithItsText) {
  volumes.FailOpenOf("C:\\Music\\b.wav");
  ScriptedHost host({});
  TransferSummary summary = RunTransfer(volumes, Job(TransferOperation::kCopy, "D:\\Other\\"), host);
  EXPECT_TRUE(summary.failed);
  EXPECT_EQ(host.failures, std::vector<std::string>{kTextCannotReadFile});
  EXPECT_EQ(volumes.FilesIn("D:\\Other\\"), std::set<std::string>{"a.wav"});

  MemoryVolumes full;
  full.AddFolder("C:\\Music\\");
  full.AddFolder("D:\\Other\\");
  full.AddFile("C:\\Music\\a.wav", "new a.wav");
  full.FailWritesAfter(3);
  TransferJob job = Job(TransferOperation::kMove, "D:\\Other\\");
  job.sources.resize(1);
  ScriptedHost second({});
  summary = RunTransfer(full, job, second);
  EXPECT_EQ(second.failures, std::vector<std::string>{kTextCannotCopyFile});
  EXPECT_TRUE(full.FilesIn("D:\\Other\\").empty());
  EXPECT_EQ(full.Bytes("C:\\Music\\a.wav"), "new a.wav");
}

TEST_F(FileTransferTest, MovedCopyWhoseSourceStaysIsNamed) {
  volumes.FailRemoveOf("C:\\Music\\a.wav");
  ScriptedHost host({});
  const TransferSummary summary = RunTransfer(volumes, Job(TransferOperation::kMove, "D:\\Other\\"), host);
  EXPECT_EQ(host.failures, std::vector<std::string>{std::string(kTextCannotDeleteFile) + "a.wav"});
  EXPECT_EQ(summary.done, 1);
  EXPECT_TRUE(volumes.HasFile("C:\\Music\\a.wav"));
  EXPECT_TRUE(volumes.HasFile("D:\\Other\\a.wav"));
}

TEST_F(FileTransferTest, FolderOfTheSameNameIsNeverReplaced) {
  volumes.AddFolder("D:\\Other\\a.wav\\");
  ScriptedHost host({});
  const TransferSummary summary = RunTransfer(volumes, Job(TransferOperation::kCopy, "D:\\Other\\"), host);
  EXPECT_TRUE(summary.failed);
  EXPECT_TRUE(host.asked.empty());
  EXPECT_EQ(host.failures, std::vector<std::string>{kTextCannotCopyFile});
}

TEST_F(FileTransferTest, StopBetweenPiecesEndsAsACancel) {
  class StoppingHost : public ScriptedHost {
   public:
    StoppingHost() : ScriptedHost({}) {}
    bool StopRequested() override { return ++asks > 2; }
    int asks = 0;
  } host;
  volumes.AddFile("C:\\Music\\a.wav", std::string(600 * 1024, 'x'));
  const TransferSummary summary = RunTransfer(volumes, Job(TransferOperation::kCopy, "D:\\Other\\"), host);
  EXPECT_TRUE(summary.canceled);
  EXPECT_TRUE(host.failures.empty());
  EXPECT_TRUE(volumes.FilesIn("D:\\Other\\").empty());
}

TEST_F(FileTransferTest, DestinationIsAFolderThatExists) {
  EXPECT_EQ(DestinationFolder(volumes, "d:/other"), std::optional<std::string>("D:\\other\\"));
  EXPECT_EQ(DestinationFolder(volumes, "C:\\Backup\\"), std::optional<std::string>("C:\\Backup\\"));
  EXPECT_EQ(DestinationFolder(volumes, "C:\\Music\\a.wav"), std::nullopt);
  EXPECT_EQ(DestinationFolder(volumes, "C:\\Nowhere"), std::nullopt);
  EXPECT_EQ(DestinationFolder(volumes, "d:/other//x"), std::nullopt);
  EXPECT_EQ(DestinationFolder(volumes, ""), std::nullopt);
}

TEST(LastDestinationTest, EachKindAndOperationHasItsKey) {
  MemoryProfileStore store;
  WriteLastDestination(store, kModeMidi, TransferOperation::kMove, "E:\\Midi\\");
  EXPECT_EQ(store.Writes().back().key, "MidiMoveToPath");
  EXPECT_EQ(ReadLastDestination(store, kModeMidi, TransferOperation::kMove), "E:\\Midi\\");
  EXPECT_EQ(ReadLastDestination(store, kModeMidi, TransferOperation::kCopy), "");
  EXPECT_STREQ(LastDestinationKey(kModeAudio, TransferOperation::kCopy), "WaveCopyToPath");
  EXPECT_STREQ(LastDestinationKey(kModeVideo, TransferOperation::kCopy), "VideoCopyToPath");
}

TEST(FileRenameTest, NewNamesAreCheckedBeforeAnythingHappens) {
  MemoryVolumes volumes;
  volumes.AddFolder("C:\\Music\\");
  volumes.AddFolder("C:\\Music\\Live\\");
  volumes.AddFile("C:\\Music\\song.wav", "1");
  volumes.AddFile("C:\\Music\\other.wav", "2");
  const struct {
    const char* typed;
    RenameCheck check;
  } cases[] = {
      {"  new name.wav ", RenameCheck::kReady},  {"Song.WAV", RenameCheck::kReady},
      {"song.wav", RenameCheck::kUnchanged},     {"OTHER.wav", RenameCheck::kNameTaken},
      {"live", RenameCheck::kNameTaken},         {"..\\song.wav", RenameCheck::kInvalidName},
      {"   ", RenameCheck::kInvalidName},        {"song.", RenameCheck::kInvalidName},
      {"s?ng.wav", RenameCheck::kInvalidName},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlanRename(volumes, "C:\\Music\\song.wav", c.typed).check, c.check) << c.typed;
  }
  EXPECT_EQ(PlanRename(volumes, "C:\\Music\\song.wav", " new name.wav").target,
            "C:\\Music\\new name.wav");
  // "C:\Music\" and 250 letters make 259 characters, the longest path there is.
  EXPECT_EQ(PlanRename(volumes, "C:\\Music\\song.wav", std::string(250, 'x')).check,
            RenameCheck::kReady);
  const RenamePlan tooLong = PlanRename(volumes, "C:\\Music\\song.wav", std::string(251, 'x'));
  EXPECT_EQ(tooLong.check, RenameCheck::kTooLong);
  EXPECT_EQ(RenameRefusal(tooLong.check), kTextInvalidPath);
  EXPECT_EQ(RenameRefusal(RenameCheck::kReady), "");
}

TEST(FileDeleteTest, DeletesWhatItCanAndNamesWhatItCannot) {
  MemoryVolumes volumes;
  volumes.AddFolder("C:\\Music\\");
  volumes.AddFolder("C:\\Music\\sub.wav\\");
  for (const char* name : {"a.wav", "b.wav", "c.wav", "keep.wav"}) {
    volumes.AddFile(std::string("C:\\Music\\") + name, "x");
  }
  volumes.FailRemoveOf("C:\\Music\\b.wav");
  const DeleteSummary summary = DeleteFiles(
      volumes, {"C:\\Music\\a.wav", "C:\\Music\\b.wav", "C:\\Music\\gone.wav",
                "C:\\Music\\sub.wav", "C:\\Music\\c.wav"});
  EXPECT_EQ(summary.deleted, 2);
  EXPECT_EQ(volumes.FilesIn("C:\\Music\\"), (std::set<std::string>{"b.wav", "keep.wav"}));
  EXPECT_TRUE(volumes.Exists("C:\\Music\\sub.wav\\"));
  EXPECT_EQ(DeleteFailureText(summary),
            std::optional<std::string>("Can't delete file: b.wav, gone.wav, sub.wav"));
  EXPECT_EQ(DeleteFailureText(DeleteSummary{}), std::nullopt);

  DeleteSummary many;
  for (int i = 0; i < 11; ++i) many.failedNames.push_back(std::to_string(i) + ".wav");
  const std::string text = *DeleteFailureText(many);
  EXPECT_NE(text.find("7.wav (and 3 more)"), std::string::npos) << text;
}

TEST(EditorLaunchTest, EachFileGetsItsKindsEditorWithQuotedPaths) {
  MemoryProfileStore store;
  store.Preset("MAIN", "WavEditorPath", "C:\\Sound Tools\\");
  store.Preset("MAIN", "WavEditorName", "wave ed.exe");
  store.Preset("MAIN", "Mp3EditorPath", "0");
  const std::vector<EditorLaunch> launches =
      PlanEditorLaunches(store, {"D:\\My Music\\a b.WAV", "D:\\My Music\\c.mp3", "D:\\x.txt"});
  ASSERT_EQ(launches.size(), 3u);
  EXPECT_EQ(launches[0].kind, EditorKind::kWav);
  EXPECT_EQ(launches[0].program.FullPath(), "C:\\Sound Tools\\wave ed.exe");
  EXPECT_EQ(launches[1].kind, EditorKind::kMp3);
  EXPECT_FALSE(launches[1].program.IsSet());
  EXPECT_FALSE(launches[2].kind.has_value());
  EXPECT_EQ(EditorCommandLine(launches[0].program.FullPath(), launches[0].file),
            "\"C:\\Sound Tools\\wave ed.exe\" \"D:\\My Music\\a b.WAV\"");
}

}  // namespace
}  // namespace bw
