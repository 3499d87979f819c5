// Filling a file tool's list of names.
#include "filetools/file_name_list.h"

#include "base/win32_handles.h"
#include "filetools/file_tool_paths.h"

void FillFileNameList(HWND list, const std::vector<std::string>& paths) {
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  WindowDc dc(list);
  const auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0));
  SelectedObject selectedFont;
  if (font != nullptr) selectedFont = SelectedObject(dc.Get(), font);
  LONG widest = 0;
  for (const std::string& path : paths) {
    const std::string name = bw::NamePart(path);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SIZE size = {};
    GetTextExtentPoint32A(dc.Get(), name.c_str(), static_cast<int>(name.size()), &size);
    if (size.cx > widest) widest = size.cx;
  }
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc.Get(), &metrics);
  SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + metrics.tmAveCharWidth),
               0);
}
