// The existing file's name, both files' sizes and dates, and the four answers.
#include "filetools/file_exists_dialog.h"

#include <cstdio>

#include "filetools/file_tool_texts.h"
#include "resources/resource.h"
#include "shell/skinned_dialog.h"
#include "shell/text_helpers.h"

namespace {

using bw::ExistingFileChoice;

constexpr int kSoundOpen = 23;  // the question sound: this dialog is a question
constexpr int kSoundOk = 7;
constexpr int kSoundCancel = 2;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_EXISTS_OVERWRITE, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
    Skinned(IDC_EXISTS_SKIP, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellSkipForward),
    Skinned(IDC_EXISTS_OVERWRITE_ALL, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellAll),
    Skinned(IDC_EXISTS_CANCEL, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellCancel),
};

constexpr auto kHelpIds = MakeHelpIds(IDC_EXISTS_OVERWRITE, IDC_EXISTS_SKIP,
                                      IDC_EXISTS_OVERWRITE_ALL, IDC_EXISTS_CANCEL);

// "1,234 bytes, 2024-05-17 09:30", or nothing when the file cannot be looked at.
std::string Describe(const std::string& path) {
  bw::FileInfo info;
  if (!bw::DefaultFileSystem().GetFileInfo(path, &info).IsOk()) return std::string();
  char when[32];
  std::snprintf(when, sizeof when, ", %04d-%02d-%02d %02d:%02d", info.modified.year,
                info.modified.month, info.modified.day, info.modified.hour, info.modified.minute);
  return bw::ByteCountText(info.size) + when;
}

class FileExistsDialog : public SkinnedDialog {
 public:
  explicit FileExistsDialog(const FileExistsInput& input)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data(), kSoundOpen)), input_(input) {}

  ExistingFileChoice choice = ExistingFileChoice::kCancel;

 private:
  void OnInitDialog() override {
    SetItemText(IDC_EXISTS_NAME, input_.target);
    SetItemText(IDC_EXISTS_OLD, kTextExistingFile + Describe(input_.target));
    SetItemText(IDC_EXISTS_NEW, kTextReplacingFile + Describe(input_.source));
    // Skip is the answer that changes nothing, so it has the focus.
    PostMessageA(Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_EXISTS_SKIP)), TRUE);
  }

  void OnCommand(int id, int, HWND) override {
    switch (id) {
      case IDC_EXISTS_OVERWRITE: Answer(ExistingFileChoice::kOverwrite, kSoundOk); break;
      case IDC_EXISTS_SKIP: Answer(ExistingFileChoice::kSkip, kSoundOk); break;
      case IDC_EXISTS_OVERWRITE_ALL: Answer(ExistingFileChoice::kOverwriteAll, kSoundOk); break;
      case IDCANCEL:
      case IDC_EXISTS_CANCEL: Answer(ExistingFileChoice::kCancel, kSoundCancel); break;
      default: break;
    }
  }

  void Answer(ExistingFileChoice answer, int sound) {
    choice = answer;
    End(IDOK, sound);
  }

  const FileExistsInput& input_;
};

}  // namespace

bw::ExistingFileChoice RunFileExistsDialog(HWND owner, const FileExistsInput& input) {
  FileExistsDialog dialog(input);
  RunModalDialog(owner, IDD_FILE_EXISTS, dialog);
  return dialog.choice;
}
