// The message box, dialog 600.
#include "shell/message_box.h"

#include "resources/resource.h"
#include "shell/dialog_chrome.h"
#include "shell/program_state.h"
#include "shell/sound_effects.h"

std::string g_messageBuffer;

namespace {

constexpr int kSoundOpen = 15;
constexpr int kSoundOk = 7;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_MESSAGE_BOX_OK, skin::ButtonStyle::kLarge, skin::large_sheet::kCellOk),
};

struct MessageBoxState {
  DialogChrome chrome{kButtons};
};

void OnInitDialog(HWND dialog, MessageBoxState& state) {
  SetDlgItemTextA(dialog, IDC_MESSAGE_BOX_TEXT, g_messageBuffer.c_str());
  PlaySoundEffect(kSoundOpen);
  state.chrome.OnInitDialog(dialog);
}

void OnClose(HWND dialog, MessageBoxState& state) {
  PlaySoundEffect(kSoundOk);
  state.chrome.OnEnd(dialog);
  EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK MessageBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = BindDialogState<MessageBoxState>(dialog, message, lParam);
  if (state == nullptr) return FALSE;
  if (message == WM_INITDIALOG) {
    OnInitDialog(dialog, *state);
    return TRUE;
  }
  INT_PTR result = FALSE;
  if (state->chrome.HandleMessage(dialog, message, wParam, lParam, &result)) return result;
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_MESSAGE_BOX_OK:
        case IDOK:      // Enter
        case IDCANCEL:  // Escape or the close button
          OnClose(dialog, *state);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

}  // namespace

void ShowMessageBox(HWND owner) {
  ParentHoverPause pause(owner);
  MessageBoxState state;
  DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_MESSAGE_BOX), owner, MessageBoxProc,
                  reinterpret_cast<LPARAM>(&state));
}

void ShowMessage(HWND owner, std::string_view text) {
  g_messageBuffer.assign(text.data(), text.size());
  ShowMessageBox(owner);
}
