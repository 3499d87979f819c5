// The removal over fake folders and registry: what it deletes, what it asks, what it leaves
// and says when a file is in use, and that a second removal succeeds too.
#include <gtest/gtest.h>

#include "setup/install_files.h"
#include "setup/registry_values.h"
#include "setup_test_support.h"
#include "uninstall/removal.h"
#include "uninstall/uninstall_texts.h"

namespace {

using bw::RegistryRoot;
using namespace bw::uninstall;
using setup_test::FakeFiles;
using setup_test::FakeRegistry;

constexpr char kFolder[] = "C:\\Program Files\\Brindlewax\\";

class RecordingHost : public RemovalHost {
 public:
  std::vector<std::string> progress;
  std::vector<std::string> shortcutsDeleted;
  void ShowProgress(const std::string& text) override { progress.push_back(text); }
  void DeleteShortcutTo(const std::string& program) override { shortcutsDeleted.push_back(program); }
};

struct Installed {
  FakeFiles files;
  FakeRegistry registry;
  RecordingHost host;
  Installed() {
    for (const std::string& name : bw::setup::FilesToCopy()) files.Put(kFolder + name, name);
    files.Put(std::string(kFolder) + "BRINDWAX.INI", "[MAIN]");
    files.Put(std::string(kFolder) + "brindwax.dat", "discs");
    files.Put(std::string(kFolder) + "notes.txt", "the user's own file");
    (void)bw::setup::WriteUninstallEntry(registry, std::string(kFolder) + "DelBrix.exe");
  }
  RemovalResult Remove() {
    return RemoveInstallation(SurveyFolder(kFolder, files, registry), files, registry, host, "");
  }
};

TEST(UninstallRemoval, DeletesTheListedFilesAndEmptiesTheEntry) {
  Installed installed;
  const FolderSurvey survey = SurveyFolder(kFolder, installed.files, installed.registry);
  EXPECT_TRUE(survey.holdsInstallation);
  const std::string question = RemovalQuestion(survey);
  EXPECT_EQ(question.rfind(kQuestion, 0), 0u);
  EXPECT_NE(question.find("C:\\Program Files\\Brindlewax\\brindwax.dat"), std::string::npos);

  const RemovalResult result = installed.Remove();
  EXPECT_TRUE(result.left.empty());
  EXPECT_EQ(installed.files.Paths(), (std::vector<std::string>{std::string(kFolder) + "DelBrix.exe",
                                                               std::string(kFolder) + "notes.txt"}));
  EXPECT_TRUE(installed.registry.Values(RegistryRoot::kLocalMachine, bw::setup::kUninstallKey).empty());
  EXPECT_EQ(installed.host.shortcutsDeleted, std::vector<std::string>{std::string(kFolder) + "BRINDWAX.exe"});
  const ClosingTexts texts = ClosingTextsOf(result);
  EXPECT_TRUE(texts.removed);
  EXPECT_EQ(texts.folderLine, kRemoved);
  EXPECT_EQ(texts.progressLine, kDone);

  // A second run finds nothing more to do and says so the same way.
  installed.host = RecordingHost();
  const RemovalResult again = installed.Remove();
  EXPECT_TRUE(ClosingTextsOf(again).removed);
  EXPECT_TRUE(installed.host.progress.empty());
}

TEST(UninstallRemoval, AFileInUseIsNamedAndNotCalledRemoved) {
  Installed installed;
  installed.files.failRemoves.insert(setup_test::Upper(std::string(kFolder) + "brindwax.exe"));
  const RemovalResult result = installed.Remove();
  EXPECT_EQ(result.left, std::vector<std::string>{"brindwax.exe"});
  const ClosingTexts texts = ClosingTextsOf(result);
  EXPECT_FALSE(texts.removed);
  EXPECT_EQ(texts.progressLine, "Not deleted: brindwax.exe");
  EXPECT_EQ(installed.files.Read(std::string(kFolder) + "WaxAnim.dll"), "<missing>");  // the rest went
}

TEST(UninstallRemoval, AFolderWithoutAnInstallationKeepsItsFiles) {
  FakeFiles files;
  FakeRegistry registry;
  RecordingHost host;
  files.Put("C:\\Elsewhere\\brindwax.dat", "someone's discs");
  (void)bw::setup::WriteUninstallEntry(registry, std::string(kFolder) + "DelBrix.exe");
  const FolderSurvey survey = SurveyFolder("C:\\Elsewhere\\", files, registry);
  EXPECT_FALSE(survey.holdsInstallation);
  EXPECT_NE(RemovalQuestion(survey).find(kNotAnInstallation), std::string::npos);
  const RemovalResult result = RemoveInstallation(survey, files, registry, host, "");
  EXPECT_EQ(files.Read("C:\\Elsewhere\\brindwax.dat"), "someone's discs");
  EXPECT_EQ(result.left, std::vector<std::string>{"brindwax.dat"});
  // The entry belongs to the other folder's installation and stays.
  EXPECT_FALSE(registry.Values(RegistryRoot::kLocalMachine, bw::setup::kUninstallKey).empty());
}

}  // namespace
