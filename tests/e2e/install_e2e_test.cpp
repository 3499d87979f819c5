// The installer and the uninstaller from the distribution folder, under Wine: what an
// installation leaves (files, settings, shortcut, registry values), a second installation over
// it, the ways an installation stops without harm, help, the installed program started from its
// shortcut, and the removal with its question, its closing texts and a file in use.
#include <gtest/gtest.h>

#include <objbase.h>
#include <shellapi.h>

#include "e2e_support.h"
#include "help_viewer_support.h"
#include "install_e2e_support.h"
#include "resources/resource.h"

namespace {

using install_e2e::Popup;
using install_e2e::SetupSession;

constexpr char kAudioCd[] = "AudioCD\\shell\\play\\command";
constexpr char kCdaFile[] = "cdafile\\shell\\play\\command";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brindlewax";
constexpr char kPriorPlayer[] = "C:\\windows\\system32\\cdplayer.exe /play %1";
constexpr char kAutoPlayQuestion[] =
    "Do you want the AutoPlay feature to load Brindlewax instead of the Windows CD Player?";
constexpr char kComplete[] = "Installation complete! Thank you for using a Thornquill product.";
const std::vector<std::string> kInstalledFiles = {
    "brindhlp.hlp", "BRINDWAX.exe", "BRINDWAX.INI", "Default.gif", "Default.htm", "Default.wt",
    "Defs.gif",     "DelBrix.exe",  "Readme.txt",   "WaxAnim.dll"};

// Ends a running Brindlewax by its Exit button, as the user would; killed if it will not end.
void ExitBrindlewax(HWND main) {
  DWORD pid = 0;
  GetWindowThreadProcessId(main, &pid);
  e2e::ClickId(main, IDC_MAIN_EXIT);
  if (e2e::WaitUntil([] { return e2e::FindTopWindow("Brindlewax 2.3", 0) == nullptr; }, 20000)) return;
  ADD_FAILURE() << "Brindlewax did not end";
  HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, pid);
  if (process != nullptr) {
    TerminateProcess(process, 1);
    CloseHandle(process);
  }
}

// The machine-wide state an installation touches, put back as it was found.
class InstallationTest : public testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    ASSERT_TRUE(install_e2e::CopyDistribution(source.Path())) << install_e2e::DistributionDir();
    destination = work.Path() + "Program Files\\Brindlewax\\";
    hadAudioCd = install_e2e::RegistryKeyExists(HKEY_CLASSES_ROOT, "AudioCD");
    hadCdaFile = install_e2e::RegistryKeyExists(HKEY_CLASSES_ROOT, "cdafile");
    CleanMachine();
  }
  void TearDown() override {
    CleanMachine();
    CoUninitialize();
  }
  void CleanMachine() {
    if (!hadAudioCd) install_e2e::DeleteRegistryTree(HKEY_CLASSES_ROOT, "AudioCD");
    if (!hadCdaFile) install_e2e::DeleteRegistryTree(HKEY_CLASSES_ROOT, "cdafile");
    install_e2e::DeleteRegistryTree(HKEY_LOCAL_MACHINE, kUninstallKey);
    DeleteFileA(install_e2e::ShortcutPath().c_str());
  }

  // Waits for the installer's next dialog and checks its title and the start of its text.
  Popup Expect(SetupSession& setup, const char* title, const std::string& textStart) {
    std::optional<Popup> popup = setup.NextPopup();
    if (!popup) {
      ADD_FAILURE() << "no " << title << " (" << textStart << ") appeared; status " << setup.Status();
      return Popup();
    }
    EXPECT_EQ(popup->title, title);
    EXPECT_EQ(popup->text.substr(0, textStart.size()), textStart);
    return *popup;
  }
  void ExpectAndAnswer(SetupSession& setup, const char* title, const std::string& textStart, bool ok) {
    const Popup popup = Expect(setup, title, textStart);
    if (popup.window != nullptr) setup.Answer(popup, ok);
  }

  // A complete installation: folders made when asked, AutoPlay yes, the Freedb fields, and the
  // Internet Explorer answer.
  void Install(bool askFolders, bool internetExplorer, const char* email, const char* screenshot = nullptr) {
    SetupSession setup;
    ASSERT_TRUE(setup.Start(source.Path()));
    setup.SetDestination(destination);
    if (screenshot != nullptr) {
      e2e::Sleep(500);
      e2e::SaveScreenshot(setup.Main(), screenshot);
    }
    setup.ClickStart();
    if (askFolders) {
      ExpectAndAnswer(setup, "Setup Question!", "Directory " + work.Path() + "Program Files does not exist, create?", true);
      ExpectAndAnswer(setup, "Setup Question!", "Directory " + destination.substr(0, destination.size() - 1), true);
    }
    const Popup autoPlay = Expect(setup, "Setup Question!", kAutoPlayQuestion);
    if (screenshot != nullptr) {
      e2e::Sleep(500);  // the opening animation has ended and every button is drawn
      e2e::SaveScreenshot(autoPlay.window, std::string(screenshot) + "_question");
    }
    setup.Answer(autoPlay, true);
    const Popup freedb = Expect(setup, "Setup Freedb Information", "To submit discs into the Freedb database");
    offeredEmail = install_e2e::ItemText(freedb.window, 603);
    if (screenshot != nullptr) {
      e2e::Sleep(500);
      e2e::SaveScreenshot(freedb.window, std::string(screenshot) + "_freedb");
    }
    setup.FillFreedb(freedb, email, "smtp.example.org");
    ExpectAndAnswer(setup, "Setup Question!", "Do you use the Microsoft Internet Explorer", internetExplorer);
    ExpectAndAnswer(setup, "Setup Message!", kComplete, true);
    EXPECT_TRUE(setup.WaitForExit(10000)) << "the installer did not end after its closing message";
  }

  std::string Ini(const char* section, const char* key) const {
    return install_e2e::ReadIni(destination + "BRINDWAX.INI", section, key);
  }

  install_e2e::TempFolder source;
  install_e2e::TempFolder work;
  std::string destination;
  std::string offeredEmail;
  bool hadAudioCd = false;
  bool hadCdaFile = false;
};

TEST_F(InstallationTest, InstallsReinstallsStartsFromItsShortcutAndIsRemoved) {
  install_e2e::SetRegistryString(HKEY_CLASSES_ROOT, kAudioCd, "", kPriorPlayer);
  install_e2e::CreateRegistryKey(HKEY_CLASSES_ROOT, kCdaFile);  // a key without a command
  Install(true, false, "me@example.org", "install_main");

  // Exactly the copy list and the settings file.
  EXPECT_EQ(install_e2e::FilesIn(destination), kInstalledFiles);
  EXPECT_EQ(install_e2e::ReadFileText(destination + "WaxAnim.dll"),
            install_e2e::ReadFileText(source.Path() + "WaxAnim.dll"));
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  EXPECT_EQ(Ini("MAIN", "WaveFilesPath"), std::string(windows) + "\\");
  EXPECT_EQ(Ini("MAIN", "AnimationNameSound"), "Cow");
  EXPECT_EQ(Ini("MAIN", "TimerSpeed"), "1");
  EXPECT_EQ(Ini("MAIN", "BrindlewaxMode"), "wave");
  EXPECT_EQ(Ini("WEB", "TemplatePath"), destination);
  EXPECT_EQ(Ini("CDDB", "CDDBProtocal"), "CDDBP");
  EXPECT_EQ(Ini("CDDB", "CurrentCDDBPServer"), "gnudb.gnudb.org - Random freedb server");
  EXPECT_EQ(Ini("CDDB", "EMailAddress"), "me@example.org");
  EXPECT_EQ(Ini("MAIN", "VolumeApplicationPath"), std::string(windows) + "\\System32\\");

  // The shortcut, read back through the link object.
  const auto shortcut = install_e2e::ReadShortcut(install_e2e::ShortcutPath());
  ASSERT_TRUE(shortcut.has_value()) << install_e2e::ShortcutPath();
  EXPECT_EQ(shortcut->target, destination + "BRINDWAX.exe");
  EXPECT_EQ(shortcut->workingFolder, destination.substr(0, destination.size() - 1));
  EXPECT_EQ(shortcut->description, "Brindlewax");

  // The registry values, the program's path quoted; what AutoPlay held before is recorded.
  const std::string quoted = "\"" + destination + "BRINDWAX.exe\"";
  EXPECT_EQ(install_e2e::RegistryString(HKEY_CLASSES_ROOT, kAudioCd, ""), quoted + " /play %1");
  EXPECT_EQ(install_e2e::RegistryString(HKEY_CLASSES_ROOT, kCdaFile, ""), quoted + " -play %1");
  EXPECT_EQ(install_e2e::RegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "Brindlewax 2.3");
  EXPECT_EQ(install_e2e::RegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"),
            "\"" + destination + "DelBrix.exe\"");

  // The installed program starts from its shortcut, in its folder: it writes its settings there
  // when it ends.
  SHELLEXECUTEINFOA start = {};
  start.cbSize = sizeof start;
  start.fMask = SEE_MASK_NOCLOSEPROCESS;
  const std::string link = install_e2e::ShortcutPath();
  start.lpFile = link.c_str();
  start.nShow = SW_SHOWNORMAL;
  ASSERT_TRUE(ShellExecuteExA(&start)) << GetLastError();
  HWND program = nullptr;
  ASSERT_TRUE(e2e::WaitUntil([&] { return (program = e2e::FindTopWindow("Brindlewax 2.3", 0)) != nullptr; }, 30000));
  e2e::Sleep(4000);  // past the splash
  e2e::SaveScreenshot(nullptr, "install_started_from_shortcut");
  EXPECT_EQ(Ini("MAIN", "ScrollBar"), "<missing>");
  ExitBrindlewax(program);
  if (start.hProcess != nullptr) {
    WaitForSingleObject(start.hProcess, 10000);
    CloseHandle(start.hProcess);
  }
  EXPECT_NE(Ini("MAIN", "ScrollBar"), "<missing>") << "the program did not run from " << destination;

  // A second installation keeps the user's settings and catalogue, and writes the few it
  // always writes.
  WritePrivateProfileStringA("MAIN", "TimerSpeed", "4", (destination + "BRINDWAX.INI").c_str());
  WritePrivateProfileStringA("MAIN", "BrindlewaxMode", "midi", (destination + "BRINDWAX.INI").c_str());
  WritePrivateProfileStringA("CDDB", "CGIScriptName", "/changed", (destination + "BRINDWAX.INI").c_str());
  install_e2e::WriteFileText(destination + "brindwax.dat", "the user's discs");
  Install(false, true, "second@example.org");
  EXPECT_EQ(offeredEmail, "me@example.org");
  EXPECT_EQ(Ini("MAIN", "TimerSpeed"), "4");
  EXPECT_EQ(Ini("MAIN", "BrindlewaxMode"), "midi");
  EXPECT_EQ(Ini("CDDB", "CDDBProtocal"), "CDDBP");
  EXPECT_EQ(Ini("CDDB", "CGIScriptName"), "/~cddb/cddb.cgi");
  EXPECT_EQ(Ini("CDDB", "EMailAddress"), "second@example.org");
  EXPECT_EQ(install_e2e::ReadFileText(destination + "brindwax.dat"), "the user's discs");

  // The uninstaller: Cancel changes nothing.
  install_e2e::Process uninstaller;
  ASSERT_TRUE(uninstaller.Start(destination + "DelBrix.exe", destination));
  HWND main = uninstaller.WaitForWindow("Uninstall Brindlewax");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(install_e2e::ItemText(main, 301), destination);
  {
    install_e2e::Process second;  // a second copy hands over to the first and ends
    ASSERT_TRUE(second.Start(destination + "DelBrix.exe", destination));
    EXPECT_TRUE(second.WaitForExit(10000));
  }
  e2e::SaveScreenshot(main, "uninstall_main");
  e2e::Click(GetDlgItem(main, 201));
  HWND question = uninstaller.WaitForWindow("Question!");
  ASSERT_NE(question, nullptr);
  const std::string asked = install_e2e::ItemText(question, 300);
  EXPECT_EQ(asked.rfind("Are you sure you want to Uninstall Brindlewax?", 0), 0u);
  EXPECT_NE(asked.find(destination + "brindwax.dat"), std::string::npos) << asked;
  e2e::Sleep(500);
  e2e::SaveScreenshot(question, "uninstall_question");
  PostMessageA(question, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box is Cancel
  ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(question); }, 5000));
  EXPECT_EQ(install_e2e::FilesIn(destination).size(), kInstalledFiles.size() + 1);
  EXPECT_EQ(install_e2e::RegistryString(HKEY_CLASSES_ROOT, kAudioCd, ""), quoted + " /play %1");
  EXPECT_TRUE(install_e2e::ReadShortcut(install_e2e::ShortcutPath()).has_value());

  // With the program running, its file is named as left.
  install_e2e::Process running;
  ASSERT_TRUE(running.Start(destination + "BRINDWAX.exe", destination));
  HWND runningMain = running.WaitForWindow("Brindlewax 2.3", 30000);
  ASSERT_NE(runningMain, nullptr);
  e2e::Click(GetDlgItem(main, 201));
  question = uninstaller.WaitForWindow("Question!");
  ASSERT_NE(question, nullptr);
  e2e::Click(GetDlgItem(question, 203));
  ASSERT_TRUE(e2e::WaitUntil([&] { return install_e2e::ItemVisible(main, 304); }, 10000));
  EXPECT_EQ(install_e2e::ItemText(main, 302), "Not deleted: brindwax.exe, waxanim.dll");
  EXPECT_NE(install_e2e::ItemText(main, 301), "Brindlewax is now removed from your system!");
  ExitBrindlewax(runningMain);
  e2e::Click(GetDlgItem(main, 202));
  EXPECT_TRUE(uninstaller.WaitForExit(10000));

  // Run again: everything goes, the closing texts say so, and a third run says so too.
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run == 0 ? "second removal" : "third removal");
    install_e2e::Process again;
    ASSERT_TRUE(again.Start(destination + "DelBrix.exe", destination));
    main = again.WaitForWindow("Uninstall Brindlewax");
    ASSERT_NE(main, nullptr);
    e2e::Click(GetDlgItem(main, 201));
    question = again.WaitForWindow("Question!");
    ASSERT_NE(question, nullptr);
    e2e::Click(GetDlgItem(question, 203));
    ASSERT_TRUE(e2e::WaitUntil([&] { return install_e2e::ItemText(main, 302) == "Done!"; }, 10000))
        << install_e2e::ItemText(main, 302);
    EXPECT_EQ(install_e2e::ItemText(main, 301), "Brindlewax is now removed from your system!");
    EXPECT_FALSE(install_e2e::ItemVisible(main, 303));
    EXPECT_TRUE(install_e2e::ItemVisible(main, 304));
    EXPECT_TRUE(install_e2e::ItemVisible(main, 305));
    if (run == 0) {
      e2e::Sleep(500);
      e2e::SaveScreenshot(main, "uninstall_done");
    }
    e2e::Click(GetDlgItem(main, 202));
    EXPECT_TRUE(again.WaitForExit(10000));
  }
  EXPECT_EQ(install_e2e::FilesIn(destination), std::vector<std::string>{"DelBrix.exe"});
  EXPECT_EQ(install_e2e::RegistryString(HKEY_CLASSES_ROOT, kAudioCd, ""), kPriorPlayer);
  EXPECT_EQ(install_e2e::RegistryString(HKEY_CLASSES_ROOT, kCdaFile, ""), std::nullopt);
  EXPECT_EQ(install_e2e::RegistryValueCount(HKEY_LOCAL_MACHINE, kUninstallKey), 0);
  EXPECT_FALSE(install_e2e::ReadShortcut(install_e2e::ShortcutPath()).has_value());
}

TEST_F(InstallationTest, StopsWithoutHarmAndShowsHelp) {
  SetupSession setup;
  ASSERT_TRUE(setup.Start(source.Path()));

  // F1 on Start Installation opens its topic in the viewer.
  PostMessageA(GetDlgItem(setup.Main(), 103), 0x004D /* WM_KEYF1 */, 0, 0);
  HWND help = nullptr;
  const std::string topic = e2e::WaitForHelpTopic("Start Installation", &help);
  EXPECT_TRUE(e2e::StartsWith(topic, "Start Installation")) << topic.substr(0, 200);
  if (help != nullptr) e2e::SaveHelpScreenshot(nullptr, "install_help_f1");
  WinHelpA(nullptr, (source.Path() + "brindhlp.hlp").c_str(), HELP_QUIT, 0);
  e2e::WaitUntil([] { return e2e::HelpWindow() == nullptr; }, 10000);

  // Refusing to create the folder ends with "Aborted!" and creates nothing.
  setup.SetDestination(destination);
  setup.ClickStart();
  ExpectAndAnswer(setup, "Setup Question!", "Directory " + work.Path() + "Program Files does not exist, create?", false);
  EXPECT_TRUE(e2e::WaitUntil([&] { return setup.Status() == "Aborted!"; }, 5000)) << setup.Status();
  EXPECT_FALSE(install_e2e::FolderExists(work.Path() + "Program Files"));

  // The source itself as the destination is refused before anything is deleted.
  const std::vector<std::string> sourceFiles = install_e2e::FilesIn(source.Path());
  setup.SetDestination(source.Path());
  setup.ClickStart();
  ExpectAndAnswer(setup, "Setup Message!", "Error: Can't copy file over itself!", true);
  EXPECT_TRUE(e2e::WaitUntil([&] { return setup.Status() == "Aborted!"; }, 5000));
  EXPECT_EQ(install_e2e::FilesIn(source.Path()), sourceFiles);

  // A missing source file leaves an earlier installation as it was.
  CreateDirectoryA((work.Path() + "Earlier").c_str(), nullptr);
  const std::string earlier = work.Path() + "Earlier\\";
  for (const char* name : {"BRINDWAX.exe", "WaxAnim.dll", "ctl3d.dll"}) install_e2e::WriteFileText(earlier + name, "old");
  DeleteFileA((source.Path() + "Defs.gif").c_str());
  setup.SetDestination(earlier);
  setup.ClickStart();
  const Popup invalid = Expect(setup, "Setup Message!", "Error: Can't read file. Source path is invalid");
  if (invalid.window != nullptr) {
    e2e::Sleep(500);
    e2e::SaveScreenshot(invalid.window, "install_source_invalid");
  }
  setup.Answer(invalid, true);
  EXPECT_TRUE(e2e::WaitUntil([&] { return setup.Status() == "Aborted!"; }, 5000));
  EXPECT_EQ(install_e2e::FilesIn(earlier), (std::vector<std::string>{"BRINDWAX.exe", "ctl3d.dll", "WaxAnim.dll"}));
  EXPECT_EQ(install_e2e::ReadFileText(earlier + "BRINDWAX.exe"), "old");
  EXPECT_EQ(install_e2e::RegistryValueCount(HKEY_LOCAL_MACHINE, kUninstallKey), -1);
  e2e::Click(GetDlgItem(setup.Main(), 101));
  EXPECT_TRUE(setup.WaitForExit(10000));
}

}  // namespace
