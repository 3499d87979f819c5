// The installer's main dialog, 100: source and destination with their folder browsers, the
// operating-system choice, the disk space needed and available, the status and percentage
// lines, and About, Start Installation and Exit.
#include "setup/setup_main_dialog.h"

#include <shlobj.h>

#include "base/file_system.h"
#include "base/profile_win32.h"
#include "filetools/directory_list.h"
#include "resources/setup_resource.h"
#include "setup/companion_look.h"
#include "setup/install_files.h"
#include "setup/install_paths.h"
#include "setup/setup_about_dialog.h"
#include "setup/setup_help.h"
#include "setup/setup_path_dialog.h"
#include "setup/setup_window_host.h"
#include "shell/skinned_dialog.h"
#include "shell/text_helpers.h"

namespace {

using namespace bw::setup;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_SETUP_ABOUT, skin::ButtonStyle::kLarge, skin::large_sheet::kCellAbout),
    Skinned(IDC_SETUP_START, skin::ButtonStyle::kLarge, skin::large_sheet::kCellStart),
    Skinned(IDC_SETUP_EXIT, skin::ButtonStyle::kLarge, skin::large_sheet::kCellExit),
    Skinned(IDC_SETUP_SOURCE_BROWSE, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellBrowse),
    Skinned(IDC_SETUP_DESTINATION_BROWSE, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellBrowse),
};
constexpr auto kHelpIds = SetupHelpIds(
    IDC_SETUP_EXIT, IDC_SETUP_ABOUT, IDC_SETUP_START, IDC_SETUP_SOURCE, IDC_SETUP_SOURCE_BROWSE,
    IDC_SETUP_DESTINATION, IDC_SETUP_DESTINATION_BROWSE, IDC_SETUP_OS_9X, IDC_SETUP_OS_NT4,
    IDC_SETUP_OS_2000, IDC_SETUP_STATUS, IDC_SETUP_PERCENT, IDC_SETUP_NEEDED, IDC_SETUP_AVAILABLE);
constexpr int kSoundExit = 6;

std::string SystemFolder(int csidl) {
  char folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder))) return std::string();
  return folder;
}

std::string WindowsFolder() {
  char folder[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryA(folder, sizeof folder);
  return length != 0 && length < sizeof folder ? std::string(folder) : std::string("C:\\WINDOWS");
}

OperatingSystem RunningSystem() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return OperatingSystem::kWindows2000;
  return DetectOperatingSystem(version.dwPlatformId, version.dwMajorVersion);
}

// The free space of the drive a folder is on, asked of the nearest folder of the path that
// exists (the destination is often still to be made); 0 when there is none.
std::uint64_t AvailableBytes(std::string folder) {
  folder = bw::WithTrailingSeparator(folder);
  while (!folder.empty()) {
    ULARGE_INTEGER available = {};
    if (GetDiskFreeSpaceExA(folder.c_str(), &available, nullptr, nullptr)) return available.QuadPart;
    folder.pop_back();
    const std::size_t cut = folder.find_last_of('\\');
    if (cut == std::string::npos) break;
    folder.resize(cut + 1);
  }
  return 0;
}

class SetupMainDialog : public SkinnedDialog {
 public:
  SetupMainDialog() : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())) {}

 private:
  void OnInitDialog() override {
    SetCompanionIcon(Window());
    SendMessageA(Item(IDC_SETUP_SOURCE), EM_LIMITTEXT, MAX_PATH - 20, 0);
    SendMessageA(Item(IDC_SETUP_DESTINATION), EM_LIMITTEXT, MAX_PATH - 20, 0);
    SetItemText(IDC_SETUP_SOURCE, FolderOfProgram(CompanionProgramPath()));
    SetItemText(IDC_SETUP_DESTINATION, DefaultDestination(SystemFolder(CSIDL_PROGRAM_FILES)));
    const OperatingSystem os = RunningSystem();
    SetChecked(IDC_SETUP_OS_9X, os == OperatingSystem::kWindows9x);
    SetChecked(IDC_SETUP_OS_NT4, os == OperatingSystem::kWindowsNt4);
    SetChecked(IDC_SETUP_OS_2000, os == OperatingSystem::kWindows2000);
    RefreshNeeded();
    RefreshAvailable();
  }

  std::string Source() const { return bw::WithTrailingSeparator(ItemText(IDC_SETUP_SOURCE)); }
  std::string Destination() const { return bw::WithTrailingSeparator(ItemText(IDC_SETUP_DESTINATION)); }

  void RefreshNeeded() {
    needed_ = CheckSource(bw::DefaultFileSystem(), Source()).totalBytes;
    SetItemText(IDC_SETUP_NEEDED, bw::ByteCountText(needed_));
  }
  void RefreshAvailable() {
    available_ = AvailableBytes(Destination());
    SetItemText(IDC_SETUP_AVAILABLE, bw::ByteCountText(available_));
  }

  OperatingSystem ChosenSystem() const {
    if (IsChecked(IDC_SETUP_OS_9X)) return OperatingSystem::kWindows9x;
    if (IsChecked(IDC_SETUP_OS_NT4)) return OperatingSystem::kWindowsNt4;
    return OperatingSystem::kWindows2000;
  }

  void BrowseInto(int editId) {
    if (std::optional<std::string> chosen = RunSetupPathDialog(Window(), ItemText(editId))) {
      SetItemText(editId, *chosen);
    }
  }

  void StartInstallation() {
    RefreshNeeded();
    RefreshAvailable();
    InstallRequest request;
    request.source = Source();
    request.destination = ItemText(IDC_SETUP_DESTINATION).empty() ? std::string() : Destination();
    request.windowsFolder = WindowsFolder();
    request.os = ChosenSystem();
    request.neededBytes = needed_;
    request.availableBytes = available_;
    WindowSetupHost host(Window());
    Win32ProfileStore settings(request.destination + kSettingsFile);
    EnableItem(IDC_SETUP_START, false);
    const InstallOutcome outcome =
        RunInstallation(request, {host, bw::DefaultFileSystem(), bw::SystemRegistry(), settings});
    EnableItem(IDC_SETUP_START, true);
    if (outcome == InstallOutcome::kComplete) PostMessageA(Window(), WM_COMMAND, IDC_SETUP_EXIT, 0);
  }

  void OnCommand(int id, int code, HWND) override {
    switch (id) {
      case IDC_SETUP_SOURCE:
        if (code == EN_CHANGE) RefreshNeeded();
        break;
      case IDC_SETUP_DESTINATION:
        if (code == EN_CHANGE) RefreshAvailable();
        break;
      case IDC_SETUP_SOURCE_BROWSE:
      case IDC_SETUP_DESTINATION_BROWSE:
        BrowseInto(id == IDC_SETUP_SOURCE_BROWSE ? IDC_SETUP_SOURCE : IDC_SETUP_DESTINATION);
        break;
      case IDC_SETUP_ABOUT:
        RunSetupAboutDialog(Window());
        break;
      case IDC_SETUP_START:
        StartInstallation();
        break;
      case IDC_SETUP_EXIT:
      case IDCANCEL:
        End(IDOK, kSoundExit);
        break;
      default:
        break;
    }
  }

  std::uint64_t needed_ = 0;
  std::uint64_t available_ = 0;
};

}  // namespace

void RunSetupMainDialog() {
  SetupMainDialog dialog;
  RunModalDialog(nullptr, IDD_SETUP_MAIN, dialog);
}
