// The status line of a catalogue tool's window (the sorter's and the search's): every text a
// tool reports lands in one static control and is painted at once, since the tools run inside
// the window's own command. Per-entry counts are thinned out to a few a second, so a pass over
// 65,535 entries is not slowed by painting.
#pragma once

#include <windows.h>

#include "cddb/tool_progress.h"

class ToolStatusLine {
 public:
  ToolStatusLine(HWND dialog, int controlId) : dialog_(dialog), controlId_(controlId) {}

  // The callback to hand to a tool; valid while this object lives.
  bw::ProgressCallback Callback();

  void Show(const char* text) const;

 private:
  HWND dialog_;
  int controlId_;
};

// The hourglass for the life of the object, the previous cursor afterwards.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_ != nullptr ? previous_ : LoadCursorA(nullptr, IDC_ARROW)); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};
