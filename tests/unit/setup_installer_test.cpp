// The installation's steps over fake folders, registry and settings: what a fresh and a repeated
// installation leave behind, and that every way of stopping leaves the destination's program
// files as they were.
#include <gtest/gtest.h>

#include "base/memory_profile_store.h"
#include "setup/install_files.h"
#include "setup/installer.h"
#include "setup/registry_values.h"
#include "setup/setup_texts.h"
#include "setup_test_support.h"

namespace {

using bw::RegistryRoot;
using namespace bw::setup;
using setup_test::FakeFiles;
using setup_test::FakeRegistry;
using setup_test::ScriptedHost;

constexpr char kSource[] = "D:\\CD\\";
constexpr char kDestination[] = "C:\\Program Files\\Brindlewax\\";
constexpr char kAudioCd[] = "AudioCD\\shell\\play\\command";
constexpr char kCdaFile[] = "cdafile\\shell\\play\\command";

struct Rig {
  FakeFiles files;
  FakeRegistry registry;
  ScriptedHost host;
  MemoryProfileStore settings;
  InstallRequest request;

  Rig() {
    for (const std::string& name : FilesToCopy()) files.Put(kSource + name, "new " + name + std::string(5000, 'x'));
    host.folders = {"C:\\PROGRAM FILES"};
    request.source = kSource;
    request.destination = kDestination;
    request.windowsFolder = "C:\\WINDOWS";
    request.neededBytes = 1000;
    request.availableBytes = 1000000;
  }
  InstallOutcome Run() { return RunInstallation(request, {host, files, registry, settings}); }
  std::string Installed(const std::string& name) const { return files.Read(kDestination + name); }
  // Every file under the destination.
  std::vector<std::string> DestinationFiles() const {
    std::vector<std::string> found;
    for (const std::string& path : files.Paths()) {
      if (path.rfind(kDestination, 0) == 0) found.push_back(path.substr(sizeof kDestination - 1));
    }
    return found;
  }
};

TEST(SetupInstallation, FreshInstallationLeavesExactlyTheFilesSettingsShortcutAndRegistryValues) {
  Rig rig;
  rig.registry.Put(RegistryRoot::kClassesRoot, kAudioCd, "", "C:\\WINDOWS\\cdplayer.exe /play %1");
  rig.registry.AddKey(RegistryRoot::kClassesRoot, kCdaFile);  // a key without a command
  rig.host.answers = {true, true, false};  // create the folder, AutoPlay yes, no Internet Explorer

  ASSERT_EQ(rig.Run(), InstallOutcome::kComplete);

  std::vector<std::string> expected = FilesToCopy();
  std::vector<std::string> got = rig.DestinationFiles();
  std::sort(expected.begin(), expected.end(), [](auto& a, auto& b) { return setup_test::Upper(a) < setup_test::Upper(b); });
  EXPECT_EQ(got, expected);  // no temporary copy left, nothing else
  EXPECT_EQ(rig.Installed("WaxAnim.dll"), rig.files.Read(std::string(kSource) + "WaxAnim.dll"));
  EXPECT_EQ(rig.host.questions, (std::vector<std::string>{
                                    "Directory C:\\Program Files\\Brindlewax does not exist, create?",
                                    kAutoPlayQuestion, kBrowserQuestion}));
  EXPECT_EQ(rig.host.statuses.back(), kStatusDone);
  EXPECT_EQ(rig.host.messages, std::vector<std::string>{kComplete});
  EXPECT_EQ(rig.host.percents.front(), "0%");
  EXPECT_EQ(rig.host.percents.back(), "100%");

  ASSERT_EQ(rig.host.shortcuts.size(), 1u);
  EXPECT_EQ(rig.host.shortcuts[0].target, "C:\\Program Files\\Brindlewax\\BRINDWAX.exe");
  EXPECT_EQ(rig.host.shortcuts[0].workingFolder, "C:\\Program Files\\Brindlewax");
  EXPECT_EQ(rig.host.shortcuts[0].description, "Brindlewax");

  const std::string program = "\"C:\\Program Files\\Brindlewax\\BRINDWAX.exe\"";
  EXPECT_EQ(rig.registry.Values(RegistryRoot::kClassesRoot, kAudioCd).at(""), program + " /play %1");
  EXPECT_EQ(rig.registry.Values(RegistryRoot::kClassesRoot, kCdaFile).at(""), program + " -play %1");
  auto entry = rig.registry.Values(RegistryRoot::kLocalMachine, kUninstallKey);
  EXPECT_EQ(entry.at("DISPLAYNAME"), "Brindlewax 2.3");
  EXPECT_EQ(entry.at("UNINSTALLSTRING"), "\"C:\\Program Files\\Brindlewax\\DelBrix.exe\"");
  EXPECT_EQ(entry.at("AUTOPLAYAUDIOCDBEFORE"), "C:\\WINDOWS\\cdplayer.exe /play %1");
  EXPECT_EQ(entry.at("AUTOPLAYCDAFILEBEFORE"), "");

  auto& s = rig.settings;
  EXPECT_EQ(s.Get("MAIN", "WaveFilesPath", "?"), "C:\\WINDOWS\\");
  EXPECT_EQ(s.Get("MAIN", "TimerSpeed", "?"), "1");
  EXPECT_EQ(s.Get("MAIN", "AnimationNameSound", "?"), "Cow");
  EXPECT_EQ(s.Get("WEB", "TemplatePath", "?"), kDestination);
  EXPECT_EQ(s.Get("CDDB", "CDDBProtocal", "?"), "CDDBP");
  EXPECT_EQ(s.Get("CDDB", "CurrentHTTPServer", "?"), "gnudb.gnudb.org - Random freedb server");
  EXPECT_EQ(s.Get("CDDB", "EMailAddress", "?"), "me@example.org");
  EXPECT_EQ(s.Get("CDDB", "MailServer", "?"), "mail.example.org");
  EXPECT_EQ(s.Get("MAIN", "VolumeApplicationPath", "?"), "C:\\WINDOWS\\System32\\");
}

TEST(SetupInstallation, SecondInstallationKeepsUserSettingsAndTheFirstAutoPlayRecord) {
  Rig rig;
  rig.registry.Put(RegistryRoot::kClassesRoot, kAudioCd, "", "C:\\WINDOWS\\cdplayer.exe /play %1");
  rig.host.answers = {true, true, true};
  ASSERT_EQ(rig.Run(), InstallOutcome::kComplete);
  rig.settings.Set("MAIN", "TimerSpeed", "4");
  rig.settings.Set("MAIN", "BrindlewaxMode", "midi");
  rig.settings.Set("CDDB", "EMailAddress", "kept@example.org");
  rig.files.Put(std::string(kDestination) + "brindwax.dat", "the catalogue");
  rig.files.Put(std::string(kDestination) + "ctl3d.dll", "old");
  rig.request.os = OperatingSystem::kWindows9x;

  rig.host = ScriptedHost();
  rig.host.folders = {"C:\\PROGRAM FILES", "C:\\PROGRAM FILES\\BRINDWAX"};
  rig.host.answers = {true, false};  // AutoPlay yes again, no Internet Explorer
  ASSERT_EQ(rig.Run(), InstallOutcome::kComplete);

  EXPECT_EQ(rig.settings.Get("MAIN", "TimerSpeed", "?"), "4");
  EXPECT_EQ(rig.settings.Get("MAIN", "BrindlewaxMode", "?"), "midi");
  EXPECT_EQ(rig.settings.Get("CDDB", "CDDBProtocal", "?"), "HTTP");  // from the first installation
  EXPECT_EQ(rig.host.offered.email, "kept@example.org");  // offered again in the dialog
  EXPECT_EQ(rig.settings.Get("MAIN", "VolumeApplicationPath", "?"), "C:\\WINDOWS\\");
  EXPECT_EQ(rig.Installed("brindwax.dat"), "the catalogue");
  EXPECT_EQ(rig.Installed("ctl3d.dll"), "<missing>");
  EXPECT_EQ(rig.registry.Values(RegistryRoot::kLocalMachine, kUninstallKey).at("AUTOPLAYAUDIOCDBEFORE"),
            "C:\\WINDOWS\\cdplayer.exe /play %1");
}

// Each way of stopping: the message shown, and the destination exactly as it was.
TEST(SetupInstallation, StoppingLeavesTheDestinationAsItWas) {
  struct Case {
    const char* what;
    void (*prepare)(Rig&);
    const char* message;
    InstallOutcome outcome;
  };
  const Case cases[] = {
      {"no room", [](Rig& r) { r.request.availableBytes = r.request.neededBytes; }, kNotEnoughSpace,
       InstallOutcome::kNoSpace},
      {"source is destination",
       [](Rig& r) { r.request.source = "c:/program files\\BRINDLEWAX"; }, kCopyOverItself,
       InstallOutcome::kAborted},
      {"missing source file", [](Rig& r) { (void)r.files.Remove(std::string(kSource) + "Defs.gif"); },
       kSourceInvalid, InstallOutcome::kAborted},
      {"disk full on the last copy",
       [](Rig& r) { r.files.failWrites.insert(setup_test::Upper(std::string(kDestination) + "WaxAnim.dll.part")); },
       "Error: Can't write file. Destination path is invalid or full: C:\\Program Files\\Brindlewax\\WaxAnim.dll",
       InstallOutcome::kAborted},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Rig rig;
    rig.host.folders.insert("C:\\PROGRAM FILES\\BRINDLEWAX");
    for (const std::string& name : OldFilesToDelete()) rig.files.Put(kDestination + name, "old");
    const std::vector<std::string> before = rig.DestinationFiles();
    c.prepare(rig);
    EXPECT_EQ(rig.Run(), c.outcome);
    EXPECT_EQ(rig.host.messages, std::vector<std::string>{c.message});
    EXPECT_EQ(rig.DestinationFiles(), before);
    for (const std::string& name : OldFilesToDelete()) EXPECT_EQ(rig.Installed(name), "old");
    EXPECT_TRUE(rig.host.shortcuts.empty());
    EXPECT_TRUE(rig.registry.Values(RegistryRoot::kLocalMachine, kUninstallKey).empty());
    if (c.outcome == InstallOutcome::kAborted) EXPECT_EQ(rig.host.statuses.back(), kStatusAborted);
    EXPECT_TRUE(std::find(rig.host.statuses.begin(), rig.host.statuses.end(), kStatusDone) == rig.host.statuses.end());
  }
}

TEST(SetupInstallation, RefusingAFolderAbortsBeforeAnythingIsCreated) {
  Rig rig;
  rig.host.folders.clear();
  rig.host.answers = {true, false};  // create C:\Program Files, but not Brindlewax under it
  EXPECT_EQ(rig.Run(), InstallOutcome::kAborted);
  EXPECT_EQ(rig.host.questions.size(), 2u);
  EXPECT_EQ(rig.host.statuses.back(), kStatusAborted);
  EXPECT_TRUE(rig.DestinationFiles().empty());
  EXPECT_EQ(rig.host.folders, std::set<std::string>{"C:\\PROGRAM FILES"});
}

TEST(SetupInstallation, AFileInUseIsNamedAndTheInstallationIsNotDone) {
  Rig rig;
  rig.host.folders.insert("C:\\PROGRAM FILES\\BRINDLEWAX");
  rig.files.Put(std::string(kDestination) + "BRINDWAX.exe", "running");
  rig.files.failRemoves.insert(setup_test::Upper(std::string(kDestination) + "BRINDWAX.exe"));
  EXPECT_EQ(rig.Run(), InstallOutcome::kAborted);
  ASSERT_EQ(rig.host.messages.size(), 1u);
  EXPECT_NE(setup_test::Upper(rig.host.messages[0]).find("BRINDWAX.EXE"), std::string::npos);
  EXPECT_EQ(rig.Installed("BRINDWAX.exe"), "running");
  EXPECT_EQ(rig.DestinationFiles(), std::vector<std::string>{"BRINDWAX.exe"});  // no temporary left
}

TEST(SetupInstallation, PercentTextRunsFromZeroToAHundred) {
  EXPECT_EQ(PercentText(0, 9000), "0%");
  EXPECT_EQ(PercentText(3072, 9000), "34%");
  EXPECT_EQ(PercentText(9000, 9000), "100%");
  EXPECT_EQ(PercentText(0, 0), "100%");  // an empty file is copied at once
}

}  // namespace
