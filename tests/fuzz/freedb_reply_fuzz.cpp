// Fuzzes everything that reads a freedb server's bytes: the reply gatherer with arbitrary
// chunking, the query reply parser, the xmcd field extractors and both query dialogues.
// Whatever arrives, no buffer is overrun and every stored text keeps its limit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "freedb/cddbp_query_dialogue.h"
#include "freedb/http_query_dialogue.h"
#include "freedb/query_reply.h"
#include "freedb/reply_reader.h"
#include "freedb/xmcd_record.h"

namespace {

using namespace bw::freedb;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckRecord(const FreedbRecord& record) {
  for (const std::string& title : record.trackTitles) Check(title.size() <= kMaxTitleLength);
  Check(record.details.artist.size() <= kMaxTitleLength);
  Check(record.details.discName.size() <= kMaxTitleLength);
  Check(record.details.category.size() <= kMaxCategoryLength);
  Check(record.details.notes.size() <= kMaxNotesLength);
}

void CheckActions(const QueryActions& actions) {
  for (const QueryAction& action : actions) {
    if (action.kind == QueryAction::Kind::kStoreRecord) CheckRecord(action.record);
    for (const InexactMatch& match : action.matches) {
      Check(match.Selector().size() <= kMaxSelectorLength);
    }
  }
}

// Answers every question the dialogue asks, so the fuzzer reaches the read.
template <typename Dialogue>
void AnswerQuestions(Dialogue& dialogue, QueryActions actions, int choice) {
  for (int round = 0; round < 4 && !actions.empty(); ++round) {
    CheckActions(actions);
    QueryActions next;
    for (const QueryAction& action : actions) {
      if (action.kind == QueryAction::Kind::kChooseMatch) next = dialogue.OnMatchChosen(choice);
      if (action.kind == QueryAction::Kind::kCheckExisting) next = dialogue.OnExistingChecked(true);
    }
    actions = std::move(next);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  // The first byte picks the chunk size and the user's choice; the rest is the server's.
  const std::size_t chunk = size > 0 ? 1 + data[0] % 64 : 1;
  const int choice = size > 0 ? static_cast<int>(data[0] % 5) - 1 : 0;
  const std::string_view bytes = size > 0 ? input.substr(1) : input;

  const QueryReply reply = ParseQueryReply(bytes);
  Check(reply.selector.size() <= kMaxSelectorLength);
  if (reply.kind == QueryReply::Kind::kChoose) {
    Check(reply.matches.size() >= 2);
    ChosenSelector(reply.matches, choice);
  }
  CheckRecord(ExtractRecord(bytes, 99));

  ReplyReader reader(kServerInfoReplyCapacity);
  reader.ExpectLineOrList("211");
  for (std::size_t at = 0; at < bytes.size(); at += chunk) {
    reader.Add(bytes.substr(at, chunk));
    Check(reader.Reply().size() <= reader.Capacity());
  }

  DiscQuery disc;
  disc.discId = 0x820e770a;
  disc.frameOffsets = {182, 29035, 58502};
  disc.lengthSeconds = 3705;

  // CDDBP: greeting and hello accepted, then the fuzzer's bytes as the query and read replies.
  CddbpQueryDialogue cddbp(disc, "jo@example.org");
  cddbp.Start();
  cddbp.OnReceived("201 ready\r\n");
  cddbp.OnReceived("200 hello\r\n");
  for (std::size_t at = 0; at < bytes.size(); at += chunk) {
    AnswerQuestions(cddbp, cddbp.OnReceived(bytes.substr(at, chunk)), choice);
    Check(cddbp.PendingReply().size() <= kQueryReplyCapacity);
  }
  cddbp.OnClosed();

  // HTTP: the bytes as the query reply, then again as the read reply.
  HttpQueryDialogue http(disc, "jo@example.org", {"gnudb.gnudb.org", "/~cddb/cddb.cgi"});
  http.Start(true);
  AnswerQuestions(http, http.OnFetched(bytes), choice);
  AnswerQuestions(http, http.OnFetched(bytes), choice);
  return 0;
}
