// Which editor each selected media file is handed to, and the command line that starts it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/profile_store.h"
#include "filetools/editor_settings.h"

namespace bw {

struct EditorLaunch {
  std::string file;  // full path
  std::optional<EditorKind> kind;  // none: the file is no media kind with an editor
  EditorProgram program;           // not set: the kind has no editor stored
};

// The editor of each file's kind, read from the settings file anew for every call.
std::vector<EditorLaunch> PlanEditorLaunches(ProfileStore& store,
                                             const std::vector<std::string>& files);

// `"C:\Editors\Wave Ed.exe" "D:\Music\a b.wav"`: each path in quotes, so blanks in either
// never split it.
std::string EditorCommandLine(const std::string& program, const std::string& file);

}  // namespace bw
