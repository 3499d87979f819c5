// Copying and moving one file: exact bytes and dates, and after any failure no partial file,
// no leftover temporary copy and an untouched source and target.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "filetools/file_copier.h"
#include "filetools_memory_volumes.h"

namespace bw {
namespace {

using testing::MemoryVolumes;

// Larger than one copy piece, with no two pieces alike.
std::string Payload(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return bytes;
}

class FileCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    volumes.AddFolder("C:\\Music\\");
    volumes.AddFolder("C:\\Backup\\");
    volumes.AddFolder("D:\\Other\\");
    volumes.AddFile("C:\\Music\\song.wav", source);
  }
  // Nothing but the files a test expects: no temporary copy anywhere.
  void ExpectOnly(const std::string& folder, std::set<std::string> names) {
    EXPECT_EQ(volumes.FilesIn(folder), names) << folder;
  }

  const std::string source = Payload(700 * 1024 + 13);
  MemoryVolumes volumes;
};

TEST_F(FileCopyTest, CopyWritesEveryByteKeepsTheDateAndLeavesNoTemporaryFile) {
  volumes.AddFile("C:\\Backup\\other.wav", "x");
  EXPECT_EQ(CopyOneFile(volumes, "C:\\Music\\song.wav", "C:\\Backup\\song.wav", false),
            TransferResult::kDone);
  EXPECT_EQ(volumes.Bytes("C:\\Backup\\song.wav"), source);
  EXPECT_EQ(volumes.Stamp("C:\\Backup\\song.wav"), volumes.Stamp("C:\\Music\\song.wav"));
  EXPECT_EQ(volumes.Bytes("C:\\Music\\song.wav"), source);
  ExpectOnly("C:\\Backup\\", {"other.wav", "song.wav"});
}

TEST_F(FileCopyTest, EmptyFileIsCopiedToo) {
  volumes.AddFile("C:\\Music\\empty.wav", "");
  EXPECT_EQ(CopyOneFile(volumes, "C:\\Music\\empty.wav", "D:\\Other\\empty.wav", false),
            TransferResult::kDone);
  EXPECT_TRUE(volumes.HasFile("D:\\Other\\empty.wav"));
}

TEST_F(FileCopyTest, TemporaryNameAvoidsFilesThatAreThere) {
  volumes.AddFile("C:\\Backup\\~BWC0001.TMP", "someone's");
  EXPECT_EQ(TemporaryCopyName(volumes, "C:\\Backup\\"), "C:\\Backup\\~BWC0002.TMP");
  EXPECT_EQ(CopyOneFile(volumes, "C:\\Music\\song.wav", "C:\\Backup\\song.wav", false),
            TransferResult::kDone);
  EXPECT_EQ(volumes.Bytes("C:\\Backup\\~BWC0001.TMP"), "someone's");
  ExpectOnly("C:\\Backup\\", {"~BWC0001.TMP", "song.wav"});
}

// Each way a copy can fail part-way: the target keeps its old bytes (or stays absent) and no
// temporary copy is left behind.
TEST_F(FileCopyTest, FailedCopyLeavesNoPartialFileAndKeepsTheOldTarget) {
  const struct {
    const char* what;
    void (*fail)(MemoryVolumes&);
    TransferResult expected;
  } cases[] = {
      {"disk full mid-way", [](MemoryVolumes& v) { v.FailWritesAfter(300 * 1024); },
       TransferResult::kCannotCopy},
      {"flush fails", [](MemoryVolumes& v) { v.FailSync(); }, TransferResult::kCannotCopy},
      {"short writes", [](MemoryVolumes& v) { v.TruncateWrites(); }, TransferResult::kCannotCopy},
      {"final rename fails",
       [](MemoryVolumes& v) { v.FailRenameTo("C:\\Backup\\song.wav"); },
       TransferResult::kCannotCopy},
      {"source unreadable", [](MemoryVolumes& v) { v.FailOpenOf("C:\\Music\\song.wav"); },
       TransferResult::kCannotRead},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (bool existing : {false, true}) {
      MemoryVolumes fresh;
      fresh.AddFolder("C:\\Music\\");
      fresh.AddFolder("C:\\Backup\\");
      fresh.AddFile("C:\\Music\\song.wav", source);
      if (existing) fresh.AddFile("C:\\Backup\\song.wav", "old take");
      c.fail(fresh);
      EXPECT_EQ(CopyOneFile(fresh, "C:\\Music\\song.wav", "C:\\Backup\\song.wav", true),
                c.expected);
      EXPECT_EQ(fresh.Bytes("C:\\Backup\\song.wav"), existing ? "old take" : "<missing>");
      EXPECT_EQ(fresh.FilesIn("C:\\Backup\\").size(), existing ? 1u : 0u);
      EXPECT_EQ(fresh.Bytes("C:\\Music\\song.wav"), source);
    }
  }
}

TEST_F(FileCopyTest, ExistingTargetIsReplacedOnlyWhenAsked) {
  volumes.AddFile("C:\\Backup\\song.wav", "old take");
  EXPECT_EQ(CopyOneFile(volumes, "C:\\Music\\song.wav", "C:\\Backup\\song.wav", false),
            TransferResult::kCannotCopy);
  EXPECT_EQ(volumes.Bytes("C:\\Backup\\song.wav"), "old take");
  ExpectOnly("C:\\Backup\\", {"song.wav"});
  EXPECT_EQ(CopyOneFile(volumes, "C:\\Music\\song.wav", "C:\\Backup\\song.wav", true),
            TransferResult::kDone);
  EXPECT_EQ(volumes.Bytes("C:\\Backup\\song.wav"), source);
}

TEST_F(FileCopyTest, StoppedCopyLeavesNothing) {
  int pieces = 0;
  EXPECT_EQ(CopyOneFile(volumes, "C:\\Music\\song.wav", "C:\\Backup\\song.wav", false,
                        [&](std::uint64_t, std::uint64_t) { return ++pieces < 2; }),
            TransferResult::kCannotCopy);
  ExpectOnly("C:\\Backup\\", {});
}

TEST_F(FileCopyTest, MoveOnOneVolumeIsARename) {
  EXPECT_EQ(MoveOneFile(volumes, "C:\\Music\\song.wav", "c:\\backup\\song.wav", false),
            TransferResult::kDone);
  EXPECT_EQ(volumes.Renames(), 1);
  EXPECT_FALSE(volumes.HasFile("C:\\Music\\song.wav"));
  EXPECT_EQ(volumes.Bytes("C:\\Backup\\song.wav"), source);
}

TEST_F(FileCopyTest, MoveAcrossVolumesDeletesTheSourceOnlyAfterACompleteCopy) {
  EXPECT_EQ(MoveOneFile(volumes, "C:\\Music\\song.wav", "D:\\Other\\song.wav", false),
            TransferResult::kDone);
  EXPECT_FALSE(volumes.HasFile("C:\\Music\\song.wav"));
  EXPECT_EQ(volumes.Bytes("D:\\Other\\song.wav"), source);
  ExpectOnly("D:\\Other\\", {"song.wav"});

  MemoryVolumes failing;
  failing.AddFolder("C:\\Music\\");
  failing.AddFolder("D:\\Other\\");
  failing.AddFile("C:\\Music\\song.wav", source);
  failing.FailWritesAfter(1000);
  EXPECT_EQ(MoveOneFile(failing, "C:\\Music\\song.wav", "D:\\Other\\song.wav", false),
            TransferResult::kCannotCopy);
  EXPECT_EQ(failing.Bytes("C:\\Music\\song.wav"), source);
  EXPECT_EQ(failing.Removes(), 1);  // the temporary copy only
  EXPECT_TRUE(failing.FilesIn("D:\\Other\\").empty());
}

TEST_F(FileCopyTest, MoveWhoseSourceCannotBeDeletedKeepsBoth) {
  volumes.FailRemoveOf("C:\\Music\\song.wav");
  EXPECT_EQ(MoveOneFile(volumes, "C:\\Music\\song.wav", "D:\\Other\\song.wav", false),
            TransferResult::kCannotDelete);
  EXPECT_EQ(volumes.Bytes("C:\\Music\\song.wav"), source);
  EXPECT_EQ(volumes.Bytes("D:\\Other\\song.wav"), source);
}

TEST_F(FileCopyTest, MoveKeepsAnExistingTargetWithoutAYes) {
  volumes.AddFile("C:\\Backup\\song.wav", "old take");
  volumes.AddFile("D:\\Other\\song.wav", "old take");
  EXPECT_EQ(MoveOneFile(volumes, "C:\\Music\\song.wav", "C:\\Backup\\song.wav", false),
            TransferResult::kCannotCopy);
  EXPECT_EQ(MoveOneFile(volumes, "C:\\Music\\song.wav", "D:\\Other\\song.wav", false),
            TransferResult::kCannotCopy);
  EXPECT_EQ(volumes.Bytes("C:\\Backup\\song.wav"), "old take");
  EXPECT_EQ(volumes.Bytes("D:\\Other\\song.wav"), "old take");
  EXPECT_EQ(volumes.Bytes("C:\\Music\\song.wav"), source);
}

}  // namespace
}  // namespace bw

namespace bw {
namespace {

// The platform's own file system: the copy's date is the original's and the volume tells
// its free space.
TEST(PlatformFileCopyTest, CopyOnDiskKeepsTheModifiedTime) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("bw_copy_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::filesystem::create_directories(folder / "to");
  const std::string source = (folder / "a.wav").string();
  std::ofstream(source, std::ios::binary) << "RIFF and more";
  const auto old = std::filesystem::last_write_time(source) - std::chrono::hours(50);
  std::filesystem::last_write_time(source, old);
  FileSystem& files = DefaultFileSystem();
  const std::string target = (folder / "to" / "a.wav").string();
  EXPECT_EQ(CopyOneFile(files, source, target, false), TransferResult::kDone);
  EXPECT_EQ(std::filesystem::last_write_time(target), old);
  EXPECT_EQ(std::filesystem::file_size(target), 13u);
  std::uint64_t free = 0;
  EXPECT_TRUE(files.GetFreeBytes((folder / "to").string(), &free).IsOk());
  EXPECT_GT(free, 0u);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace bw
