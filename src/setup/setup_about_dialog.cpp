// The installer's About dialog, 200: the emblem, the name and version, and OK.
#include "setup/setup_about_dialog.h"

#include "resources/setup_resource.h"
#include "setup/setup_help.h"
#include "shell/skinned_dialog.h"
#include "shell/skins.h"

namespace {

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_SETUP_ABOUT_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
};
constexpr auto kHelpIds = SetupHelpIds(IDC_SETUP_ABOUT_NAME, IDC_SETUP_ABOUT_OK);

class SetupAboutDialog : public SkinnedDialog {
 public:
  SetupAboutDialog() : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data(), kSetupSoundAbout)) {}

 private:
  void OnCommand(int id, int, HWND) override {
    if (id == IDC_SETUP_ABOUT_OK || id == IDOK || id == IDCANCEL) End(IDOK, kSetupSoundOk);
  }
  // The emblem, centred in its frame.
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override {
    if (item.CtlID != IDC_SETUP_ABOUT_EMBLEM) return SkinnedDialog::OnDrawItem(item);
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    HBITMAP emblem = Skins().piece30.Get();
    BITMAP size = {};
    if (emblem == nullptr || GetObjectA(emblem, sizeof size, &size) == 0) return true;
    UniqueMemoryDc memory(CreateCompatibleDC(item.hDC));
    SelectedObject selected(memory.Get(), emblem);
    const int x = (item.rcItem.right - item.rcItem.left - size.bmWidth) / 2;
    const int y = (item.rcItem.bottom - item.rcItem.top - size.bmHeight) / 2;
    BitBlt(item.hDC, item.rcItem.left + x, item.rcItem.top + y, size.bmWidth, size.bmHeight, memory.Get(), 0, 0, SRCCOPY);
    return true;
  }
};

}  // namespace

void RunSetupAboutDialog(HWND owner) {
  SetupAboutDialog dialog;
  RunModalDialog(owner, IDD_SETUP_ABOUT, dialog);
}
