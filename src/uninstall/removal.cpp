// The removal's steps.
#include "uninstall/removal.h"

#include "setup/install_files.h"
#include "setup/install_paths.h"
#include "setup/registry_values.h"
#include "uninstall/uninstall_texts.h"

namespace bw {
namespace uninstall {

const std::vector<std::string>& FilesToDelete() {
  static const std::vector<std::string> files = {
      "readme.txt",  "brindwax.exe", "brindwax.ini", "brindwax.dat", "brindhlp.hlp",
      "default.wt",  "default.htm",  "default.gif",  "defs.gif",     "waxanim.dll"};
  return files;
}

std::string ProgramFolderOf(const std::string& uninstallerPath) {
  return setup::FolderOfProgram(uninstallerPath);
}

FolderSurvey SurveyFolder(const std::string& folder, FileSystem& files, RegistryStore& registry) {
  FolderSurvey survey;
  survey.folder = folder;
  const std::string uninstaller = folder + setup::kUninstallerFile;
  const std::optional<std::string> registered = registry.GetString(
      RegistryRoot::kLocalMachine, setup::kUninstallKey, setup::kUninstallStringValue);
  survey.holdsInstallation = files.Exists(folder + setup::kProgramFile) ||
                             (registered && setup::CommandNamesProgram(*registered, uninstaller));
  survey.holdsCatalogue = files.Exists(folder + kCatalogueFile);
  for (const std::string& name : FilesToDelete()) {
    if (files.Exists(folder + name)) survey.holdsListedFiles = true;
  }
  return survey;
}

std::string RemovalQuestion(const FolderSurvey& survey) {
  std::string question = kQuestion;
  if (!survey.holdsInstallation) {
    if (survey.holdsListedFiles) question += std::string("\r\n\r\n") + kNotAnInstallation;
  } else if (survey.holdsCatalogue) {
    question += std::string("\r\n\r\n") + kCatalogueWarningStart + survey.folder + kCatalogueFile +
                kCatalogueWarningEnd;
  }
  return question;
}

RemovalResult RemoveInstallation(const FolderSurvey& survey, FileSystem& files,
                                 RegistryStore& registry, RemovalHost& host,
                                 const std::string& cdPlayerPath) {
  RemovalResult result;
  for (const std::string& name : FilesToDelete()) {
    const std::string path = survey.folder + name;
    if (!files.Exists(path)) continue;
    host.ShowProgress(name);
    if (!survey.holdsInstallation || !files.Remove(path).IsOk()) result.left.push_back(name);
  }
  const std::string program = survey.folder + setup::kProgramFile;
  setup::RestoreAutoPlay(registry, program, cdPlayerPath);
  if (setup::UninstallEntryNames(registry, survey.folder + setup::kUninstallerFile)) {
    setup::RemoveUninstallValues(registry);
  }
  host.DeleteShortcutTo(program);
  return result;
}

ClosingTexts ClosingTextsOf(const RemovalResult& result) {
  ClosingTexts texts;
  texts.removed = result.left.empty();
  if (texts.removed) {
    texts.folderLine = kRemoved;
    texts.progressLine = kDone;
    return texts;
  }
  texts.folderLine = kNotRemoved;
  texts.progressLine = kLeftStart;
  for (std::size_t i = 0; i < result.left.size(); ++i) {
    if (i != 0) texts.progressLine += ", ";
    texts.progressLine += result.left[i];
  }
  return texts;
}

}  // namespace uninstall
}  // namespace bw
