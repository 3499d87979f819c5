// The inexact-match dialog.
#include "freedb/inexact_match_dialog.h"

#include "resources/resource.h"
#include "shell/dialog_chrome.h"
#include "shell/program_state.h"
#include "shell/skin_cells.h"

namespace bw {
namespace freedb {
namespace {

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_INEXACT_OK, skin::ButtonStyle::kLarge, skin::large_sheet::kCellOk),
    Skinned(IDC_INEXACT_CANCEL, skin::ButtonStyle::kLarge, skin::large_sheet::kCellCancel),
};

constexpr DWORD kHelpIds[] = {
    IDC_INEXACT_OK, IDC_INEXACT_OK,
    IDC_INEXACT_CANCEL, IDC_INEXACT_CANCEL,
    IDC_INEXACT_LIST, IDC_INEXACT_LIST,
    0, 0,
};

struct InexactMatchState {
  const std::vector<InexactMatch>* matches = nullptr;
  DialogChrome chrome{kButtons, kHelpIds};
};

void OnInitDialog(HWND dialog, InexactMatchState& state) {
  HWND list = GetDlgItem(dialog, IDC_INEXACT_LIST);
  for (const InexactMatch& match : *state.matches) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(match.ListText().c_str()));
  }
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  state.chrome.OnInitDialog(dialog);
}

void End(HWND dialog, InexactMatchState& state, int index) {
  state.chrome.OnEnd(dialog);
  EndDialog(dialog, index);
}

int SelectedIndex(HWND dialog) {
  LRESULT selected = SendDlgItemMessageA(dialog, IDC_INEXACT_LIST, LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

INT_PTR CALLBACK InexactMatchProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = BindDialogState<InexactMatchState>(dialog, message, lParam);
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
        case IDC_INEXACT_OK:
        case IDOK:  // Enter
          End(dialog, *state, SelectedIndex(dialog));
          return TRUE;
        case IDC_INEXACT_LIST:
          if (HIWORD(wParam) != LBN_DBLCLK) return FALSE;
          End(dialog, *state, SelectedIndex(dialog));
          return TRUE;
        case IDC_INEXACT_CANCEL:
        case IDCANCEL:  // Escape
          End(dialog, *state, -1);
          return TRUE;
        default:
          return FALSE;
      }
    case WM_SYSCOMMAND:
      // Closing from the system menu keeps the selection, as OK does.
      if ((wParam & 0xFFF0) != SC_CLOSE) return FALSE;
      End(dialog, *state, SelectedIndex(dialog));
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int ChooseInexactMatch(HWND owner, const std::vector<InexactMatch>& matches) {
  if (matches.size() == 1) return 0;
  ParentHoverPause pause(owner);
  InexactMatchState state;
  state.matches = &matches;
  INT_PTR chosen = DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_INEXACT_MATCHES), owner,
                                   InexactMatchProc, reinterpret_cast<LPARAM>(&state));
  if (chosen < 0 || chosen >= static_cast<INT_PTR>(matches.size())) return -1;
  return static_cast<int>(chosen);
}

}  // namespace freedb
}  // namespace bw
