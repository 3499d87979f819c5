// The chores every skinned dialog shares: the hover table and its timer, the opening animation,
// drawing its skinned buttons, context help, and pausing the parent's hover while a modal dialog
// runs. The shared dialog procedure (skinned_dialog.h) keeps one for every dialog and calls it;
// dialogs reach it only to change their buttons' cells or rebuild the table after a move.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <vector>

#include "shell/hover.h"
#include "shell/skinned_button.h"

class ToggleTable;

// WinHelp's table form: control id, help context, ..., 0, 0.
using HelpIdTable = const DWORD*;

// Every control's help context is 10000 plus its id; the help file holds a topic for each.
inline constexpr DWORD kHelpContextBase = 10000;

// The table for the controls `ids`: static constexpr auto kHelp = MakeHelpIds(IDC_A, IDC_B);
// and then kHelp.data() where a HelpIdTable is wanted.
// The companion programs number their contexts from bases of their own (the installer 14000,
// the uninstaller 15000): MakeHelpIdsFrom<14000>(IDC_A, IDC_B).
template <DWORD Base, class... Ids>
constexpr std::array<DWORD, 2 * sizeof...(Ids) + 2> MakeHelpIdsFrom(Ids... ids) {
  std::array<DWORD, 2 * sizeof...(Ids) + 2> table{};
  std::size_t at = 0;
  for (const int id : {static_cast<int>(ids)...}) {
    table[at++] = static_cast<DWORD>(id);
    table[at++] = Base + static_cast<DWORD>(id);
  }
  return table;
}

template <class... Ids>
constexpr std::array<DWORD, 2 * sizeof...(Ids) + 2> MakeHelpIds(Ids... ids) {
  return MakeHelpIdsFrom<kHelpContextBase>(ids...);
}

class DialogChrome {
 public:
  DialogChrome(const SkinnedButton* buttons, std::size_t count, HelpIdTable helpIds = nullptr,
               const ToggleTable* toggles = nullptr);
  template <std::size_t N>
  explicit DialogChrome(const SkinnedButton (&buttons)[N], HelpIdTable helpIds = nullptr,
                        const ToggleTable* toggles = nullptr)
      : DialogChrome(buttons, N, helpIds, toggles) {}

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
