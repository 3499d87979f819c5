// Arbitrary bytes as brindwax.dat, held in memory: every reader, the check and the writers
// must neither crash nor read astray, and a writer that accepts the file must leave a chain
// whose every link holds.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "cddb/database.h"
#include "cddb/database_scanner.h"

namespace {

using namespace bw;

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

void Expect(bool condition) {
  if (!condition) std::abort();
}

// A profile taken from the first bytes, so lookups sometimes match.
DiscProfile ProfileFrom(const std::uint8_t* data, std::size_t size) {
  DiscProfile profile;
  if (size < 19) return profile;
  profile.totalSeconds = static_cast<std::uint16_t>(data[14] | (data[15] << 8));
  profile.trackCount = data[18] % 100;
  for (int t = 0; t < profile.trackCount && 21 + 2 * t < static_cast<int>(size); ++t) {
    profile.trackSeconds[t] = static_cast<std::uint16_t>(data[19 + 2 * t] | (data[20 + 2 * t] << 8));
  }
  return profile;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemoryFileSystem files;
  files.Put("brindwax.dat", data, size);
  Database db(files, "");

  std::uint16_t count = 0;
  db.CountEntries(&count);
  DatabaseScanner scanner(db);
  Status status = scanner.Open();
  CdEntry entry;
  while (status.IsOk()) status = scanner.Next(&entry);
  if (count > 0) {
    std::uint32_t offset = 0;
    if (db.LocateEntry(static_cast<std::uint16_t>(count - 1), &offset).IsOk()) {
      auto titles = std::make_unique<TitleTable>();
      EntryDetails details;
      std::string text;
      db.ReadEntry(offset, titles.get(), &details);
      DiscProfile profile;
      db.ReadEntryProfile(offset, &profile);
      db.ReadEntryArtist(offset, &text);
      db.ReadEntryDiscName(offset, &text);
      db.ReadEntryTrackTitle(offset, 1 + size % 100, &text);
    }
  }
  std::string text;
  if (size >= 4) {
    std::uint32_t anywhere = 0;
    std::memcpy(&anywhere, data + size - 4, 4);
    db.ReadEntryArtist(anywhere % (size + 8), &text);
  }
  DatabaseCheck check;
  const bool sound = db.CheckDatabase(&check).IsOk();
  Expect(!sound || check.intactEntries == count);

  const DiscProfile profile = ProfileFrom(data, size);
  db.CurrentDiscCaption(profile);
  auto titles = std::make_unique<TitleTable>();
  db.LoadCurrentDiscTitles(profile, titles.get());

  // Writers: whatever they accept must come out with every link intact.
  EntryDetails details;
  details.artist = "Fuzz";
  if (db.AppendEntry(profile, *titles, details).IsOk()) {
    std::uint16_t after = 0;
    Expect(db.CountEntries(&after).IsOk());
    if (db.DeleteEntry(8).IsOk()) {
      Expect(db.CountEntries(&after).IsOk());
      if (after > 0) Expect(db.ReplaceEntry(0, profile, *titles, details).IsOk());
    }
  }
  return 0;
}
