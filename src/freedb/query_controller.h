// The freedb query of the CD Player panel: asks the current server for the disc in the drive
// over CDDBP or HTTP, lets the user choose among inexact matches, and appends the record to the
// catalogue. Everything but the network waits of HTTP runs on the main thread: the socket
// notifications and the HTTP fetch results arrive at a hidden window of the query's own, so
// the conversation does not depend on the panel window being the same one throughout.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "cd/table_of_contents.h"

namespace bw {
namespace freedb {

// What the CD panel lends a query. The panel is made afresh whenever its tab is chosen (and by
// a CD play request from another copy of the program, which does not stop the query), so the
// host outlives the panels and speaks to the panel of the moment, if there is one.
class QueryHost {
 public:
  virtual ~QueryHost() = default;
  // The owner of the query's dialogs (the inexact matches, the overwrite question); may be null.
  virtual HWND DialogOwner() = 0;
  // The status line (3339).
  virtual void ShowStatus(const std::string& text) = 0;
  // The Query button's labels: "Stop" while a query runs, "Query" otherwise.
  virtual void ShowRunningLabels(bool running) = 0;
  // When a query starts (true) and when it ends (false): the panel is busy meanwhile.
  virtual void RunningChanged(bool running) = 0;
  // After a record was stored: the titles, the disc and track titles, the Add/Edit caption.
  virtual void AfterStore() = 0;
};

// The disc in the drive as the query sees it; taken once at the start, so a disc changed
// during the query cannot give the record the wrong lengths.
struct QueryDisc {
  TableOfContents toc;
  std::uint32_t discId = 0;
};

// The Query button (3309): starts a query when none runs (the panel has already refused an
// empty drive), else stops the running one with "Stopped!" unless the catalogue is being
// written just then.
// `host` lives as long as the program.
void StartOrStopQuery(QueryHost& host, const QueryDisc& disc);

// Whether a query runs (the panel is not idle meanwhile).
bool IsQueryRunning();

// Ends a running query for the program (shutdown, a media tab chosen) without a status text;
// gives the catalogue write up to 11 checks 500 ms apart to finish first.
void AbortQuery();

}  // namespace freedb
}  // namespace bw
