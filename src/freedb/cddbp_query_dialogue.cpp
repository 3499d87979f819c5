// The CDDBP disc query: each reply decides the next command and the status text.
#include "freedb/cddbp_query_dialogue.h"

#include <utility>

#include "shell/texts.h"

namespace bw {
namespace freedb {
namespace {

bool HasCode(std::string_view reply, std::string_view code) {
  return reply.substr(0, code.size()) == code;
}

}  // namespace

CddbpQueryDialogue::CddbpQueryDialogue(DiscQuery disc, std::string email)
    : disc_(std::move(disc)), email_(std::move(email)), reader_(kQueryReplyCapacity) {}

QueryActions CddbpQueryDialogue::Start() {
  step_ = Step::kGreeting;
  port_ = kCddbpFirstPort;
  reader_.ExpectLine();
  return {QueryAction::Connect(port_)};
}

QueryActions CddbpQueryDialogue::OnConnectStartFailed() {
  if (!IsRunning()) return {};
  // The first attempt's reason is already shown; a failed retry ends as a refused connection.
  if (port_ == kCddbpFallbackPort) return FinishWith(kTextCouldNotConnectCddbp);
  return Finish();
}

QueryActions CddbpQueryDialogue::OnConnectNotified(bool failed) {
  if (step_ != Step::kGreeting || !failed) return {};
  if (port_ == kCddbpFirstPort) {
    port_ = kCddbpFallbackPort;
    reader_.ExpectLine();
    return {QueryAction::Connect(port_)};
  }
  return FinishWith(kTextCouldNotConnectCddbp);
}

QueryActions CddbpQueryDialogue::OnReceived(std::string_view chunk) {
  switch (step_) {
    case Step::kGreeting:
    case Step::kHello:
    case Step::kQuery:
    case Step::kRead:
      if (!reader_.Add(chunk)) return {};
      return OnReplyComplete();
    default:
      // Nothing is awaited (a dialog is up, or only the close is): bytes are dropped.
      return {};
  }
}

QueryActions CddbpQueryDialogue::OnReplyComplete() {
  const std::string reply(reader_.Reply());
  switch (step_) {
    case Step::kGreeting:
      return AfterGreeting(reply);
    case Step::kHello:
      return AfterHello(reply);
    case Step::kQuery:
      return AfterQuery(reply);
    case Step::kRead:
      return AfterRead(reply);
    default:
      return {};
  }
}

QueryActions CddbpQueryDialogue::AfterGreeting(std::string_view reply) {
  if (!HasCode(reply, "201")) return QuitWith(kTextCddbpCommunicationProblem);
  step_ = Step::kHello;
  reader_.ExpectLine();
  return {QueryAction::Send(CddbpHelloLine(email_)), QueryAction::ShowStatus(kTextAccessingFreedb)};
}

QueryActions CddbpQueryDialogue::AfterHello(std::string_view reply) {
  if (!HasCode(reply, "200")) return QuitWith(kTextQueryCommandProblem);
  step_ = Step::kQuery;
  reader_.ExpectLineOrList("211");
  return {QueryAction::Send(CddbpLine(QueryCommandWords(disc_)))};
}

QueryActions CddbpQueryDialogue::AfterQuery(std::string_view reply) {
  if (!HasCode(reply, "2")) return QuitWith(kTextQueryCommandProblem);
  QueryReply parsed = ParseQueryReply(reply);
  switch (parsed.kind) {
    case QueryReply::Kind::kNoMatch:
      return QuitWith(kTextDiscNotInFreedb);
    case QueryReply::Kind::kFound:
      return ReadSelected(std::move(parsed.selector));
    case QueryReply::Kind::kChoose:
      step_ = Step::kChoosing;
      matches_ = parsed.matches;
      return {QueryAction::ChooseMatch(std::move(parsed.matches))};
  }
  return {};
}

QueryActions CddbpQueryDialogue::OnMatchChosen(int index) {
  if (step_ != Step::kChoosing) return {};
  std::optional<std::string> selector = ChosenSelector(matches_, index);
  matches_.clear();
  if (!selector) return QuitWith(kTextFreedbCanceled);
  return ReadSelected(std::move(*selector));
}

QueryActions CddbpQueryDialogue::ReadSelected(std::string selector) {
  step_ = Step::kCheckingExisting;
  readLine_ = CddbpLine(ReadCommandWords(selector));
  return {QueryAction::CheckExisting()};
}

QueryActions CddbpQueryDialogue::OnExistingChecked(bool proceed) {
  if (step_ != Step::kCheckingExisting) return {};
  if (!proceed) return QuitWith(kTextFreedbCanceled);
  step_ = Step::kRead;
  // A 210 record is a list read in chunks; an error reply is one line, handled at once.
  reader_.ExpectLineOrList("210", /*chunked=*/true);
  return {QueryAction::Send(readLine_), QueryAction::ShowStatus(kTextReadingFromFreedb)};
}

QueryActions CddbpQueryDialogue::AfterRead(std::string_view reply) {
  if (!HasCode(reply, "210")) return QuitWith(kTextReadCommandProblem);
  step_ = Step::kClosing;
  return {
      QueryAction::StoreRecord(ExtractRecord(reply, static_cast<int>(disc_.frameOffsets.size()))),
      QueryAction::Send(kQuitLine), QueryAction::ShowStatus(kTextFreedbDone)};
}

QueryActions CddbpQueryDialogue::QuitWith(const char* status) {
  // The server closes the connection after "quit"; its close ends the query.
  step_ = Step::kClosing;
  return {QueryAction::ShowStatus(status), QueryAction::Send(kQuitLine)};
}

QueryActions CddbpQueryDialogue::OnClosed() {
  if (!IsRunning()) return {};
  return Finish();
}

}  // namespace freedb
}  // namespace bw
