// Start-up, message loop and the end of the program.
#include "shell/startup.h"

#include <commctrl.h>

#include <string>

#include "cd/mci_error_report.h"
#include "cd/program_cd_device.h"
#include "resources/resource.h"
#include "shell/main_window.h"
#include "shell/message_box.h"
#include "shell/panel_host.h"
#include "shell/look_and_feel.h"
#include "shell/program_mode.h"
#include "shell/program_state.h"
#include "shell/running_copy.h"
#include "shell/skins.h"
#include "shell/sound_effects.h"
#include "shell/splash_window.h"
#include "shell/texts.h"

namespace {

constexpr int kHighColourIcon = 2;
constexpr int kPaletteIcon = 1;

// A media file named without a folder lies in the current folder.
void CompleteMediaFolder(CommandLine& commandLine) {
  if (commandLine.kind != CommandLineKind::kMediaFile || !commandLine.mediaFolder.empty()) return;
  char folder[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
  if (length == 0 || length >= sizeof folder) return;
  commandLine.mediaFolder = folder;
  if (commandLine.mediaFolder.back() != '\\') commandLine.mediaFolder += '\\';
}

// A second copy hands its command line over to the running one and ends: the CD forms
// select the CD Player tab there and ask it to play; any start brings it to the front.
void HandOverToRunningCopy(HWND running, const CommandLine& commandLine) {
  if (commandLine.kind == CommandLineKind::kPlayCd) {
    if (HWND tabs = GetDlgItem(running, IDC_MAIN_TABS)) SendMessageA(tabs, TCM_SETCURSEL, kCdPlayerTab, 0);
    PostMessageA(running, WM_COMMAND, IDC_MAIN_PLAY_CD, commandLine.track);
  }
  SetForegroundWindow(running);
  BringWindowToTop(running);
  if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
}

// Media playback stops before the report is shown, so the report is not shown again and again
// by the position timer.
void ShowMciErrorReport(const ProgramParts& parts, const std::string& report) {
  if (parts.stopMediaPlayback != nullptr) parts.stopMediaPlayback();
  if (HWND panel = CurrentPanel(); panel != nullptr && IsMediaMode(g_settings.main.mode)) {
    KillTimer(panel, 1);
  }
  ShowMessage(g_mainWindow, report);
}

void GreyMaximizeAndSize(HWND mainWindow) {
  HMENU systemMenu = GetSystemMenu(mainWindow, FALSE);
  EnableMenuItem(systemMenu, SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
  EnableMenuItem(systemMenu, SC_SIZE, MF_BYCOMMAND | MF_GRAYED);
}

int RunMessageLoop(HACCEL accelerators) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    HWND mainWindow = g_mainWindow;
    if (mainWindow != nullptr && accelerators != nullptr) {
      TranslateAcceleratorA(mainWindow, accelerators, &message);
    }
    // A key whose command went to a panel is not handed on; any other key still reaches the
    // dialog manager, so Space and Delete keep working in the location edit.
    g_keyInProgress = message.message == WM_KEYDOWN ? static_cast<UINT>(message.wParam) : 0;
    if (!g_acceleratorConsumed &&
        (mainWindow == nullptr || !IsDialogMessageA(mainWindow, &message))) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    g_acceleratorConsumed = false;
    g_keyInProgress = 0;
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

std::string ProgramFolderOf(const std::string& programPath) {
  const size_t separator = programPath.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : programPath.substr(0, separator + 1);
}

int RunBrindlewax(HINSTANCE instance, const char* commandLineText, int showCommand,
                  const ProgramParts& parts) {
  g_instance = instance;

  // 1. Common controls and the private wheel message.
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  g_wheelMessage = RegisterWindowMessageA("MSWHEEL_ROLLMSG");
  bw::SetMciErrorReportHandler(
      [&parts](const std::string& report) { ShowMciErrorReport(parts, report); });

  // 2. The internet library was bound by the program's entry before it came here.

  // 3. The command line.
  g_commandLine = ParseCommandLine(commandLineText != nullptr ? commandLineText : "");
  CompleteMediaFolder(g_commandLine);
  g_playAndExit = g_commandLine.kind == CommandLineKind::kMediaFile;

  // 4. One copy at a time.
  if (HWND running = FindRunningCopy()) {
    HandOverToRunningCopy(running, g_commandLine);
    return 0;
  }

  // 5, 6. Colour depth and the splash window.
  g_highColour = MeasureHighColour();
  HWND splash = ShowSplashWindow(instance, g_highColour);

  // 7. Program folder and settings file.
  char programPath[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, programPath, sizeof programPath);
  g_programFolder = ProgramFolderOf(programPath);
  g_settingsPath = g_programFolder + kSettingsFileName;
  g_helpFilePath = g_programFolder + "brindhlp.hlp";

  // 8. The animation library; the program cannot run without it.
  UniqueModule animationLibrary(LoadLibraryA((g_programFolder + "WaxAnim.dll").c_str()));
  if (!animationLibrary) {
    if (splash != nullptr) CloseSplashWindow(splash);
    g_largeFonts = MeasureLargeFonts();
    LoadSkins();
    ShowMessage(nullptr, kTextMissingAnimationLibrary);
    DeleteSkins();
    ReleaseSoundEffect();
    return 0;
  }
  g_animationLibrary = animationLibrary.Get();

  // 9. Entry-field colouring and its brush.
  ProfileStore& settingsFile = ProgramSettingsFile();
  g_settings.main.entryFieldColorization = ReadEntryFieldColorization(settingsFile);
  CreateEntryFieldBrush();

  // 10. The media folders (a media file's folder comes from the command line).
  SettingsOverrides overrides;
  overrides.mediaMode = g_commandLine.mediaMode;
  overrides.mediaFolder = g_commandLine.mediaFolder;
  ReadMediaFolders(settingsFile, overrides, g_settings.main);

  // 11. AnimateWindow where user32 has it.
  UniqueModule user32(LoadLibraryA("user32.dll"));
  g_animateWindow = user32 ? reinterpret_cast<AnimateWindowFunction>(
                                 reinterpret_cast<void*>(GetProcAddress(user32.Get(), "AnimateWindow")))
                           : nullptr;

  // 12. The main window.
  CreateProgramPalette(instance);
  std::unique_ptr<SkinnedDialog> mainWindowState = CreateMainWindow(splash, parts);
  HWND mainWindow = mainWindowState != nullptr ? mainWindowState->Window() : nullptr;
  if (mainWindow == nullptr) {
    if (splash != nullptr) CloseSplashWindow(splash);
    return 1;
  }
  HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(g_highColour ? kHighColourIcon : kPaletteIcon));
  if (icon != nullptr) SetClassLongPtrA(mainWindow, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
  GreyMaximizeAndSize(mainWindow);
  ShowWindow(mainWindow, showCommand);
  HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_MAIN_ACCELERATORS));

  // 13. The message loop.
  const int exitCode = RunMessageLoop(accelerators);

  // 14. Release what the run held, the animation library last (the internet library goes
  // when the program's entry regains control).
  mainWindowState.reset();
  bw::SetMciErrorReportHandler(nullptr);
  for (Animation& animation : g_animations) StopAnimationAndWait(animation);
  DeleteSkins();
  ReleaseSoundEffect();
  g_animateWindow = nullptr;
  user32.Reset();
  bw::ReleaseProgramCdDevice();
  g_programPalette.Reset();
  g_animationLibrary = nullptr;
  animationLibrary.Reset();
  return exitCode;
}
