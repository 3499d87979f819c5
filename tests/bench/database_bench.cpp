// How long the catalogue's operations take on files of 1,000 and 65,535 realistic entries
// (12 titled tracks, every text filled), each beside a plain sequential read and copy of the
// same file in the same run: no operation should cost much more than one pass over the file.
// The append runs on 65,534 entries, since a file of 65,535 takes no more.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cddb/database.h"
#include "cddb/database_scanner.h"
#include "cddb/entry_codec.h"

namespace {

using namespace bw;

constexpr int kTracks = 12;

struct SampleDisc {
  DiscProfile profile;
  std::unique_ptr<TitleTable> titles = std::make_unique<TitleTable>();
  EntryDetails details;
};

SampleDisc MakeDisc(int seed) {
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
      EncodeEntry(disc.profile, *disc.titles, disc.details,
                  static_cast<std::uint32_t>(file.size()), &entry);
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

BenchFolder& FolderOf(int entries) {
  static std::map<int, std::unique_ptr<BenchFolder>> folders;
  auto& folder = folders[entries];
  if (!folder) folder = std::make_unique<BenchFolder>(entries);
  return *folder;
}

void Require(benchmark::State& state, const Status& status) {
  if (!status.IsOk()) state.SkipWithError(status.ToString().c_str());
}

void BM_FindEntryByProfileNoMatch(benchmark::State& state) {
  BenchFolder& folder = FolderOf(static_cast<int>(state.range(0)));
  Database db(DefaultFileSystem(), folder.Path());
  const SampleDisc unknown = MakeDisc(-7);
  for (auto _ : state) {
    std::uint32_t offset = 0;
    benchmark::DoNotOptimize(db.FindEntryByProfile(unknown.profile, &offset));
  }
}

void BM_CountEntries(benchmark::State& state) {
  BenchFolder& folder = FolderOf(static_cast<int>(state.range(0)));
  Database db(DefaultFileSystem(), folder.Path());
  for (auto _ : state) {
    std::uint16_t count = 0;
    Require(state, db.CountEntries(&count));
  }
}

void BM_LocateLastEntry(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  Database db(DefaultFileSystem(), FolderOf(entries).Path());
  for (auto _ : state) {
    std::uint32_t offset = 0;
    Require(state, db.LocateEntry(static_cast<std::uint16_t>(entries - 1), &offset));
  }
}

void BM_SequentialPass(benchmark::State& state) {
  Database db(DefaultFileSystem(), FolderOf(static_cast<int>(state.range(0))).Path());
  for (auto _ : state) {
    DatabaseScanner scanner(db);
    Status status = scanner.Open();
    CdEntry entry;
    while (status.IsOk()) status = scanner.Next(&entry);
    if (!status.IsNotFound()) Require(state, status);
  }
}

void BM_AppendEntry(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0)) == 65535 ? 65534 : static_cast<int>(state.range(0));
  BenchFolder& folder = FolderOf(entries);
  Database db(DefaultFileSystem(), folder.Path());
  const SampleDisc disc = MakeDisc(99999);
  for (auto _ : state) {
    Require(state, db.AppendEntry(disc.profile, *disc.titles, disc.details));
    state.PauseTiming();
    folder.Restore();
    state.ResumeTiming();
  }
}

void BM_DeleteFirstEntry(benchmark::State& state) {
  BenchFolder& folder = FolderOf(static_cast<int>(state.range(0)));
  Database db(DefaultFileSystem(), folder.Path());
  for (auto _ : state) {
    Require(state, db.DeleteEntry(8));
    state.PauseTiming();
    folder.Restore();
    state.ResumeTiming();
  }
}

void BM_ReplaceMiddleEntry(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  Database db(DefaultFileSystem(), FolderOf(entries).Path());
  // The entry's own contents: the file stays the same from one round to the next.
  const SampleDisc disc = MakeDisc(entries / 2);
  for (auto _ : state) {
    Require(state, db.ReplaceEntry(static_cast<std::uint16_t>(entries / 2), disc.profile,
                                   *disc.titles, disc.details));
  }
}

// The sorter's rewrite: every entry fetched from a scattered place.
void BM_RebuildShuffled(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  Database db(DefaultFileSystem(), FolderOf(entries).Path());
  std::vector<std::uint16_t> order(static_cast<std::size_t>(entries));
  for (int i = 0; i < entries; ++i) {
    order[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>((i * 7919) % entries);
  }
  for (auto _ : state) Require(state, db.RebuildInOrder(order));
  FolderOf(entries).Restore();
}

// The yardsticks: reading the file once, and copying it to a flushed new file, in 1 MiB blocks.
void BM_PlainSequentialRead(benchmark::State& state) {
  BenchFolder& folder = FolderOf(static_cast<int>(state.range(0)));
  std::vector<char> block(1024 * 1024);
  std::int64_t total = 0;
  for (auto _ : state) {
    std::unique_ptr<File> file;
    Require(state, DefaultFileSystem().Open(folder.DataFile(), OpenMode::kRead, &file));
    std::uint64_t offset = 0;
    std::size_t got = 0;
    do {
      file->ReadAt(offset, block.data(), block.size(), &got);
      offset += got;
    } while (got == block.size());
    total += static_cast<std::int64_t>(offset);
  }
  state.SetBytesProcessed(total);
}

void BM_PlainSequentialCopy(benchmark::State& state) {
  BenchFolder& folder = FolderOf(static_cast<int>(state.range(0)));
  const std::string copy = folder.Path() + "/copy.dat";
  std::vector<char> block(1024 * 1024);
  for (auto _ : state) {
    std::unique_ptr<File> in;
    std::unique_ptr<File> out;
    Require(state, DefaultFileSystem().Open(folder.DataFile(), OpenMode::kRead, &in));
    Require(state, DefaultFileSystem().Open(copy, OpenMode::kCreateTruncate, &out));
    std::uint64_t offset = 0;
    std::size_t got = 0;
    do {
      in->ReadAt(offset, block.data(), block.size(), &got);
      out->WriteAt(offset, block.data(), got);
      offset += got;
    } while (got == block.size());
    out->Sync();
    out.reset();
    DefaultFileSystem().Remove(copy);
  }
}

void Sizes(benchmark::internal::Benchmark* bench) {
  bench->Arg(1000)->Arg(65535)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_PlainSequentialRead)->Apply(Sizes);
BENCHMARK(BM_CountEntries)->Apply(Sizes);
BENCHMARK(BM_FindEntryByProfileNoMatch)->Apply(Sizes);
BENCHMARK(BM_LocateLastEntry)->Apply(Sizes);
BENCHMARK(BM_SequentialPass)->Apply(Sizes);

// Few rounds for the 65,535-entry writers: each moves some 30 MB and flushes it.
#define BW_WRITER_BENCHMARK(function)                                   \
  BENCHMARK(function)->Arg(1000)->Unit(benchmark::kMillisecond);        \
  BENCHMARK(function)->Arg(65535)->Unit(benchmark::kMillisecond)->Iterations(6)
BW_WRITER_BENCHMARK(BM_PlainSequentialCopy);
BW_WRITER_BENCHMARK(BM_AppendEntry);
BW_WRITER_BENCHMARK(BM_DeleteFirstEntry);
BW_WRITER_BENCHMARK(BM_ReplaceMiddleEntry);
BW_WRITER_BENCHMARK(BM_RebuildShuffled);

}  // namespace
