// The system's help viewer as the tests see it.
#include "help_viewer_support.h"

#include <vector>

#include "e2e_support.h"

namespace e2e {
namespace {

constexpr char kHelpWindowClass[] = "MS_WINHELP";
constexpr char kHelpCaption[] = "Brindlewax Help";

struct FindHelp {
  HWND found = nullptr;
};

BOOL CALLBACK FindHelpWindowProc(HWND window, LPARAM data) {
  char className[64] = {};
  char caption[128] = {};
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, caption, sizeof caption);
  if (IsWindowVisible(window) && std::string(className) == kHelpWindowClass &&
      std::string(caption) == kHelpCaption) {
    reinterpret_cast<FindHelp*>(data)->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND HelpWindow() {
  FindHelp find;
  EnumWindows(FindHelpWindowProc, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

namespace {

BOOL CALLBACK FindTextChildProc(HWND window, LPARAM data) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::string(className).rfind("RichEdit", 0) == 0) {
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string HelpText(HWND helpWindow) {
  HWND text = nullptr;
  if (helpWindow != nullptr) EnumChildWindows(helpWindow, FindTextChildProc, reinterpret_cast<LPARAM>(&text));
  if (text == nullptr) return std::string();
  std::vector<char> buffer(65536);
  DWORD_PTR result = 0;
  SendMessageTimeoutA(text, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                      SMTO_ABORTIFHUNG, 5000, &result);
  return buffer.data();
}

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

namespace {

// Dark pixels on the screen inside the window: text once the viewer has painted it.
size_t DarkPixels(HWND window) {
  const ScreenPixels pixels = CaptureScreenPixels(window);
  size_t dark = 0;
  for (size_t i = 0; i + 2 < pixels.bgrx.size(); i += 4) {
    if (pixels.bgrx[i] + pixels.bgrx[i + 1] + pixels.bgrx[i + 2] < 200) ++dark;
  }
  return dark;
}

}  // namespace

void SaveHelpScreenshot(HWND window, const char* name) {
  size_t last = 0;
  WaitUntil(
      [&] {
        Sleep(400);
        const size_t dark = DarkPixels(window);
        const bool settled = dark > 2000 && dark == last;
        last = dark;
        return settled;
      },
      10000);
  SaveScreenshot(window, name);
}


std::string WaitForHelpTopic(const std::string& title, HWND* window) {
  std::string text;
  WaitUntil(
      [&] {
        HWND help = HelpWindow();
        text = HelpText(help);
        if (window != nullptr) *window = help;
        return StartsWith(text, title);
      },
      15000);
  return text;
}

}  // namespace e2e
