// Dialog 2400: Start sorts through the crash-safe rebuild, OK closes.
#include "cddb/sorter_dialog.h"

#include "base/file_system.h"
#include "cddb/database.h"
#include "cddb/database_sorter.h"
#include "cddb/text_rules.h"
#include "cddb/tool_status_line.h"
#include "resources/resource.h"
#include "shell/hover.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kSoundOk = 7;
constexpr int kSoundStart = 26;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_SORTER_START, skin::ButtonStyle::kLarge, skin::large_sheet::kCellStart),
    Skinned(IDC_SORTER_OK, skin::ButtonStyle::kLarge, skin::large_sheet::kCellOk),
};

constexpr auto kHelpIds = MakeHelpIds(IDC_SORTER_START, IDC_SORTER_OK, IDC_SORTER_STATUS);

class SorterDialog : public SkinnedDialog {
 public:
  explicit SorterDialog(const SorterInput& input)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())), input_(input) {}

 private:
  void OnCommand(int id, int code, HWND) override {
    if (code != BN_CLICKED) return;
    if (id == IDC_SORTER_START) {
      Sort();
    } else if (id == IDC_SORTER_OK || id == IDOK || id == IDCANCEL) {
      End(IDOK, kSoundOk);
    }
  }

  void Sort() {
    PlaySoundEffect(kSoundStart);
    StopHoverTimer(Window());
    bw::Status status;
    {
      WaitCursor hourglass;
      ToolStatusLine line(Window(), IDC_SORTER_STATUS);
      bw::Database catalogue(bw::DefaultFileSystem(), input_.catalogueFolder);
      status = bw::SortDatabase(catalogue, bw::PlatformTextRules().compare, line.Callback());
    }
    if (status.IsOk()) MessageBeep(MB_OK);
    StartHoverTimer(Window());
  }

  const SorterInput& input_;
};

}  // namespace

void RunSorterDialog(HWND owner, const SorterInput& input) {
  SorterDialog dialog(input);
  RunModalDialog(owner, IDD_SORTER, dialog);
}
