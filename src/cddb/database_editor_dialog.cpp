// Dialog 2200: one stored entry at a time. The entry number, the arrows and the search choose
// the entry; Save replaces it in place, Delete removes it after a question.
#include "cddb/database_editor_dialog.h"

#include <array>
#include <cstdint>
#include <string>

#include "base/file_system.h"
#include "cddb/cddb_texts.h"
#include "cddb/database.h"
#include "cddb/disc_info_dialog_pages.h"
#include "cddb/editor_entry.h"
#include "cddb/entry_navigation.h"
#include "cddb/search_dialog.h"
#include "cddb/tool_texts.h"
#include "resources/resource.h"
#include "shell/hover.h"
#include "shell/message_box.h"
#include "shell/question_box.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kSoundOk = 7;
constexpr int kSoundSave = 13;
constexpr int kSoundRadio = 20;
constexpr int kSoundSearch = 25;

// Typed texts are kept to 254 characters, one less than a catalogue text can hold.
constexpr int kMaxTypedText = 254;
constexpr int kRows = bw::kDiscInfoRowsPerPage;
// The notification code of the OK command the dialog posts itself when it finds no entries.
constexpr int kCloseAsEmpty = 0x4242;

constexpr int kRecordingFirst = IDC_EDITOR_AAD;  // AAD, ADD, DAD, DDD
constexpr int kTypeFirst = IDC_EDITOR_ALBUM;     // Album, Single, CD+MM, CD+Video
constexpr int kSizeFirst = IDC_EDITOR_3_INCH;    // 3-inch, 5-inch
constexpr int kRadioLast = IDC_EDITOR_5_INCH;

// The five texts in the order of their fields (and of the search's field codes 100-104).
constexpr std::array<int, 5> kTextFields = {IDC_EDITOR_ARTIST, IDC_EDITOR_DISC_NAME,
                                            IDC_EDITOR_CATEGORY, IDC_EDITOR_LABEL,
                                            IDC_EDITOR_NOTES};

using namespace skin::small_sheet;
constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_EDITOR_NEXT, skin::ButtonStyle::kTiny, skin::tiny_sheet::kCellArrowRight),
    Skinned(IDC_EDITOR_PREVIOUS, skin::ButtonStyle::kTiny, skin::tiny_sheet::kCellArrowLeft),
    Skinned(IDC_EDITOR_PAGE_UP, skin::ButtonStyle::kSmall, kCellPageUp),
    Skinned(IDC_EDITOR_PAGE_DOWN, skin::ButtonStyle::kSmall, kCellPageDown),
    Skinned(IDC_EDITOR_SEARCH, skin::ButtonStyle::kSmall, kCellSearch),
    Skinned(IDC_EDITOR_SAVE, skin::ButtonStyle::kSmall, kCellSave),
    Skinned(IDC_EDITOR_DELETE, skin::ButtonStyle::kSmall, kCellDelete),
    Skinned(IDC_EDITOR_OK, skin::ButtonStyle::kSmall, kCellOk),
};

// The named controls, then every row of the three track columns.
constexpr auto kNamedHelpIds = MakeHelpIds(
    IDC_EDITOR_ARTIST, IDC_EDITOR_DISC_NAME, IDC_EDITOR_CATEGORY, IDC_EDITOR_LABEL,
    IDC_EDITOR_NOTES, IDC_EDITOR_YEAR, IDC_EDITOR_ENTRY_NUMBER, IDC_EDITOR_NEXT,
    IDC_EDITOR_PREVIOUS, IDC_EDITOR_PAGE_UP, IDC_EDITOR_PAGE_DOWN, IDC_EDITOR_SEARCH,
    IDC_EDITOR_SAVE, IDC_EDITOR_DELETE, IDC_EDITOR_OK, IDC_EDITOR_ENTRY_COUNT,
    IDC_EDITOR_TRACK_COUNT, IDC_EDITOR_DISC_LENGTH, IDC_EDITOR_AAD, IDC_EDITOR_DDD,
    IDC_EDITOR_ALBUM, IDC_EDITOR_CD_VIDEO, IDC_EDITOR_3_INCH, IDC_EDITOR_5_INCH);
constexpr std::array<int, 3> kRowColumns = {IDC_EDITOR_TITLE_FIRST, IDC_EDITOR_NUMBER_FIRST,
                                            IDC_EDITOR_LENGTH_FIRST};
constexpr auto kHelpIds = [] {
  std::array<DWORD, kNamedHelpIds.size() + 2 * kRowColumns.size() * kRows> table{};
  std::size_t at = 0;
  for (; at + 2 < kNamedHelpIds.size(); ++at) table[at] = kNamedHelpIds[at];
  for (const int first : kRowColumns) {
    for (int row = 0; row < kRows; ++row) {
      table[at++] = static_cast<DWORD>(first + row);
      table[at++] = kHelpContextBase + static_cast<DWORD>(first + row);
    }
  }
  return table;  // ends in the two zeros WinHelp looks for
}();

class DatabaseEditorDialog : public SkinnedDialog {
 public:
  explicit DatabaseEditorDialog(const DatabaseEditorInput& input);

 private:
  void OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;

  bw::Database Catalogue() const { return bw::Database(bw::DefaultFileSystem(), input_.catalogueFolder); }
  void ShowEntry(std::uint16_t index);
  void ShowPage();
  void ShowEntryNumber() const { SetItemText(IDC_EDITOR_ENTRY_NUMBER, std::to_string(index_ + 1)); }
  void ShowCount() const { SetItemText(IDC_EDITOR_ENTRY_COUNT, std::to_string(count_)); }
  void FillFields(const bw::EntryDetails& details);
  bw::EntryDetails ReadFields() const;
  int CheckedIndex(int first, int count, int fallback) const;
  void StoreRow(int row);
  void StoreShownRows();

  void StepEntry(bool forward);
  void CommitEntryNumber();
  void StepPage(int step);
  void Save();
  void Delete();
  void Search();
  void FocusOnField(std::uint16_t fieldCode);
  // After a write that found the catalogue changed: its count and the entry anew.
  void ShowCatalogueAnew();

  const DatabaseEditorInput& input_;
  std::uint16_t count_ = 0;
  std::uint16_t index_ = 0;
  bool loaded_ = false;  // the current entry could be read; Save and Delete need it
  bw::EditorEntry shown_;  // the entry as read; its profile is written back on Save
  std::unique_ptr<bw::TitleTable> titles_ = std::make_unique<bw::TitleTable>();  // as edited
  int page_ = 0;
  int pageCount_ = 0;
};

DialogChores Chores() {
  DialogChores chores = DialogChores::For(kButtons, kHelpIds.data());
  chores.entryFieldColours = true;
  return chores;
}

DatabaseEditorDialog::DatabaseEditorDialog(const DatabaseEditorInput& input)
    : SkinnedDialog(Chores()), input_(input) {}

void DatabaseEditorDialog::OnInitDialog() {
  bw::Database catalogue = Catalogue();
  (void)catalogue.EnsureDatabaseFile();  // a missing file shows as empty below
  // A damaged chain counts its intact entries.
  (void)catalogue.CountEntries(&count_);
  ShowEntry(0);
  ShowEntryNumber();
  ShowCount();
  for (int id = IDC_EDITOR_TITLE_FIRST; id <= IDC_EDITOR_YEAR; ++id) {
    SendDlgItemMessageA(Window(), id, EM_LIMITTEXT, kMaxTypedText, 0);
  }
  if (input_.openSearchAtOnce && count_ > 0) {
    PostMessageA(Window(), WM_COMMAND, MAKEWPARAM(IDC_EDITOR_SEARCH, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(IDC_EDITOR_SEARCH)));
  }
  if (count_ == 0) {
    // Garnish opens the editor only on entries; the file may have been emptied since.
    PostMessageA(Window(), WM_COMMAND, MAKEWPARAM(IDC_EDITOR_OK, kCloseAsEmpty), 0);
  }
}

void DatabaseEditorDialog::ShowEntry(std::uint16_t index) {
  index_ = index;
  bw::Database catalogue = Catalogue();
  loaded_ = count_ > 0 && bw::ReadEditorEntry(catalogue, index, &shown_).IsOk();
  if (!loaded_) shown_ = bw::EditorEntry();
  const bw::DiscProfile& profile = shown_.profile;
  pageCount_ = bw::DiscInfoPageCount(profile.trackCount);
  page_ = 0;
  for (int id : {IDC_EDITOR_PAGE_UP_LABEL, IDC_EDITOR_PAGE_DOWN, IDC_EDITOR_PAGE_DOWN_LABEL,
                 IDC_EDITOR_PAGE_UP}) {
    ShowItem(id, pageCount_ > 0);
  }
  *titles_ = *shown_.titles;
  FillFields(shown_.details);
  ShowPage();
  SetItemText(IDC_EDITOR_TRACK_COUNT, std::to_string(profile.trackCount));
  SetItemText(IDC_EDITOR_DISC_LENGTH, bw::MinutesSeconds(profile.totalSeconds));
}

void DatabaseEditorDialog::ShowPage() {
  const bw::DiscProfile& profile = shown_.profile;
  const int rows = bw::DiscInfoRowsOnPage(profile.trackCount, page_);
  for (int row = 0; row < kRows; ++row) {
    const bool shown = row < rows;
    ShowItem(IDC_EDITOR_NUMBER_FIRST + row, shown);
    ShowItem(IDC_EDITOR_TITLE_FIRST + row, shown);
    ShowItem(IDC_EDITOR_LENGTH_FIRST + row, shown);
    if (!shown) continue;
    const int slot = bw::DiscInfoSlotForRow(page_, row);
    SetItemText(IDC_EDITOR_TITLE_FIRST + row, titles_->Get(slot));
    SetItemText(IDC_EDITOR_NUMBER_FIRST + row, std::to_string(slot + 1));
    SetItemText(IDC_EDITOR_LENGTH_FIRST + row, bw::MinutesSeconds(profile.trackSeconds[slot]));
  }
}

void DatabaseEditorDialog::FillFields(const bw::EntryDetails& details) {
  const std::string* texts[] = {&details.artist, &details.discName, &details.category,
                                &details.label, &details.notes};
  for (std::size_t i = 0; i < kTextFields.size(); ++i) SetItemText(kTextFields[i], *texts[i]);
  SetItemText(IDC_EDITOR_YEAR, details.yearReleased);
  HWND dialog = Window();
  CheckRadioButton(dialog, kRecordingFirst, kRecordingFirst + 3,
                   kRecordingFirst + bw::RecordingButtonForCode(details.recording));
  CheckRadioButton(dialog, kTypeFirst, kTypeFirst + 3,
                   kTypeFirst + bw::TypeButtonForCode(details.type));
  CheckRadioButton(dialog, kSizeFirst, kSizeFirst + 1,
                   kSizeFirst + bw::SizeButtonForCode(details.size));
}

int DatabaseEditorDialog::CheckedIndex(int first, int count, int fallback) const {
  for (int i = 0; i < count; ++i) {
    if (IsChecked(first + i)) return i;
  }
  return fallback;
}

// Recording and type 0 unless another button of the group is checked; size 5-inch unless
// 3-inch is.
bw::EntryDetails DatabaseEditorDialog::ReadFields() const {
  bw::EntryDetails details;
  details.artist = ItemText(IDC_EDITOR_ARTIST, kMaxTypedText);
  details.discName = ItemText(IDC_EDITOR_DISC_NAME, kMaxTypedText);
  details.category = ItemText(IDC_EDITOR_CATEGORY, kMaxTypedText);
  details.label = ItemText(IDC_EDITOR_LABEL, kMaxTypedText);
  details.notes = ItemText(IDC_EDITOR_NOTES, kMaxTypedText);
  details.yearReleased = ItemText(IDC_EDITOR_YEAR, kMaxTypedText);
  details.recording = static_cast<std::uint8_t>(CheckedIndex(kRecordingFirst, 4, 0));
  details.type = static_cast<std::uint8_t>(CheckedIndex(kTypeFirst, 4, 0));
  details.size = IsChecked(IDC_EDITOR_3_INCH) ? 0 : 1;
  return details;
}

void DatabaseEditorDialog::StoreRow(int row) {
  const int slot = bw::DiscInfoSlotForRow(page_, row);
  if (slot >= shown_.profile.trackCount || slot >= bw::TitleTable::kSlots) return;
  titles_->Set(slot, ItemText(IDC_EDITOR_TITLE_FIRST + row, kMaxTypedText));
}

// Leaving a row stores it; doing it before paging and saving also keeps a title whose edit
// still has the focus.
void DatabaseEditorDialog::StoreShownRows() {
  const int rows = bw::DiscInfoRowsOnPage(shown_.profile.trackCount, page_);
  for (int row = 0; row < rows; ++row) StoreRow(row);
}

void DatabaseEditorDialog::StepEntry(bool forward) {
  if (count_ == 0) return;
  StopHoverTimer(Window());
  ShowEntry(forward ? bw::NextEntryIndex(index_, count_) : bw::PreviousEntryIndex(index_, count_));
  ShowEntryNumber();
  StartHoverTimer(Window());
}

// Only another entry is shown anew: passing through the field with the same number keeps
// the edits made to the entry on show.
void DatabaseEditorDialog::CommitEntryNumber() {
  if (count_ == 0) return;
  const std::uint16_t index = bw::EntryIndexFromText(ItemText(IDC_EDITOR_ENTRY_NUMBER), count_);
  if (index != index_ || !loaded_) {
    ShowEntry(index);
  }
  ShowEntryNumber();
}

void DatabaseEditorDialog::StepPage(int step) {
  StopHoverTimer(Window());
  StoreShownRows();
  page_ = bw::StepDiscInfoPage(page_, pageCount_, step);
  ShowPage();
  StartHoverTimer(Window());
}

void DatabaseEditorDialog::ShowCatalogueAnew() {
  bw::Database catalogue = Catalogue();
  count_ = 0;
  (void)catalogue.CountEntries(&count_);
  ShowCount();
  if (count_ == 0) {
    ShowMessage(Window(), kTextEmptyNothingToEdit);
    End(IDOK);
    return;
  }
  ShowEntry(index_ < count_ ? index_ : static_cast<std::uint16_t>(count_ - 1));
  ShowEntryNumber();
}

void DatabaseEditorDialog::Save() {
  PlaySoundEffect(kSoundSave);
  StopHoverTimer(Window());
  StoreShownRows();
  if (loaded_) {
    bw::Database catalogue = Catalogue();
    switch (bw::SaveEditedEntry(catalogue, index_, *titles_, ReadFields(), &shown_)) {
      case bw::EditorWrite::kDone:
        break;
      case bw::EditorWrite::kEntryChanged:
        ShowMessage(Window(), kTextEditorEntryChanged);
        ShowCatalogueAnew();
        break;
      case bw::EditorWrite::kFailed:
        ShowMessage(Window(), kTextEditorSaveFailed);
        break;
    }
  }
  StartHoverTimer(Window());
}

void DatabaseEditorDialog::Delete() {
  if (!AskQuestion(Window(), kTextAskDeleteEntry)) return;
  if (!loaded_) return;
  bw::Database catalogue = Catalogue();
  switch (bw::DeleteShownEntry(catalogue, index_, shown_)) {
    case bw::EditorWrite::kDone:
      break;
    case bw::EditorWrite::kEntryChanged:
      ShowMessage(Window(), kTextEditorEntryChanged);
      ShowCatalogueAnew();
      return;
    case bw::EditorWrite::kFailed:
      ShowMessage(Window(), kTextEditorDeleteFailed);
      return;
  }
  count_ = 0;
  (void)catalogue.CountEntries(&count_);
  ShowCount();
  if (count_ == 0) {
    ShowMessage(Window(), kTextEmptyNothingToEdit);
    End(IDOK);
    return;
  }
  ShowEntry(bw::IndexAfterDelete(index_, count_));
  ShowEntryNumber();
}

// The search starts from the entry shown; a chosen hit is shown with the focus on its field.
// The search runs modally, with this dialog's hover timer stopped meanwhile.
void DatabaseEditorDialog::Search() {
  PlaySoundEffect(kSoundSearch);
  const SearchResult found = RunSearchDialog(Window(), SearchInput{input_.catalogueFolder, index_});
  if (!found.chosen || found.index >= count_) return;
  ShowEntry(found.index);
  ShowEntryNumber();
  FocusOnField(found.fieldCode);
}

// The field a search hit names gets the focus with its whole text selected; a hit in a
// track beyond the first page shows that page first.
void DatabaseEditorDialog::FocusOnField(std::uint16_t fieldCode) {
  const bw::EditorFocus focus = bw::FocusForFieldCode(fieldCode);
  int id = 0;
  switch (focus.kind) {
    case bw::EditorFocus::Kind::kNone:
      return;
    case bw::EditorFocus::Kind::kTrackTitle:
      if (focus.page != page_ && focus.page < std::max(pageCount_, 1)) {
        page_ = focus.page;
        ShowPage();
      }
      id = IDC_EDITOR_TITLE_FIRST + focus.row;
      break;
    case bw::EditorFocus::Kind::kText:
      id = kTextFields[static_cast<std::size_t>(focus.text)];
      break;
    case bw::EditorFocus::Kind::kYearReleased:
      id = IDC_EDITOR_YEAR;
      break;
    case bw::EditorFocus::Kind::kProperty:
      id = kRecordingFirst + focus.property;
      break;
  }
  HWND field = Item(id);
  if (field == nullptr || !IsWindowVisible(field)) return;
  SetFocus(field);
  if (focus.kind != bw::EditorFocus::Kind::kProperty) SendMessageA(field, EM_SETSEL, 0, -1);
}

void DatabaseEditorDialog::OnCommand(int id, int code, HWND) {
  if (id >= IDC_EDITOR_TITLE_FIRST && id <= IDC_EDITOR_TITLE_LAST) {
    if (code == EN_KILLFOCUS) StoreRow(id - IDC_EDITOR_TITLE_FIRST);
    return;
  }
  if (id >= kRecordingFirst && id <= kRadioLast) {
    if (code == BN_CLICKED) PlaySoundEffect(kSoundRadio);
    return;
  }
  switch (id) {
    case IDC_EDITOR_ENTRY_NUMBER:
      if (code == EN_KILLFOCUS) CommitEntryNumber();
      break;
    case IDOK:  // Enter: in the entry number it moves on to Artist, which commits the number
      if (GetFocus() == Item(IDC_EDITOR_ENTRY_NUMBER)) SetFocus(Item(IDC_EDITOR_ARTIST));
      break;
    case IDC_EDITOR_NEXT:
      StepEntry(true);
      break;
    case IDC_EDITOR_PREVIOUS:
      StepEntry(false);
      break;
    case IDC_EDITOR_PAGE_DOWN:
      StepPage(+1);
      break;
    case IDC_EDITOR_PAGE_UP:
      StepPage(-1);
      break;
    case IDC_EDITOR_SAVE:
      Save();
      break;
    case IDC_EDITOR_DELETE:
      Delete();
      break;
    case IDC_EDITOR_SEARCH:
      Search();
      break;
    case IDC_EDITOR_OK:
      if (code == kCloseAsEmpty) {
        ShowMessage(Window(), kTextEmptyNothingToEdit);
        End(IDOK);
      } else {
        End(IDOK, kSoundOk);
      }
      break;
    case IDCANCEL:  // Escape and the close button close as OK does; nothing is saved
      End(IDOK, kSoundOk);
      break;
    default:
      break;
  }
}

}  // namespace

void RunDatabaseEditorDialog(HWND owner, const DatabaseEditorInput& input) {
  DatabaseEditorDialog dialog(input);
  RunModalDialog(owner, IDD_DATABASE_EDITOR, dialog);
}
