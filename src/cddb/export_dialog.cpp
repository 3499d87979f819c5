// Dialog 2000: the destination folder (the file is always export.txt), the thirteen items,
// sorting and the output form; Start runs the export and shows each step in the status line.
#include "cddb/export_dialog.h"

#include <algorithm>
#include <string>

#include "base/file_system.h"
#include "cddb/cddb_texts.h"
#include "cddb/database.h"
#include "cddb/database_export.h"
#include "cddb/text_rules.h"
#include "cddb/tool_status_line.h"
#include "filetools/folder_browser_dialog.h"
#include "resources/resource.h"
#include "shell/hover.h"
#include "shell/message_box.h"
#include "shell/question_box.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kSoundOk = 7;
constexpr int kSoundBrowse = 8;
constexpr int kSoundRadio = 20;
constexpr int kSoundCheckBox = 21;
constexpr int kSoundStart = 26;

using namespace skin::small_sheet;
constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_EXPORT_BROWSE, skin::ButtonStyle::kSmall, kCellBrowse),
    Skinned(IDC_EXPORT_START, skin::ButtonStyle::kSmall, kCellStart),
    Skinned(IDC_EXPORT_OK, skin::ButtonStyle::kSmall, kCellOk),
};

constexpr auto kHelpIds = MakeHelpIds(
    IDC_EXPORT_PATH, IDC_EXPORT_DESTINATION_GROUP, IDC_EXPORT_BROWSE, IDC_EXPORT_ITEMS_GROUP,
    IDC_EXPORT_ITEM_FIRST, IDC_EXPORT_ITEM_FIRST + 1, IDC_EXPORT_ITEM_FIRST + 2,
    IDC_EXPORT_ITEM_FIRST + 3, IDC_EXPORT_ITEM_FIRST + 4, IDC_EXPORT_ITEM_FIRST + 5,
    IDC_EXPORT_ITEM_FIRST + 6, IDC_EXPORT_ITEM_FIRST + 7, IDC_EXPORT_ITEM_FIRST + 8,
    IDC_EXPORT_ITEM_FIRST + 9, IDC_EXPORT_ITEM_FIRST + 10, IDC_EXPORT_ITEM_FIRST + 11,
    IDC_EXPORT_ITEM_LAST, IDC_EXPORT_SORTING_GROUP, IDC_EXPORT_SORT_YES, IDC_EXPORT_SORT_NO,
    IDC_EXPORT_OUTPUT_GROUP, IDC_EXPORT_DELIMITED, IDC_EXPORT_PLAIN, IDC_EXPORT_STATUS,
    IDC_EXPORT_START, IDC_EXPORT_OK);

bool FolderExists(const std::string& folder) {
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

class ExportDialog : public SkinnedDialog {
 public:
  explicit ExportDialog(const ExportDialogInput& input)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())), input_(input) {}

 private:
  void OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;

  // Makes the destination field good (its folder and "export.txt"); answers whether the
  // folder passed the checks, after "Invalid path!" when it did not.
  bool CommitDestination(bool leaving);
  bw::ExportOptions ChosenOptions() const;
  void Browse();
  void Start();

  const ExportDialogInput& input_;
  bool committing_ = false;  // the "Invalid path!" box takes the focus from the field
  std::string committedText_;  // the field's text as last made good
  bool committedValid_ = true;
};

void ExportDialog::OnInitDialog() {
  SendDlgItemMessageA(Window(), IDC_EXPORT_PATH, EM_LIMITTEXT, MAX_PATH - 1, 0);
  committedText_ = bw::DefaultExportDestination(input_.catalogueFolder);
  SetItemText(IDC_EXPORT_PATH, committedText_);
  for (int id = IDC_EXPORT_ITEM_FIRST; id <= IDC_EXPORT_ITEM_LAST; ++id) SetChecked(id, true);
  SetChecked(IDC_EXPORT_SORT_YES, true);
  SetChecked(IDC_EXPORT_PLAIN, true);
  SetItemText(IDC_EXPORT_STATUS, "");
}

bool ExportDialog::CommitDestination(bool leaving) {
  if (committing_) return false;
  const std::string typed = ItemText(IDC_EXPORT_PATH);
  // Leaving a field that was made good already (Enter, then a click elsewhere) says nothing
  // again; Start with a refused folder says it once more.
  if (typed == committedText_ && (leaving || committedValid_)) return committedValid_;
  committing_ = true;
  bool valid = false;
  committedText_ = bw::ExportDestination(typed, FolderExists, &valid);
  committedValid_ = valid;
  SetItemText(IDC_EXPORT_PATH, committedText_);
  if (!valid) ShowMessage(Window(), kTextExportInvalidPath);
  committing_ = false;
  return valid;
}

bw::ExportOptions ExportDialog::ChosenOptions() const {
  bw::ExportOptions options;
  for (int i = 0; i < bw::kExportItemCount; ++i) {
    options.items[static_cast<std::size_t>(i)] = IsChecked(IDC_EXPORT_ITEM_FIRST + i);
  }
  options.sorted = IsChecked(IDC_EXPORT_SORT_YES);
  options.form = IsChecked(IDC_EXPORT_DELIMITED) ? bw::ExportForm::kDelimitedText
                                                 : bw::ExportForm::kPlainText;
  return options;
}

// The browser starts at the destination's folder; a folder it comes back with replaces it and
// is checked as a typed one is.
void ExportDialog::Browse() {
  PlaySoundEffect(kSoundBrowse);
  const std::string destination = ItemText(IDC_EXPORT_PATH);
  const std::size_t last = destination.find_last_of('\\');
  FolderBrowserRequest request;
  request.caller.exportDialogOpen = true;
  request.startingFolder = last == std::string::npos ? std::string() : destination.substr(0, last + 1);
  const FolderBrowserResult chosen = RunFolderBrowser(Window(), request);
  if (!chosen.accepted) return;
  SetItemText(IDC_EXPORT_PATH, chosen.folder);
  CommitDestination(false);
}

void ExportDialog::Start() {
  PlaySoundEffect(kSoundStart);
  StopHoverTimer(Window());
  const bw::ExportOptions options = ChosenOptions();
  const bool anyItem = std::any_of(options.items.begin(), options.items.end(),
                                   [](bool on) { return on; });
  // The export itself says when no item is chosen; a bad folder is never written into.
  if (!anyItem || CommitDestination(false)) {
    const std::string destination = ItemText(IDC_EXPORT_PATH);
    bw::Database catalogue(bw::DefaultFileSystem(), input_.catalogueFolder);
    ToolStatusLine statusLine(Window(), IDC_EXPORT_STATUS);
    WaitCursor hourglass;
    const bw::Status status = bw::ExportDatabase(
        catalogue, options, destination, bw::PlatformTextRules().compare,
        [this] { return AskQuestion(Window(), kTextExportAskOverwrite); }, statusLine.Callback());
    if (status.IsOk()) MessageBeep(MB_OK);
  }
  StartHoverTimer(Window());
}

void ExportDialog::OnCommand(int id, int code, HWND) {
  if (id >= IDC_EXPORT_ITEM_FIRST && id <= IDC_EXPORT_ITEM_LAST) {
    if (code == BN_CLICKED) PlaySoundEffect(kSoundCheckBox);
    return;
  }
  switch (id) {
    case IDC_EXPORT_SORT_YES:
    case IDC_EXPORT_SORT_NO:
    case IDC_EXPORT_DELIMITED:
    case IDC_EXPORT_PLAIN:
      if (code == BN_CLICKED) PlaySoundEffect(kSoundRadio);
      break;
    case IDC_EXPORT_PATH:
      if (code == EN_KILLFOCUS) CommitDestination(true);
      break;
    case IDOK:  // Enter in the destination makes it good at once
      if (GetFocus() == Item(IDC_EXPORT_PATH)) CommitDestination(false);
      break;
    case IDC_EXPORT_BROWSE:
      Browse();
      break;
    case IDC_EXPORT_START:
      Start();
      break;
    case IDC_EXPORT_OK:
    case IDCANCEL:  // Escape and the close button
      End(IDOK, kSoundOk);
      break;
    default:
      break;
  }
}

}  // namespace

void RunExportDialog(HWND owner, const ExportDialogInput& input) {
  ExportDialog dialog(input);
  RunModalDialog(owner, IDD_EXPORT, dialog);
}
