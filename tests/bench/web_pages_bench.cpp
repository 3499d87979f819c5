// The web pages of 1,000 and 65,535 realistic entries, one page and many, plain and tables,
// beside a flushed plain copy of the catalogue file in the same run.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_catalogue.h"
#include "cddb/database.h"
#include "cddb/text_rules.h"
#include "web/html_pages.h"

namespace {

using namespace bw;
using namespace bw::bench;

void Pages(benchmark::State& state, bool many, bool table) {
  BenchFolder& folder = FolderOf(static_cast<int>(state.range(0)));
  const std::string site = folder.Path() + "/site";
  std::filesystem::create_directories(site);
  Database db(DefaultFileSystem(), folder.Path());
  HtmlOptions options;
  options.multiplePages = many;
  options.table = table;
  const PageFrame frame = BuiltInPageFrame();
  const PageDestination destination{site, "index.htm"};
  std::size_t heard = 0;
  const auto listen = [&heard](std::string_view text) { heard += text.size(); };
  for (auto _ : state) {
    const Status status =
        WriteHtmlPages(db, options, frame, destination, PortableCompareTextIgnoringCase, listen, listen);
    if (!status.IsOk()) state.SkipWithError(status.ToString().c_str());
  }
  state.counters["index_bytes"] =
      static_cast<double>(std::filesystem::file_size(site + "/index.htm"));
  std::filesystem::remove_all(site);
}

void BM_WebOnePagePlain(benchmark::State& state) { Pages(state, false, false); }
void BM_WebOnePageTable(benchmark::State& state) { Pages(state, false, true); }
void BM_WebManyPagesPlain(benchmark::State& state) { Pages(state, true, false); }
void BM_WebManyPagesTable(benchmark::State& state) { Pages(state, true, true); }

void BM_WebPlainCopyOfCatalogue(benchmark::State& state) {
  BenchFolder& folder = FolderOf(static_cast<int>(state.range(0)));
  const std::string copy = folder.Path() + "/copy.dat";
  for (auto _ : state) {
    if (!PlainFlushedCopy(folder.DataFile(), copy)) state.SkipWithError("the copy failed");
  }
  std::filesystem::remove(copy);
}

#define BW_WEB_BENCHMARK(function)                               \
  BENCHMARK(function)->Arg(1000)->Unit(benchmark::kMillisecond); \
  BENCHMARK(function)->Arg(65535)->Unit(benchmark::kMillisecond)->Iterations(3)
BW_WEB_BENCHMARK(BM_WebPlainCopyOfCatalogue);
BW_WEB_BENCHMARK(BM_WebOnePagePlain);
BW_WEB_BENCHMARK(BM_WebOnePageTable);
BW_WEB_BENCHMARK(BM_WebManyPagesPlain);
BW_WEB_BENCHMARK(BM_WebManyPagesTable);

}  // namespace
