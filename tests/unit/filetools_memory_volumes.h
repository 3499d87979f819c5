// A few volumes of files and folders held in memory under Windows paths ("C:\Music\a.wav"),
// with free space per volume and failures to order: a write that fails after some bytes, a
// flush, a rename or a delete that fails, a file that cannot be opened.
#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "base/file_system.h"
#include "filetools/file_tool_paths.h"

namespace bw::testing {

class MemoryVolumes final : public FileSystem {
 public:
  void AddFolder(const std::string& path) { folders_.insert(Key(path)); }
  void AddFile(const std::string& path, const std::string& bytes) {
    files_[Key(path)] = {path, std::make_shared<std::string>(bytes), ++clock_};
  }
  bool HasFile(const std::string& path) const { return files_.count(Key(path)) != 0; }
  std::string Bytes(const std::string& path) const {
    auto found = files_.find(Key(path));
    return found == files_.end() ? std::string("<missing>") : *found->second.bytes;
  }
  // The name as it was created or renamed, letter case included.
  std::string StoredName(const std::string& path) const {
    auto found = files_.find(Key(path));
    return found == files_.end() ? std::string() : NamePart(found->second.path);
  }
  int Stamp(const std::string& path) const {
    auto found = files_.find(Key(path));
    return found == files_.end() ? -1 : found->second.stamp;
  }
  // Every file below `folder`, by its stored path.
  std::set<std::string> FilesIn(const std::string& folder) const {
    std::set<std::string> names;
    const std::string prefix = Key(InFolder(folder, ""));
    for (const auto& [key, file] : files_) {
      if (key.compare(0, prefix.size(), prefix) == 0) names.insert(NamePart(file.path));
    }
    return names;
  }

  void SetFreeSpace(const std::string& volume, std::uint64_t bytes) { free_[volume] = bytes; }
  void FailWritesAfter(std::uint64_t bytes) { writeBudget_ = bytes; }
  void FailSync() { failSync_ = true; }
  void FailRenameTo(const std::string& path) { failRenameTo_ = Key(path); }
  void FailRemoveOf(const std::string& path) { failRemoveOf_.insert(Key(path)); }
  void FailOpenOf(const std::string& path) { failOpenOf_ = Key(path); }
  // Every file write lands short by one byte, as a disk that lies about what it wrote.
  void TruncateWrites() { truncateWrites_ = true; }

  int Renames() const { return renames_; }
  int Removes() const { return removes_; }

  Status Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* file) override {
    const std::string key = Key(path);
    if (key == failOpenOf_) return Status::IoError("cannot open " + path);
    auto found = files_.find(key);
    if (mode == OpenMode::kCreateNew || mode == OpenMode::kCreateTruncate) {
      if (!folders_.count(Key(FolderPart(path)))) return Status::NotFound(path);
      if (mode == OpenMode::kCreateNew && (found != files_.end() || folders_.count(key))) {
        return Status::IoError("exists " + path);
      }
      files_[key] = {path, std::make_shared<std::string>(), ++clock_};
      *file = std::make_unique<MemoryFile>(*this, files_[key].bytes, false);
      return Status::Ok();
    }
    if (found == files_.end()) return Status::NotFound(path);
    *file = std::make_unique<MemoryFile>(*this, found->second.bytes, mode == OpenMode::kRead);
    return Status::Ok();
  }
  bool Exists(const std::string& path) override {
    return files_.count(Key(path)) != 0 || folders_.count(Key(path)) != 0;
  }
  Status GetFileInfo(const std::string& path, FileInfo* info) override {
    *info = FileInfo();
    if (folders_.count(Key(path))) return Status::InvalidArgument(path + " is a folder");
    auto found = files_.find(Key(path));
    if (found == files_.end()) return Status::NotFound(path);
    info->size = found->second.bytes->size();
    return Status::Ok();
  }
  Status Rename(const std::string& from, const std::string& to) override {
    ++renames_;
    auto found = files_.find(Key(from));
    if (found == files_.end()) return Status::NotFound(from);
    if (Key(to) == failRenameTo_ || folders_.count(Key(to))) return Status::IoError("rename");
    if (!folders_.count(Key(FolderPart(to)))) return Status::NotFound(to);
    Entry entry = found->second;
    files_.erase(found);
    entry.path = to;
    files_[Key(to)] = entry;
    return Status::Ok();
  }
  Status Remove(const std::string& path) override {
    ++removes_;
    if (failRemoveOf_.count(Key(path))) return Status::IoError("in use " + path);
    return files_.erase(Key(path)) ? Status::Ok() : Status::NotFound(path);
  }
  Status SyncFolder(const std::string&) override { return Status::Ok(); }
  Status GetFreeBytes(const std::string& folder, std::uint64_t* bytes) override {
    auto found = free_.find(VolumeOf(folder));
    if (found == free_.end()) return FileSystem::GetFreeBytes(folder, bytes);
    *bytes = found->second;
    return Status::Ok();
  }
  Status CopyModifiedTime(const std::string& from, const std::string& to) override {
    auto source = files_.find(Key(from));
    auto target = files_.find(Key(to));
    if (source == files_.end() || target == files_.end()) return Status::NotFound(to);
    target->second.stamp = source->second.stamp;
    return Status::Ok();
  }

 private:
  struct Entry {
    std::string path;
    std::shared_ptr<std::string> bytes;
    int stamp = 0;  // stands for the modified time
  };

  class MemoryFile final : public File {
   public:
    MemoryFile(MemoryVolumes& owner, std::shared_ptr<std::string> bytes, bool readOnly)
        : owner_(owner), bytes_(std::move(bytes)), readOnly_(readOnly) {}
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
      std::size_t kept = size;
      if (owner_.truncateWrites_ && kept > 0) --kept;
      if (owner_.writeBudget_ < kept) {
        kept = static_cast<std::size_t>(owner_.writeBudget_);
        Put(offset, data, kept);
        owner_.writeBudget_ = 0;
        return Status::IoError("the disk is full");
      }
      owner_.writeBudget_ -= kept;
      Put(offset, data, kept);
      return Status::Ok();
    }
    Status GetSize(std::uint64_t* size) override {
      *size = bytes_->size();
      return Status::Ok();
    }
    Status Truncate(std::uint64_t size) override {
      bytes_->resize(size);
      return Status::Ok();
    }
    Status Sync() override {
      return owner_.failSync_ ? Status::IoError("flush failed") : Status::Ok();
    }

   private:
    void Put(std::uint64_t offset, const void* data, std::size_t size) {
      if (bytes_->size() < offset + size) bytes_->resize(offset + size);
      std::memcpy(&(*bytes_)[offset], data, size);
    }
    MemoryVolumes& owner_;
    std::shared_ptr<std::string> bytes_;
    bool readOnly_;
  };

  // Windows paths match without regard to case or a trailing separator.
  static std::string Key(const std::string& path) { return ComparablePath(path); }

  std::map<std::string, Entry> files_;
  std::set<std::string> folders_;
  std::map<std::string, std::uint64_t> free_;
  std::uint64_t writeBudget_ = ~std::uint64_t{0};
  bool failSync_ = false;
  bool truncateWrites_ = false;
  std::string failRenameTo_ = "\x01";
  std::string failOpenOf_ = "\x01";
  std::set<std::string> failRemoveOf_;
  int clock_ = 0;
  int renames_ = 0;
  int removes_ = 0;
};

}  // namespace bw::testing
