// The Path Setup folder browser: drives and directories drawn with their icons, navigation by
// double-click, the caller's list refilled as the user browses, the drive search, OK and Cancel.
#include "filetools/folder_browser_dialog.h"

#include "filetools/directory_lister_win32.h"
#include "filetools/drive_queries_win32.h"
#include "filetools/drive_search_dialog.h"
#include "filetools/filetools_texts.h"
#include "filetools/folder_browser_lists.h"
#include "resources/resource.h"
#include "shell/file_list.h"
#include "shell/message_box.h"
#include "shell/program_state.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kSoundCancel = 2;
constexpr int kSoundUp = 3;
constexpr int kSoundDown = 4;
constexpr int kSoundDrive = 5;
constexpr int kSoundOk = 7;
constexpr int kSoundSearch = 25;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_FOLDER_BROWSER_SEARCH, skin::ButtonStyle::kLarge, skin::large_sheet::kCellSearch),
    Skinned(IDC_FOLDER_BROWSER_OK, skin::ButtonStyle::kLarge, skin::large_sheet::kCellOk),
    Skinned(IDC_FOLDER_BROWSER_CANCEL, skin::ButtonStyle::kLarge, skin::large_sheet::kCellCancel),
};

constexpr auto kHelpIds = MakeHelpIds(
    IDC_FOLDER_BROWSER_DRIVES, IDC_FOLDER_BROWSER_DIRECTORIES, IDC_FOLDER_BROWSER_SEARCH,
    IDC_FOLDER_BROWSER_SEARCH_LABEL, IDC_FOLDER_BROWSER_OK, IDC_FOLDER_BROWSER_CANCEL,
    IDC_FOLDER_BROWSER_LOCATION, IDC_FOLDER_BROWSER_FILES_ANSWER,
    IDC_FOLDER_BROWSER_FILES_QUESTION, 240, 241, 242, 243, 244);

// Where the browser starts when its kind's buffer is empty: the audio folder, else drive C.
std::string UsableStartingFolder(const std::string& folder) {
  if (!folder.empty()) return bw::WithTrailingSeparator(folder);
  if (!g_settings.main.waveFilesPath.empty()) {
    return bw::WithTrailingSeparator(g_settings.main.waveFilesPath);
  }
  return "C:\\";
}

std::string CurrentDirectory() {
  char folder[MAX_PATH + 1] = {};
  const DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
  if (length == 0 || length >= sizeof folder) return {};
  return std::string(folder, length);
}

// The browser ends with drive C current, whatever it browsed.
void MakeDriveCCurrent() { SetCurrentDirectoryA("C:"); }

class FolderBrowserDialog : public SkinnedDialog {
 public:
  FolderBrowserDialog(const bw::FolderBrowserSetup& setup, bw::FolderBrowserBuffers& buffers,
                      HWND callerList)
      : SkinnedDialog(Chores()), setup_(setup), buffers_(buffers), callerList_(callerList) {}

 private:
  static DialogChores Chores() {
    DialogChores chores = DialogChores::For(kButtons, kHelpIds.data());
    chores.entryFieldColours = true;
    return chores;
  }

  void OnInitDialog() override {
    SetWindowTextA(Window(), setup_.title.c_str());
    SetItemText(IDC_FOLDER_BROWSER_FILES_QUESTION, setup_.filesQuestion);
    buffers_.browsedFolder = UsableStartingFolder(setup_.startingFolder);
    ShowItem(IDC_FOLDER_BROWSER_SEARCH, setup_.offersSearch);
    ShowItem(IDC_FOLDER_BROWSER_SEARCH_LABEL, setup_.offersSearch);

    highlight_.Reset(CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT)));
    bw::SetIconLineHeight(Item(IDC_FOLDER_BROWSER_DRIVES));
    bw::SetIconLineHeight(Item(IDC_FOLDER_BROWSER_DIRECTORIES));
    bw::Win32DriveQueries queries;
    driveEntries_ = bw::FillDriveLists(Item(IDC_FOLDER_BROWSER_DRIVES),
                                       Item(IDC_FOLDER_BROWSER_DRIVE_ENTRIES),
                                       Item(IDC_FOLDER_BROWSER_DRIVE_TEXTS), queries);
    ShowFolder();
    ShowFilesAnswer();
    SelectBrowsedDrive();
    if (setup_.searchAtOnce) PostMessageA(Window(), WM_COMMAND, IDC_FOLDER_BROWSER_SEARCH, 0);
  }

  void OnCommand(int id, int code, HWND) override {
    switch (id) {
      case IDC_FOLDER_BROWSER_DRIVES:
        if (code == LBN_DBLCLK) OnDriveDoubleClick();
        break;
      case IDC_FOLDER_BROWSER_DIRECTORIES:
        if (code == LBN_DBLCLK) OnDirectoryDoubleClick();
        break;
      case IDC_FOLDER_BROWSER_SEARCH:
        if (setup_.offersSearch) OnSearch();
        break;
      case IDOK:
      case IDC_FOLDER_BROWSER_OK:
        OnOk();
        break;
      case IDCANCEL:
      case IDC_FOLDER_BROWSER_CANCEL:
        OnCancel();
        break;
      default:
        break;
    }
  }

  bool OnDrawItem(const DRAWITEMSTRUCT& item) override {
    if (item.CtlID == IDC_FOLDER_BROWSER_DRIVES) {
      bw::DrawDriveLine(item, Item(IDC_FOLDER_BROWSER_DRIVE_TEXTS), highlight_.Get());
      return true;
    }
    if (item.CtlID == IDC_FOLDER_BROWSER_DIRECTORIES) {
      bw::DrawDirectoryLine(item, highlight_.Get());
      return true;
    }
    return SkinnedDialog::OnDrawItem(item);
  }

  std::optional<INT_PTR> OnMessage(UINT message, WPARAM, LPARAM) override {
    if (message != WM_PAINT) return std::nullopt;
    PaintDc paint(Window());
    bw::PaintDriveLegend(Window(), paint.Get(), IDC_FOLDER_BROWSER_LEGEND_FIRST);
    return TRUE;
  }

  // Lists the browsed folder: the chain above it, then its subfolders; Location shows it.
  void ShowFolder() {
    bw::Win32DirectoryLister lister;
    list_ = bw::ReadDirectoryList(lister, buffers_.browsedFolder, bw::CompareNamesAsListBoxesDo);
    buffers_.browsedFolder = list_.folder;
    bw::ShowDirectoryList(Item(IDC_FOLDER_BROWSER_DIRECTORIES),
                          Item(IDC_FOLDER_BROWSER_DIRECTORY_TEXTS),
                          Item(IDC_FOLDER_BROWSER_FOLDER_NAMES), list_);
    SetItemText(IDC_FOLDER_BROWSER_LOCATION, list_.folder);
  }

  int CallerListCount() const {
    if (callerList_ == nullptr) return 0;
    const LRESULT count = SendMessageA(callerList_, LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
  }

  void ShowFilesAnswer() {
    SetItemText(IDC_FOLDER_BROWSER_FILES_ANSWER, bw::FilesAnswer(setup_.kind, CallerListCount()));
  }

  // The caller's list shows the files of `folder` (the EXE and media kinds only).
  void RefillCallerList(const std::string& folder) {
    if (callerList_ == nullptr || setup_.callerListPatterns.empty()) return;
    bw::RefillFileList(callerList_, bw::WithTrailingSeparator(folder), setup_.callerListPatterns);
    ShowFilesAnswer();
  }

  void SelectBrowsedDrive() {
    const int entry = bw::FindDriveEntry(driveEntries_, buffers_.browsedFolder);
    SendMessageA(Item(IDC_FOLDER_BROWSER_DRIVES), LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
  }

  // Goes to `folder` when it can be made the current directory; a folder that cannot be
  // entered leaves the browser where it was.
  void EnterFolder(const std::string& folder) {
    if (!SetCurrentDirectoryA(folder.c_str())) return;
    buffers_.browsedFolder = bw::WithTrailingSeparator(folder);
    ShowFolder();
    RefillCallerList(buffers_.browsedFolder);
  }

  void OnDirectoryDoubleClick() {
    const LRESULT index = SendMessageA(Item(IDC_FOLDER_BROWSER_DIRECTORIES), LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return;
    const std::optional<bw::DirectoryNavigation> target =
        bw::NavigateDirectoryLine(list_, static_cast<std::size_t>(index));
    if (!target) return;
    PlaySoundEffect(target->toAncestor ? kSoundUp : kSoundDown);
    EnterFolder(target->folder);
  }

  void OnDriveDoubleClick() {
    HWND drives = Item(IDC_FOLDER_BROWSER_DRIVES);
    const LRESULT index = SendMessageA(drives, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return;
    const std::optional<char> letter =
        bw::DriveLetterOfEntry(bw::ListLineText(drives, static_cast<int>(index)));
    if (!letter) return;
    PlaySoundEffect(kSoundDrive);

    const std::string remembered = CurrentDirectory();
    const char drive[] = {*letter, ':', '\0'};
    const bool madeCurrent = SetCurrentDirectoryA(drive) != FALSE;
    std::optional<std::string> current;
    if (madeCurrent) {
      const std::string reported = CurrentDirectory();
      if (!reported.empty()) current = reported;
    }
    if (!madeCurrent || !current) {
      if (!remembered.empty()) SetCurrentDirectoryA(remembered.c_str());
    }
    buffers_.browsedFolder =
        bw::FolderAfterDriveChange(madeCurrent, current, g_settings.main.waveFilesPath);
    ShowFolder();
    SelectBrowsedDrive();
    RefillCallerList(buffers_.browsedFolder);
  }

  void OnSearch() {
    const std::optional<std::string> drive = bw::SearchDriveOf(buffers_.browsedFolder);
    if (!drive || !setup_.searchKind) {
      ShowMessage(Window(), kTextSearchMappedDrivesOnly);
      return;
    }
    PlaySoundEffect(kSoundSearch);
    StopHoverTimer(Window());
    const bw::DriveSearchOutcome outcome = RunDriveSearchDialog(
        Window(), DriveSearchInput{*drive, *setup_.searchKind}, buffers_.browsedFolder);
    StartHoverTimer(Window());
    if (outcome.cancelled) return;
    buffers_.browsedFolder = bw::WithTrailingSeparator(outcome.folder);
    SetCurrentDirectoryA(buffers_.browsedFolder.c_str());
    ShowFolder();
    SelectBrowsedDrive();
    RefillCallerList(buffers_.browsedFolder);
    // The browser ends as if the user had pressed OK.
    PostMessageA(Window(), WM_COMMAND, IDC_FOLDER_BROWSER_OK, 0);
  }

  void OnOk() {
    End(IDOK, kSoundOk);
    MakeDriveCCurrent();
    bw::AcceptBrowsedFolder(setup_.kind, setup_.mode, buffers_, g_settings.main);
  }

  void OnCancel() {
    PlaySoundEffect(kSoundCancel);
    StopHoverTimer(Window());
    // The caller's list shows its own folder again, undoing what browsing showed.
    RefillCallerList(
        UsableStartingFolder(bw::StartingFolder(setup_.kind, setup_.mode, buffers_, g_settings.main)));
    MakeDriveCCurrent();
    End(IDCANCEL);
  }

  const bw::FolderBrowserSetup setup_;
  bw::FolderBrowserBuffers& buffers_;
  HWND callerList_;
  bw::DirectoryList list_;
  std::vector<std::string> driveEntries_;
  UniqueBrush highlight_;
};

}  // namespace

bw::FolderBrowserBuffers& ProgramFolderBrowserBuffers() {
  static bw::FolderBrowserBuffers buffers;
  return buffers;
}

FolderBrowserResult RunFolderBrowser(HWND owner, const FolderBrowserRequest& request) {
  bw::FolderBrowserBuffers& buffers = ProgramFolderBrowserBuffers();
  bw::BrowserCaller caller = request.caller;
  caller.mode = g_settings.main.mode;
  const bw::BrowserKind kind = bw::DecideBrowserKind(caller);
  if (!request.startingFolder.empty()) {
    switch (kind) {
      case bw::BrowserKind::kDestination: buffers.destinationFolder = request.startingFolder; break;
      case bw::BrowserKind::kExe: buffers.exeFolder = request.startingFolder; break;
      case bw::BrowserKind::kExport:
      case bw::BrowserKind::kHtml: buffers.exportFolder = request.startingFolder; break;
      case bw::BrowserKind::kMedia: break;  // the media folder itself is the start
    }
  }
  buffers.accepted = false;
  buffers.searchMode = request.searchMode;
  const bw::FolderBrowserSetup setup = bw::SetUpFolderBrowser(caller, buffers, g_settings.main);

  FolderBrowserDialog dialog(setup, buffers, request.callerList);
  RunModalDialog(owner, IDD_FOLDER_BROWSER, dialog);

  FolderBrowserResult result;
  result.accepted = buffers.accepted;
  if (result.accepted) result.folder = buffers.browsedFolder;
  buffers.accepted = false;
  buffers.searchMode = false;
  return result;
}
