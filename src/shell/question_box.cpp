// The question box, dialog 1000.
#include "shell/question_box.h"

#include <string>

#include "resources/resource.h"
#include "shell/skinned_dialog.h"

namespace {

constexpr int kSoundOpen = 23;
constexpr int kSoundOk = 7;
constexpr int kSoundCancel = 2;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_QUESTION_BOX_OK, skin::ButtonStyle::kLarge, skin::large_sheet::kCellOk),
    Skinned(IDC_QUESTION_BOX_CANCEL, skin::ButtonStyle::kLarge, skin::large_sheet::kCellCancel),
};

constexpr auto kHelpIds =
    MakeHelpIds(IDC_QUESTION_BOX_OK, IDC_QUESTION_BOX_CANCEL, IDC_QUESTION_BOX_TEXT);

class QuestionBoxDialog : public SkinnedDialog {
 public:
  explicit QuestionBoxDialog(std::string_view text)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data(), kSoundOpen)), text_(text) {}

 private:
  void OnInitDialog() override { SetItemText(IDC_QUESTION_BOX_TEXT, text_); }

  void OnCommand(int id, int, HWND) override {
    if (id == IDC_QUESTION_BOX_OK || id == IDOK) {  // OK or Enter
      End(IDOK, kSoundOk);
    } else if (id == IDC_QUESTION_BOX_CANCEL || id == IDCANCEL) {  // Escape, close button
      End(IDCANCEL, kSoundCancel);
    }
  }

  std::string text_;
};

}  // namespace

bool AskQuestion(HWND owner, std::string_view text) {
  QuestionBoxDialog dialog(text);
  return RunModalDialog(owner, IDD_QUESTION_BOX, dialog) == IDOK;
}
