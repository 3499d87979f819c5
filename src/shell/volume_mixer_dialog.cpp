// The volume mixer selection dialog and the mixer's start.
#include "shell/volume_mixer.h"

#include <commdlg.h>

#include <string>

#include "resources/resource.h"
#include "shell/dialog_chrome.h"
#include "shell/message_box.h"
#include "shell/program_state.h"
#include "shell/question_box.h"
#include "shell/sound_effects.h"
#include "shell/texts.h"

namespace {

constexpr int kSoundOk = 7;
constexpr int kSoundCancel = 2;
constexpr int kSoundBrowse = 8;

const SkinnedButton kMixerButtons[] = {
    Skinned(IDC_VOLUME_MIXER_BROWSE, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellBrowse),
    Skinned(IDC_VOLUME_MIXER_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
    Skinned(IDC_VOLUME_MIXER_CANCEL, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellCancel),
};

struct MixerState {
  DialogChrome chrome{kMixerButtons};
  bool chosen = false;
};

std::string FullProgramPath(const VolumeMixerSelection& selection) {
  std::string path = selection.path;
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  return path + selection.name;
}

std::string DialogText(HWND dialog, int id) {
  char text[MAX_PATH] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

void OnBrowse(HWND dialog) {
  PlaySoundEffect(kSoundBrowse);
  char file[MAX_PATH] = {};
  const std::string current = DialogText(dialog, IDC_VOLUME_MIXER_PATH);
  lstrcpynA(file, current.c_str(), sizeof file);
  OPENFILENAMEA open = {};
  open.lStructSize = sizeof open;
  open.hwndOwner = dialog;
  open.lpstrFilter = "Programs (*.exe)\0*.exe\0All files (*.*)\0*.*\0";
  open.lpstrFile = file;
  open.nMaxFile = sizeof file;
  open.lpstrTitle = kTextVolumeMixerDialogTitle;
  open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (GetOpenFileNameA(&open)) SetDlgItemTextA(dialog, IDC_VOLUME_MIXER_PATH, file);
}

// Stores the typed program when it names an existing file; answers whether it did.
bool OnOk(HWND dialog) {
  const std::string program = DialogText(dialog, IDC_VOLUME_MIXER_PATH);
  const size_t separator = program.find_last_of("\\/");
  const DWORD attributes = GetFileAttributesA(program.c_str());
  if (separator == std::string::npos || separator + 1 == program.size() ||
      attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    ShowMessage(dialog, kTextInvalidPath);
    return false;
  }
  WriteVolumeMixer(ProgramSettingsFile(),
                   {program.substr(0, separator + 1), program.substr(separator + 1)});
  return true;
}

INT_PTR CALLBACK MixerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<MixerState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      state = reinterpret_cast<MixerState*>(lParam);
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      const VolumeMixerSelection selection = ReadVolumeMixer(ProgramSettingsFile());
      if (selection.IsSet()) {
        SetDlgItemTextA(dialog, IDC_VOLUME_MIXER_PATH, FullProgramPath(selection).c_str());
      }
      SendDlgItemMessageA(dialog, IDC_VOLUME_MIXER_PATH, EM_LIMITTEXT, MAX_PATH - 1, 0);
      state->chrome.OnInitDialog(dialog);
      return TRUE;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_VOLUME_MIXER_BROWSE:
          OnBrowse(dialog);
          return TRUE;
        case IDOK:
        case IDC_VOLUME_MIXER_OK:
          PlaySoundEffect(kSoundOk);
          if (OnOk(dialog)) {
            state->chosen = true;
            state->chrome.OnEnd(dialog);
            EndDialog(dialog, IDOK);
          }
          return TRUE;
        case IDCANCEL:
        case IDC_VOLUME_MIXER_CANCEL:
          PlaySoundEffect(kSoundCancel);
          state->chrome.OnEnd(dialog);
          EndDialog(dialog, IDCANCEL);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      break;
  }
  INT_PTR result = FALSE;
  if (state != nullptr && state->chrome.HandleMessage(dialog, message, wParam, lParam, &result)) {
    return result;
  }
  return FALSE;
}

}  // namespace

bool RunVolumeMixerSelection(HWND owner) {
  MixerState state;
  ParentHoverPause pause(owner);
  DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_VOLUME_MIXER), owner, MixerProc,
                  reinterpret_cast<LPARAM>(&state));
  return state.chosen;
}

void StartVolumeMixer(HWND owner) {
  const VolumeMixerSelection selection = ReadVolumeMixer(ProgramSettingsFile());
  if (!selection.IsSet()) {
    if (AskQuestion(owner, kTextNoVolumeMixerQuestion)) RunVolumeMixerSelection(owner);
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
