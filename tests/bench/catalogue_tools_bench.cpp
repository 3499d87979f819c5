// The catalogue tools on files of 1,000 and 65,535 realistic entries, beside the plain
// sequential read and the flushed plain copy of the same file (database_bench.cpp) and, for
// the export, a flushed plain copy of the export's own output, all in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_catalogue.h"
#include "cddb/database.h"
#include "cddb/database_export.h"
#include "cddb/database_info.h"
#include "cddb/database_search.h"
#include "cddb/database_sorter.h"
#include "cddb/text_rules.h"

namespace {

using namespace bw;
using namespace bw::bench;

void Require(benchmark::State& state, const Status& status) {
  if (!status.IsOk()) state.SkipWithError(status.ToString().c_str());
}

// The dialogs hear every event; a callback that looks at each is part of the cost.
ProgressCallback Listener(std::size_t* heard) {
  return [heard](const ProgressEvent& event) { *heard += event.text.size(); };
}

int Entries(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

// The sample catalogue is in file order, not in artist order: each round sorts it anew.
void BM_SortUnsorted(benchmark::State& state) {
  BenchFolder& folder = FolderOf(Entries(state));
  Database db(DefaultFileSystem(), folder.Path());
  std::size_t heard = 0;
  for (auto _ : state) {
    Require(state, SortDatabase(db, PortableCompareText, Listener(&heard)));
    state.PauseTiming();
    folder.Restore();
    state.ResumeTiming();
  }
}

// Sorting a sorted catalogue: the same work, and the file stays byte for byte.
void BM_SortSorted(benchmark::State& state) {
  BenchFolder& folder = FolderOf(Entries(state));
  Database db(DefaultFileSystem(), folder.Path());
  Require(state, SortDatabase(db, PortableCompareText, nullptr));
  std::size_t heard = 0;
  for (auto _ : state) Require(state, SortDatabase(db, PortableCompareText, Listener(&heard)));
  folder.Restore();
}

void SearchFor(benchmark::State& state, const SearchRequest& request) {
  Database db(DefaultFileSystem(), FolderOf(Entries(state)).Path());
  std::size_t heard = 0;
  std::vector<SearchHit> hits;
  for (auto _ : state) {
    Require(state, SearchDatabase(db, request, PortableTextRules(), Listener(&heard), &hits));
  }
  state.counters["hits"] = static_cast<double>(hits.size());
}

// A text no entry holds: every field of every entry is scanned, case folded.
void BM_SearchTextAllFieldsNoHit(benchmark::State& state) {
  SearchRequest request;
  request.text = "Nowhere Man";
  SearchFor(state, request);
}

// A text one entry in a thousand holds, in a track title.
void BM_SearchTextAllFieldsSomeHits(benchmark::State& state) {
  SearchRequest request;
  request.text = "length 7/";
  SearchFor(state, request);
}

void BM_SearchTextCaseSensitiveArtistOnly(benchmark::State& state) {
  SearchRequest request;
  request.text = "Number 4999";
  request.heedCase = true;
  request.fields.fill(false);
  request.fields[static_cast<int>(SearchField::kArtist)] = true;
  SearchFor(state, request);
}

void BM_SearchProperty(benchmark::State& state) {
  SearchRequest request;
  request.textSearch = false;
  request.propertyOption = 4;  // DDD: no sample entry
  SearchFor(state, request);
}

std::string ExportFile(int entries, ExportForm form) {
  return FolderOf(entries).Path() + (form == ExportForm::kPlainText ? "/export.txt" : "/export.csv");
}

void Export(benchmark::State& state, ExportForm form, bool sorted) {
  Database db(DefaultFileSystem(), FolderOf(Entries(state)).Path());
  ExportOptions options;
  options.form = form;
  options.sorted = sorted;
  std::size_t heard = 0;
  const std::string destination = ExportFile(Entries(state), form);
  for (auto _ : state) {
    Require(state, ExportDatabase(db, options, destination, PortableCompareText,
                                  [] { return true; }, Listener(&heard)));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(PlainRead(destination)));
}

void BM_ExportPlain(benchmark::State& state) { Export(state, ExportForm::kPlainText, false); }
void BM_ExportDelimited(benchmark::State& state) { Export(state, ExportForm::kDelimitedText, false); }
void BM_ExportPlainSorted(benchmark::State& state) { Export(state, ExportForm::kPlainText, true); }
void BM_ExportDelimitedSorted(benchmark::State& state) {
  Export(state, ExportForm::kDelimitedText, true);
}

// The yardstick of each export: a flushed plain copy of the file it wrote (run after it).
void CopyOfExport(benchmark::State& state, ExportForm form) {
  const std::string output = ExportFile(Entries(state), form);
  const std::string copy = output + ".copy";
  for (auto _ : state) {
    if (!PlainFlushedCopy(output, copy)) state.SkipWithError("run the export first");
  }
  std::remove(copy.c_str());
}
void BM_PlainCopyOfPlainExport(benchmark::State& state) { CopyOfExport(state, ExportForm::kPlainText); }
void BM_PlainCopyOfDelimitedExport(benchmark::State& state) {
  CopyOfExport(state, ExportForm::kDelimitedText);
}

void BM_DatabaseInfo(benchmark::State& state) {
  Database db(DefaultFileSystem(), FolderOf(Entries(state)).Path());
  DatabaseInfo info;
  for (auto _ : state) Require(state, ReadDatabaseInfo(db, &info));
  state.counters["tracks"] = static_cast<double>(info.tracks);
}

void Sizes(benchmark::internal::Benchmark* bench) {
  bench->Arg(1000)->Arg(65535)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_SearchTextAllFieldsNoHit)->Apply(Sizes);
BENCHMARK(BM_SearchTextAllFieldsSomeHits)->Apply(Sizes);
BENCHMARK(BM_SearchTextCaseSensitiveArtistOnly)->Apply(Sizes);
BENCHMARK(BM_SearchProperty)->Apply(Sizes);
BENCHMARK(BM_DatabaseInfo)->Apply(Sizes);

// Writers: few rounds at 65,535 entries, each moves some 40 MB and flushes it.
#define BW_TOOL_WRITER_BENCHMARK(function)                       \
  BENCHMARK(function)->Arg(1000)->Unit(benchmark::kMillisecond); \
  BENCHMARK(function)->Arg(65535)->Unit(benchmark::kMillisecond)->Iterations(6)
BW_TOOL_WRITER_BENCHMARK(BM_SortUnsorted);
BW_TOOL_WRITER_BENCHMARK(BM_SortSorted);
BW_TOOL_WRITER_BENCHMARK(BM_ExportPlain);
BW_TOOL_WRITER_BENCHMARK(BM_PlainCopyOfPlainExport);
BW_TOOL_WRITER_BENCHMARK(BM_ExportDelimited);
BW_TOOL_WRITER_BENCHMARK(BM_PlainCopyOfDelimitedExport);
BW_TOOL_WRITER_BENCHMARK(BM_ExportPlainSorted);
BW_TOOL_WRITER_BENCHMARK(BM_ExportDelimitedSorted);

}  // namespace
