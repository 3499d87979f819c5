// The shared chores of skinned dialogs: hover, opening animation, button drawing, context help.
#include "shell/dialog_chrome.h"

#include "shell/button_painter.h"
#include "shell/context_help.h"
#include "shell/look_and_feel.h"
#include "shell/toggle_table.h"

namespace {
constexpr DWORD kOpeningAnimationMs = 120;
}  // namespace

DialogChrome::DialogChrome(const SkinnedButton* buttons, std::size_t count, HelpIdTable helpIds,
                           const ToggleTable* toggles)
    : buttons_(buttons, buttons + count), helpIds_(helpIds), toggles_(toggles) {}

void DialogChrome::RebuildHoverTable(HWND dialog) {
  hover_.Build(dialog, buttons_.data(), buttons_.size(), toggles_);
}

void DialogChrome::OnHoverTimer(HWND dialog) { hover_.Update(dialog); }

bool DialogChrome::OnDrawItem(const DRAWITEMSTRUCT& item) const {
  for (const SkinnedButton& button : buttons_) {
    if (button.id != static_cast<int>(item.CtlID)) continue;
    if (toggles_ != nullptr) {
      DrawSkinnedButton(item, button.column, button.row, button.style, button.edgeWhenPressed, *toggles_);
    } else {
      DrawSkinnedButton(item, button.column, button.row, button.style, button.edgeWhenPressed);
    }
    return true;
  }
  return false;
}

void DialogChrome::OnHelp(HWND dialog, const HELPINFO& info) {
  if (info.iContextType == HELPINFO_WINDOW) {
    ShowControlHelp(static_cast<HWND>(info.hItemHandle), g_helpFilePath.c_str(), HELP_WM_HELP, helpIds_);
  }
  hover_.Clear(dialog);
}

void DialogChrome::OnContextMenu(HWND dialog, HWND control) {
  ShowControlHelp(control, g_helpFilePath.c_str(), HELP_CONTEXTMENU, helpIds_);
  hover_.Clear(dialog);
}

void DialogChrome::OnEnd(HWND dialog) {
  StopHoverTimer(dialog);
  hover_.Clear(dialog);
}

void AnimateDialogOpening(HWND dialog) {
  if (g_animateWindow == nullptr) return;
  g_animateWindow(dialog, kOpeningAnimationMs, AW_CENTER | AW_ACTIVATE);
  InvalidateRect(dialog, nullptr, TRUE);
  UpdateWindow(dialog);
}

ParentHoverPause::ParentHoverPause(HWND parent)
    : parent_(parent), wasRunning_(parent != nullptr && StopHoverTimer(parent)) {}

ParentHoverPause::~ParentHoverPause() {
  if (wasRunning_ && IsWindow(parent_)) StartHoverTimer(parent_);
}
