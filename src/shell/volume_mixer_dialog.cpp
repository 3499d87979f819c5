// The volume mixer selection dialog and the mixer's start.
#include "shell/volume_mixer.h"

#include <commdlg.h>

#include <string>

#include "base/win32_handles.h"
#include "resources/resource.h"
#include "shell/message_box.h"
#include "shell/program_state.h"
#include "shell/skinned_dialog.h"
#include "shell/question_box.h"
#include "shell/sound_effects.h"
#include "shell/texts.h"

namespace {

constexpr int kSoundOk = 7;
constexpr int kSoundCancel = 2;
constexpr int kSoundBrowse = 8;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_VOLUME_MIXER_BROWSE, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellBrowse),
    Skinned(IDC_VOLUME_MIXER_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
    Skinned(IDC_VOLUME_MIXER_CANCEL, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellCancel),
};

std::string FullProgramPath(const VolumeMixerSelection& selection) {
  std::string path = selection.path;
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  return path + selection.name;
}

class VolumeMixerDialog : public SkinnedDialog {
 public:
  VolumeMixerDialog() : SkinnedDialog(DialogChores::For(kButtons)) {}
  bool chosen = false;

 private:
  void OnInitDialog() override {
    const VolumeMixerSelection selection = ReadVolumeMixer(ProgramSettingsFile());
    if (selection.IsSet()) SetItemText(IDC_VOLUME_MIXER_PATH, FullProgramPath(selection));
    SendDlgItemMessageA(Window(), IDC_VOLUME_MIXER_PATH, EM_LIMITTEXT, MAX_PATH - 1, 0);
  }

  void OnCommand(int id, int, HWND) override {
    switch (id) {
      case IDC_VOLUME_MIXER_BROWSE:
        OnBrowse();
        break;
      case IDOK:
      case IDC_VOLUME_MIXER_OK:
        PlaySoundEffect(kSoundOk);
        if (StoreTypedProgram()) {
          chosen = true;
          End(IDOK);
        }
        break;
      case IDCANCEL:
      case IDC_VOLUME_MIXER_CANCEL:
        End(IDCANCEL, kSoundCancel);
        break;
      default:
        break;
    }
  }

  void OnBrowse() {
    PlaySoundEffect(kSoundBrowse);
    char file[MAX_PATH] = {};
    lstrcpynA(file, ItemText(IDC_VOLUME_MIXER_PATH).c_str(), sizeof file);
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = Window();
    open.lpstrFilter = "Programs (*.exe)\0*.exe\0All files (*.*)\0*.*\0";
    open.lpstrFile = file;
    open.nMaxFile = sizeof file;
    open.lpstrTitle = kTextVolumeMixerDialogTitle;
    open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (GetOpenFileNameA(&open)) SetItemText(IDC_VOLUME_MIXER_PATH, file);
  }

  // Stores the typed program when it names an existing file; answers whether it did.
  bool StoreTypedProgram() {
    const std::string program = ItemText(IDC_VOLUME_MIXER_PATH);
    const size_t separator = program.find_last_of("\\/");
    const DWORD attributes = GetFileAttributesA(program.c_str());
    if (separator == std::string::npos || separator + 1 == program.size() ||
        attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      ShowMessage(Window(), kTextInvalidPath);
      return false;
    }
    WriteVolumeMixer(ProgramSettingsFile(),
                     {program.substr(0, separator + 1), program.substr(separator + 1)});
    return true;
  }
};

}  // namespace

bool RunVolumeMixerDialog(HWND owner) {
  VolumeMixerDialog dialog;
  RunModalDialog(owner, IDD_VOLUME_MIXER, dialog);
  return dialog.chosen;
}

void StartVolumeMixer(HWND owner) {
  const VolumeMixerSelection selection = ReadVolumeMixer(ProgramSettingsFile());
  if (!selection.IsSet()) {
    if (AskQuestion(owner, kTextNoVolumeMixerQuestion)) RunVolumeMixerDialog(owner);
    return;
  }
  const std::string program = FullProgramPath(selection);
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      selection.path.c_str(), &startup, &process)) {
    ShowMessage(owner, std::string(kTextCreateProcessFailed) + program);
    return;
  }
  UniqueKernelHandle processHandle(process.hProcess);
  UniqueKernelHandle threadHandle(process.hThread);
}
