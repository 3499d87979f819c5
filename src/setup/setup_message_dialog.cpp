// The installer's message dialog, 400: a text and OK.
#include "setup/setup_message_dialog.h"

#include "resources/setup_resource.h"
#include "setup/setup_help.h"
#include "shell/skinned_dialog.h"

namespace {

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_SETUP_MESSAGE_OK, skin::ButtonStyle::kLarge, skin::large_sheet::kCellOk),
};
constexpr auto kHelpIds = SetupHelpIds(IDC_SETUP_MESSAGE_TEXT, IDC_SETUP_MESSAGE_OK);

class SetupMessageDialog : public SkinnedDialog {
 public:
  explicit SetupMessageDialog(const std::string& text)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data(), kSetupSoundMessage)), text_(text) {}

 private:
  void OnInitDialog() override { SetItemText(IDC_SETUP_MESSAGE_TEXT, text_); }
  void OnCommand(int id, int, HWND) override {
    if (id == IDC_SETUP_MESSAGE_OK || id == IDOK || id == IDCANCEL) End(IDOK, kSetupSoundOk);
  }
  std::string text_;
};

}  // namespace

void ShowSetupMessage(HWND owner, const std::string& text) {
  SetupMessageDialog dialog(text);
  RunModalDialog(owner, IDD_SETUP_MESSAGE, dialog);
}
