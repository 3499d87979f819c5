// A folder of files held in memory for the fuzz targets, so no input touches the disk.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "base/file_system.h"

namespace bw::fuzzing {

// A folder of files in memory; handles share their file's bytes like real ones.
class MemoryFileSystem : public FileSystem {
 public:
  Status Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* file) override {
    auto found = files_.find(path);
    if (mode == OpenMode::kCreateNew && found != files_.end()) return Status::IoError("exists");
    if (mode == OpenMode::kCreateTruncate || mode == OpenMode::kCreateNew) {
      auto bytes = std::make_shared<std::string>();
      files_[path] = bytes;
      *file = std::make_unique<MemoryFile>(bytes, false);
      return Status::Ok();
    }
    if (found == files_.end()) return Status::NotFound(path);
    *file = std::make_unique<MemoryFile>(found->second, mode == OpenMode::kRead);
    return Status::Ok();
  }
  bool Exists(const std::string& path) override { return files_.count(path) != 0; }
  Status GetFileInfo(const std::string& path, FileInfo* info) override {
    auto found = files_.find(path);
    if (found == files_.end()) return Status::NotFound(path);
    *info = FileInfo();
    info->size = found->second->size();
    info->modified = {2001, 2, 3, 4, 5, 6};
    return Status::Ok();
  }
  Status Rename(const std::string& from, const std::string& to) override {
    auto found = files_.find(from);
    if (found == files_.end()) return Status::NotFound(from);
    auto bytes = found->second;
    files_.erase(found);
    files_[to] = bytes;
    return Status::Ok();
  }
  Status Remove(const std::string& path) override {
    return files_.erase(path) ? Status::Ok() : Status::NotFound(path);
  }
  Status SyncFolder(const std::string&) override { return Status::Ok(); }

  void Put(const std::string& path, const std::uint8_t* data, std::size_t size) {
    files_[path] = std::make_shared<std::string>(reinterpret_cast<const char*>(data), size);
  }

 private:
  class MemoryFile : public File {
   public:
    MemoryFile(std::shared_ptr<std::string> bytes, bool readOnly)
        : bytes_(std::move(bytes)), readOnly_(readOnly) {}
    Status ReadAt(std::uint64_t offset, void* buffer, std::size_t size,
                  std::size_t* bytesRead) override {
      *bytesRead = 0;
      if (offset >= bytes_->size()) return Status::Ok();
      *bytesRead = std::min<std::size_t>(size, bytes_->size() - offset);
      std::memcpy(buffer, bytes_->data() + offset, *bytesRead);
      return Status::Ok();
    }
    Status WriteAt(std::uint64_t offset, const void* data, std::size_t size) override {
      if (readOnly_) return Status::IoError("read-only");
      if (offset + size > (64u << 20)) std::abort();  // a writer running wild
      if (bytes_->size() < offset + size) bytes_->resize(offset + size);
      std::memcpy(&(*bytes_)[offset], data, size);
      return Status::Ok();
    }
    Status GetSize(std::uint64_t* size) override {
      *size = bytes_->size();
      return Status::Ok();
    }
    Status Truncate(std::uint64_t size) override {
      if (readOnly_) return Status::IoError("read-only");
      bytes_->resize(size);
      return Status::Ok();
    }
    Status Sync() override { return Status::Ok(); }

   private:
    std::shared_ptr<std::string> bytes_;
    bool readOnly_;
  };

  std::map<std::string, std::shared_ptr<std::string>> files_;
};

}  // namespace bw::fuzzing
