// The installer's Freedb information dialog, 600: the e-mail address and the SMTP server.
#include "setup/setup_freedb_dialog.h"

#include "resources/setup_resource.h"
#include "setup/setup_help.h"
#include "setup/setup_texts.h"
#include "shell/skinned_dialog.h"

namespace {

using bw::setup::FreedbContact;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_SETUP_FREEDB_OK, skin::ButtonStyle::kLarge, skin::large_sheet::kCellOk),
};
constexpr auto kHelpIds = SetupHelpIds(IDC_SETUP_FREEDB_TEXT, IDC_SETUP_FREEDB_EMAIL,
                                       IDC_SETUP_FREEDB_SERVER, IDC_SETUP_FREEDB_OK);
// What the settings file's fields hold at most.
constexpr int kFieldLimit = 255;

class SetupFreedbDialog : public SkinnedDialog {
 public:
  explicit SetupFreedbDialog(const FreedbContact& offered)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data(), kSetupSoundMessage)),
        contact_(offered) {}
  const FreedbContact& Contact() const { return contact_; }

 private:
  void OnInitDialog() override {
    SetItemText(IDC_SETUP_FREEDB_TEXT, bw::setup::kFreedbExplanation);
    SendMessageA(Item(IDC_SETUP_FREEDB_EMAIL), EM_LIMITTEXT, kFieldLimit, 0);
    SendMessageA(Item(IDC_SETUP_FREEDB_SERVER), EM_LIMITTEXT, kFieldLimit, 0);
    SetItemText(IDC_SETUP_FREEDB_EMAIL, contact_.email);
    SetItemText(IDC_SETUP_FREEDB_SERVER, contact_.mailServer);
  }
  void OnCommand(int id, int, HWND) override {
    if (id != IDC_SETUP_FREEDB_OK && id != IDOK && id != IDCANCEL) return;
    contact_.email = ItemText(IDC_SETUP_FREEDB_EMAIL, kFieldLimit);
    contact_.mailServer = ItemText(IDC_SETUP_FREEDB_SERVER, kFieldLimit);
    End(IDOK, kSetupSoundOk);
  }
  FreedbContact contact_;
};

}  // namespace

FreedbContact RunSetupFreedbDialog(HWND owner, const FreedbContact& offered) {
  SetupFreedbDialog dialog(offered);
  RunModalDialog(owner, IDD_SETUP_FREEDB, dialog);
  return dialog.Contact();
}
