// The freedb query of the CD Player panel: asks the current server for the disc in the drive
// over CDDBP or HTTP, lets the user choose among inexact matches, and appends the record to the
// catalogue. Everything but the network waits of HTTP runs on the main thread: the socket
// notifications and the HTTP fetch results arrive at a hidden window of the query's own, so
// the conversation does not depend on the panel window being the same one throughout.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "cd/table_of_contents.h"

namespace bw {
namespace freedb {

// What the CD panel lends a query. The panel is made afresh whenever its tab is chosen (and by
// a CD play request from another copy of the program, which does not stop the query), so the
// query asks for the panel of the moment rather than keeping a window of its own.
struct QueryPanel {
  // The CD panel now, or null: status line 3339, labels 3387 and 3388, the transport buttons
  // 3310-3317 that rotate while a query runs, and the owner of the query's dialogs.
  std::function<HWND()> window;
  // After a record was stored: reread the titles, show the disc and track titles and the
  // Add/Edit caption.
  std::function<void()> afterStore;
  // When a query starts (true) and when it ends (false): the panel is not idle meanwhile.
  std::function<void(bool running)> runningChanged;
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
void StartOrStopQuery(const QueryPanel& panel, const QueryDisc& disc);

// Whether a query runs (the panel is not idle meanwhile).
bool IsQueryRunning();

// Ends a running query for the program (shutdown, a media tab chosen) without a status text;
// gives the catalogue write up to 11 checks 500 ms apart to finish first.
void AbortQuery();

// How far the transport buttons' cells have moved (see BusyButtonCellSource); 0 when idle.
int TransportCellShift();

}  // namespace freedb
}  // namespace bw
