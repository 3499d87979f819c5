// Starting the external editors, asking for one where a kind has none.
#include "filetools/editor_launch.h"

#include <set>

#include "base/win32_handles.h"
#include "filetools/editor_launch_plan.h"
#include "filetools/editor_selection_dialog.h"
#include "filetools/file_tool_paths.h"
#include "shell/message_box.h"
#include "shell/program_state.h"
#include "shell/question_box.h"
#include "shell/sound_effects.h"
#include "shell/texts.h"

namespace {

constexpr int kSoundEditor = 24;

// Asks for an editor of `kind` and answers the one stored afterwards (not set when the user
// declined or cancelled).
EditorProgram ChooseEditor(HWND owner, EditorKind kind) {
  if (!AskQuestion(owner, NoEditorQuestion(kind))) return EditorProgram{};
  EditorSelectionInput input;
  input.kind = kind;
  if (!RunEditorSelectionDialog(owner, input).accepted) return EditorProgram{};
  return ReadEditor(ProgramSettingsFile(), kind);
}

bool StartEditor(const EditorProgram& program, const std::string& file) {
  const std::string path = program.FullPath();
  std::string commandLine = bw::EditorCommandLine(path, file);
  const std::string folder = bw::FolderPart(file);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    return false;
  }
  UniqueKernelHandle processHandle(process.hProcess);
  UniqueKernelHandle threadHandle(process.hThread);
  return true;
}

}  // namespace

void LaunchEditor(HWND owner, const std::vector<std::string>& files) {
  if (files.empty()) return;
  PlaySoundEffect(kSoundEditor);
  // A kind the user declined to choose an editor for, or whose editor would not start, is
  // not asked about again for the other files of this selection.
  std::set<EditorKind> givenUp;
  for (bw::EditorLaunch launch : bw::PlanEditorLaunches(ProgramSettingsFile(), files)) {
    if (!launch.kind || givenUp.count(*launch.kind)) continue;
    if (!launch.program.IsSet()) launch.program = ReadEditor(ProgramSettingsFile(), *launch.kind);
    if (!launch.program.IsSet()) launch.program = ChooseEditor(owner, *launch.kind);
    if (!launch.program.IsSet()) {
      givenUp.insert(*launch.kind);
      continue;
    }
    if (!StartEditor(launch.program, launch.file)) {
      ShowMessage(owner, std::string(kTextCreateProcessFailed) + launch.program.FullPath());
      givenUp.insert(*launch.kind);
    }
  }
}
