// The uninstaller's main window, dialog 100: the folder it removes Brindlewax from, Remove and
// Exit, the progress line and the closing texts; corner ornaments in the four corners.
#include "uninstall/uninstall_dialog.h"

#include "base/file_system.h"
#include "resources/delbrix_resource.h"
#include "setup/companion_look.h"
#include "setup/install_files.h"
#include "setup/registry_store.h"
#include "setup/shortcut_win32.h"
#include "shell/skin_cells.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"
#include "shell/skins.h"
#include "uninstall/removal.h"
#include "uninstall/uninstall_help.h"
#include "uninstall/uninstall_question_dialog.h"

namespace {

using namespace bw::uninstall;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_UNINSTALL_REMOVE, skin::ButtonStyle::kLarge, skin::large_sheet::kCellDelete),
    Skinned(IDC_UNINSTALL_EXIT, skin::ButtonStyle::kLarge, skin::large_sheet::kCellExit),
};
constexpr auto kHelpIds = UninstallHelpIds(IDC_UNINSTALL_REMOVE_FROM, IDC_UNINSTALL_FOLDER,
                                           IDC_UNINSTALL_PROGRESS, IDC_UNINSTALL_MANUAL,
                                           IDC_UNINSTALL_MANUAL_STEP, IDC_UNINSTALL_REMOVE,
                                           IDC_UNINSTALL_EXIT);
constexpr int kCornerSize = 8;

bool CaseInsensitiveEqual(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// The system CD player where it still exists, else empty.
std::string SystemCdPlayer() {
  char folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(folder, sizeof folder);
  if (length == 0 || length >= sizeof folder) return std::string();
  const std::string player = std::string(folder) + "\\cdplayer.exe";
  return GetFileAttributesA(player.c_str()) != INVALID_FILE_ATTRIBUTES ? player : std::string();
}

class WindowRemovalHost final : public RemovalHost {
 public:
  explicit WindowRemovalHost(HWND dialog) : dialog_(dialog) {}
  void ShowProgress(const std::string& text) override {
    HWND line = GetDlgItem(dialog_, IDC_UNINSTALL_PROGRESS);
    SetWindowTextA(line, text.c_str());
    UpdateWindow(line);
  }
  // Only the shortcut that starts this folder's program: another installation's stays.
  void DeleteShortcutTo(const std::string& programPath) override {
    const std::string link = bw::setup::ShortcutPath();
    const auto contents = bw::setup::ReadShortcut(link);
    if (contents && CaseInsensitiveEqual(contents->target, programPath)) DeleteFileA(link.c_str());
  }

 private:
  HWND dialog_;
};

class UninstallDialog : public SkinnedDialog {
 public:
  UninstallDialog() : SkinnedDialog(Chores()) {}

 private:
  static DialogChores Chores() {
    DialogChores chores = DialogChores::For(kButtons, kHelpIds.data());
    chores.animateOpening = false;  // shown by the program's start, as the main window is
    return chores;
  }

  void OnInitDialog() override {
    folder_ = ProgramFolderOf(CompanionProgramPath());
    SetCompanionIcon(Window());
    SetItemText(IDC_UNINSTALL_FOLDER, folder_);
  }

  void Remove() {
    bw::FileSystem& files = bw::DefaultFileSystem();
    bw::RegistryStore& registry = bw::SystemRegistry();
    const FolderSurvey survey = SurveyFolder(folder_, files, registry);
    if (!AskUninstallQuestion(Window(), RemovalQuestion(survey))) return;
    PlaySoundEffect(kUninstallSoundDelete);
    WindowRemovalHost host(Window());
    const ClosingTexts texts =
        ClosingTextsOf(RemoveInstallation(survey, files, registry, host, SystemCdPlayer()));
    SetItemText(IDC_UNINSTALL_FOLDER, texts.folderLine);
    ShowItem(IDC_UNINSTALL_REMOVE_FROM, false);
    ShowItem(IDC_UNINSTALL_MANUAL, true);
    ShowItem(IDC_UNINSTALL_MANUAL_STEP, true);
    SetItemText(IDC_UNINSTALL_PROGRESS, texts.progressLine);  // last: it marks the end
    MessageBeep(texts.removed ? MB_OK : MB_ICONEXCLAMATION);
  }

  void OnCommand(int id, int, HWND) override {
    if (id == IDC_UNINSTALL_REMOVE) {
      Remove();
    } else if (id == IDC_UNINSTALL_EXIT || id == IDCANCEL) {
      End(0, kUninstallSoundExit);
    }
  }

  std::optional<INT_PTR> OnMessage(UINT message, WPARAM, LPARAM) override {
    if (message == WM_PAINT) {
      PaintCorners();
      return TRUE;
    }
    if (message == WM_SYSCOLORCHANGE) {
      LoadSkins();  // the skins follow the new system colours
      InvalidateRect(Window(), nullptr, TRUE);
      return TRUE;
    }
    return std::nullopt;
  }

  // Four 8 x 8 ornaments of bitmap 31 (top left, top right, bottom left, bottom right).
  void PaintCorners() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Window(), &paint);
    HBITMAP corners = Skins().piece31.Get();
    if (corners != nullptr) {
      RECT client;
      GetClientRect(Window(), &client);
      UniqueMemoryDc memory(CreateCompatibleDC(dc));
      SelectedObject selected(memory.Get(), corners);
      const POINT at[4] = {{0, 0},
                           {client.right - kCornerSize, 0},
                           {0, client.bottom - kCornerSize},
                           {client.right - kCornerSize, client.bottom - kCornerSize}};
      for (int i = 0; i < 4; ++i) {
        BitBlt(dc, at[i].x, at[i].y, kCornerSize, kCornerSize, memory.Get(), i * kCornerSize, 0, SRCCOPY);
      }
    }
    EndPaint(Window(), &paint);
  }

  void OnDestroy() override { PostQuitMessage(0); }

  std::string folder_;
};

}  // namespace

int RunUninstallWindow(int showCommand) {
  UninstallDialog dialog;
  HWND window = CreateModelessDialog(nullptr, IDD_UNINSTALL, dialog);
  if (window == nullptr) return 1;
  HMENU systemMenu = GetSystemMenu(window, FALSE);
  EnableMenuItem(systemMenu, SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
  EnableMenuItem(systemMenu, SC_SIZE, MF_BYCOMMAND | MF_GRAYED);
  ShowWindow(window, showCommand);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return static_cast<int>(message.wParam);
}
