// The platform file system keeps the promises the catalogue builds on: missing files are
// NotFound, create-new never overwrites, renames replace, reads stop short only at the end.
#include <cmath>
#include <ctime>

#include "cddb_database_test_support.h"

namespace bw {
namespace {

using testing::FileExists;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(FileSystemTest, KeepsItsPromises) {
  TempFolder folder;
  FileSystem& files = DefaultFileSystem();
  const std::string a = folder.File("a.bin");
  const std::string b = folder.File("b.bin");
  std::unique_ptr<File> file;

  EXPECT_TRUE(files.Open(a, OpenMode::kRead, &file).IsNotFound());
  EXPECT_TRUE(files.Open(a, OpenMode::kReadWrite, &file).IsNotFound());
  EXPECT_TRUE(files.Open(folder.File("no/such/folder.bin"), OpenMode::kCreateNew, &file).IsNotFound());
  EXPECT_FALSE(files.Exists(a));

  ASSERT_TRUE(files.Open(a, OpenMode::kCreateNew, &file).IsOk());
  ASSERT_TRUE(file->WriteAt(0, "hello world", 11).IsOk());
  ASSERT_TRUE(file->WriteAt(20, "!", 1).IsOk());  // a gap reads as zeros
  std::uint64_t size = 0;
  ASSERT_TRUE(file->GetSize(&size).IsOk());
  EXPECT_EQ(size, 21u);
  char buffer[32] = {};
  std::size_t got = 0;
  ASSERT_TRUE(file->ReadAt(6, buffer, sizeof(buffer), &got).IsOk());
  EXPECT_EQ(got, 15u);
  EXPECT_EQ(std::string(buffer, 5), "world");
  EXPECT_EQ(buffer[14], '!');
  ASSERT_TRUE(file->Truncate(5).IsOk());
  ASSERT_TRUE(file->Sync().IsOk());
  ASSERT_TRUE(file->GetSize(&size).IsOk());
  EXPECT_EQ(size, 5u);
  EXPECT_TRUE(ReadExactly(*file, 3, buffer, 3).IsCorrupt());
  file.reset();

  EXPECT_FALSE(files.Open(a, OpenMode::kCreateNew, &file).IsOk());
  EXPECT_EQ(ReadBytes(a), "hello");

  // Opened for reading by one, the file can still be written by another opener.
  std::unique_ptr<File> reader;
  ASSERT_TRUE(files.Open(a, OpenMode::kRead, &reader).IsOk());
  ASSERT_TRUE(files.Open(a, OpenMode::kReadWrite, &file).IsOk());
  ASSERT_TRUE(file->WriteAt(0, "J", 1).IsOk());
  file.reset();
  ASSERT_TRUE(reader->ReadAt(0, buffer, 5, &got).IsOk());
  EXPECT_EQ(std::string(buffer, got), "Jello");
  EXPECT_FALSE(reader->WriteAt(0, "x", 1).IsOk());
  reader.reset();

  WriteBytes(b, "old");
  ASSERT_TRUE(files.Rename(a, b).IsOk());
  EXPECT_FALSE(files.Exists(a));
  EXPECT_EQ(ReadBytes(b), "Jello");
  EXPECT_TRUE(files.Rename(a, b).IsNotFound());
  EXPECT_TRUE(files.SyncFolder(folder.Path()).IsOk());

  ASSERT_TRUE(files.Open(b, OpenMode::kCreateTruncate, &file).IsOk());
  file.reset();
  EXPECT_EQ(ReadBytes(b), "");
  ASSERT_TRUE(files.Remove(b).IsOk());
  EXPECT_FALSE(FileExists(b));
  EXPECT_TRUE(files.Remove(b).IsNotFound());
}

TEST(FileSystemTest, TellsSizeAndModifiedTimeWithoutCreatingAnything) {
  TempFolder folder;
  FileSystem& files = DefaultFileSystem();
  const std::string path = folder.File("info.bin");
  FileInfo info;
  EXPECT_TRUE(files.GetFileInfo(path, &info).IsNotFound());
  EXPECT_FALSE(FileExists(path));
  EXPECT_FALSE(files.GetFileInfo(folder.Path(), &info).IsOk()) << "a folder is no file";

  WriteBytes(path, std::string(1234, 'x'));
  const std::time_t now = std::time(nullptr);
  ASSERT_TRUE(files.GetFileInfo(path, &info).IsOk());
  EXPECT_EQ(info.size, 1234u);
  // The local time the file was written, read back through the C library's own conversion.
  std::tm stamp = {};
  stamp.tm_year = info.modified.year - 1900;
  stamp.tm_mon = info.modified.month - 1;
  stamp.tm_mday = info.modified.day;
  stamp.tm_hour = info.modified.hour;
  stamp.tm_min = info.modified.minute;
  stamp.tm_sec = info.modified.second;
  stamp.tm_isdst = -1;
  EXPECT_LE(std::abs(std::difftime(std::mktime(&stamp), now)), 120.0)
      << info.modified.year << "-" << info.modified.month << "-" << info.modified.day << " "
      << info.modified.hour << ":" << info.modified.minute << ":" << info.modified.second;
}

}  // namespace
}  // namespace bw
