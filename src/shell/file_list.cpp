// The file lists of the media panels and file dialogs: FindFirstFileA over a pattern.
#include "shell/file_list.h"

#include <algorithm>

#include "base/win32_handles.h"

namespace bw {

int FillFileList(HWND listBox, const char* pattern) {
  WIN32_FIND_DATAA found{};
  UniqueFindHandle find(FindFirstFileA(pattern, &found));
  if (!find) return 0;

  // Names are measured in the font the list draws them with.
  WindowDc dc(listBox);
  const HFONT font = reinterpret_cast<HFONT>(SendMessageA(listBox, WM_GETFONT, 0, 0));
  SelectedObject selectedFont;
  if (dc && font != nullptr) selectedFont = SelectedObject(dc.Get(), font);

  int added = 0;
  LONG widest = 0;
  do {
    // Files only: no folders, and nothing the user's file manager hides.
    if (found.dwFileAttributes &
        (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) {
      continue;
    }
    SIZE extent{};
    if (dc &&
        GetTextExtentPoint32A(dc.Get(), found.cFileName, lstrlenA(found.cFileName), &extent) &&
        extent.cx > widest) {
      widest = extent.cx;
    }
    const LRESULT index =
        SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(found.cFileName));
    if (index != LB_ERR && index != LB_ERRSPACE) ++added;
  } while (FindNextFileA(find.Get(), &found));

  TEXTMETRICA metrics{};
  const LONG averageWidth = dc && GetTextMetricsA(dc.Get(), &metrics) ? metrics.tmAveCharWidth : 0;
  SendMessageA(listBox, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + averageWidth), 0);
  return added;
}

int RefillFileList(HWND listBox, const std::string& folder, const std::vector<std::string>& patterns) {
  SendMessageA(listBox, LB_RESETCONTENT, 0, 0);
  // Each pattern sets the list's extent to its own widest name; keep the widest of all.
  WPARAM widest = 0;
  for (const std::string& pattern : patterns) {
    FillFileList(listBox, (folder + pattern).c_str());
    widest = std::max<WPARAM>(widest, SendMessageA(listBox, LB_GETHORIZONTALEXTENT, 0, 0));
  }
  SendMessageA(listBox, LB_SETHORIZONTALEXTENT, widest, 0);
  return static_cast<int>(SendMessageA(listBox, LB_GETCOUNT, 0, 0));
}

}  // namespace bw
