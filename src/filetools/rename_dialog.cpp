// The rename series: the new name is checked before anything is renamed, and a refused name
// keeps the dialog open so it can be mended.
#include "filetools/rename_dialog.h"

#include "filetools/file_rename.h"
#include "filetools/file_tool_paths.h"
#include "filetools/file_tool_texts.h"
#include "resources/resource.h"
#include "shell/message_box.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kSoundRename = 16;
constexpr int kSoundOk = 7;
constexpr int kSoundSkip = 4;
constexpr int kSoundCancel = 2;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_RENAME_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
    Skinned(IDC_RENAME_SKIP, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellSkipForward),
    Skinned(IDC_RENAME_CANCEL, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellCancel),
};

constexpr auto kHelpIds =
    MakeHelpIds(IDC_RENAME_OK, IDC_RENAME_SKIP, IDC_RENAME_CANCEL, IDC_RENAME_NEW);

enum class RenameStep { kRenamed, kSkipped, kCanceled };

class RenameDialog : public SkinnedDialog {
 public:
  RenameDialog(const std::string& file, std::size_t index, std::size_t count)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data(), kSoundRename)),
        file_(file), index_(index), count_(count) {}

  RenameStep step = RenameStep::kCanceled;

 private:
  void OnInitDialog() override {
    const std::string name = bw::NamePart(file_);
    SetItemText(IDC_RENAME_COUNT, kTextRenameCountPrefix + std::to_string(index_ + 1) +
                                      kTextRenameCountMiddle + std::to_string(count_));
    SetItemText(IDC_RENAME_OLD, name);
    SendDlgItemMessageA(Window(), IDC_RENAME_NEW, EM_LIMITTEXT, bw::kFileToolPathLimit, 0);
    SetItemText(IDC_RENAME_NEW, name);
    // Only the name before the extension is selected: typing replaces it and keeps ".wav".
    const std::size_t dot = name.find_last_of('.');
    const LPARAM end = static_cast<LPARAM>(dot == std::string::npos || dot == 0 ? name.size() : dot);
    PostMessageA(Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_RENAME_NEW)), TRUE);
    PostMessageA(Item(IDC_RENAME_NEW), EM_SETSEL, 0, end);
  }

  void OnCommand(int id, int, HWND) override {
    switch (id) {
      case IDOK:
      case IDC_RENAME_OK:
        PlaySoundEffect(kSoundOk);
        OnOk();
        break;
      case IDC_RENAME_SKIP:
        step = RenameStep::kSkipped;
        End(IDOK, kSoundSkip);
        break;
      case IDCANCEL:
      case IDC_RENAME_CANCEL:
        step = RenameStep::kCanceled;
        End(IDCANCEL, kSoundCancel);
        break;
      default:
        break;
    }
  }

  void OnOk() {
    bw::FileSystem& files = bw::DefaultFileSystem();
    const bw::RenamePlan plan = bw::PlanRename(files, file_, ItemText(IDC_RENAME_NEW));
    if (plan.check == bw::RenameCheck::kUnchanged) {
      step = RenameStep::kSkipped;
      End(IDOK);
      return;
    }
    if (plan.check != bw::RenameCheck::kReady) {
      ShowMessage(Window(), bw::RenameRefusal(plan.check));
      SetFocus(Item(IDC_RENAME_NEW));
      return;
    }
    if (!files.Rename(file_, plan.target).IsOk()) {
      ShowMessage(Window(), kTextCannotRenameFile);
      SetFocus(Item(IDC_RENAME_NEW));
      return;
    }
    step = RenameStep::kRenamed;
    End(IDOK);
  }

  const std::string& file_;
  std::size_t index_;
  std::size_t count_;
};

}  // namespace

RenameResult RunRenameDialog(HWND owner, const RenameInput& input) {
  RenameResult result;
  for (std::size_t i = 0; i < input.files.size(); ++i) {
    RenameDialog dialog(input.files[i], i, input.files.size());
    RunModalDialog(owner, IDD_RENAME_FILES, dialog);
    if (dialog.step == RenameStep::kRenamed) ++result.renamed;
    if (dialog.step == RenameStep::kCanceled) break;
  }
  return result;
}
