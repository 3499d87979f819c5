// What the CDDBP and HTTP query dialogues share: the step they have reached, the inexact
// matches the user chooses among, and the ways a query ends.
#pragma once

#include <vector>

#include "freedb/query_action.h"
#include "freedb/query_reply.h"
#include "shell/texts.h"

namespace bw {
namespace freedb {

// `Step` is the dialogue's own enumeration; it has kIdle and kFinished.
template <class Step>
class QueryDialogueBase {
 public:
  bool IsRunning() const { return step_ != Step::kIdle && step_ != Step::kFinished; }
  Step CurrentStep() const { return step_; }

  // The user's Stop: "Stopped!". Abort ends the query for the program, with no status.
  QueryActions OnStop() {
    if (!IsRunning()) return {};
    return FinishWith(kTextFreedbStopped);
  }
  QueryActions OnAbort() {
    if (!IsRunning()) return {};
    return Finish();
  }

 protected:
  // The status, then the end.
  QueryActions FinishWith(const char* status) {
    QueryActions actions = Finish();
    actions.insert(actions.begin(), QueryAction::ShowStatus(status));
    return actions;
  }
  QueryActions Finish() {
    step_ = Step::kFinished;
    matches_.clear();
    return {QueryAction::Finish()};
  }

  Step step_ = Step::kIdle;
  std::vector<InexactMatch> matches_;  // while the user chooses
};

}  // namespace freedb
}  // namespace bw
