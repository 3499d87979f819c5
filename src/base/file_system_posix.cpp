// The POSIX file system: pread/pwrite on plain descriptors, fsync, rename(2).
#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <time.h>
#include <unistd.h>

#include "base/file_system.h"

namespace bw {
namespace {

Status ErrnoStatus(const std::string& what, const std::string& path, int error) {
  std::string message = what + " " + path + " (" + strerror(error) + ")";
  if (error == ENOENT) return Status::NotFound(message);
  return Status::IoError(message);
}

class PosixFile final : public File {
 public:
  PosixFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~PosixFile() override { close(fd_); }

  Status ReadAt(std::uint64_t offset, void* buffer, std::size_t size,
                std::size_t* bytesRead) override {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
      const ssize_t n = pread(fd_, out + done, size - done, static_cast<off_t>(offset + done));
      if (n < 0) {
        if (errno == EINTR) continue;
        *bytesRead = done;
        return ErrnoStatus("cannot read", path_, errno);
      }
      if (n == 0) break;
      done += static_cast<std::size_t>(n);
    }
    *bytesRead = done;
    return Status::Ok();
  }

  Status WriteAt(std::uint64_t offset, const void* data, std::size_t size) override {
    const auto* in = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
      const ssize_t n = pwrite(fd_, in + done, size - done, static_cast<off_t>(offset + done));
      if (n < 0) {
        if (errno == EINTR) continue;
        return ErrnoStatus("cannot write", path_, errno);
      }
      done += static_cast<std::size_t>(n);
    }
    return Status::Ok();
  }

  Status GetSize(std::uint64_t* size) override {
    struct stat info;
    if (fstat(fd_, &info) != 0) return ErrnoStatus("cannot get the size of", path_, errno);
    *size = static_cast<std::uint64_t>(info.st_size);
    return Status::Ok();
  }

  Status Truncate(std::uint64_t size) override {
    if (ftruncate(fd_, static_cast<off_t>(size)) != 0) {
      return ErrnoStatus("cannot truncate", path_, errno);
    }
    return Status::Ok();
  }

  Status Sync() override {
    if (fsync(fd_) != 0) return ErrnoStatus("cannot flush", path_, errno);
    return Status::Ok();
  }

 private:
  int fd_;
  std::string path_;
};

class PosixFileSystem final : public FileSystem {
 public:
  Status Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* file) override {
    int flags = O_CLOEXEC;
    switch (mode) {
      case OpenMode::kRead: flags |= O_RDONLY; break;
      case OpenMode::kReadWrite: flags |= O_RDWR; break;
      case OpenMode::kCreateTruncate: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
      case OpenMode::kCreateNew: flags |= O_RDWR | O_CREAT | O_EXCL; break;
    }
    int fd;
    do {
      fd = open(path.c_str(), flags, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return ErrnoStatus("cannot open", path, errno);
    *file = std::make_unique<PosixFile>(fd, path);
    return Status::Ok();
  }

  bool Exists(const std::string& path) override {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
  }

  Status GetFileInfo(const std::string& path, FileInfo* info) override {
    *info = FileInfo();
    struct stat status;
    if (stat(path.c_str(), &status) != 0) return ErrnoStatus("cannot look at", path, errno);
    if (S_ISDIR(status.st_mode)) return Status::InvalidArgument(path + " is a folder");
    struct tm local;
    if (localtime_r(&status.st_mtime, &local) == nullptr) {
      return Status::IoError("cannot convert the modified time of " + path);
    }
    info->size = static_cast<std::uint64_t>(status.st_size);
    info->modified = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                      local.tm_hour,        local.tm_min,     local.tm_sec};
    return Status::Ok();
  }

  Status Rename(const std::string& from, const std::string& to) override {
    if (rename(from.c_str(), to.c_str()) != 0) {
      return ErrnoStatus("cannot rename", from + " to " + to, errno);
    }
    return Status::Ok();
  }

  Status Remove(const std::string& path) override {
    if (unlink(path.c_str()) != 0) return ErrnoStatus("cannot delete", path, errno);
    return Status::Ok();
  }

  Status SyncFolder(const std::string& folder) override {
    const std::string name = folder.empty() ? "." : folder;
    const int fd = open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return ErrnoStatus("cannot open folder", name, errno);
    const int result = fsync(fd);
    const int error = errno;
    close(fd);
    if (result != 0) return ErrnoStatus("cannot flush folder", name, error);
    return Status::Ok();
  }

  Status GetFreeBytes(const std::string& folder, std::uint64_t* bytes) override {
    *bytes = 0;
    struct statvfs volume;
    const std::string name = folder.empty() ? "." : folder;
    if (statvfs(name.c_str(), &volume) != 0) return ErrnoStatus("cannot look at", name, errno);
    *bytes = static_cast<std::uint64_t>(volume.f_bavail) * volume.f_frsize;
    return Status::Ok();
  }

  Status CopyModifiedTime(const std::string& from, const std::string& to) override {
    struct stat source;
    if (stat(from.c_str(), &source) != 0) return ErrnoStatus("cannot look at", from, errno);
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    if (utimensat(AT_FDCWD, to.c_str(), times, 0) != 0) {
      return ErrnoStatus("cannot set the modified time of", to, errno);
    }
    return Status::Ok();
  }
};

}  // namespace

FileSystem& DefaultFileSystem() {
  static PosixFileSystem fileSystem;
  return fileSystem;
}

}  // namespace bw
