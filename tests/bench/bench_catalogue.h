// The catalogue files the benchmarks work on: 1,000 and 65,535 realistic entries (12 titled
// tracks, every text filled), written once per run with the production encoder, and plain
// copies and reads of files as yardsticks.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "cddb/disc_entry.h"
#include "cddb/entry_codec.h"

namespace bw::bench {

inline constexpr int kTracks = 12;

struct SampleDisc {
  DiscProfile profile;
  std::unique_ptr<TitleTable> titles = std::make_unique<TitleTable>();
  EntryDetails details;
};

inline SampleDisc MakeDisc(int seed) {
  SampleDisc disc;
  disc.profile.trackCount = kTracks;
  unsigned total = 0;
  for (int t = 0; t < kTracks; ++t) {
    const auto seconds = static_cast<std::uint16_t>(150 + (seed * 31 + t * 17) % 240);
    disc.profile.trackSeconds[t] = seconds;
    total += seconds;
    disc.titles->Set(t, "A Track Title Of Usual Length " + std::to_string(seed % 1000) + "/" +
                            std::to_string(t + 1));
  }
  disc.profile.totalSeconds = static_cast<std::uint16_t>(total);
  disc.details.artist = "The Artist Number " + std::to_string(seed % 5000);
  disc.details.discName = "A Disc Name Of Usual Length " + std::to_string(seed);
  disc.details.category = "rock";
  disc.details.label = "Some Record Label Ltd.";
  disc.details.notes = "Recorded at the studio.\r\nRemastered from the original tapes.";
  disc.details.yearReleased = "1987";
  return disc;
}

// One folder per size, written once per run with the production encoder.
class BenchFolder {
 public:
  explicit BenchFolder(int entries) {
    path_ = std::filesystem::temp_directory_path() /
            ("bw_database_bench_" + std::to_string(entries));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    std::vector<std::uint8_t> file = {0xFF, 'T', 'Q', 'L', 0x00, 0x0A,
                                      static_cast<std::uint8_t>(entries & 0xFF),
                                      static_cast<std::uint8_t>(entries >> 8)};
    std::vector<std::uint8_t> entry;
    for (int i = 0; i < entries; ++i) {
      const SampleDisc disc = MakeDisc(i);
      if (!EncodeEntry(disc.profile, *disc.titles, disc.details,
                       static_cast<std::uint32_t>(file.size()), &entry)
               .IsOk()) {
        std::abort();  // the sample discs always fit the format
      }
      file.insert(file.end(), entry.begin(), entry.end());
    }
    pristine_ = (path_ / "pristine.dat").string();
    WriteAll(pristine_, file);
    Restore();
  }
  ~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  std::string Path() const { return path_.string(); }
  std::string DataFile() const { return (path_ / "brindwax.dat").string(); }
  // Puts the unchanged file back after an operation that changed it.
  void Restore() { std::filesystem::copy_file(pristine_, DataFile(), std::filesystem::copy_options::overwrite_existing); }

 private:
  static void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
  }

  std::filesystem::path path_;
  std::string pristine_;
};

inline BenchFolder& FolderOf(int entries) {
  static std::map<int, std::unique_ptr<BenchFolder>> folders;
  auto& folder = folders[entries];
  if (!folder) folder = std::make_unique<BenchFolder>(entries);
  return *folder;
}

// Reads a file once in 1 MiB blocks; returns its size.
inline std::uint64_t PlainRead(const std::string& path) {
  std::vector<char> block(1024 * 1024);
  std::unique_ptr<File> file;
  if (!DefaultFileSystem().Open(path, OpenMode::kRead, &file).IsOk()) return 0;
  std::uint64_t offset = 0;
  std::size_t got = 0;
  do {
    if (!file->ReadAt(offset, block.data(), block.size(), &got).IsOk()) break;
    offset += got;
  } while (got == block.size());
  return offset;
}

// Copies a file to a new one in 1 MiB blocks and flushes it; false on any failure.
inline bool PlainFlushedCopy(const std::string& from, const std::string& to) {
  std::vector<char> block(1024 * 1024);
  std::unique_ptr<File> in;
  std::unique_ptr<File> out;
  if (!DefaultFileSystem().Open(from, OpenMode::kRead, &in).IsOk()) return false;
  if (!DefaultFileSystem().Open(to, OpenMode::kCreateTruncate, &out).IsOk()) return false;
  std::uint64_t offset = 0;
  std::size_t got = 0;
  do {
    if (!in->ReadAt(offset, block.data(), block.size(), &got).IsOk()) return false;
    if (!out->WriteAt(offset, block.data(), got).IsOk()) return false;
    offset += got;
  } while (got == block.size());
  return out->Sync().IsOk();
}

}  // namespace bw::bench
