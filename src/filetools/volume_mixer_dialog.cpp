// The volume mixer selection dialog and the mixer's start.
#include "filetools/volume_mixer_dialog.h"

#include <string>

#include "base/win32_handles.h"
#include "filetools/program_folder_list.h"
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

constexpr auto kHelpIds =
    MakeHelpIds(IDC_VOLUME_MIXER_PATH, IDC_VOLUME_MIXER_HINT, IDC_VOLUME_MIXER_PROGRAMS,
                IDC_VOLUME_MIXER_PROGRAMS_LABEL, IDC_VOLUME_MIXER_BROWSE, IDC_VOLUME_MIXER_OK,
                IDC_VOLUME_MIXER_CANCEL);

std::string FullProgramPath(const VolumeMixerSelection& selection) {
  std::string path = selection.path;
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  return path + selection.name;
}

class VolumeMixerDialog : public SkinnedDialog {
 public:
  VolumeMixerDialog() : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())) {}
  bool chosen = false;

 private:
  void OnInitDialog() override {
    const VolumeMixerSelection selection = ReadVolumeMixer(ProgramSettingsFile());
    const std::string program = selection.IsSet() ? FullProgramPath(selection) : std::string();
    SetItemText(IDC_VOLUME_MIXER_PATH, program);
    SendDlgItemMessageA(Window(), IDC_VOLUME_MIXER_PATH, EM_LIMITTEXT, MAX_PATH - 1, 0);
    programs_.Show(Window(), FirstProgramFolder(program));
  }

  void OnCommand(int id, int code, HWND) override {
    switch (id) {
      case IDC_VOLUME_MIXER_PROGRAMS:
        if (code == LBN_SELCHANGE) TakeSelectedProgram();
        if (code == LBN_DBLCLK && TakeSelectedProgram()) OnOk();
        break;
      case IDC_VOLUME_MIXER_BROWSE:
        PlaySoundEffect(kSoundBrowse);
        programs_.Browse(Window());
        break;
      case IDOK:
      case IDC_VOLUME_MIXER_OK:
        OnOk();
        break;
      case IDCANCEL:
      case IDC_VOLUME_MIXER_CANCEL:
        End(IDCANCEL, kSoundCancel);
        break;
      default:
        break;
    }
  }

  // A program picked in the list is the one typed.
  bool TakeSelectedProgram() {
    const std::optional<std::string> program = programs_.SelectedProgram(Window());
    if (!program) return false;
    SetItemText(IDC_VOLUME_MIXER_PATH, *program);
    return true;
  }

  void OnOk() {
    PlaySoundEffect(kSoundOk);
    if (StoreTypedProgram()) {
      chosen = true;
      End(IDOK);
    }
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

  ProgramFolderList programs_{IDC_VOLUME_MIXER_PROGRAMS, IDC_VOLUME_MIXER_PROGRAMS_LABEL};
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
