// Fetching the list of Freedb sites for Freedb Setup.
#include "freedb/sites_dialogue.h"

#include <cstdlib>
#include <utility>

#include "freedb/freedb_settings.h"
#include "freedb/freedb_texts.h"
#include "freedb/protocol_lines.h"
#include "freedb/site_list.h"
#include "shell/texts.h"

namespace bw {
namespace freedb {
namespace {

using Action = ConversationAction;

bool HasCode(std::string_view reply, std::string_view code) {
  return reply.substr(0, code.size()) == code;
}

// The lists found in `reply`: shown when there are HTTP servers (a list without CDDBP
// servers replaces only the HTTP list), and true only when both kinds are there.
bool TakeSites(std::string_view reply, ConversationActions* actions) {
  SiteList sites = ParseSiteList(reply);
  if (sites.http.empty()) {
    actions->push_back(Action::ShowStatus(kTextNoSiteEntries));
    return false;
  }
  const bool complete = !sites.cddbp.empty();
  actions->push_back(Action::ShowSites(std::move(sites)));
  if (!complete) actions->push_back(Action::ShowStatus(kTextNoSiteEntries));
  return complete;
}

}  // namespace

// --- CDDBP ------------------------------------------------------------------------------------

std::string SitesServerHost() {
  const char* named = std::getenv(kSitesServerVariable);
  return named != nullptr && *named != '\0' ? std::string(named) : std::string(kDefaultServerHost);
}

CddbpSitesDialogue::CddbpSitesDialogue(std::string email, TodayFunction today, std::string host)
    : email_(std::move(email)),
      today_(std::move(today)),
      host_(std::move(host)),
      reader_(kServerInfoReplyCapacity) {}

ConversationActions CddbpSitesDialogue::Start() {
  step_ = Step::kGreeting;
  port_ = kCddbpFirstPort;
  listTaken_ = false;
  errorShown_ = false;
  reader_.ExpectLine();
  return {Action::SetCaption(kTextCaptionStop), Action::Connect(host_, port_)};
}

ConversationActions CddbpSitesDialogue::OnConnectStartFailed() {
  if (!IsRunning()) return {};
  // The first attempt's reason is already shown; a failed retry ends as a refused connection.
  if (port_ == kCddbpFallbackPort) return FinishWith(kTextCouldNotConnectCddbp);
  step_ = Step::kFinished;
  return {Action::SetCaption(kTextCaptionUpdate), Action::Finish()};
}

ConversationActions CddbpSitesDialogue::OnConnectNotified(bool failed) {
  if (step_ != Step::kGreeting || !failed) return {};
  if (port_ == kCddbpFirstPort) {
    port_ = kCddbpFallbackPort;
    reader_.ExpectLine();
    return {Action::Connect(host_, port_)};
  }
  return FinishWith(kTextCouldNotConnectCddbp);
}

ConversationActions CddbpSitesDialogue::OnReceived(std::string_view chunk) {
  switch (step_) {
    case Step::kGreeting:
    case Step::kHello:
    case Step::kProto:
    case Step::kSites:
      if (!reader_.Add(chunk)) return {};
      return OnReply(std::string(reader_.Reply()));
    default:
      return {};  // only the close is awaited
  }
}

ConversationActions CddbpSitesDialogue::OnReply(std::string_view reply) {
  switch (step_) {
    case Step::kGreeting:
      if (!HasCode(reply, "201")) return QuitWith(kTextCddbpCommunicationProblem);
      step_ = Step::kHello;
      reader_.ExpectLine();
      return {Action::Send(CddbpHelloLine(email_)), Action::ShowStatus(kTextRetrievingSites)};
    case Step::kHello:
      if (!HasCode(reply, "200")) return QuitWith(kTextHelloCommandProblem);
      step_ = Step::kProto;
      reader_.ExpectLine();
      return {Action::Send(CddbpLine("proto 3"))};
    case Step::kProto:
      // 502: the server already talks level 3, which is as good.
      if (!HasCode(reply, "201") && !HasCode(reply, "502")) {
        return QuitWith(kTextProtoCommandProblem);
      }
      step_ = Step::kSites;
      // A refusal is one line, handled at once; the list is gathered up to its last line.
      reader_.ExpectLineOrList("210", /*chunked=*/true);
      return {Action::Send(CddbpLine("sites"))};
    case Step::kSites:
      return AfterSites(reply);
    default:
      return {};
  }
}

ConversationActions CddbpSitesDialogue::AfterSites(std::string_view reply) {
  if (!HasCode(reply, "210")) return QuitWith(kTextStatCommandProblem);
  // A list longer than the buffer keeps its whole lines only.
  if (reader_.Truncated()) reply = reply.substr(0, reply.rfind('\n') + 1);
  ConversationActions actions;
  listTaken_ = TakeSites(reply, &actions);
  errorShown_ = !listTaken_;
  step_ = Step::kClosing;
  actions.push_back(Action::Send(kQuitLine));
  // An error found in the list stays shown.
  if (listTaken_) actions.push_back(Action::ShowStatus(kTextClosingCddbp));
  return actions;
}

ConversationActions CddbpSitesDialogue::QuitWith(const char* status) {
  // The server closes the connection after "quit"; its close ends the fetch.
  errorShown_ = true;
  step_ = Step::kClosing;
  return {Action::ShowStatus(status), Action::Send(kQuitLine)};
}

ConversationActions CddbpSitesDialogue::OnClosed() {
  if (!IsRunning()) return {};
  step_ = Step::kFinished;
  ConversationActions actions{Action::Beep()};
  if (listTaken_) {
    actions.push_back(Action::ShowStatus(kTextFreedbDone));
    actions.push_back(Action::WriteLastUpdated(LastUpdatedText(today_())));
  } else if (!errorShown_) {
    // Closed before the whole list arrived.
    actions.push_back(Action::ShowStatus(kTextCddbpCommunicationProblem));
  }
  actions.push_back(Action::SetCaption(kTextCaptionUpdate));
  actions.push_back(Action::Finish());
  return actions;
}

ConversationActions CddbpSitesDialogue::OnStop() {
  if (!IsRunning()) return {};
  return FinishWith(kTextFreedbStopped);
}

ConversationActions CddbpSitesDialogue::FinishWith(const char* status) {
  step_ = Step::kFinished;
  return {Action::ShowStatus(status), Action::SetCaption(kTextCaptionUpdate), Action::Finish()};
}

// --- HTTP -------------------------------------------------------------------------------------

HttpSitesDialogue::HttpSitesDialogue(std::string email, TodayFunction today, std::string host)
    : email_(std::move(email)), today_(std::move(today)), host_(std::move(host)) {}

std::string HttpSitesDialogue::Url() const {
  return HttpRequestUrl({host_, kDefaultCgiScript}, "sites", email_);
}

ConversationActions HttpSitesDialogue::Start(bool internetAvailable) {
  if (!internetAvailable) {
    step_ = Step::kFinished;
    return {Action::ShowStatus(kTextCannotLoadWininet), Action::Beep(),
            Action::SetCaption(kTextCaptionUpdate), Action::Finish()};
  }
  step_ = Step::kSites;
  return {Action::SetCaption(kTextCaptionStop), Action::ShowStatus(kTextRetrievingSites),
          Action::Fetch(Url())};
}

ConversationActions HttpSitesDialogue::OnFetched(std::string_view reply) {
  if (step_ != Step::kSites) return {};
  reply = reply.substr(0, kSitesHttpReplyCapacity);
  if (!reply.empty() && reply.front() == '<') return FinishWith(kTextInvalidCgiScript);
  // A list cut short (the buffer filled, or the transfer broke off) is not taken.
  if (HasCode(reply, "210") && !FetchedTextEndsList(reply)) {
    return FinishWith(kTextInternetConnectionFailed);
  }
  ConversationActions actions;
  if (!TakeSites(reply, &actions)) {
    step_ = Step::kFinished;
    actions.push_back(Action::SetCaption(kTextCaptionUpdate));
    actions.push_back(Action::Finish());
    return actions;
  }
  step_ = Step::kFinished;
  actions.push_back(Action::WriteLastUpdated(LastUpdatedText(today_())));
  actions.push_back(Action::ShowStatus(kTextFreedbDone));
  actions.push_back(Action::SetCaption(kTextCaptionUpdate));
  actions.push_back(Action::Beep());
  actions.push_back(Action::Finish());
  return actions;
}

ConversationActions HttpSitesDialogue::OnFetchFailed() {
  if (step_ != Step::kSites) return {};
  return FinishWith(kTextInternetConnectionFailed);
}

ConversationActions HttpSitesDialogue::OnStop() {
  if (!IsRunning()) return {};
  return FinishWith(kTextFreedbStopped);
}

ConversationActions HttpSitesDialogue::FinishWith(const char* status) {
  step_ = Step::kFinished;
  return {Action::ShowStatus(status), Action::SetCaption(kTextCaptionUpdate), Action::Finish()};
}

}  // namespace freedb
}  // namespace bw
