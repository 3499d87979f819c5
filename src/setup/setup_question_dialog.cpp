// The installer's question dialog, 500: a question, OK and Cancel.
#include "setup/setup_question_dialog.h"

#include "resources/setup_resource.h"
#include "setup/setup_help.h"
#include "shell/skinned_dialog.h"

namespace {

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_SETUP_QUESTION_OK, skin::ButtonStyle::kLarge, skin::large_sheet::kCellOk),
    Skinned(IDC_SETUP_QUESTION_CANCEL, skin::ButtonStyle::kLarge, skin::large_sheet::kCellCancel),
};
constexpr auto kHelpIds =
    SetupHelpIds(IDC_SETUP_QUESTION_TEXT, IDC_SETUP_QUESTION_OK, IDC_SETUP_QUESTION_CANCEL);

class SetupQuestionDialog : public SkinnedDialog {
 public:
  explicit SetupQuestionDialog(const std::string& question)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data(), kSetupSoundQuestion)),
        question_(question) {}

 private:
  void OnInitDialog() override { SetItemText(IDC_SETUP_QUESTION_TEXT, question_); }
  void OnCommand(int id, int, HWND) override {
    if (id == IDC_SETUP_QUESTION_OK || id == IDOK) {
      End(IDOK, kSetupSoundOk);
    } else if (id == IDC_SETUP_QUESTION_CANCEL || id == IDCANCEL) {
      End(IDCANCEL, kSetupSoundCancel);
    }
  }
  std::string question_;
};

}  // namespace

bool AskSetupQuestion(HWND owner, const std::string& question) {
  SetupQuestionDialog dialog(question);
  return RunModalDialog(owner, IDD_SETUP_QUESTION, dialog) == IDOK;
}
