// The shared dialog procedure and the two ways to run a dialog.
#include "shell/skinned_dialog.h"

#include "shell/look_and_feel.h"
#include "shell/sound_effects.h"

INT_PTR CALLBACK SkinnedDialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SkinnedDialog* dialog = nullptr;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<SkinnedDialog*>(lParam);
    if (dialog == nullptr) return FALSE;
    dialog->Bind(window);
  } else {
    dialog = SkinnedDialog::Of(window);
    if (dialog == nullptr) return FALSE;
  }
  const INT_PTR result = dialog->Dispatch(message, wParam, lParam);
  if (message == WM_NCDESTROY) dialog->Unbind();
  return result;
}

SkinnedDialog::SkinnedDialog(const DialogChores& chores)
    : chores_(chores), chrome_(chores.buttons, chores.buttonCount, chores.helpIds, chores.toggles) {}

namespace {
// The window property that carries a dialog's state: only windows of the shared procedure
// have it, so Of() never mistakes another window's user data for a dialog.
constexpr const char* kDialogProperty = "Brindlewax.Dialog";
}  // namespace

SkinnedDialog* SkinnedDialog::Of(HWND window) {
  if (window == nullptr) return nullptr;
  return static_cast<SkinnedDialog*>(GetPropA(window, kDialogProperty));
}

void SkinnedDialog::Bind(HWND window) {
  window_ = window;
  SetPropA(window, kDialogProperty, this);
}

void SkinnedDialog::Unbind() {
  RemovePropA(window_, kDialogProperty);
  window_ = nullptr;
}

INT_PTR SkinnedDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      if (chores_.openingSound != 0) PlaySoundEffect(chores_.openingSound);
      OnInitDialog();
      // A dialog that ended while it started is never shown.
      if (ended_) return TRUE;
      // The hover table is taken from the controls as the dialog has laid them out.
      if (chores_.buttonCount != 0) chrome_.RebuildHoverTable(window_);
      StartHoverTimer(window_);
      if (chores_.animateOpening) AnimateDialogOpening(window_);
      return TRUE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_TIMER:
      if (wParam == kHoverTimerId) {
        OnHoverTimer();
      } else {
        OnTimer(wParam);
      }
      return TRUE;
    case WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    case WM_HELP:
      chrome_.OnHelp(window_, *reinterpret_cast<const HELPINFO*>(lParam));
      return TRUE;
    case WM_CONTEXTMENU:
      chrome_.OnContextMenu(window_, reinterpret_cast<HWND>(wParam));
      return TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (!chores_.entryFieldColours) break;
      return reinterpret_cast<INT_PTR>(EntryFieldColours(reinterpret_cast<HDC>(wParam)));
    case WM_DESTROY:
      chrome_.OnEnd(window_);
      OnDestroy();
      return FALSE;
    default:
      break;
  }
  if (std::optional<INT_PTR> taken = OnMessage(message, wParam, lParam)) return *taken;
  return FALSE;
}

void SkinnedDialog::OnHoverTimer() { chrome_.OnHoverTimer(window_); }

bool SkinnedDialog::OnDrawItem(const DRAWITEMSTRUCT& item) { return chrome_.OnDrawItem(item); }

void SkinnedDialog::End(INT_PTR result, int sound) {
  if (sound != 0) PlaySoundEffect(sound);
  ended_ = true;
  chrome_.OnEnd(window_);
  if (modal_) {
    EndDialog(window_, result);
  } else {
    DestroyWindow(window_);
  }
}

std::string SkinnedDialog::ItemText(int id, std::size_t limit) const {
  std::string text(limit + 1, '\0');
  const UINT length = GetDlgItemTextA(window_, id, &text[0], static_cast<int>(text.size()));
  text.resize(length);
  return text;
}

void SkinnedDialog::SetItemText(int id, const std::string& text) const {
  SetDlgItemTextA(window_, id, text.c_str());
}

void SkinnedDialog::ShowItem(int id, bool visible) const {
  ShowWindow(GetDlgItem(window_, id), visible ? SW_SHOW : SW_HIDE);
}

void SkinnedDialog::EnableItem(int id, bool enabled) const {
  EnableWindow(GetDlgItem(window_, id), enabled ? TRUE : FALSE);
}

bool SkinnedDialog::IsChecked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }

void SkinnedDialog::SetChecked(int id, bool checked) const {
  CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void SkinnedDialog::SetMessageResult(LRESULT result) const {
  SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
}

INT_PTR RunModalDialog(HWND owner, int templateId, SkinnedDialog& dialog) {
  ParentHoverPause pause(owner);
  dialog.modal_ = true;
  return DialogBoxParamA(g_instance, MAKEINTRESOURCEA(templateId), owner, SkinnedDialogProcedure,
                         reinterpret_cast<LPARAM>(&dialog));
}

HWND CreateModelessDialog(HWND parent, const DLGTEMPLATE* dialogTemplate, SkinnedDialog& dialog) {
  if (dialogTemplate == nullptr) return nullptr;
  return CreateDialogIndirectParamA(g_instance, dialogTemplate, parent, SkinnedDialogProcedure,
                                    reinterpret_cast<LPARAM>(&dialog));
}

HWND CreateModelessDialog(HWND parent, int templateId, SkinnedDialog& dialog) {
  return CreateDialogParamA(g_instance, MAKEINTRESOURCEA(templateId), parent,
                            SkinnedDialogProcedure, reinterpret_cast<LPARAM>(&dialog));
}
