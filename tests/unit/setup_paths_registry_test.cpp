// The installer's folder walk and path forms, and the registry values that installation and
// removal write, record and give back.
#include <gtest/gtest.h>

#include "setup/install_files.h"
#include "setup/install_paths.h"
#include "setup/install_settings.h"
#include "setup/registry_values.h"
#include "setup_test_support.h"

namespace {

using bw::RegistryRoot;
using namespace bw::setup;
using setup_test::FakeRegistry;

TEST(SetupPaths, FoldersAlongThePathStartBelowTheRoot) {
  using List = std::vector<std::string>;
  EXPECT_EQ(FoldersAlongPath("C:\\Program Files\\Brindlewax\\"),
            (List{"C:\\Program Files", "C:\\Program Files\\Brindlewax"}));
  EXPECT_EQ(FoldersAlongPath("C:\\Brindlewax"), List{"C:\\Brindlewax"});  // no final "\"
  EXPECT_EQ(FoldersAlongPath("C:\\a\\\\b\\"), (List{"C:\\a", "C:\\a\\\\b"}));
  EXPECT_EQ(FoldersAlongPath("\\\\server\\share\\apps\\"), List{"\\\\server\\share\\apps"});
  EXPECT_TRUE(FoldersAlongPath("C:\\").empty());
  EXPECT_TRUE(FoldersAlongPath("Brindlewax\\").empty());  // no root: nothing to walk
  EXPECT_TRUE(FoldersAlongPath("\\\\server\\").empty());
}

TEST(SetupPaths, FormsOfTheInstallationFolder) {
  EXPECT_EQ(FolderOfProgram("D:\\CD\\setup.exe"), "D:\\CD\\");
  EXPECT_EQ(FolderOfProgram("setup.exe"), "");
  EXPECT_EQ(DefaultDestination("C:\\Program Files"), "C:\\Program Files\\Brindlewax\\");
  EXPECT_EQ(WorkingFolderOf("C:\\Program Files\\Brindlewax\\"), "C:\\Program Files\\Brindlewax");
  EXPECT_EQ(WorkingFolderOf("C:\\"), "C:\\");
  EXPECT_TRUE(SameFolder("C:\\Program Files\\Brindlewax\\", "c:/program files//brindlewax"));
  EXPECT_FALSE(SameFolder("C:\\Brindlewax\\", "C:\\Brindlewax2\\"));
}

TEST(SetupPaths, OperatingSystemFromTheVersion) {
  EXPECT_EQ(DetectOperatingSystem(1, 4), OperatingSystem::kWindows9x);
  EXPECT_EQ(DetectOperatingSystem(2, 4), OperatingSystem::kWindowsNt4);
  EXPECT_EQ(DetectOperatingSystem(2, 5), OperatingSystem::kWindows2000);
  EXPECT_EQ(DetectOperatingSystem(2, 10), OperatingSystem::kWindows2000);
}

TEST(SetupRegistry, ACommandNamesTheProgramOnlyByItsWholePath) {
  const std::string program = "C:\\Program Files\\Brindlewax\\BRINDWAX.exe";
  EXPECT_TRUE(CommandNamesProgram("\"c:\\program files\\brindlewax\\brindwax.exe\" /play %1", program));
  EXPECT_TRUE(CommandNamesProgram("C:\\Program Files\\Brindlewax\\BRINDWAX.exe -play %1", program));
  EXPECT_FALSE(CommandNamesProgram("C:\\Program Files\\Brindlewax\\BRINDWAX.exe2 /play %1", program));
  EXPECT_FALSE(CommandNamesProgram("C:\\WINDOWS\\cdplayer.exe /play %1", program));
  EXPECT_FALSE(CommandNamesProgram("", program));
}

struct RestoreCase {
  const char* what;
  std::optional<std::string> record;  // what the installer recorded; none: nothing recorded
  std::string now;                    // the command at removal
  std::string cdPlayer;
  std::optional<std::string> expected;  // none: the default value is gone
};

TEST(SetupRegistry, RemovalGivesBackOnlyCommandsThatStillNameTheProgram) {
  const std::string program = "C:\\Brindlewax\\BRINDWAX.exe";
  const std::string ours = "\"C:\\Brindlewax\\BRINDWAX.exe\" /play %1";
  const RestoreCase cases[] = {
      {"recorded command", std::string("C:\\WINDOWS\\cdplayer.exe /play %1"), ours, "", std::string("C:\\WINDOWS\\cdplayer.exe /play %1")},
      {"nothing was there", std::string(""), ours, "C:\\WINDOWS\\System32\\cdplayer.exe", std::nullopt},
      {"no record, a CD player", std::nullopt, ours, "C:\\WINDOWS\\System32\\cdplayer.exe",
       std::string("\"C:\\WINDOWS\\System32\\cdplayer.exe\" /play %1")},
      {"no record, no CD player", std::nullopt, ours, "", std::nullopt},
      {"another program took it since", std::string("old /play %1"), "C:\\Other\\player.exe %1", "",
       std::string("C:\\Other\\player.exe %1")},
  };
  for (const RestoreCase& c : cases) {
    SCOPED_TRACE(c.what);
    FakeRegistry registry;
    registry.Put(RegistryRoot::kClassesRoot, kAutoPlayCommands[0].key, "", c.now);
    registry.AddKey(RegistryRoot::kLocalMachine, kUninstallKey);
    if (c.record) registry.Put(RegistryRoot::kLocalMachine, kUninstallKey, kAutoPlayCommands[0].recordValue, *c.record);
    RestoreAutoPlay(registry, program, c.cdPlayer);
    EXPECT_EQ(registry.GetString(RegistryRoot::kClassesRoot, kAutoPlayCommands[0].key, ""), c.expected);
    EXPECT_FALSE(registry.HasKey(RegistryRoot::kClassesRoot, kAutoPlayCommands[1].key));  // never created
  }
}

TEST(SetupRegistry, RemovalEmptiesTheUninstallEntryButKeepsTheKey) {
  FakeRegistry registry;
  ASSERT_TRUE(WriteUninstallEntry(registry, "C:\\B\\DelBrix.exe"));
  registry.Put(RegistryRoot::kLocalMachine, kUninstallKey, "Brindlewax", "old");
  registry.Put(RegistryRoot::kLocalMachine, kUninstallKey, kAutoPlayCommands[1].recordValue, "x");
  EXPECT_TRUE(UninstallEntryNames(registry, "c:\\b\\delbrix.exe"));
  EXPECT_FALSE(UninstallEntryNames(registry, "C:\\Other\\DelBrix.exe"));
  RemoveUninstallValues(registry);
  EXPECT_TRUE(registry.HasKey(RegistryRoot::kLocalMachine, kUninstallKey));
  EXPECT_TRUE(registry.Values(RegistryRoot::kLocalMachine, kUninstallKey).empty());
}

}  // namespace
