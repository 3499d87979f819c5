// The hover table and its timer.
#include "shell/hover.h"

#include "shell/button_painter.h"
#include "shell/look_and_feel.h"
#include "shell/program_state.h"
#include "shell/toggle_table.h"
#include "base/win32_handles.h"

void HoverTable::Build(HWND dialog, const SkinnedButton* buttons, size_t count,
                       const ToggleTable* toggles) {
  entries_.clear();
  toggles_ = toggles;
  highlightedId_ = -1;
  for (size_t i = 0; i < count; ++i) {
    HWND control = GetDlgItem(dialog, buttons[i].id);
    if (control == nullptr) continue;
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    entries_.push_back(Entry{buttons[i], rect});
  }
}

int HoverTable::HitTest(POINT clientPoint) const {
  for (const Entry& entry : entries_) {
    if (PtInRect(&entry.rect, clientPoint)) return entry.button.id;
  }
  return -1;
}

const HoverTable::Entry* HoverTable::Find(int controlId) const {
  for (const Entry& entry : entries_) {
    if (entry.button.id == controlId) return &entry;
  }
  return nullptr;
}

void HoverTable::SetCell(int controlId, int column, int row) {
  for (Entry& entry : entries_) {
    if (entry.button.id == controlId) {
      entry.button.column = column;
      entry.button.row = row;
    }
  }
}

void HoverTable::Draw(HWND dialog, const Entry& entry, bool raised) const {
  HWND control = GetDlgItem(dialog, entry.button.id);
  if (control == nullptr || !IsWindowVisible(control)) return;
  const SkinnedButton& button = entry.button;
  bool swaps = g_highColour && skin::HasHighlightedSheet(button.style) && button.column >= 0;
  if (!swaps) {
    DrawHoverFrame(dialog, button.id, raised);
    return;
  }
  // A toggled-on button keeps its highlighted image when the mouse leaves it.
  bool toggledOn = toggles_ != nullptr && toggles_->IsOn(button.id);
  WindowDc dc(control);
  if (!dc) return;
  DrawSkinCell(dc.Get(), skin::Cell{button.style, button.column, button.row},
               (raised || toggledOn) ? skin::Sheet::kHighlighted : skin::Sheet::kNormal, false);
}

void HoverTable::Update(HWND dialog) {
  if (IsIconic(GetAncestor(dialog, GA_ROOT))) return;
  POINT cursor;
  if (!GetCursorPos(&cursor)) return;
  int hit = -1;
  // Only a point of this dialog's own window tree counts, not a window lying above it.
  HWND under = WindowFromPoint(cursor);
  if (under != nullptr && GetAncestor(under, GA_ROOT) == GetAncestor(dialog, GA_ROOT)) {
    POINT client = cursor;
    ScreenToClient(dialog, &client);
    hit = HitTest(client);
  }
  if (hit == highlightedId_) return;
  if (const Entry* previous = Find(highlightedId_)) Draw(dialog, *previous, false);
  if (const Entry* current = Find(hit)) Draw(dialog, *current, true);
  highlightedId_ = hit;
}

void HoverTable::Clear(HWND dialog) {
  if (const Entry* previous = Find(highlightedId_)) Draw(dialog, *previous, false);
  highlightedId_ = -1;
}

void StartHoverTimer(HWND window) { SetTimer(window, kHoverTimerId, kHoverTimerPeriodMs, nullptr); }

bool StopHoverTimer(HWND window) { return KillTimer(window, kHoverTimerId) != 0; }
