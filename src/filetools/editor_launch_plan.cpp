// Pairing files with their editors.
#include "filetools/editor_launch_plan.h"

#include "filetools/file_tool_paths.h"

namespace bw {

std::vector<EditorLaunch> PlanEditorLaunches(ProfileStore& store,
                                             const std::vector<std::string>& files) {
  std::vector<EditorLaunch> launches;
  for (const std::string& file : files) {
    EditorLaunch launch;
    launch.file = file;
    launch.kind = EditorKindOfFile(NamePart(file));
    if (launch.kind) launch.program = ReadEditor(store, *launch.kind);
    launches.push_back(launch);
  }
  return launches;
}

std::string EditorCommandLine(const std::string& program, const std::string& file) {
  return "\"" + program + "\" \"" + file + "\"";
}

}  // namespace bw
