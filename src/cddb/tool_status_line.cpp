// Status texts painted as they come, counts at most every 100 ms.
#include "cddb/tool_status_line.h"

#include <string>

namespace {

constexpr std::uint64_t kCountInterval = 100;  // milliseconds between per-entry texts

}  // namespace

void ToolStatusLine::Show(const char* text) const {
  SetDlgItemTextA(dialog_, controlId_, text);
  // The tool runs inside a command: nothing else paints until it returns.
  if (HWND control = GetDlgItem(dialog_, controlId_)) UpdateWindow(control);
}

bw::ProgressCallback ToolStatusLine::Callback() {
  auto show = [this](const bw::ProgressEvent& event) {
    const std::string text(event.text);
    Show(text.c_str());
  };
  auto clock = [] { return static_cast<std::uint64_t>(GetTickCount()); };
  return bw::ProgressThrottle(show, clock, kCountInterval);
}
