// The uninstaller's question, dialog 101: the question, OK and Cancel. Closing it from the
// system menu is Cancel, so nothing is deleted unless the user said OK.
#include "uninstall/uninstall_question_dialog.h"

#include "resources/delbrix_resource.h"
#include "shell/skinned_dialog.h"
#include "uninstall/uninstall_help.h"

namespace {

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_UNINSTALL_QUESTION_OK, skin::ButtonStyle::kLarge, skin::large_sheet::kCellOk),
    Skinned(IDC_UNINSTALL_QUESTION_CANCEL, skin::ButtonStyle::kLarge, skin::large_sheet::kCellCancel),
};
constexpr auto kHelpIds = UninstallHelpIds(IDC_UNINSTALL_QUESTION_TEXT, IDC_UNINSTALL_QUESTION_OK,
                                           IDC_UNINSTALL_QUESTION_CANCEL);

class UninstallQuestionDialog : public SkinnedDialog {
 public:
  explicit UninstallQuestionDialog(const std::string& question)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data(), kUninstallSoundQuestion)),
        question_(question) {}

 private:
  void OnInitDialog() override { SetItemText(IDC_UNINSTALL_QUESTION_TEXT, question_); }
  void OnCommand(int id, int, HWND) override {
    if (id == IDC_UNINSTALL_QUESTION_OK) {
      End(IDOK, kUninstallSoundOk);
    } else if (id == IDC_UNINSTALL_QUESTION_CANCEL || id == IDCANCEL) {
      End(IDCANCEL, kUninstallSoundCancel);
    }
  }
  std::string question_;
};

}  // namespace

bool AskUninstallQuestion(HWND owner, const std::string& question) {
  UninstallQuestionDialog dialog(question);
  return RunModalDialog(owner, IDD_UNINSTALL_QUESTION, dialog) == IDOK;
}
