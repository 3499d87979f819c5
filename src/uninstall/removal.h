// The removal of an installation apart from its windows: the files deleted from the
// uninstaller's folder, the AutoPlay commands given back, the uninstall entry's values and the
// Start Menu shortcut, with the question asked first and the texts shown at the end.
#pragma once

#include <string>
#include <vector>

#include "base/file_system.h"
#include "setup/registry_store.h"

namespace bw {
namespace uninstall {

inline constexpr const char kCatalogueFile[] = "brindwax.dat";

// Deleted from the program folder in this order.
const std::vector<std::string>& FilesToDelete();

// The uninstaller's own folder, ending in "\", from its full path.
std::string ProgramFolderOf(const std::string& uninstallerPath);

class RemovalHost {
 public:
  virtual ~RemovalHost() = default;
  virtual void ShowProgress(const std::string& text) = 0;
  // Deletes the Start Menu shortcut when it starts `programPath`.
  virtual void DeleteShortcutTo(const std::string& programPath) = 0;
};

// What the folder holds, looked at before the question.
struct FolderSurvey {
  std::string folder;
  bool holdsInstallation = false;  // the program is there, or the uninstall entry names this uninstaller
  bool holdsCatalogue = false;
  bool holdsListedFiles = false;   // any file of the list
};
FolderSurvey SurveyFolder(const std::string& folder, FileSystem& files, RegistryStore& registry);

// The question: the plain one, with what it means for the catalogue when there is one.
std::string RemovalQuestion(const FolderSurvey& survey);

struct RemovalResult {
  std::vector<std::string> left;  // files of the list that are still there
};

// Deletes the listed files (only when the folder holds an installation), gives AutoPlay back,
// removes the uninstall entry's values when it names this uninstaller, and deletes the
// shortcut. `cdPlayerPath`: the system CD player, empty when there is none.
RemovalResult RemoveInstallation(const FolderSurvey& survey, FileSystem& files,
                                 RegistryStore& registry, RemovalHost& host,
                                 const std::string& cdPlayerPath);

struct ClosingTexts {
  std::string folderLine;    // 301
  std::string progressLine;  // 302
  bool removed = false;      // every file of the list is gone
};
ClosingTexts ClosingTextsOf(const RemovalResult& result);

}  // namespace uninstall
}  // namespace bw
