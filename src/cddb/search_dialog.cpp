// Dialog 2500: the option groups, the start entry with its arrows, Start, and the hit list that
// OK, a double click or the close button hand back.
#include "cddb/search_dialog.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/file_system.h"
#include "cddb/cddb_texts.h"
#include "cddb/database.h"
#include "cddb/database_search.h"
#include "cddb/entry_navigation.h"
#include "cddb/search_memory.h"
#include "cddb/text_rules.h"
#include "cddb/tool_status_line.h"
#include "resources/resource.h"
#include "shell/hover.h"
#include "shell/message_box.h"
#include "shell/program_state.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kSoundOk = 7;
constexpr int kSoundCancel = 2;
constexpr int kSoundOption = 20;
constexpr int kSoundField = 21;
constexpr int kSoundStart = 26;

constexpr int kMaxSearchText = 254;

// The result list and the last chosen entry, kept from one opening to the next.
bw::SearchMemory g_searchMemory;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_SEARCH_NEXT_ENTRY, skin::ButtonStyle::kTiny, skin::tiny_sheet::kCellArrowUp),
    Skinned(IDC_SEARCH_PREVIOUS_ENTRY, skin::ButtonStyle::kTiny, skin::tiny_sheet::kCellArrowDown),
    Skinned(IDC_SEARCH_START, skin::ButtonStyle::kLarge, skin::large_sheet::kCellStart),
    Skinned(IDC_SEARCH_OK, skin::ButtonStyle::kLarge, skin::large_sheet::kCellOk),
    Skinned(IDC_SEARCH_CANCEL, skin::ButtonStyle::kLarge, skin::large_sheet::kCellCancel),
};

constexpr auto kHelpIds = MakeHelpIds(
    IDC_SEARCH_TEXT, IDC_SEARCH_GROUP_FIND, IDC_SEARCH_GROUP_FIELDS, IDC_SEARCH_TEXT_MODE,
    IDC_SEARCH_CASE_MODE, IDC_SEARCH_GROUP_OPTIONS, IDC_SEARCH_FROM_ENTRY, IDC_SEARCH_ENTIRE,
    IDC_SEARCH_GROUP_SEARCH, IDC_SEARCH_START_ENTRY, IDC_SEARCH_GROUP_START,
    IDC_SEARCH_NEXT_ENTRY, IDC_SEARCH_PREVIOUS_ENTRY, IDC_SEARCH_RESULTS, IDC_SEARCH_PROGRESS,
    IDC_SEARCH_START, IDC_SEARCH_OK, IDC_SEARCH_CANCEL);

// The seven field options in the order of their boxes.
bool* FieldOption(SearchSettings& options, int box) {
  bool* const fields[] = {&options.searchTrack,    &options.searchArtist, &options.searchDiscName,
                          &options.searchCategory, &options.searchLabel,  &options.searchNotes,
                          &options.searchYearReleased};
  return fields[box];
}

class SearchDialog : public SkinnedDialog {
 public:
  explicit SearchDialog(const SearchInput& input)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())),
        input_(input),
        options_(g_settings.search) {
    result.index = input.editorIndex;
  }

  SearchResult result;

 private:
  void OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  bw::Database Catalogue() const {
    return bw::Database(bw::DefaultFileSystem(), input_.catalogueFolder);
  }
  void EnableTextControls(bool enabled) const;
  void EnableStartEntry(bool enabled) const;
  void ShowStartEntry() const;
  void ReadStartEntry();
  void ShowHits();
  void RunSearch();
  void Finish();
  void Cancel();

  const SearchInput& input_;
  SearchSettings& options_;  // the program's search settings, written at exit
  std::uint16_t count_ = 0;
  std::uint16_t startIndex_ = 0;
  std::vector<bw::SearchHit> hits_;  // the list's items in their order
};

void SearchDialog::EnableTextControls(bool enabled) const {
  for (int id : {IDC_SEARCH_GROUP_FIND, IDC_SEARCH_TEXT, IDC_SEARCH_GROUP_FIELDS}) {
    EnableItem(id, enabled);
  }
  for (int id = IDC_SEARCH_FIELD_FIRST; id <= IDC_SEARCH_FIELD_LAST; ++id) EnableItem(id, enabled);
}

void SearchDialog::EnableStartEntry(bool enabled) const {
  for (int id : {IDC_SEARCH_GROUP_START, IDC_SEARCH_START_ENTRY, IDC_SEARCH_NEXT_ENTRY,
                 IDC_SEARCH_PREVIOUS_ENTRY}) {
    EnableItem(id, enabled);
  }
}

void SearchDialog::ShowStartEntry() const {
  SetItemText(IDC_SEARCH_START_ENTRY, std::to_string(startIndex_ + 1));
}

// The typed number: 0 or no number counts as 1, a negative one or one beyond the count as the
// last entry.
void SearchDialog::ReadStartEntry() {
  if (count_ == 0) return;
  startIndex_ = bw::EntryIndexFromText(ItemText(IDC_SEARCH_START_ENTRY, 32), count_);
  ShowStartEntry();
}

void SearchDialog::ShowHits() {
  HWND list = Item(IDC_SEARCH_RESULTS);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const bw::SearchHit& hit : hits_) {
    const LRESULT at = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(hit.caption.c_str()));
    if (at >= 0) SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(at), hit.Value());
  }
}

void SearchDialog::OnInitDialog() {
  // 1. The list of the last opening, unless the catalogue changed since.
  hits_ = g_searchMemory.TakeSavedResults();
  ShowHits();
  SetItemText(IDC_SEARCH_PROGRESS, hits_.empty() ? std::string() : bw::ItemsFoundText(hits_.size()));
  // 2. The field boxes.
  for (int box = 0; box < bw::kSearchFieldCount; ++box) {
    SetChecked(IDC_SEARCH_FIELD_FIRST + box, *FieldOption(options_, box));
  }
  // 3. The mode.
  int mode = options_.caseSensitive ? IDC_SEARCH_CASE_MODE : IDC_SEARCH_TEXT_MODE;
  if (!options_.textSearch) {
    const int option = std::clamp(options_.radioSearch, bw::kFirstPropertyOption, bw::kLastPropertyOption);
    mode = IDC_SEARCH_PROPERTY_FIRST + option - 1;
  }
  CheckRadioButton(Window(), IDC_SEARCH_TEXT_MODE, IDC_SEARCH_PROPERTY_LAST, mode);
  EnableTextControls(options_.textSearch);
  // 4. Where the search starts.
  CheckRadioButton(Window(), IDC_SEARCH_FROM_ENTRY, IDC_SEARCH_ENTIRE,
                   options_.searchEntireDatabase ? IDC_SEARCH_ENTIRE : IDC_SEARCH_FROM_ENTRY);
  EnableStartEntry(!options_.searchEntireDatabase);
  // 5. After the entry chosen last time, so a repeated search goes on past that hit.
  bw::Database catalogue = Catalogue();
  (void)catalogue.CountEntries(&count_);
  startIndex_ = count_ == 0 ? 0
                            : bw::SearchStartIndex(input_.editorIndex, g_searchMemory.LastChosen(), count_);
  // 6. The texts.
  SendDlgItemMessageA(Window(), IDC_SEARCH_TEXT, EM_LIMITTEXT, kMaxSearchText, 0);
  SetItemText(IDC_SEARCH_TEXT, options_.stringMatch);
  ShowStartEntry();
}

void SearchDialog::RunSearch() {
  StopHoverTimer(Window());
  PlaySoundEffect(kSoundStart);
  // A number typed and sent with Enter counts as if the field had been left.
  ReadStartEntry();
  hits_.clear();
  ShowHits();
  if (options_.textSearch) options_.stringMatch = ItemText(IDC_SEARCH_TEXT, kMaxSearchText);
  {
    WaitCursor hourglass;
    ToolStatusLine line(Window(), IDC_SEARCH_PROGRESS);
    bw::Database catalogue = Catalogue();
    (void)catalogue.CountEntries(&count_);
    const bw::SearchRequest request = bw::SearchRequestFromSettings(options_, startIndex_);
    // An unreadable or damaged file finds what it can; the result line and the list say the rest.
    (void)bw::SearchDatabase(catalogue, request, bw::PlatformTextRules(), line.Callback(), &hits_);
    ShowHits();
    SetItemText(IDC_SEARCH_PROGRESS, bw::ItemsFoundText(hits_.size()));
  }
  if (hits_.empty()) {
    ShowMessage(Window(), kTextNoMatch);
  } else {
    MessageBeep(MB_OK);
  }
  StartHoverTimer(Window());
}

// OK, a double click and the close button: the selected hit, or as cancelled without one.
void SearchDialog::Finish() {
  const LRESULT selected = SendDlgItemMessageA(Window(), IDC_SEARCH_RESULTS, LB_GETCURSEL, 0, 0);
  if (selected != LB_ERR) {
    const auto value = static_cast<std::uint32_t>(
        SendDlgItemMessageA(Window(), IDC_SEARCH_RESULTS, LB_GETITEMDATA, static_cast<WPARAM>(selected), 0));
    result.chosen = true;
    result.index = bw::HitIndexOf(value);
    result.fieldCode = bw::HitFieldCodeOf(value);
    g_searchMemory.RememberChosen(result.index);
  }
  g_searchMemory.SaveResults(std::move(hits_));
  End(IDOK, kSoundOk);
}

void SearchDialog::Cancel() {
  g_searchMemory.SaveResults(std::move(hits_));
  End(IDCANCEL, kSoundCancel);
}

void SearchDialog::OnCommand(int id, int code, HWND) {
  if (id == IDC_SEARCH_START_ENTRY) {
    if (code == EN_KILLFOCUS) ReadStartEntry();
    return;
  }
  if (id == IDC_SEARCH_RESULTS) {
    if (code == LBN_DBLCLK) Finish();
    return;
  }
  if (code != BN_CLICKED) return;
  if (id >= IDC_SEARCH_FIELD_FIRST && id <= IDC_SEARCH_FIELD_LAST) {
    PlaySoundEffect(kSoundField);
    *FieldOption(options_, id - IDC_SEARCH_FIELD_FIRST) = IsChecked(id);
    return;
  }
  if (id >= IDC_SEARCH_TEXT_MODE && id <= IDC_SEARCH_PROPERTY_LAST) {
    PlaySoundEffect(kSoundOption);
    options_.textSearch = id <= IDC_SEARCH_CASE_MODE;
    options_.caseSensitive = id == IDC_SEARCH_CASE_MODE;
    if (!options_.textSearch) options_.radioSearch = id - IDC_SEARCH_PROPERTY_FIRST + 1;
    EnableTextControls(options_.textSearch);
    return;
  }
  switch (id) {
    case IDC_SEARCH_FROM_ENTRY:
    case IDC_SEARCH_ENTIRE:
      PlaySoundEffect(kSoundOption);
      options_.searchEntireDatabase = id == IDC_SEARCH_ENTIRE;
      EnableStartEntry(!options_.searchEntireDatabase);
      break;
    case IDC_SEARCH_NEXT_ENTRY:
      if (count_ > 0) startIndex_ = bw::NextEntryIndex(startIndex_, count_);
      ShowStartEntry();
      break;
    case IDC_SEARCH_PREVIOUS_ENTRY:
      if (count_ > 0) startIndex_ = bw::PreviousEntryIndex(startIndex_, count_);
      ShowStartEntry();
      break;
    case IDC_SEARCH_START:
    case IDOK:  // Enter
      RunSearch();
      break;
    case IDC_SEARCH_OK:
      Finish();
      break;
    case IDC_SEARCH_CANCEL:
    case IDCANCEL:  // Escape
      Cancel();
      break;
    default:
      break;
  }
}

std::optional<INT_PTR> SearchDialog::OnMessage(UINT message, WPARAM, LPARAM) {
  if (message != WM_CLOSE) return std::nullopt;
  Finish();  // the close button counts as OK
  return TRUE;
}

}  // namespace

SearchResult RunSearchDialog(HWND owner, const SearchInput& input) {
  SearchDialog dialog(input);
  RunModalDialog(owner, IDD_SEARCH, dialog);
  return dialog.result;
}
