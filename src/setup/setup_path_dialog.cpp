// The installer's folder browser, 300: the drives and the folder chain with its subfolders, as
// the program's own browser lists them, with the drive kinds' legend under them.
#include "setup/setup_path_dialog.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "filetools/directory_list.h"
#include "filetools/directory_lister_win32.h"
#include "filetools/drive_entries.h"
#include "filetools/drive_queries_win32.h"
#include "resources/setup_resource.h"
#include "setup/setup_help.h"
#include "shell/look_and_feel.h"
#include "shell/skin_cells.h"
#include "shell/skinned_dialog.h"
#include "shell/skins.h"

namespace {

namespace strip = skin::icon_strip;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_SETUP_PATH_OK, skin::ButtonStyle::kLarge, skin::large_sheet::kCellOk),
    Skinned(IDC_SETUP_PATH_CANCEL, skin::ButtonStyle::kLarge, skin::large_sheet::kCellCancel),
};
constexpr auto kHelpIds = SetupHelpIds(IDC_SETUP_PATH_FOLDER, IDC_SETUP_PATH_DRIVES,
                                       IDC_SETUP_PATH_FOLDERS, IDC_SETUP_PATH_OK,
                                       IDC_SETUP_PATH_CANCEL);
constexpr int kDriveKinds = 5;

bool FolderExists(const std::string& folder) {
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// `folder`, or the nearest folder above it that exists, or the system drive's root.
std::string ExistingFolder(std::string folder) {
  folder = bw::WithTrailingSeparator(folder);
  while (folder.size() > 3 && !FolderExists(folder)) {
    folder.pop_back();
    folder = folder.substr(0, folder.find_last_of('\\') + 1);
  }
  if (folder.size() < 3 || !FolderExists(folder)) return "C:\\";
  return folder;
}

// Draws icon `cell` of the strip drawn on `strip` at (x, y), stretched to `size`.
void DrawIcon(HDC dc, HBITMAP sheet, int cell, int x, int y, int size) {
  if (sheet == nullptr || cell < 0) return;
  UniqueMemoryDc memory(CreateCompatibleDC(dc));
  SelectedObject selected(memory.Get(), sheet);
  StretchBlt(dc, x, y, size, size, memory.Get(), strip::CellX(cell), 0, strip::kCellSize, strip::kCellSize, SRCCOPY);
}

class SetupPathDialog : public SkinnedDialog {
 public:
  explicit SetupPathDialog(const std::string& folder)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data(), kSetupSoundBrowse)),
        start_(folder) {}
  const std::string& Chosen() const { return list_.folder; }

 private:
  void OnInitDialog() override {
    const int itemHeight = bw::DirectoryIconSize(g_largeFonts) + 2;
    SendMessageA(Item(IDC_SETUP_PATH_DRIVES), LB_SETITEMHEIGHT, 0, itemHeight);
    SendMessageA(Item(IDC_SETUP_PATH_FOLDERS), LB_SETITEMHEIGHT, 0, itemHeight);
    FillDrives();
    Browse(ExistingFolder(start_));
  }

  void FillDrives() {
    HWND drives = Item(IDC_SETUP_PATH_DRIVES);
    SendMessageA(drives, LB_RESETCONTENT, 0, 0);
    letters_.clear();
    bw::Win32DriveQueries queries;
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
      if ((mask & (1u << i)) == 0) continue;
      const char letter = static_cast<char>('A' + i);
      const bw::DriveDescription drive = bw::DescribeDrive(letter, queries);
      const LRESULT at = SendMessageA(drives, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(drive.text.c_str()));
      SendMessageA(drives, LB_SETITEMDATA, at, bw::DriveItemData(drive.iconCell));
      letters_.push_back(letter);
    }
  }

  void Browse(const std::string& folder) {
    bw::Win32DirectoryLister lister;
    list_ = bw::ReadDirectoryList(lister, folder, [](std::string_view a, std::string_view b) {
      return lstrcmpiA(std::string(a).c_str(), std::string(b).c_str());
    });
    HWND folders = Item(IDC_SETUP_PATH_FOLDERS);
    SendMessageA(folders, WM_SETREDRAW, FALSE, 0);
    SendMessageA(folders, LB_RESETCONTENT, 0, 0);
    for (const bw::DirectoryLine& line : list_.lines) {
      const LRESULT at = SendMessageA(folders, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.text.c_str()));
      SendMessageA(folders, LB_SETITEMDATA, at, bw::DirectoryItemData(line));
    }
    if (list_.chainCount != 0) SendMessageA(folders, LB_SETCURSEL, list_.chainCount - 1, 0);
    SendMessageA(folders, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(folders, nullptr, TRUE);
    SetItemText(IDC_SETUP_PATH_FOLDER, list_.folder);
    const char letter = list_.folder.size() >= 2 && list_.folder[1] == ':' ? list_.folder[0] : 0;
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (std::size_t i = 0; i < letters_.size(); ++i) {
      if (letters_[i] == upper) SendMessageA(Item(IDC_SETUP_PATH_DRIVES), LB_SETCURSEL, i, 0);
    }
  }

  void OnCommand(int id, int code, HWND) override {
    if (id == IDC_SETUP_PATH_DRIVES && code == LBN_DBLCLK) {
      const LRESULT at = SendMessageA(Item(id), LB_GETCURSEL, 0, 0);
      if (at < 0 || static_cast<std::size_t>(at) >= letters_.size()) return;
      const std::string root = std::string(1, letters_[static_cast<std::size_t>(at)]) + ":\\";
      if (FolderExists(root)) Browse(root);
    } else if (id == IDC_SETUP_PATH_FOLDERS && code == LBN_DBLCLK) {
      const LRESULT at = SendMessageA(Item(id), LB_GETCURSEL, 0, 0);
      if (at < 0) return;
      const auto navigation = bw::NavigateDirectoryLine(list_, static_cast<std::size_t>(at));
      if (navigation && FolderExists(navigation->folder)) Browse(navigation->folder);
    } else if (id == IDC_SETUP_PATH_OK || id == IDOK) {
      End(IDOK, kSetupSoundOk);
    } else if (id == IDC_SETUP_PATH_CANCEL || id == IDCANCEL) {
      End(IDCANCEL, kSetupSoundCancel);
    }
  }

  bool OnDrawItem(const DRAWITEMSTRUCT& item) override {
    const int id = static_cast<int>(item.CtlID);
    if (id >= IDC_SETUP_PATH_KIND_FIRST && id < IDC_SETUP_PATH_KIND_FIRST + kDriveKinds) {
      FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
      const int size = bw::DirectoryIconSize(g_largeFonts);
      DrawIcon(item.hDC, Skins().backgroundFace.Get(), id - IDC_SETUP_PATH_KIND_FIRST, item.rcItem.left,
               item.rcItem.top, std::min<int>(size, item.rcItem.bottom - item.rcItem.top));
      return true;
    }
    if (id != IDC_SETUP_PATH_DRIVES && id != IDC_SETUP_PATH_FOLDERS) return SkinnedDialog::OnDrawItem(item);
    if (item.itemID == static_cast<UINT>(-1)) return true;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    char text[MAX_PATH + 8] = {};
    if (SendMessageA(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0) < static_cast<LRESULT>(sizeof text)) {
      SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
    }
    const int size = bw::DirectoryIconSize(g_largeFonts);
    int x = item.rcItem.left + 2;
    int cell = -1;
    if (id == IDC_SETUP_PATH_DRIVES) {
      const int data = static_cast<int>(item.itemData);
      cell = data >= 0 ? data / 2 : -1;
    } else {
      const bw::DirectoryLine line = bw::LineFromItemData(static_cast<std::uint32_t>(item.itemData));
      x += line.indent;
      cell = line.Glyph();
    }
    const SkinSet& skins = Skins();
    DrawIcon(item.hDC, (selected ? skins.backgroundHighlight : skins.backgroundWindow).Get(), cell, x,
             item.rcItem.top + 1, size);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT textRect = item.rcItem;
    textRect.left = x + size + 4;
    DrawTextA(item.hDC, text, -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
    return true;
  }

  std::string start_;
  bw::DirectoryList list_;
  std::vector<char> letters_;
};

}  // namespace

std::optional<std::string> RunSetupPathDialog(HWND owner, const std::string& folder) {
  SetupPathDialog dialog(folder);
  if (RunModalDialog(owner, IDD_SETUP_PATH, dialog) != IDOK) return std::nullopt;
  return dialog.Chosen();
}
