// The Win32 file system: CreateFileA handles shared for reading and writing, FlushFileBuffers,
// MoveFileExA that replaces and writes through.
#include <windows.h>

#include "base/file_system.h"
#include "base/win32_handles.h"

namespace bw {
namespace {

Status LastErrorStatus(const std::string& what, const std::string& path) {
  const DWORD error = GetLastError();
  std::string message = what + " " + path + " (Windows error " + std::to_string(error) + ")";
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
    return Status::NotFound(message);
  }
  return Status::IoError(message);
}

OVERLAPPED At(std::uint64_t offset) {
  OVERLAPPED overlapped = {};
  overlapped.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
  overlapped.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return overlapped;
}

// ReadFile and WriteFile take at most a DWORD of bytes at a time; keep each call modest.
constexpr std::size_t kMaxChunk = 1u << 24;

class Win32File final : public File {
 public:
  Win32File(HANDLE handle, std::string path) : handle_(handle), path_(std::move(path)) {}
  ~Win32File() override { CloseHandle(handle_); }

  Status ReadAt(std::uint64_t offset, void* buffer, std::size_t size,
                std::size_t* bytesRead) override {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
      const DWORD chunk = static_cast<DWORD>(size - done < kMaxChunk ? size - done : kMaxChunk);
      OVERLAPPED overlapped = At(offset + done);
      DWORD n = 0;
      if (!ReadFile(handle_, out + done, chunk, &n, &overlapped)) {
        if (GetLastError() == ERROR_HANDLE_EOF) break;
        *bytesRead = done;
        return LastErrorStatus("cannot read", path_);
      }
      if (n == 0) break;
      done += n;
    }
    *bytesRead = done;
    return Status::Ok();
  }

  Status WriteAt(std::uint64_t offset, const void* data, std::size_t size) override {
    const auto* in = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
      const DWORD chunk = static_cast<DWORD>(size - done < kMaxChunk ? size - done : kMaxChunk);
      OVERLAPPED overlapped = At(offset + done);
      DWORD n = 0;
      if (!WriteFile(handle_, in + done, chunk, &n, &overlapped) || n == 0) {
        return LastErrorStatus("cannot write", path_);
      }
      done += n;
    }
    return Status::Ok();
  }

  Status GetSize(std::uint64_t* size) override {
    LARGE_INTEGER value;
    if (!GetFileSizeEx(handle_, &value)) return LastErrorStatus("cannot get the size of", path_);
    *size = static_cast<std::uint64_t>(value.QuadPart);
    return Status::Ok();
  }

  Status Truncate(std::uint64_t size) override {
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFilePointerEx(handle_, position, nullptr, FILE_BEGIN) || !SetEndOfFile(handle_)) {
      return LastErrorStatus("cannot truncate", path_);
    }
    return Status::Ok();
  }

  Status Sync() override {
    if (!FlushFileBuffers(handle_)) return LastErrorStatus("cannot flush", path_);
    return Status::Ok();
  }

 private:
  HANDLE handle_;
  std::string path_;
};

class Win32FileSystem final : public FileSystem {
 public:
  Status Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* file) override {
    DWORD access = GENERIC_READ | GENERIC_WRITE;
    DWORD disposition = OPEN_EXISTING;
    switch (mode) {
      case OpenMode::kRead: access = GENERIC_READ; break;
      case OpenMode::kReadWrite: break;
      case OpenMode::kCreateTruncate: disposition = CREATE_ALWAYS; break;
      case OpenMode::kCreateNew: disposition = CREATE_NEW; break;
    }
    HANDLE handle = CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return LastErrorStatus("cannot open", path);
    *file = std::make_unique<Win32File>(handle, path);
    return Status::Ok();
  }

  bool Exists(const std::string& path) override {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  Status GetFileInfo(const std::string& path, FileInfo* info) override {
    *info = FileInfo();
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
      return LastErrorStatus("cannot look at", path);
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      return Status::InvalidArgument(path + " is a folder");
    }
    FILETIME local;
    SYSTEMTIME time;
    if (!FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) ||
        !FileTimeToSystemTime(&local, &time)) {
      return LastErrorStatus("cannot convert the modified time of", path);
    }
    info->size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    info->modified = {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
    return Status::Ok();
  }

  Status Rename(const std::string& from, const std::string& to) override {
    if (!MoveFileExA(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return LastErrorStatus("cannot rename", from + " to " + to);
    }
    return Status::Ok();
  }

  Status Remove(const std::string& path) override {
    if (!DeleteFileA(path.c_str())) return LastErrorStatus("cannot delete", path);
    return Status::Ok();
  }

  // MOVEFILE_WRITE_THROUGH already waits until the rename is on the disk.
  Status SyncFolder(const std::string&) override { return Status::Ok(); }

  Status GetFreeBytes(const std::string& folder, std::uint64_t* bytes) override {
    *bytes = 0;
    ULARGE_INTEGER available;
    if (!GetDiskFreeSpaceExA(folder.c_str(), &available, nullptr, nullptr)) {
      return LastErrorStatus("cannot get the free space of", folder);
    }
    *bytes = available.QuadPart;
    return Status::Ok();
  }

  Status CopyModifiedTime(const std::string& from, const std::string& to) override {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(from.c_str(), GetFileExInfoStandard, &data)) {
      return LastErrorStatus("cannot look at", from);
    }
    UniqueFileHandle handle(CreateFileA(to.c_str(), FILE_WRITE_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) return LastErrorStatus("cannot open", to);
    if (!SetFileTime(handle.Get(), nullptr, nullptr, &data.ftLastWriteTime)) {
      return LastErrorStatus("cannot set the modified time of", to);
    }
    return Status::Ok();
  }
};

}  // namespace

FileSystem& DefaultFileSystem() {
  static Win32FileSystem fileSystem;
  return fileSystem;
}

}  // namespace bw
