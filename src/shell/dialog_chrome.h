// The chores every skinned dialog shares: the hover table and its timer, the opening animation,
// drawing its skinned buttons, context help, and pausing the parent's hover while a modal dialog
// runs. A dialog keeps one DialogChrome in its state and calls it from its flat switch:
//
//   case WM_INITDIALOG: ... fill controls ...; state->chrome.OnInitDialog(dialog); return TRUE;
//   case WM_TIMER:      if (wParam == kHoverTimerId) state->chrome.OnHoverTimer(dialog); ...
//   case WM_DRAWITEM:   return state->chrome.OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
//   case WM_HELP:       state->chrome.OnHelp(dialog, *reinterpret_cast<HELPINFO*>(lParam)); return TRUE;
//   case WM_CONTEXTMENU: state->chrome.OnContextMenu(dialog, reinterpret_cast<HWND>(wParam)); return TRUE;
//   and before EndDialog: state->chrome.OnEnd(dialog);
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "shell/hover.h"
#include "shell/skinned_button.h"

class ToggleTable;

// WinHelp's table form: control id, help context, ..., 0, 0.
using HelpIdTable = const DWORD*;

class DialogChrome {
 public:
  DialogChrome(const SkinnedButton* buttons, std::size_t count, HelpIdTable helpIds = nullptr,
               const ToggleTable* toggles = nullptr);
  template <std::size_t N>
  explicit DialogChrome(const SkinnedButton (&buttons)[N], HelpIdTable helpIds = nullptr,
                        const ToggleTable* toggles = nullptr)
      : DialogChrome(buttons, N, helpIds, toggles) {}

  // After the controls are laid out: hover table from the live rectangles, hover timer, and
  // the 120 ms centre-out opening when AnimateWindow is available.
  void OnInitDialog(HWND dialog);
  // WM_TIMER with kHoverTimerId.
  void OnHoverTimer(HWND dialog);
  // WM_DRAWITEM: draws a listed button (with the toggle table when there is one); answers
  // whether the control was one of the listed buttons.
  bool OnDrawItem(const DRAWITEMSTRUCT& item) const;
  // WM_HELP / WM_CONTEXTMENU: WinHelp with the dialog's help ids (nothing without a table);
  // the highlighted button is redrawn flat afterwards.
  void OnHelp(HWND dialog, const HELPINFO& info);
  void OnContextMenu(HWND dialog, HWND control);
  // Before the dialog ends: stops the hover timer.
  void OnEnd(HWND dialog);

  // Takes every message above; answers whether it was taken (*result for the dialog procedure).
  bool HandleMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result);

  // The rectangles are re-read after controls move; also for changing a button's swap cell.
  HoverTable& Hover() { return hover_; }
  // Rebuilds the hover table from the controls' current rectangles.
  void RebuildHoverTable(HWND dialog);

 private:
  std::vector<SkinnedButton> buttons_;
  HelpIdTable helpIds_;
  const ToggleTable* toggles_;
  HoverTable hover_;
};

// Shows a dialog with the 120 ms centre-out animation when AnimateWindow is available, and
// repaints it.
void AnimateDialogOpening(HWND dialog);

// Stops the parent's hover timer for the life of a modal dialog and restarts it afterwards
// (only when it was running). A null parent is left alone.
class ParentHoverPause {
 public:
  explicit ParentHoverPause(HWND parent);
  ~ParentHoverPause();
  ParentHoverPause(const ParentHoverPause&) = delete;
  ParentHoverPause& operator=(const ParentHoverPause&) = delete;

 private:
  HWND parent_;
  bool wasRunning_;
};

// A modal dialog's state travels in through WM_INITDIALOG's lParam and lives in the window's
// user data; this binds it on WM_INITDIALOG and finds it for every later message (null before).
template <class State>
State* BindDialogState(HWND dialog, UINT message, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
    return reinterpret_cast<State*>(lParam);
  }
  return reinterpret_cast<State*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}
