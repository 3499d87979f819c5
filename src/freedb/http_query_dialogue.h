// The disc query over HTTP as a pure state machine: fetch the query, let the user choose
// among inexact matches, fetch the read, store. The HTTP worker thread performs the fetches
// and carries out the actions it returns.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "freedb/protocol_lines.h"
#include "freedb/query_action.h"
#include "freedb/query_dialogue_base.h"

namespace bw {
namespace freedb {

enum class HttpQueryStep { kIdle, kQuery, kChoosing, kCheckingExisting, kRead, kFinished };

class HttpQueryDialogue : public QueryDialogueBase<HttpQueryStep> {
 public:
  using Step = HttpQueryStep;

  HttpQueryDialogue(DiscQuery disc, std::string email, HttpEndpoint endpoint);

  // `internetAvailable`: the Internet library and its four entry points were found.
  QueryActions Start(bool internetAvailable);
  // The text of a fetch (one reply buffer of 81,920 bytes: a longer reply is cut, no error).
  QueryActions OnFetched(std::string_view reply);
  // The URL could not be opened or the reply not read.
  QueryActions OnFetchFailed();
  QueryActions OnMatchChosen(int index);
  QueryActions OnExistingChecked(bool proceed);


  std::string QueryUrl() const;
  std::string ReadUrl(std::string_view selector) const;

 private:
  QueryActions AfterQuery(std::string_view reply);
  QueryActions AfterRead(std::string_view reply);
  QueryActions ReadSelected(const std::string& selector);

  DiscQuery disc_;
  std::string email_;
  HttpEndpoint endpoint_;
  std::string readUrl_;
};

}  // namespace freedb
}  // namespace bw
