// Helpers of the catalogue tests: a temporary program folder, an independent little writer of
// the file format, and a file system wrapper that fails or "dies" at a chosen write step.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cddb/database.h"
#include "cddb/database_scanner.h"
#include "base/file_system.h"

namespace bw::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("bw_cddb_" + std::to_string(stamp) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path() const { return path_.string(); }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  // A new file rather than an emptied one: some file systems flush an emptied file's
  // replacement to the disk at once, which makes tests slow.
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

// One entry as the reference writer takes it: the fields in file order.
struct RefEntry {
  std::uint16_t totalSeconds = 0;
  std::uint16_t firstTrackSeconds = 0;
  std::vector<std::pair<std::string, std::uint16_t>> tracks;
  std::string texts[5];  // artist, disc name, category, label, notes
  std::uint8_t codes[3] = {0, 0, 1};
  std::string year;
};

inline std::string Le16(unsigned value) {
  return std::string{static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}
inline std::string Le32(unsigned value) { return Le16(value & 0xFFFF) + Le16(value >> 16); }

// The file the format prescribes for these entries, written without any of the code under test.
inline std::string RefFile(const std::vector<RefEntry>& entries) {
  std::string out("\xFFTQL\x00\x0A", 6);
  out += Le16(static_cast<unsigned>(entries.size()));
  for (const RefEntry& e : entries) {
    std::string body = Le16(e.totalSeconds) + Le16(e.firstTrackSeconds);
    body += static_cast<char>(e.tracks.size());
    for (const auto& [title, seconds] : e.tracks) {
      body += static_cast<char>(title.size()) + title + Le16(seconds);
    }
    for (const std::string& text : e.texts) body += static_cast<char>(text.size()) + text;
    for (std::uint8_t code : e.codes) body += static_cast<char>(code);
    body += static_cast<char>(e.year.size()) + e.year;
    const unsigned start = static_cast<unsigned>(out.size());
    const unsigned recordLength = 2 + static_cast<unsigned>(body.size()) + 4;
    out += Le32(start + 4 + recordLength) + Le16(recordLength) + body + Le32(start);
  }
  return out;
}

// A varied, realistic entry: `tracks` titled tracks, filled texts, codes from the seed.
inline RefEntry SampleEntry(int seed, int tracks = 12) {
  RefEntry e;
  unsigned total = 0;
  for (int t = 0; t < tracks; ++t) {
    const auto seconds = static_cast<std::uint16_t>(120 + (seed * 37 + t * 53) % 300);
    e.tracks.push_back({"Track " + std::to_string(t + 1) + " of disc " + std::to_string(seed),
                        seconds});
    total += seconds;
  }
  e.totalSeconds = static_cast<std::uint16_t>(total);
  e.firstTrackSeconds = tracks > 0 ? e.tracks[0].second : 0;
  e.texts[0] = "Artist " + std::to_string(seed % 97);
  e.texts[1] = "Disc name number " + std::to_string(seed);
  e.texts[2] = seed % 2 ? "rock" : "jazz";
  e.texts[3] = "Label \xE9" + std::to_string(seed % 13);
  e.texts[4] = "Recorded live.\r\nSecond line of notes " + std::to_string(seed);
  e.codes[0] = static_cast<std::uint8_t>(seed % 4);
  e.codes[1] = static_cast<std::uint8_t>((seed / 4) % 4);
  e.codes[2] = static_cast<std::uint8_t>(seed % 2);
  e.year = std::to_string(1960 + seed % 60);
  return e;
}

inline DiscProfile ProfileOf(const RefEntry& e) {
  DiscProfile profile;
  profile.trackCount = static_cast<int>(e.tracks.size());
  profile.totalSeconds = e.totalSeconds;
  for (std::size_t t = 0; t < e.tracks.size(); ++t) profile.trackSeconds[t] = e.tracks[t].second;
  if (e.tracks.empty()) profile.trackSeconds[0] = e.firstTrackSeconds;
  return profile;
}

inline std::unique_ptr<TitleTable> TitlesOf(const RefEntry& e) {
  auto table = std::make_unique<TitleTable>();
  for (std::size_t t = 0; t < e.tracks.size(); ++t) table->Set(static_cast<int>(t), e.tracks[t].first);
  return table;
}

inline EntryDetails DetailsOf(const RefEntry& e) {
  EntryDetails d;
  d.artist = e.texts[0];
  d.discName = e.texts[1];
  d.category = e.texts[2];
  d.label = e.texts[3];
  d.notes = e.texts[4];
  d.recording = e.codes[0];
  d.type = e.codes[1];
  d.size = e.codes[2];
  d.yearReleased = e.year;
  return d;
}

inline Status Append(Database& db, const RefEntry& e) {
  return db.AppendEntry(ProfileOf(e), *TitlesOf(e), DetailsOf(e));
}

// Every entry a full pass delivers, as RefEntry, plus the pass's final status.
inline std::vector<RefEntry> Catalogue(Database& db, Status* end = nullptr) {
  std::vector<RefEntry> entries;
  DatabaseScanner scanner(db);
  Status status = scanner.Open();
  CdEntry entry;
  while (status.IsOk() && (status = scanner.Next(&entry)).IsOk()) {
    RefEntry e;
    e.totalSeconds = entry.profile.totalSeconds;
    e.firstTrackSeconds = entry.firstTrackSeconds;
    for (int t = 0; t < entry.profile.trackCount; ++t) {
      e.tracks.push_back({entry.titles[static_cast<std::size_t>(t)], entry.profile.trackSeconds[t]});
    }
    const EntryDetails& d = entry.details;
    e.texts[0] = d.artist;
    e.texts[1] = d.discName;
    e.texts[2] = d.category;
    e.texts[3] = d.label;
    e.texts[4] = d.notes;
    e.codes[0] = d.recording;
    e.codes[1] = d.type;
    e.codes[2] = d.size;
    e.year = d.yearReleased;
    entries.push_back(e);
  }
  if (end) *end = status;
  return entries;
}

inline bool operator==(const RefEntry& a, const RefEntry& b) {
  return a.totalSeconds == b.totalSeconds && a.firstTrackSeconds == b.firstTrackSeconds &&
         a.tracks == b.tracks && std::equal(a.texts, a.texts + 5, b.texts) &&
         std::equal(a.codes, a.codes + 3, b.codes) && a.year == b.year;
}

// The real file system without its flushes, for tests whose subject is not durability (the
// fault wrapper below models durability itself); flushing to a real disk is slow.
class NoFlushFileSystem : public FileSystem {
 public:
  Status Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* file) override {
    std::unique_ptr<File> inner;
    Status status = DefaultFileSystem().Open(path, mode, &inner);
    if (status.IsOk()) *file = std::make_unique<NoFlushFile>(std::move(inner));
    return status;
  }
  bool Exists(const std::string& path) override { return DefaultFileSystem().Exists(path); }
  Status GetFileInfo(const std::string& path, FileInfo* info) override {
    return DefaultFileSystem().GetFileInfo(path, info);
  }
  Status Rename(const std::string& from, const std::string& to) override {
    return DefaultFileSystem().Rename(from, to);
  }
  Status Remove(const std::string& path) override { return DefaultFileSystem().Remove(path); }
  Status SyncFolder(const std::string&) override { return Status::Ok(); }

 private:
  class NoFlushFile : public File {
   public:
    explicit NoFlushFile(std::unique_ptr<File> inner) : inner_(std::move(inner)) {}
    Status ReadAt(std::uint64_t offset, void* buffer, std::size_t size,
                  std::size_t* bytesRead) override {
      return inner_->ReadAt(offset, buffer, size, bytesRead);
    }
    Status WriteAt(std::uint64_t offset, const void* data, std::size_t size) override {
      return inner_->WriteAt(offset, data, size);
    }
    Status GetSize(std::uint64_t* size) override { return inner_->GetSize(size); }
    Status Truncate(std::uint64_t size) override { return inner_->Truncate(size); }
    Status Sync() override { return Status::Ok(); }

   private:
    std::unique_ptr<File> inner_;
  };
};

inline FileSystem& NoFlushFiles() {
  static NoFlushFileSystem fileSystem;
  return fileSystem;
}

// Wraps a real file system. Every change to the disk (creating open, write, truncate, flush,
// rename, delete, folder flush) is a numbered step. A test arms one fault:
//  - kFailOnce: step n reports an I/O error and changes nothing; later steps work;
//  - kFailFrom: step n and every later step fail (the disk went away);
//  - kCrashAt: the process dies at step n: a write there lands only half, and nothing after
//    it reaches the disk. Crash(kPowerLoss) then also drops what was written but never
//    flushed, as a power loss could; Crash(kProcessKilled) keeps it, as the system would.
// The log names every step in order, for tests of the order of writes.
class FaultFileSystem : public FileSystem {
 public:
  enum class Fault { kNone, kFailOnce, kFailFrom, kCrashAt };
  enum class CrashKind { kProcessKilled, kPowerLoss };

  explicit FaultFileSystem(FileSystem& base) : base_(base) {}

  void Arm(Fault fault, int step) {
    fault_ = fault;
    faultStep_ = step;
    steps_ = 0;
    crashed_ = false;
    log_.clear();
    durable_.clear();
  }
  void Disarm() { fault_ = Fault::kNone; }
  int Steps() const { return steps_; }
  bool Crashed() const { return crashed_; }
  const std::vector<std::string>& Log() const { return log_; }

  // Ends the dead process's session; a power loss puts every file written since its last
  // flush back to what it held then.
  void Crash(CrashKind kind) {
    if (kind == CrashKind::kPowerLoss) {
      for (const auto& [path, content] : durable_) {
        if (base_.Exists(path)) WriteBytes(path, content);
      }
    }
    durable_.clear();
    fault_ = Fault::kNone;
  }

  Status Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* file) override {
    const bool creates = mode == OpenMode::kCreateTruncate || mode == OpenMode::kCreateNew;
    if (mode != OpenMode::kRead) Remember(path);
    if (creates) {
      Status status = Step("create " + Name(path));
      if (!status.IsOk()) return status;
    }
    std::unique_ptr<File> inner;
    Status status = base_.Open(path, mode, &inner);
    if (!status.IsOk()) return status;
    *file = std::make_unique<FaultFile>(*this, path, std::move(inner));
    return Status::Ok();
  }
  bool Exists(const std::string& path) override { return base_.Exists(path); }
  Status GetFileInfo(const std::string& path, FileInfo* info) override {
    return base_.GetFileInfo(path, info);
  }
  Status Rename(const std::string& from, const std::string& to) override {
    Status status = Step("rename " + Name(from) + " " + Name(to));
    if (!status.IsOk()) return status;
    status = base_.Rename(from, to);
    if (status.IsOk()) {
      auto it = durable_.find(from);
      durable_.erase(to);
      if (it != durable_.end()) {
        durable_[to] = it->second;
        durable_.erase(it);
      }
    }
    return status;
  }
  Status Remove(const std::string& path) override {
    Status status = Step("remove " + Name(path));
    if (!status.IsOk()) return status;
    durable_.erase(path);
    return base_.Remove(path);
  }
  Status SyncFolder(const std::string& folder) override {
    Status status = Step("syncfolder");
    if (!status.IsOk()) return status;
    return base_.SyncFolder(folder);
  }

 private:
  class FaultFile : public File {
   public:
    FaultFile(FaultFileSystem& owner, std::string path, std::unique_ptr<File> inner)
        : owner_(owner), path_(std::move(path)), inner_(std::move(inner)) {}
    Status ReadAt(std::uint64_t offset, void* buffer, std::size_t size,
                  std::size_t* bytesRead) override {
      return inner_->ReadAt(offset, buffer, size, bytesRead);
    }
    Status WriteAt(std::uint64_t offset, const void* data, std::size_t size) override {
      Status status = owner_.Step("write " + Name(path_) + " @" + std::to_string(offset));
      if (!status.IsOk()) {
        // A crash in the middle of a write leaves its first half; a write inside one sector
        // is taken to land whole or not at all, as disks do.
        if (owner_.crashed_ && owner_.steps_ == owner_.faultStep_ && size > 512) {
          (void)inner_->WriteAt(offset, data, size / 2);  // the crash is what is reported
        }
        return status;
      }
      return inner_->WriteAt(offset, data, size);
    }
    Status GetSize(std::uint64_t* size) override { return inner_->GetSize(size); }
    Status Truncate(std::uint64_t size) override {
      Status status = owner_.Step("truncate " + Name(path_));
      if (!status.IsOk()) return status;
      return inner_->Truncate(size);
    }
    Status Sync() override {
      Status status = owner_.Step("sync " + Name(path_));
      if (!status.IsOk()) return status;
      status = inner_->Sync();
      if (status.IsOk()) owner_.durable_[path_] = ReadBytes(path_);
      return status;
    }

   private:
    FaultFileSystem& owner_;
    std::string path_;
    std::unique_ptr<File> inner_;
  };

  static std::string Name(const std::string& path) {
    return std::filesystem::path(path).filename().string();
  }

  // Notes what a file held at its last flush, the first time it is opened for writing.
  void Remember(const std::string& path) {
    if (durable_.count(path)) return;
    durable_[path] = base_.Exists(path) ? ReadBytes(path) : std::string();
  }

  Status Step(const std::string& what) {
    ++steps_;
    log_.push_back(what);
    const bool hit = steps_ == faultStep_;
    switch (fault_) {
      case Fault::kNone: break;
      case Fault::kFailOnce:
        if (hit) return Status::IoError("injected failure at step " + std::to_string(steps_));
        break;
      case Fault::kFailFrom:
        if (steps_ >= faultStep_) return Status::IoError("injected failure");
        break;
      case Fault::kCrashAt:
        if (hit) crashed_ = true;
        if (crashed_) return Status::IoError("the process died");
        break;
    }
    return Status::Ok();
  }

  FileSystem& base_;
  Fault fault_ = Fault::kNone;
  int faultStep_ = 0;
  int steps_ = 0;
  bool crashed_ = false;
  std::vector<std::string> log_;
  std::map<std::string, std::string> durable_;
};

}  // namespace bw::testing
