// Hover highlighting of a dialog's skinned buttons: a timer (id 10, 166 ms) finds the button under
// the mouse and draws it raised, the one left flat. In high-colour mode buttons of styles 0, 1 and
// 4 swap to their highlighted image instead of the raised edge.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "shell/skinned_button.h"

class ToggleTable;

inline constexpr UINT_PTR kHoverTimerId = 10;
inline constexpr UINT kHoverTimerPeriodMs = 166;

class HoverTable {
 public:
  // Takes the buttons' live client rectangles; call after the dialog is laid out.
  void Build(HWND dialog, const SkinnedButton* buttons, size_t count,
             const ToggleTable* toggles = nullptr);
  // Timer tick: redraws the previous button flat and the one under the mouse raised.
  void Update(HWND dialog);
  // Draws the highlighted button flat and forgets it (after help, before the dialog ends).
  void Clear(HWND dialog);
  // Changes the cell a button swaps with (buttons whose image changes with their state).
  void SetCell(int controlId, int column, int row);

  int HighlightedId() const { return highlightedId_; }
  // The control id whose rectangle holds the point (dialog client coordinates), or -1.
  int HitTest(POINT clientPoint) const;

 private:
  struct Entry {
    SkinnedButton button;
    RECT rect;  // in the dialog's client coordinates
  };
  void Draw(HWND dialog, const Entry& entry, bool raised) const;
  const Entry* Find(int controlId) const;

  std::vector<Entry> entries_;
  const ToggleTable* toggles_ = nullptr;
  int highlightedId_ = -1;
};

void StartHoverTimer(HWND window);
// Answers whether the timer was running.
bool StopHoverTimer(HWND window);
