// Drawing skinned owner-drawn buttons from the skin sheets.
#include "shell/button_painter.h"

#include "shell/look_and_feel.h"
#include "shell/program_state.h"
#include "shell/skins.h"
#include "base/win32_handles.h"

namespace {

skin::ButtonDrawState StateOf(const DRAWITEMSTRUCT& item, bool edgeWhenPressed) {
  skin::ButtonDrawState state;
  state.highColour = g_highColour;
  state.pressed = (item.itemState & ODS_SELECTED) != 0;
  state.focusOrSelectAction = (item.itemAction & (ODA_FOCUS | ODA_SELECT)) != 0;
  state.edgeWhenPressed = edgeWhenPressed;
  return state;
}

// Without skins (a message before the main window has loaded them) the button is drawn as a
// plain push button with its text, so the user can still see what to press.
void DrawPlainButton(const DRAWITEMSTRUCT& item, bool pressed) {
  RECT rect = item.rcItem;
  DrawFrameControl(item.hDC, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  char text[64] = {};
  GetWindowTextA(item.hwndItem, text, sizeof text);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
  DrawTextA(item.hDC, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void Paint(const DRAWITEMSTRUCT& item, int column, int row, skin::ButtonStyle style,
           const skin::ButtonDrawState& state, skin::Sheet sheet) {
  if (SkinSheet(style, sheet) == nullptr) {
    DrawPlainButton(item, state.pressed);
    return;
  }
  if (skin::DrawsEdge(state)) {
    DrawButtonEdge(item.hDC, item.rcItem, skin::ChooseEdge(state) == skin::Edge::kRaised);
  } else if (item.itemAction & ODA_DRAWENTIRE) {
    // High colour has no edge; clear the one-pixel ring the hover frame may use.
    DrawButtonEdge(item.hDC, item.rcItem, false);
  }
  DrawSkinCell(item.hDC, skin::Cell{style, column, row}, sheet, state.pressed);
}

}  // namespace

void DrawSkinnedButton(const DRAWITEMSTRUCT& item, int column, int row, skin::ButtonStyle style,
                       bool edgeWhenPressed, const ToggleTable& toggles) {
  skin::ButtonDrawState state = StateOf(item, edgeWhenPressed);
  Paint(item, column, row, style, state,
        skin::ChooseSheetWithToggle(style, state, toggles.IsOn(static_cast<int>(item.CtlID))));
}

void DrawSkinnedButton(const DRAWITEMSTRUCT& item, int column, int row, skin::ButtonStyle style,
                       bool edgeWhenPressed) {
  skin::ButtonDrawState state = StateOf(item, edgeWhenPressed);
  Paint(item, column, row, style, state, skin::ChooseSheetPlain(style, state));
}

void DrawSkinCell(HDC dc, const skin::Cell& cell, skin::Sheet sheet, bool pressed) {
  HBITMAP bitmap = SkinSheet(cell.style, sheet);
  if (bitmap == nullptr || cell.column < 0) return;
  skin::CellRect source = skin::SkinCellRect(cell.style, cell.column, cell.row, pressed);
  skin::Size drawn = skin::DrawnButtonSize(cell.style, g_largeFonts);
  UniqueMemoryDc memory(CreateCompatibleDC(dc));
  if (!memory) return;
  SelectedPalette palette(dc, g_highColour ? nullptr : g_programPalette.Get());
  SelectedObject selected(memory.Get(), bitmap);
  int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 1, 1, drawn.width, drawn.height, memory.Get(), source.x, source.y, source.width,
             source.height, SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

void DrawButtonEdge(HDC dc, const RECT& rect, bool raised) {
  if (!raised) {
    UniqueBrush face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    FrameRect(dc, &rect, face.Get());
    return;
  }
  const int left = rect.left;
  const int top = rect.top;
  const int right = rect.right - 1;
  const int bottom = rect.bottom - 1;
  UniquePen light(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT)));
  UniquePen dark(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
  {
    // Up from the bottom-left corner and along the top.
    SelectedObject pen(dc, light.Get());
    MoveToEx(dc, left, bottom, nullptr);
    LineTo(dc, left, top);
    LineTo(dc, right, top);
  }
  {
    // Down the right side and back along the bottom.
    SelectedObject pen(dc, dark.Get());
    MoveToEx(dc, right, top, nullptr);
    LineTo(dc, right, bottom);
    LineTo(dc, left - 1, bottom);
  }
}

void DrawHoverFrame(HWND dialog, int controlId, bool raised) {
  HWND control = GetDlgItem(dialog, controlId);
  if (control == nullptr) return;
  RECT rect;
  GetClientRect(control, &rect);
  WindowDc dc(control);
  if (dc) DrawButtonEdge(dc.Get(), rect, raised);
}
