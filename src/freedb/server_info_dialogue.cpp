// Refreshing the server statistics for Freedb Server Information.
#include "freedb/server_info_dialogue.h"

#include <utility>

#include "freedb/freedb_settings.h"
#include "freedb/freedb_texts.h"
#include "freedb/server_statistics.h"
#include "shell/texts.h"

namespace bw {
namespace freedb {
namespace {

using Action = ConversationAction;

bool HasCode(std::string_view reply, std::string_view code) {
  return reply.substr(0, code.size()) == code;
}

}  // namespace

// --- CDDBP ------------------------------------------------------------------------------------

CddbpServerInfoDialogue::CddbpServerInfoDialogue(std::string host, std::string email,
                                                 TodayFunction today)
    : host_(std::move(host)),
      email_(std::move(email)),
      today_(std::move(today)),
      reader_(kServerInfoReplyCapacity) {}

ConversationActions CddbpServerInfoDialogue::Start() {
  step_ = Step::kGreeting;
  port_ = kCddbpFirstPort;
  complete_ = false;
  errorShown_ = false;
  reader_.ExpectLine();
  return {Action::SetCaption(kTextCaptionStop), Action::Connect(host_, port_)};
}

ConversationActions CddbpServerInfoDialogue::OnConnectStartFailed() {
  if (!IsRunning()) return {};
  if (port_ == kCddbpFallbackPort) return FinishWith(kTextCouldNotConnectCddbp);
  step_ = Step::kFinished;
  return {Action::SetCaption(kTextCaptionUpdate), Action::Finish()};
}

ConversationActions CddbpServerInfoDialogue::OnConnectNotified(bool failed) {
  if (step_ != Step::kGreeting || !failed) return {};
  if (port_ == kCddbpFirstPort) {
    port_ = kCddbpFallbackPort;
    reader_.ExpectLine();
    return {Action::Connect(host_, port_)};
  }
  return FinishWith(kTextCouldNotConnectCddbp);
}

ConversationActions CddbpServerInfoDialogue::OnReceived(std::string_view chunk) {
  switch (step_) {
    case Step::kGreeting:
    case Step::kHello:
    case Step::kStatistics:
    case Step::kVersion:
      if (!reader_.Add(chunk)) return {};
      return OnReply(std::string(reader_.Reply()));
    default:
      return {};
  }
}

ConversationActions CddbpServerInfoDialogue::OnReply(std::string_view reply) {
  switch (step_) {
    case Step::kGreeting:
      if (!HasCode(reply, "201")) return QuitWith(kTextCddbpCommunicationProblem);
      step_ = Step::kHello;
      reader_.ExpectLine();
      return {Action::Send(CddbpHelloLine(email_)), Action::ShowStatus(kTextRetrievingServerInfo)};
    case Step::kHello:
      if (!HasCode(reply, "200")) return QuitWith(kTextHelloCommandProblem);
      step_ = Step::kStatistics;
      reader_.ExpectLineOrList("210", /*chunked=*/true);
      return {Action::Send(CddbpLine("stat")), Action::ShowStatus(kTextRetrievingEntries)};
    case Step::kStatistics:
      if (!HasCode(reply, "210")) return QuitWith(kTextStatCommandProblem);
      step_ = Step::kVersion;
      {
        ConversationActions actions{Action::ShowCounts(ParseServerStatistics(reply))};
        reader_.ExpectLine();
        actions.push_back(Action::Send(CddbpLine("ver")));
        actions.push_back(Action::ShowStatus(kTextRetrievingVersion));
        return actions;
      }
    case Step::kVersion:
      if (!HasCode(reply, "200")) return QuitWith(kTextVerCommandProblem);
      complete_ = true;
      step_ = Step::kClosing;
      return {Action::ShowVersion(ParseServerVersion(reply)), Action::Send(kQuitLine),
              Action::ShowStatus(kTextClosingCddbp)};
    default:
      return {};
  }
}

ConversationActions CddbpServerInfoDialogue::QuitWith(const char* status) {
  errorShown_ = true;
  step_ = Step::kClosing;
  return {Action::ShowStatus(status), Action::Send(kQuitLine)};
}

ConversationActions CddbpServerInfoDialogue::OnClosed() {
  if (!IsRunning()) return {};
  step_ = Step::kFinished;
  ConversationActions actions{Action::Beep()};
  if (complete_) {
    actions.push_back(Action::ShowStatus(kTextFreedbDone));
    actions.push_back(Action::WriteLastUpdated(LastUpdatedText(today_())));
  } else if (!errorShown_) {
    actions.push_back(Action::ShowStatus(kTextCddbpCommunicationProblem));
  }
  actions.push_back(Action::SetCaption(kTextCaptionUpdate));
  actions.push_back(Action::Finish());
  return actions;
}

ConversationActions CddbpServerInfoDialogue::OnStop() {
  if (!IsRunning()) return {};
  step_ = Step::kFinished;
  return {Action::ShowStoredValues(), Action::ShowStatus(kTextFreedbStopped),
          Action::SetCaption(kTextCaptionUpdate), Action::Finish()};
}

ConversationActions CddbpServerInfoDialogue::FinishWith(const char* status) {
  step_ = Step::kFinished;
  return {Action::ShowStatus(status), Action::SetCaption(kTextCaptionUpdate), Action::Finish()};
}

// --- HTTP -------------------------------------------------------------------------------------

HttpServerInfoDialogue::HttpServerInfoDialogue(HttpEndpoint endpoint, std::string email,
                                               TodayFunction today)
    : endpoint_(std::move(endpoint)), email_(std::move(email)), today_(std::move(today)) {}

std::string HttpServerInfoDialogue::Url(std::string_view command) const {
  return HttpRequestUrl(endpoint_, command, email_);
}

ConversationActions HttpServerInfoDialogue::Start(bool internetAvailable) {
  if (!internetAvailable) {
    step_ = Step::kFinished;
    return {Action::ShowStatus(kTextCannotLoadWininet), Action::Beep(),
            Action::SetCaption(kTextCaptionUpdate), Action::Finish()};
  }
  step_ = Step::kStatistics;
  return {Action::SetCaption(kTextCaptionStop), Action::ShowStatus(kTextRetrievingServerInfo),
          Action::ShowStatus(kTextRetrievingEntries), Action::Fetch(Url("stat"))};
}

ConversationActions HttpServerInfoDialogue::OnFetched(std::string_view reply) {
  if (!IsRunning()) return {};
  reply = reply.substr(0, kServerInfoHttpReplyCapacity);
  if (!reply.empty() && reply.front() == '<') return FinishWith(kTextInvalidCgiScript);
  if (step_ == Step::kStatistics) {
    // Only a whole statistics list counts; a cut one would show wrong numbers.
    if (!HasCode(reply, "210") || !FetchedTextEndsList(reply)) {
      return FinishWith(kTextStatCommandProblem);
    }
    step_ = Step::kVersion;
    return {Action::ShowCounts(ParseServerStatistics(reply)),
            Action::ShowStatus(kTextRetrievingVersion), Action::Fetch(Url("ver"))};
  }
  if (!HasCode(reply, "200")) return FinishWith(kTextVerCommandProblem);
  step_ = Step::kFinished;
  return {Action::ShowVersion(ParseServerVersion(reply)),
          Action::WriteLastUpdated(LastUpdatedText(today_())), Action::Beep(),
          Action::ShowStatus(kTextFreedbDone), Action::SetCaption(kTextCaptionUpdate),
          Action::Finish()};
}

ConversationActions HttpServerInfoDialogue::OnFetchFailed() {
  if (!IsRunning()) return {};
  return FinishWith(kTextInternetConnectionFailed);
}

ConversationActions HttpServerInfoDialogue::OnStop() {
  if (!IsRunning()) return {};
  step_ = Step::kFinished;
  return {Action::ShowStoredValues(), Action::ShowStatus(kTextFreedbStopped),
          Action::SetCaption(kTextCaptionUpdate), Action::Finish()};
}

ConversationActions HttpServerInfoDialogue::FinishWith(const char* status) {
  step_ = Step::kFinished;
  return {Action::ShowStatus(status), Action::SetCaption(kTextCaptionUpdate), Action::Finish()};
}

}  // namespace freedb
}  // namespace bw
