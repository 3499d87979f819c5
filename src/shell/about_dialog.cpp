// The About dialog.
#include "shell/about_dialog.h"

#include <string>

#include "resources/resource.h"
#include "shell/skinned_dialog.h"
#include "shell/version.h"

namespace {

constexpr int kSoundOk = 7;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_ABOUT_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
};

class AboutDialog : public SkinnedDialog {
 public:
  AboutDialog() : SkinnedDialog(DialogChores::For(kButtons)) {}

 private:
  void OnInitDialog() override {
    SetItemText(IDC_ABOUT_NAME, kProgramName);
    SetItemText(IDC_ABOUT_VERSION, std::string("Version ") + kProgramVersion);
  }

  void OnCommand(int id, int, HWND) override {
    if (id == IDC_ABOUT_OK || id == IDOK || id == IDCANCEL) End(IDOK, kSoundOk);
  }
};

}  // namespace

void RunAboutDialog(HWND owner) {
  AboutDialog dialog;
  RunModalDialog(owner, IDD_ABOUT, dialog);
}
