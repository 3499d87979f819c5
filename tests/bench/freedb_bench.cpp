// How long the freedb client takes over the largest reply it accepts: gathering a read
// reply of a full buffer in 2,048-byte chunks, and extracting a 99-track record from it.
#include <benchmark/benchmark.h>

#include <string>

#include "freedb/query_reply.h"
#include "freedb/reply_reader.h"
#include "freedb/xmcd_record.h"

namespace {

using namespace bw::freedb;

// A read reply of 99 tracks, each title continued over several lines, filling the buffer.
std::string FullReadReply() {
  std::string reply = "210 rock 7a0b1c09 CD database entry follows (until terminating `.')\r\n";
  reply += "DTITLE=Some Artist / Some Disc\r\nEXTD=Notes\\nwith escapes\\tand more\r\n";
  for (int line = 0; reply.size() < kQueryReplyCapacity - 100; ++line) {
    reply += "TTITLE" + std::to_string(line % 99) + "=A reasonably long track title part\r\n";
  }
  return reply + ".\r\n";
}

void BM_GatherReadReply(benchmark::State& state) {
  const std::string reply = FullReadReply();
  ReplyReader reader(kQueryReplyCapacity);
  for (auto _ : state) {
    reader.ExpectLineOrList("210", true);
    for (std::size_t at = 0; at < reply.size(); at += kListChunkSize) {
      reader.Add(std::string_view(reply).substr(at, kListChunkSize));
    }
    benchmark::DoNotOptimize(reader.IsComplete());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reply.size()));
}
BENCHMARK(BM_GatherReadReply);

void BM_ExtractRecord(benchmark::State& state) {
  const std::string reply = FullReadReply();
  for (auto _ : state) benchmark::DoNotOptimize(ExtractRecord(reply, 99));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reply.size()));
}
BENCHMARK(BM_ExtractRecord);

void BM_ParseInexactMatches(benchmark::State& state) {
  std::string reply = "211 Found inexact matches, list follows (until terminating `.')\r\n";
  while (reply.size() < kQueryReplyCapacity - 100)
    reply += "misc d50dd30f Various / Ska Island\r\n";
  reply += ".\r\n";
  for (auto _ : state) benchmark::DoNotOptimize(ParseQueryReply(reply));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reply.size()));
}
BENCHMARK(BM_ParseInexactMatches);

}  // namespace
