// The drive search: Start walks the drive in slices between which the window repaints and
// shows its progress, so a large drive does not freeze the program; the result stays for the
// next search of the same drive and kind.
#include "filetools/drive_search_dialog.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "filetools/directory_lister_win32.h"
#include "filetools/filetools_texts.h"
#include "filetools/folder_walk.h"
#include "filetools/folder_browser_lists.h"
#include "resources/resource.h"
#include "shell/program_state.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kSoundCancel = 2;
constexpr int kSoundOk = 7;
constexpr int kSoundStart = 26;

// Posted to itself between slices of the walk.
constexpr UINT kWalkStepMessage = WM_APP + 1;
// A slice walks folders for this long before the window gets its messages again.
constexpr std::chrono::milliseconds kSliceTime(40);

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_DRIVE_SEARCH_START, skin::ButtonStyle::kLarge, skin::large_sheet::kCellStart),
    Skinned(IDC_DRIVE_SEARCH_OK, skin::ButtonStyle::kLarge, skin::large_sheet::kCellOk),
    Skinned(IDC_DRIVE_SEARCH_CANCEL, skin::ButtonStyle::kLarge, skin::large_sheet::kCellCancel),
};

constexpr auto kHelpIds = MakeHelpIds(
    IDC_DRIVE_SEARCH_FILE_TOTAL_LABEL, IDC_DRIVE_SEARCH_FOLDER_TOTAL_LABEL,
    IDC_DRIVE_SEARCH_FILE_TOTAL, IDC_DRIVE_SEARCH_FOLDER_TOTAL, IDC_DRIVE_SEARCH_RESULTS,
    IDC_DRIVE_SEARCH_OUTPUT, IDC_DRIVE_SEARCH_COUNT, IDC_DRIVE_SEARCH_START, IDC_DRIVE_SEARCH_OK,
    IDC_DRIVE_SEARCH_CANCEL);

// The last search's result, kept for as long as the program runs.
bw::SearchResultCache g_searchCache;

class DriveSearchDialog : public SkinnedDialog {
 public:
  DriveSearchDialog(const DriveSearchInput& input, const std::string& unchangedFolder)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())), input_(input) {
    outcome.folder = unchangedFolder;
  }

  bw::DriveSearchOutcome outcome;

 private:
  void OnInitDialog() override {
    bw::DriveSearchOpening opening = bw::OpenDriveSearch(input_.drive, input_.kind, g_searchCache);
    SetWindowTextA(Window(), opening.title.c_str());
    SetItemText(IDC_DRIVE_SEARCH_FILE_TOTAL_LABEL, opening.fileTotalLabel);
    SetItemText(IDC_DRIVE_SEARCH_FOLDER_TOTAL_LABEL, opening.folderTotalLabel);
    for (const bw::SearchResultEntry& entry : opening.entries) AddResult(entry);
    fileTotal_ = opening.fileTotal;
    fromCache_ = !opening.entries.empty();
    ShowTotals();
    SetItemText(IDC_DRIVE_SEARCH_OUTPUT, opening.hint);
    SetItemText(IDC_DRIVE_SEARCH_COUNT, "");
  }

  void OnCommand(int id, int code, HWND) override {
    switch (id) {
      case IDC_DRIVE_SEARCH_START:
        if (!walk_) OnStart();
        break;
      case IDC_DRIVE_SEARCH_RESULTS:
        if (code == LBN_SELCHANGE) ShowSelectedCount();
        if (code == LBN_DBLCLK) OnOk();
        break;
      case IDOK:
      case IDC_DRIVE_SEARCH_OK:
        OnOk();
        break;
      case IDCANCEL:
      case IDC_DRIVE_SEARCH_CANCEL:
        OnCancel();
        break;
      default:
        break;
    }
  }

  std::optional<INT_PTR> OnMessage(UINT message, WPARAM, LPARAM) override {
    if (message == kWalkStepMessage) {
      WalkSlice();
      return TRUE;
    }
    if (message == WM_SETCURSOR && walk_) {
      SetCursor(LoadCursorA(nullptr, IDC_WAIT));
      SetMessageResult(TRUE);
      return TRUE;
    }
    return std::nullopt;
  }

  HWND Results() const { return Item(IDC_DRIVE_SEARCH_RESULTS); }

  int ResultCount() const {
    const LRESULT count = SendMessageA(Results(), LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
  }

  // One line per folder, its count as the item data; the extent follows the widest line.
  void AddResult(const bw::SearchResultEntry& entry) {
    HWND list = Results();
    const LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.folder.c_str()));
    if (index == LB_ERR || index == LB_ERRSPACE) return;
    SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(entry.count));
    const bw::ListTextMeasure measure(list);
    widest_ = std::max(widest_, measure.Width(entry.folder) + measure.AverageCharWidth());
    SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest_), 0);
  }

  void ShowTotals() {
    SetItemText(IDC_DRIVE_SEARCH_FILE_TOTAL, std::to_string(fileTotal_));
    SetItemText(IDC_DRIVE_SEARCH_FOLDER_TOTAL, std::to_string(ResultCount()));
  }

  void ShowSelectedCount() {
    const LRESULT index = SendMessageA(Results(), LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return;
    const LRESULT count = SendMessageA(Results(), LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    SetItemText(IDC_DRIVE_SEARCH_COUNT, bw::SearchCountText(input_.kind, count));
  }

  void OnStart() {
    StopHoverTimer(Window());
    PlaySoundEffect(kSoundStart);
    SendMessageA(Results(), LB_RESETCONTENT, 0, 0);
    SendMessageA(Results(), LB_SETHORIZONTALEXTENT, 0, 0);
    widest_ = 0;
    fileTotal_ = 0;
    fromCache_ = false;
    shownResults_ = 0;
    ShowTotals();
    SetItemText(IDC_DRIVE_SEARCH_COUNT, "");
    EnableItem(IDC_DRIVE_SEARCH_START, false);
    walk_.emplace(lister_, bw::DriveRoot(input_.drive), bw::SearchPatterns(input_.kind, g_settings.main),
                  bw::CompareNamesAsListBoxesDo);
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    PostMessageA(Window(), kWalkStepMessage, 0, 0);
  }

  // Walks for one slice, shows what it found, and asks for the next slice or finishes.
  void WalkSlice() {
    if (!walk_) return;
    const auto until = std::chrono::steady_clock::now() + kSliceTime;
    bool more = true;
    while (more && std::chrono::steady_clock::now() < until) more = walk_->Step(1);
    ShowProgress();
    if (more) {
      PostMessageA(Window(), kWalkStepMessage, 0, 0);
      return;
    }
    FinishWalk();
  }

  void ShowProgress() {
    const std::vector<bw::SearchResultEntry>& results = walk_->Results();
    for (; shownResults_ < results.size(); ++shownResults_) AddResult(results[shownResults_]);
    fileTotal_ = walk_->FileTotal();
    ShowTotals();
    if (!walk_->LastFileName().empty()) SetItemText(IDC_DRIVE_SEARCH_COUNT, walk_->LastFileName());
    SetItemText(IDC_DRIVE_SEARCH_OUTPUT, walk_->CurrentFolder());
  }

  void FinishWalk() {
    complete_ = walk_->Complete();
    walk_.reset();
    EnableItem(IDC_DRIVE_SEARCH_START, true);
    SetItemText(IDC_DRIVE_SEARCH_COUNT, kTextSearchDone);
    SetItemText(IDC_DRIVE_SEARCH_OUTPUT, bw::SearchHint(ResultCount() > 0));
    MessageBeep(0);
    StartHoverTimer(Window());
    POINT cursor{};
    GetCursorPos(&cursor);
    SetCursorPos(cursor.x, cursor.y);  // the arrow comes back without waiting for a move
  }

  void OnOk() {
    const LRESULT index = SendMessageA(Results(), LB_GETCURSEL, 0, 0);
    if (index != LB_ERR) outcome.folder = bw::ListLineText(Results(), static_cast<int>(index));
    outcome.cancelled = false;
    Finish(IDOK, kSoundOk);
  }

  void OnCancel() {
    outcome.cancelled = true;
    Finish(IDCANCEL, kSoundCancel);
  }

  // Keeps the list for the next search of this drive and kind; a walk ended midway is
  // stopped and not kept, since it would pass for the whole drive's result.
  void Finish(INT_PTR result, int sound) {
    const bool interrupted = walk_.has_value();
    if (walk_) walk_->Stop();
    walk_.reset();
    bw::SearchResult kept;
    kept.drive = input_.drive;
    kept.kind = input_.kind;
    if (!interrupted && (complete_ || fromCache_)) {
      kept.fileTotal = fileTotal_;
      const int count = ResultCount();
      for (int i = 0; i < count; ++i) {
        const LRESULT files = SendMessageA(Results(), LB_GETITEMDATA, static_cast<WPARAM>(i), 0);
        kept.entries.push_back({bw::ListLineText(Results(), i), static_cast<int>(files)});
      }
    }
    g_searchCache.Keep(std::move(kept));
    End(result, sound);
  }

  const DriveSearchInput input_;
  bw::Win32DirectoryLister lister_;
  std::optional<bw::FolderWalk> walk_;
  std::size_t shownResults_ = 0;
  std::int64_t fileTotal_ = 0;
  int widest_ = 0;
  bool complete_ = false;   // the last walk went through the whole drive
  bool fromCache_ = false;  // the list shows the previous result
};

}  // namespace

bw::DriveSearchOutcome RunDriveSearchDialog(HWND owner, const DriveSearchInput& input,
                                            const std::string& unchangedFolder) {
  DriveSearchDialog dialog(input, unchangedFolder);
  RunModalDialog(owner, IDD_DRIVE_SEARCH, dialog);
  return dialog.outcome;
}
