// What the disc query dialogues ask their host to do. The dialogues are pure: the CD panel
// (CDDBP, on socket notifications) or the HTTP worker feeds them events and carries out the
// actions in order.
#pragma once

#include <string>
#include <vector>

#include "freedb/query_reply.h"
#include "freedb/xmcd_record.h"

namespace bw {
namespace freedb {

struct QueryAction {
  enum class Kind {
    // Release any connection still held and open a CDDBP connection on `port` to the current
    // CDDBP server; answer OnConnectStartFailed when it cannot be started.
    kConnect,
    // Send `text` with one send call.
    kSend,
    // Put `text` into the status line.
    kShowStatus,
    // Warning beep (MessageBeep with the exclamation sound).
    kBeep,
    // Show the inexact-match dialog with `matches` (first one selected); answer OnMatchChosen
    // with the chosen index or -1.
    kChooseMatch,
    // When the disc in the drive is already catalogued, ask the overwrite question; on Yes
    // the old entry makes way for the record (not stoppable while the catalogue is written).
    // Answer OnExistingChecked with false only for No.
    kCheckExisting,
    // Append `record` to the catalogue (not stoppable meanwhile) and refresh the panel.
    kStoreRecord,
    // HTTP: fetch `text` (a URL); answer OnFetched with the reply or OnFetchFailed.
    kFetch,
    // The query is over: release the connection, button labels back to "Freedb Database" and
    // "Query", done set, running cleared. The status keeps its last text.
    kFinish,
  };

  Kind kind = Kind::kFinish;
  std::string text;
  int port = 0;
  std::vector<InexactMatch> matches;
  FreedbRecord record;

  static QueryAction Connect(int port);
  static QueryAction Send(std::string bytes);
  static QueryAction ShowStatus(std::string status);
  static QueryAction Beep();
  static QueryAction ChooseMatch(std::vector<InexactMatch> matches);
  static QueryAction CheckExisting();
  static QueryAction StoreRecord(FreedbRecord record);
  static QueryAction Fetch(std::string url);
  static QueryAction Finish();
};

using QueryActions = std::vector<QueryAction>;

}  // namespace freedb
}  // namespace bw
