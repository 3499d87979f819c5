// Constructors of the disc query dialogues' actions.
#include "freedb/query_action.h"

#include <utility>

namespace bw {
namespace freedb {
namespace {

QueryAction Make(QueryAction::Kind kind) {
  QueryAction action;
  action.kind = kind;
  return action;
}

QueryAction WithText(QueryAction::Kind kind, std::string text) {
  QueryAction action = Make(kind);
  action.text = std::move(text);
  return action;
}

}  // namespace

QueryAction QueryAction::Connect(int port) {
  QueryAction action = Make(Kind::kConnect);
  action.port = port;
  return action;
}

QueryAction QueryAction::Send(std::string bytes) { return WithText(Kind::kSend, std::move(bytes)); }

QueryAction QueryAction::ShowStatus(std::string status) {
  return WithText(Kind::kShowStatus, std::move(status));
}

QueryAction QueryAction::Beep() { return Make(Kind::kBeep); }

QueryAction QueryAction::ChooseMatch(std::vector<InexactMatch> matches) {
  QueryAction action = Make(Kind::kChooseMatch);
  action.matches = std::move(matches);
  return action;
}

QueryAction QueryAction::CheckExisting() { return Make(Kind::kCheckExisting); }

QueryAction QueryAction::StoreRecord(FreedbRecord record) {
  QueryAction action = Make(Kind::kStoreRecord);
  action.record = std::move(record);
  return action;
}

QueryAction QueryAction::Fetch(std::string url) { return WithText(Kind::kFetch, std::move(url)); }

QueryAction QueryAction::Finish() { return Make(Kind::kFinish); }

}  // namespace freedb
}  // namespace bw
