// The delete dialog: the files, their count and size, and the user's yes.
#include "filetools/delete_dialog.h"

#include "filetools/file_delete.h"
#include "filetools/file_name_list.h"
#include "filetools/file_tool_texts.h"
#include "filetools/selection_summary.h"
#include "resources/resource.h"
#include "shell/message_box.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kSoundDelete = 18;
constexpr int kSoundOk = 7;
constexpr int kSoundCancel = 2;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_DELETE_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
    Skinned(IDC_DELETE_CANCEL, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellCancel),
};

constexpr auto kHelpIds = MakeHelpIds(IDC_DELETE_OK, IDC_DELETE_CANCEL, IDC_DELETE_FILES);

class DeleteDialog : public SkinnedDialog {
 public:
  explicit DeleteDialog(const DeleteInput& input)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data(), kSoundDelete)), input_(input) {}

  DeleteResult result;

 private:
  void OnInitDialog() override {
    SetItemText(IDC_DELETE_QUESTION, kTextDeleteQuestion);
    FillFileNameList(Item(IDC_DELETE_FILES), input_.files);
    SetItemText(IDC_DELETE_COUNT, bw::SelectionSummaryText(bw::DefaultFileSystem(), input_.files));
    // Cancel, the answer that loses nothing, has the focus: Enter alone deletes nothing.
    PostMessageA(Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_DELETE_CANCEL)), TRUE);
  }

  void OnCommand(int id, int, HWND) override {
    switch (id) {
      case IDC_DELETE_OK: {
        PlaySoundEffect(kSoundOk);
        const bw::DeleteSummary summary = bw::DeleteFiles(bw::DefaultFileSystem(), input_.files);
        result.deleted = summary.deleted;
        if (const std::optional<std::string> failure = bw::DeleteFailureText(summary)) {
          ShowMessage(Window(), *failure);
        }
        End(IDOK);
        break;
      }
      case IDOK:  // Enter: the button with the focus was pressed
        if (GetFocus() == Item(IDC_DELETE_OK)) {
          OnCommand(IDC_DELETE_OK, BN_CLICKED, nullptr);
        } else {
          End(IDCANCEL, kSoundCancel);
        }
        break;
      case IDCANCEL:
      case IDC_DELETE_CANCEL:
        End(IDCANCEL, kSoundCancel);
        break;
      default:
        break;
    }
  }

  const DeleteInput& input_;
};

}  // namespace

DeleteResult RunDeleteDialog(HWND owner, const DeleteInput& input) {
  if (input.files.empty()) return DeleteResult{};
  DeleteDialog dialog(input);
  RunModalDialog(owner, IDD_DELETE_FILES, dialog);
  return dialog.result;
}
