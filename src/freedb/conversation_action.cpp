// Constructors of the conversations' actions.
#include "freedb/conversation_action.h"

#include <utility>

namespace bw {
namespace freedb {
namespace {

using Kind = ConversationAction::Kind;

ConversationAction Make(Kind kind, std::string text = std::string()) {
  ConversationAction action;
  action.kind = kind;
  action.text = std::move(text);
  return action;
}

}  // namespace

ConversationAction ConversationAction::Connect(std::string host, int port) {
  ConversationAction action = Make(Kind::kConnect, std::move(host));
  action.port = port;
  return action;
}
ConversationAction ConversationAction::Send(std::string bytes) {
  return Make(Kind::kSend, std::move(bytes));
}
ConversationAction ConversationAction::ShowStatus(std::string status) {
  return Make(Kind::kShowStatus, std::move(status));
}
ConversationAction ConversationAction::SetCaption(std::string caption) {
  return Make(Kind::kSetCaption, std::move(caption));
}
ConversationAction ConversationAction::Beep() { return Make(Kind::kBeep); }
ConversationAction ConversationAction::Fetch(std::string url) {
  return Make(Kind::kFetch, std::move(url));
}
ConversationAction ConversationAction::ShowSites(SiteList sites) {
  ConversationAction action = Make(Kind::kShowSites);
  action.sites = std::move(sites);
  return action;
}
ConversationAction ConversationAction::ShowCounts(ServerCounts counts) {
  ConversationAction action = Make(Kind::kShowCounts);
  action.counts = std::move(counts);
  return action;
}
ConversationAction ConversationAction::ShowVersion(std::string version) {
  return Make(Kind::kShowVersion, std::move(version));
}
ConversationAction ConversationAction::ShowStoredValues() { return Make(Kind::kShowStoredValues); }
ConversationAction ConversationAction::WriteLastUpdated(std::string text) {
  return Make(Kind::kWriteLastUpdated, std::move(text));
}
ConversationAction ConversationAction::Finish() { return Make(Kind::kFinish); }

}  // namespace freedb
}  // namespace bw
