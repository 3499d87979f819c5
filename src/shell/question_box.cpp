// The question box, dialog 1000.
#include "shell/question_box.h"

#include "resources/resource.h"
#include "shell/dialog_chrome.h"
#include "shell/message_box.h"
#include "shell/program_state.h"
#include "shell/sound_effects.h"

int g_questionAnswer = kAnswerCancel;

namespace {

constexpr int kSoundOpen = 23;
constexpr int kSoundOk = 7;
constexpr int kSoundCancel = 2;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_QUESTION_BOX_OK, skin::ButtonStyle::kLarge, skin::large_sheet::kCellOk),
    Skinned(IDC_QUESTION_BOX_CANCEL, skin::ButtonStyle::kLarge, skin::large_sheet::kCellCancel),
};

// Context help: each control is its own help context in the help file.
constexpr DWORD kHelpIds[] = {
    IDC_QUESTION_BOX_OK, IDC_QUESTION_BOX_OK,
    IDC_QUESTION_BOX_CANCEL, IDC_QUESTION_BOX_CANCEL,
    IDC_QUESTION_BOX_TEXT, IDC_QUESTION_BOX_TEXT,
    0, 0,
};

struct QuestionBoxState {
  DialogChrome chrome{kButtons, kHelpIds};
};

void OnInitDialog(HWND dialog, QuestionBoxState& state) {
  SetDlgItemTextA(dialog, IDC_QUESTION_BOX_TEXT, g_messageBuffer.c_str());
  PlaySoundEffect(kSoundOpen);
  state.chrome.OnInitDialog(dialog);
}

void Answer(HWND dialog, QuestionBoxState& state, int answer) {
  PlaySoundEffect(answer == kAnswerOk ? kSoundOk : kSoundCancel);
  g_questionAnswer = answer;
  state.chrome.OnEnd(dialog);
  EndDialog(dialog, answer == kAnswerOk ? IDOK : IDCANCEL);
}

INT_PTR CALLBACK QuestionBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = BindDialogState<QuestionBoxState>(dialog, message, lParam);
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
        case IDC_QUESTION_BOX_OK:
        case IDOK:  // Enter
          Answer(dialog, *state, kAnswerOk);
          return TRUE;
        case IDC_QUESTION_BOX_CANCEL:
        case IDCANCEL:  // Escape or the close button
          Answer(dialog, *state, kAnswerCancel);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

}  // namespace

bool AskQuestionBox(HWND owner) {
  ParentHoverPause pause(owner);
  QuestionBoxState state;
  INT_PTR shown = DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_QUESTION_BOX), owner, QuestionBoxProc,
                                  reinterpret_cast<LPARAM>(&state));
  return shown != -1 && shown != 0;
}

bool AskQuestion(HWND owner, std::string_view text) {
  g_messageBuffer.assign(text.data(), text.size());
  return AskQuestionBox(owner) && g_questionAnswer == kAnswerOk;
}
