// The About dialog.
#include "shell/about_dialog.h"

#include "resources/resource.h"
#include "shell/dialog_chrome.h"
#include "shell/program_state.h"
#include "shell/sound_effects.h"
#include "shell/version.h"

namespace {

constexpr int kSoundOk = 7;

const SkinnedButton kAboutButtons[] = {
    Skinned(IDC_ABOUT_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
};

struct AboutState {
  DialogChrome chrome{kAboutButtons};
};

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<AboutState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      state = reinterpret_cast<AboutState*>(lParam);
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      SetDlgItemTextA(dialog, IDC_ABOUT_NAME, kProgramName);
      SetDlgItemTextA(dialog, IDC_ABOUT_VERSION, (std::string("Version ") + kProgramVersion).c_str());
      state->chrome.OnInitDialog(dialog);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_ABOUT_OK || LOWORD(wParam) == IDCANCEL) {
        PlaySoundEffect(kSoundOk);
        state->chrome.OnEnd(dialog);
        EndDialog(dialog, IDOK);
      }
      return TRUE;
    default:
      break;
  }
  INT_PTR result = FALSE;
  if (state != nullptr && state->chrome.HandleMessage(dialog, message, wParam, lParam, &result)) {
    return result;
  }
  return FALSE;
}

}  // namespace

void RunAboutDialog(HWND owner) {
  AboutState state;
  DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutProc,
                  reinterpret_cast<LPARAM>(&state));
}
