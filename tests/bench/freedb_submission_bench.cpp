// How long submission and the setup dialogs take at the largest sizes they meet: writing and
// mailing the record of a 99-track disc with every text at its limit, gathering a long SMTP
// reply a byte at a time, and reading a full site list and statistics reply. Each sits next
// to a plain copy of the same bytes in the same run.
#include <benchmark/benchmark.h>

#include <string>

#include "freedb/reply_reader.h"
#include "freedb/server_statistics.h"
#include "freedb/site_list.h"
#include "freedb/smtp_reply_reader.h"
#include "freedb/submission_forms.h"
#include "freedb/xmcd_writer.h"

namespace {

using namespace bw::freedb;

DiscQuery LargestDisc() {
  DiscQuery disc;
  disc.discId = 0x7a0b1c63;
  for (int i = 0; i < 99; ++i) disc.frameOffsets.push_back(150 + i * 2000);
  disc.lengthSeconds = 4400;
  return disc;
}

SubmittedEntry LargestEntry() {
  SubmittedEntry entry;
  for (int i = 0; i < 99; ++i) entry.trackTitles.push_back(std::string(255, 't'));
  entry.artist = std::string(255, 'a');
  entry.discName = std::string(255, 'd');
  entry.category = "Rock";
  for (int i = 0; entry.notes.size() < kMaxSubmittedNotes; ++i) entry.notes += i % 20 ? 'n' : '\r';
  return entry;
}

std::string FullSiteList() {
  std::string reply = "210 OK, site information follows (until terminating `.')\r\n";
  while (reply.size() < kServerInfoReplyCapacity - 200) {
    reply += "us.freedb.org http 80 /~cddb/cddb.cgi N037.21 W121.55 San Jose, CA USA\r\n";
    reply += "us.freedb.org cddbp 8880 - N037.21 W121.55 San Jose, CA USA\r\n";
  }
  return reply + ".\r\n";
}

std::string FullStatistics() {
  std::string reply = "210 OK, status information follows (until terminating `.')\r\n";
  while (reply.size() < kServerInfoReplyCapacity - 400) reply += "    current users: 4\r\n";
  reply += "    max users: 100\r\nDatabase entries: 1871542\r\n    soundtrack: 67342\r\n.\r\n";
  return reply;
}

std::string LongSmtpReply() {
  std::string reply;
  while (reply.size() < kMaxSmtpReply - 100) reply += "250-mail.example.org extension\r\n";
  return reply + "250 ok\r\n";
}

void CopyBaseline(benchmark::State& state, const std::string& bytes) {
  for (auto _ : state) {
    std::string copy(bytes);
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_WriteLargestRecord(benchmark::State& state) {
  const DiscQuery disc = LargestDisc();
  const SubmittedEntry entry = LargestEntry();
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string record = WriteXmcdRecord(disc, entry);
    size = record.size();
    benchmark::DoNotOptimize(record.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_WriteLargestRecord);

void BM_SmtpMessageOfLargestRecord(benchmark::State& state) {
  const SubmissionTexts texts = PrepareSubmission(LargestDisc(), LargestEntry());
  for (auto _ : state) benchmark::DoNotOptimize(MakeSmtpMessage("jo@example.org", texts));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * texts.record.size()));
}
BENCHMARK(BM_SmtpMessageOfLargestRecord);

void BM_CopyLargestRecord(benchmark::State& state) {
  CopyBaseline(state, WriteXmcdRecord(LargestDisc(), LargestEntry()));
}
BENCHMARK(BM_CopyLargestRecord);

void BM_GatherSmtpReplyByteByByte(benchmark::State& state) {
  const std::string reply = LongSmtpReply();
  for (auto _ : state) {
    SmtpReplyReader reader;
    for (std::size_t at = 0; at < reply.size(); ++at) reader.Add(std::string_view(reply).substr(at, 1));
    benchmark::DoNotOptimize(reader.TakeReply());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reply.size()));
}
BENCHMARK(BM_GatherSmtpReplyByteByByte);

void BM_CopySmtpReply(benchmark::State& state) { CopyBaseline(state, LongSmtpReply()); }
BENCHMARK(BM_CopySmtpReply);

void BM_ParseFullSiteList(benchmark::State& state) {
  const std::string reply = FullSiteList();
  for (auto _ : state) benchmark::DoNotOptimize(ParseSiteList(reply));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reply.size()));
}
BENCHMARK(BM_ParseFullSiteList);

void BM_CopySiteList(benchmark::State& state) { CopyBaseline(state, FullSiteList()); }
BENCHMARK(BM_CopySiteList);

void BM_ParseFullStatistics(benchmark::State& state) {
  const std::string reply = FullStatistics();
  for (auto _ : state) benchmark::DoNotOptimize(ParseServerStatistics(reply));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reply.size()));
}
BENCHMARK(BM_ParseFullStatistics);

void BM_CopyStatistics(benchmark::State& state) { CopyBaseline(state, FullStatistics()); }
BENCHMARK(BM_CopyStatistics);

}  // namespace
