// The editor selection: seven kinds with their programs, the edit field of the kind shown,
// Browse and Clear.
#include "filetools/editor_selection_dialog.h"

#include <array>
#include <string>

#include "filetools/editor_selection_texts.h"
#include "filetools/program_folder_list.h"
#include "resources/resource.h"
#include "shell/message_box.h"
#include "shell/program_state.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"
#include "shell/texts.h"

namespace {

constexpr int kSoundCancel = 2;
constexpr int kSoundOk = 7;
constexpr int kSoundBrowse = 8;
constexpr int kSoundClear = 18;
constexpr int kSoundRadio = 20;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_EDITOR_BROWSE, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellBrowse),
    Skinned(IDC_EDITOR_CLEAR, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellDelete),
    Skinned(IDC_EDITOR_SELECTION_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
    Skinned(IDC_EDITOR_CANCEL, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellCancel),
};

constexpr auto kHelpIds = MakeHelpIds(IDC_EDITOR_SELECTION_OK, IDC_EDITOR_CANCEL, IDC_EDITOR_BROWSE,
                                      IDC_EDITOR_CLEAR, 1620, 1621, 1622, 1623, 1624, 1625, 1626,
                                      IDC_EDITOR_PATH, IDC_EDITOR_PROGRAMS,
                                      IDC_EDITOR_PROGRAMS_LABEL);

int KindRadioId(EditorKind kind) { return IDC_EDITOR_KIND_FIRST + static_cast<int>(kind); }
int ProgramLabelId(EditorKind kind) { return IDC_EDITOR_PROGRAM_FIRST + static_cast<int>(kind); }

bool IsProgramFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The program's file name beside its kind; a text that names no file is shown as typed.
std::string ProgramLabel(const std::string& typed) {
  if (typed.find_first_not_of(" \t") == std::string::npos) return kTextNoEditor;
  if (std::optional<EditorProgram> program = SplitProgramPath(typed)) return program->name;
  return typed;
}

class EditorSelectionDialog : public SkinnedDialog {
 public:
  explicit EditorSelectionDialog(const EditorSelectionInput& input)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())), kind_(input.kind) {}

  EditorSelectionResult result;

 private:
  void OnInitDialog() override {
    ProfileStore& settings = ProgramSettingsFile();
    for (EditorKind kind : kEditorKinds) {
      const EditorProgram program = ReadEditor(settings, kind);
      stored_[Index(kind)] = program.IsSet() ? program.FullPath() : std::string();
      typed_[Index(kind)] = stored_[Index(kind)];
      SetItemText(ProgramLabelId(kind), ProgramLabel(typed_[Index(kind)]));
    }
    SendDlgItemMessageA(Window(), IDC_EDITOR_PATH, EM_LIMITTEXT, MAX_PATH - 1, 0);
    SetChecked(KindRadioId(kind_), true);
    ShowKind();
    programs_.Show(Window(), FirstProgramFolder(typed_[Index(kind_)]));
    // The dialog manager gives the focus to the first radio after this; the shown kind gets it.
    PostMessageA(Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(KindRadioId(kind_))), TRUE);
  }

  void OnCommand(int id, int code, HWND) override {
    if (id >= KindRadioId(EditorKind::kWav) && id <= KindRadioId(EditorKind::kMpg)) {
      // A radio that only got the focus tells of a click too; only a checked one counts.
      if (code != BN_CLICKED || !IsChecked(id)) return;
      const auto kind = static_cast<EditorKind>(id - KindRadioId(EditorKind::kWav));
      if (kind == kind_) return;
      PlaySoundEffect(kSoundRadio);
      kind_ = kind;
      ShowKind();
      return;
    }
    switch (id) {
      case IDC_EDITOR_PATH:
        if (code == EN_CHANGE && !showing_) {
          typed_[Index(kind_)] = ItemText(IDC_EDITOR_PATH);
          SetItemText(ProgramLabelId(kind_), ProgramLabel(typed_[Index(kind_)]));
        }
        break;
      case IDC_EDITOR_PROGRAMS:
        // A program picked in the list becomes the shown kind's editor.
        if (code == LBN_SELCHANGE) {
          if (std::optional<std::string> program = programs_.SelectedProgram(Window())) {
            SetItemText(IDC_EDITOR_PATH, *program);
          }
        }
        break;
      case IDC_EDITOR_BROWSE:
        PlaySoundEffect(kSoundBrowse);
        programs_.Browse(Window());
        break;
      case IDC_EDITOR_CLEAR:
        PlaySoundEffect(kSoundClear);
        SetItemText(IDC_EDITOR_PATH, "");
        SetFocus(Item(IDC_EDITOR_PATH));
        break;
      case IDOK:
      case IDC_EDITOR_SELECTION_OK:
        PlaySoundEffect(kSoundOk);
        OnOk();
        break;
      case IDCANCEL:
      case IDC_EDITOR_CANCEL:
        End(IDCANCEL, kSoundCancel);
        break;
      default:
        break;
    }
  }

  static int Index(EditorKind kind) { return static_cast<int>(kind); }

  // The caption, the edit field's label and its text follow the kind shown.
  void ShowKind() {
    SetWindowTextA(Window(), EditorDialogTitle(kind_).c_str());
    SetItemText(IDC_EDITOR_PATH_LABEL, kTextEditorProgramPrefix + EditorPatternUpper(kind_) +
                                           kTextEditorProgramSuffix);
    showing_ = true;
    SetItemText(IDC_EDITOR_PATH, typed_[Index(kind_)]);
    showing_ = false;
  }

  void OnOk() {
    const EditorPlan plan = PlanEditorChanges(stored_, typed_, IsProgramFile);
    if (plan.invalid) {
      // Show the kind whose program is not there, so the user sees what to mend.
      SetChecked(KindRadioId(kind_), false);
      kind_ = *plan.invalid;
      SetChecked(KindRadioId(kind_), true);
      ShowKind();
      ShowMessage(Window(), kTextInvalidPath);
      SetFocus(Item(IDC_EDITOR_PATH));
      return;
    }
    ApplyEditorPlan(ProgramSettingsFile(), plan);
    result.accepted = true;
    End(IDOK);
  }

  EditorKind kind_;
  std::array<std::string, kEditorKindCount> stored_;
  std::array<std::string, kEditorKindCount> typed_;
  bool showing_ = false;  // the edit is being filled for another kind, not typed in
  ProgramFolderList programs_{IDC_EDITOR_PROGRAMS, IDC_EDITOR_PROGRAMS_LABEL};
};

}  // namespace

EditorSelectionResult RunEditorSelectionDialog(HWND owner, const EditorSelectionInput& input) {
  EditorSelectionDialog dialog(input);
  RunModalDialog(owner, IDD_EDITOR_SELECTION, dialog);
  return dialog.result;
}

void RunEditorSelection(HWND owner) { RunEditorSelectionDialog(owner, EditorSelectionInput{}); }
