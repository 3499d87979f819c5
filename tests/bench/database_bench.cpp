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
#include "bench_catalogue.h"

namespace {

using namespace bw;
using namespace bw::bench;

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
  std::int64_t total = 0;
  for (auto _ : state) total += static_cast<std::int64_t>(PlainRead(folder.DataFile()));
  state.SetBytesProcessed(total);
}

void BM_PlainSequentialCopy(benchmark::State& state) {
  BenchFolder& folder = FolderOf(static_cast<int>(state.range(0)));
  const std::string copy = folder.Path() + "/copy.dat";
  for (auto _ : state) {
    if (!PlainFlushedCopy(folder.DataFile(), copy)) state.SkipWithError("the copy failed");
  }
  std::remove(copy.c_str());
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
