// The HTTP disc query: the same decisions as over CDDBP, without greeting, hello or quit.
#include "freedb/http_query_dialogue.h"

#include <utility>

#include "freedb/reply_reader.h"
#include "shell/texts.h"

namespace bw {
namespace freedb {
namespace {

bool HasCode(std::string_view reply, std::string_view code) {
  return reply.substr(0, code.size()) == code;
}

// A server that answers with an HTML page instead of protocol text was given a wrong path.
bool IsHtmlPage(std::string_view reply) { return !reply.empty() && reply.front() == '<'; }

}  // namespace

HttpQueryDialogue::HttpQueryDialogue(DiscQuery disc, std::string email, HttpEndpoint endpoint)
    : disc_(std::move(disc)), email_(std::move(email)), endpoint_(std::move(endpoint)) {}

std::string HttpQueryDialogue::QueryUrl() const {
  return HttpRequestUrl(endpoint_, QueryCommandWords(disc_), email_);
}

std::string HttpQueryDialogue::ReadUrl(std::string_view selector) const {
  return HttpRequestUrl(endpoint_, ReadCommandWords(selector), email_);
}

QueryActions HttpQueryDialogue::Start(bool internetAvailable) {
  if (!internetAvailable) {
    step_ = Step::kFinished;
    return {QueryAction::ShowStatus(kTextCannotLoadWininet), QueryAction::Beep(),
            QueryAction::Finish()};
  }
  step_ = Step::kQuery;
  return {QueryAction::ShowStatus(kTextAccessingFreedb), QueryAction::Fetch(QueryUrl())};
}

QueryActions HttpQueryDialogue::OnFetched(std::string_view reply) {
  reply = reply.substr(0, kQueryReplyCapacity);
  if (step_ != Step::kQuery && step_ != Step::kRead) return {};
  if (IsHtmlPage(reply)) return FinishWith(kTextInvalidCgiScript);
  return step_ == Step::kQuery ? AfterQuery(reply) : AfterRead(reply);
}

QueryActions HttpQueryDialogue::OnFetchFailed() {
  if (step_ != Step::kQuery && step_ != Step::kRead) return {};
  return FinishWith(kTextInternetConnectionFailed);
}

QueryActions HttpQueryDialogue::AfterQuery(std::string_view reply) {
  // A server error is not "no such disc".
  if (!HasCode(reply, "2")) return FinishWith(kTextQueryCommandProblem);
  QueryReply parsed = ParseQueryReply(reply);
  switch (parsed.kind) {
    case QueryReply::Kind::kNoMatch:
      return FinishWith(kTextDiscNotInFreedb);
    case QueryReply::Kind::kFound:
      return ReadSelected(parsed.selector);
    case QueryReply::Kind::kChoose:
      step_ = Step::kChoosing;
      matches_ = parsed.matches;
      return {QueryAction::ChooseMatch(std::move(parsed.matches))};
  }
  return {};
}

QueryActions HttpQueryDialogue::OnMatchChosen(int index) {
  if (step_ != Step::kChoosing) return {};
  std::optional<std::string> selector = ChosenSelector(matches_, index);
  matches_.clear();
  if (!selector) return FinishWith(kTextFreedbCanceled);
  return ReadSelected(*selector);
}

QueryActions HttpQueryDialogue::ReadSelected(const std::string& selector) {
  step_ = Step::kCheckingExisting;
  readUrl_ = ReadUrl(selector);
  return {QueryAction::ShowStatus(kTextReadingFromFreedb), QueryAction::CheckExisting()};
}

QueryActions HttpQueryDialogue::OnExistingChecked(bool proceed) {
  if (step_ != Step::kCheckingExisting) return {};
  if (!proceed) return FinishWith(kTextFreedbCanceled);
  step_ = Step::kRead;
  return {QueryAction::Fetch(readUrl_)};
}

QueryActions HttpQueryDialogue::AfterRead(std::string_view reply) {
  // As over CDDBP, only a 210 record is stored: anything else would make an entry of
  // empty titles.
  if (!HasCode(reply, "210")) return FinishWith(kTextReadCommandProblem);
  step_ = Step::kFinished;
  return {
      QueryAction::StoreRecord(ExtractRecord(reply, static_cast<int>(disc_.frameOffsets.size()))),
      QueryAction::ShowStatus(kTextFreedbDone), QueryAction::Finish()};
}

}  // namespace freedb
}  // namespace bw
