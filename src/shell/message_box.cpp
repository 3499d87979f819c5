// The message box, dialog 600.
#include "shell/message_box.h"

#include <string>

#include "resources/resource.h"
#include "shell/skinned_dialog.h"

namespace {

constexpr int kSoundOpen = 15;
constexpr int kSoundOk = 7;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_MESSAGE_BOX_OK, skin::ButtonStyle::kLarge, skin::large_sheet::kCellOk),
};

class MessageBoxDialog : public SkinnedDialog {
 public:
  explicit MessageBoxDialog(std::string_view text)
      : SkinnedDialog(DialogChores::For(kButtons, nullptr, kSoundOpen)), text_(text) {}

 private:
  void OnInitDialog() override { SetItemText(IDC_MESSAGE_BOX_TEXT, text_); }

  void OnCommand(int id, int, HWND) override {
    // OK, Enter, Escape and the close button all close the box.
    if (id == IDC_MESSAGE_BOX_OK || id == IDOK || id == IDCANCEL) End(IDOK, kSoundOk);
  }

  std::string text_;
};

}  // namespace

void ShowMessage(HWND owner, std::string_view text) {
  MessageBoxDialog dialog(text);
  RunModalDialog(owner, IDD_MESSAGE_BOX, dialog);
}
