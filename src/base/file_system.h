// The file operations the portable core needs, behind one interface so tests can swap in a
// failing or recording file system. One implementation per platform: POSIX and Win32.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "base/status.h"

namespace bw {

enum class OpenMode {
  kRead,            // existing file, reading only
  kReadWrite,       // existing file, reading and writing
  kCreateTruncate,  // create, or empty an existing file; reading and writing
  kCreateNew,       // create; fails when the file already exists
};

// An open file. Reads and writes name their offset (no shared file position to get wrong);
// the destructor closes the file. Every handle is shared for reading and writing with
// other openers, as the catalogue's readers and writers expect.
class File {
 public:
  File() = default;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  virtual ~File() = default;

  // Reads up to `size` bytes at `offset`; fewer only at the end of the file.
  virtual Status ReadAt(std::uint64_t offset, void* buffer, std::size_t size,
                        std::size_t* bytesRead) = 0;
  virtual Status WriteAt(std::uint64_t offset, const void* data, std::size_t size) = 0;
  virtual Status GetSize(std::uint64_t* size) = 0;
  virtual Status Truncate(std::uint64_t size) = 0;
  // Flushes the file's data to the disk (fsync / FlushFileBuffers).
  virtual Status Sync() = 0;
};

// A moment in the machine's local time, as a file's dates are shown to the user.
struct LocalDateTime {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

struct FileInfo {
  std::uint64_t size = 0;
  LocalDateTime modified;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // A missing file gives a NotFound status.
  virtual Status Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* file) = 0;
  virtual bool Exists(const std::string& path) = 0;
  // The size and last-modified time of a file (not a folder); NotFound when there is none.
  // Opens nothing, so it never creates or locks the file.
  virtual Status GetFileInfo(const std::string& path, FileInfo* info) = 0;
  // Replaces `to` when it exists.
  virtual Status Rename(const std::string& from, const std::string& to) = 0;
  virtual Status Remove(const std::string& path) = 0;
  // Makes renames and removals inside `folder` durable (a no-op where renames write through).
  virtual Status SyncFolder(const std::string& folder) = 0;

  // The bytes the user may still write on the volume that holds `folder`. File systems that
  // cannot tell answer NotFound, and callers then go ahead without the check.
  virtual Status GetFreeBytes(const std::string& folder, std::uint64_t* bytes) {
    *bytes = 0;
    return Status::NotFound("free space of " + folder + " unknown");
  }
  // Gives `to` the last-write time of `from` (copies keep their source's date). File systems
  // that cannot set times say so with an error; callers treat the date as a nicety.
  virtual Status CopyModifiedTime(const std::string& from, const std::string& to) {
    return Status::IoError("cannot set the modified time of " + to);
  }
};

// The platform's file system, alive for the whole program.
FileSystem& DefaultFileSystem();

// `folder` followed by `name`, with one separator between them ("" stays the current folder).
std::string JoinPath(const std::string& folder, const std::string& name);

// Reads exactly `size` bytes at `offset`; a short read is reported as a damaged file.
Status ReadExactly(File& file, std::uint64_t offset, void* buffer, std::size_t size);

}  // namespace bw
