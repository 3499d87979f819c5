// Filling and drawing the folder browser's drive and directory lists.
#include "filetools/folder_browser_lists.h"

#include <algorithm>

#include "base/win32_handles.h"
#include "filetools/critical_error_guard_win32.h"
#include "shell/look_and_feel.h"
#include "shell/skin_cells.h"
#include "shell/skins.h"

namespace bw {
namespace {

constexpr int kIconGap = 3;  // pixels between an icon and its text

int IconSize() { return DirectoryIconSize(g_largeFonts); }

// Copies icon `cell` of a background strip to (x, y), scaled to the drawn icon size.
void DrawStripIcon(HDC dc, HBITMAP strip, int cell, int x, int y) {
  if (strip == nullptr || cell < 0 || cell >= skin::icon_strip::kCount) return;
  UniqueMemoryDc source(CreateCompatibleDC(dc));
  if (!source) return;
  SelectedObject selected(source.Get(), strip);
  const int size = IconSize();
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, x, y, size, size, source.Get(), skin::icon_strip::CellX(cell), 0,
             skin::icon_strip::kCellSize, skin::icon_strip::kCellSize, SRCCOPY);
}

// The line's background and text colours: the highlight when selected, else the entry field's.
// Answers the strip coloured to match.
HBITMAP PaintLineBackground(const DRAWITEMSTRUCT& item, HBRUSH highlight) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  if (selected) {
    FillRect(item.hDC, &item.rcItem, highlight);
    SetTextColor(item.hDC, GetSysColor(COLOR_HIGHLIGHTTEXT));
    SetBkColor(item.hDC, GetSysColor(COLOR_HIGHLIGHT));
    return Skins().backgroundHighlight.Get();
  }
  FillRect(item.hDC, &item.rcItem, EntryFieldColours(item.hDC));
  return Skins().backgroundWindow.Get();
}

void DrawLineText(const DRAWITEMSTRUCT& item, int x, const std::string& text) {
  RECT textRect = item.rcItem;
  textRect.left = x;
  SetBkMode(item.hDC, TRANSPARENT);
  DrawTextA(item.hDC, text.c_str(), static_cast<int>(text.size()), &textRect,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void FinishLine(const DRAWITEMSTRUCT& item) {
  if ((item.itemState & ODS_SELECTED) != 0 || (item.itemState & ODS_FOCUS) != 0) {
    DrawFocusRect(item.hDC, &item.rcItem);
  }
}

int IconTop(const RECT& line) { return line.top + (line.bottom - line.top - IconSize()) / 2; }

}  // namespace

ListTextMeasure::ListTextMeasure(HWND list) : dc_(list) {
  const HFONT font = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
  if (!dc_) return;
  if (font != nullptr) font_ = SelectedObject(dc_.Get(), font);
  TEXTMETRICA metrics{};
  if (GetTextMetricsA(dc_.Get(), &metrics)) {
    averageCharWidth_ = metrics.tmAveCharWidth;
    height_ = metrics.tmHeight;
  }
}

int ListTextMeasure::Width(const std::string& text) const {
  SIZE size{};
  if (!dc_ || !GetTextExtentPoint32A(dc_.Get(), text.c_str(), static_cast<int>(text.size()), &size)) {
    return 0;
  }
  return static_cast<int>(size.cx);
}

std::string ListLineText(HWND list, int index) {
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR || length < 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(copied == LB_ERR || copied < 0 ? 0 : static_cast<std::size_t>(copied));
  return text;
}

std::vector<std::string> FillDriveLists(HWND shown, HWND rawEntries, HWND descriptions,
                                        DriveQueries& queries) {
  CriticalErrorGuard quiet;
  for (HWND list : {shown, rawEntries, descriptions}) SendMessageA(list, LB_RESETCONTENT, 0, 0);
  char everything[] = "*.*";
  SendMessageA(rawEntries, LB_DIR, DDL_DRIVES | DDL_EXCLUSIVE, reinterpret_cast<LPARAM>(everything));
  SendMessageA(shown, LB_DIR, DDL_DRIVES | DDL_EXCLUSIVE, reinterpret_cast<LPARAM>(everything));

  std::vector<std::string> entries;
  const int count = static_cast<int>(SendMessageA(shown, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::string raw = ListLineText(shown, i);
    const std::optional<char> letter = DriveLetterOfEntry(raw);
    const DriveDescription drive = letter ? DescribeDrive(*letter, queries) : DriveDescription{};
    const std::string text = letter ? drive.text : raw;
    SendMessageA(descriptions, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(shown, LB_SETITEMDATA, static_cast<WPARAM>(i),
                 static_cast<LPARAM>(letter ? DriveItemData(drive.iconCell) : -1));
    entries.push_back(std::move(raw));
  }
  return entries;
}

void ShowDirectoryList(HWND shown, HWND texts, HWND names, const DirectoryList& list) {
  SendMessageA(shown, WM_SETREDRAW, FALSE, 0);
  for (HWND box : {shown, texts, names}) SendMessageA(box, LB_RESETCONTENT, 0, 0);
  for (const DirectoryLine& line : list.lines) {
    const LRESULT index = SendMessageA(shown, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.text.c_str()));
    if (index == LB_ERR || index == LB_ERRSPACE) continue;
    SendMessageA(shown, LB_SETITEMDATA, static_cast<WPARAM>(index),
                 static_cast<LPARAM>(DirectoryItemData(line)));
    SendMessageA(texts, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.text.c_str()));
    SendMessageA(names, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.text.c_str()));
  }

  const ListTextMeasure measure(shown);
  // The line's margin and the gap after the icon come on top of the widest line.
  const int extent = DirectoryListExtent(
      list, [&measure](const std::string& text) { return measure.Width(text); }, g_largeFonts,
      measure.AverageCharWidth() + kIconGap + 2);
  SendMessageA(shown, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent), 0);
  if (list.chainCount > 0) SendMessageA(shown, LB_SETCURSEL, list.chainCount - 1, 0);
  SendMessageA(shown, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(shown, nullptr, TRUE);
}

void SetIconLineHeight(HWND list) {
  const int height = std::max(IconSize(), ListTextMeasure(list).Height()) + 2;
  SendMessageA(list, LB_SETITEMHEIGHT, 0, height);
  // The list loses what is left below its last whole line, so no line shows cut in half.
  RECT client{};
  GetClientRect(list, &client);
  const int spare = client.bottom % height;
  if (spare == 0 || client.bottom <= height) return;
  RECT outer{};
  GetWindowRect(list, &outer);
  SetWindowPos(list, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top - spare,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DrawDriveLine(const DRAWITEMSTRUCT& item, HWND descriptions, HBRUSH highlight) {
  if (item.itemID == static_cast<UINT>(-1)) {
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
    return;
  }
  const HBITMAP strip = PaintLineBackground(item, highlight);
  const int data = static_cast<int>(item.itemData);
  const int x = item.rcItem.left + 2;
  if (data >= 0) DrawStripIcon(item.hDC, strip, data / 2, x, IconTop(item.rcItem));
  DrawLineText(item, x + IconSize() + kIconGap, ListLineText(descriptions, static_cast<int>(item.itemID)));
  FinishLine(item);
}

void DrawDirectoryLine(const DRAWITEMSTRUCT& item, HBRUSH highlight) {
  if (item.itemID == static_cast<UINT>(-1)) {
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
    return;
  }
  const HBITMAP strip = PaintLineBackground(item, highlight);
  const DirectoryLine line = LineFromItemData(static_cast<std::uint32_t>(item.itemData));
  const int x = item.rcItem.left + 2 + line.indent;
  DrawStripIcon(item.hDC, strip, line.Glyph(), x, IconTop(item.rcItem));
  DrawLineText(item, x + IconSize() + kIconGap,
               ListLineText(item.hwndItem, static_cast<int>(item.itemID)));
  FinishLine(item);
}

void PaintDriveLegend(HWND dialog, HDC dc, int firstLabel) {
  const HBITMAP strip = Skins().backgroundFace.Get();
  for (int cell = skin::icon_strip::kRemovable; cell <= skin::icon_strip::kRamDisk; ++cell) {
    HWND label = GetDlgItem(dialog, firstLabel + cell);
    if (label == nullptr) continue;
    RECT rect{};
    GetWindowRect(label, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    const int x = rect.left - IconSize() - 2 * kIconGap;
    DrawStripIcon(dc, strip, cell, x, IconTop(rect));
  }
}

}  // namespace bw
