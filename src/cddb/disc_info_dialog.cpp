// Dialog 1700: opening in its fixed order, the 15 track rows in pages, the radio groups, and
// OK (store), Cancel and Submit.
#include "cddb/disc_info_dialog.h"

#include <memory>
#include <optional>
#include <string>

#include "cd/current_disc_key.h"
#include "cd/disc_id.h"
#include "cd/format_seconds.h"
#include "cddb/database.h"
#include "cddb/disc_info_dialog_pages.h"
#include "freedb/disc_submission.h"
#include "freedb/submission_check.h"
#include "resources/resource.h"
#include "base/file_system.h"
#include "shell/message_box.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kSoundOk = 7;
constexpr int kSoundCancel = 2;
constexpr int kSoundRadio = 20;
constexpr int kSoundSubmit = 26;

// Typed texts are kept to 254 characters, one less than a catalogue text can hold.
constexpr int kMaxTypedText = 254;

constexpr int kRecordingFirst = IDC_DISC_INFO_AAD;   // AAD, ADD, DAD, DDD
constexpr int kTypeFirst = IDC_DISC_INFO_ALBUM;      // Album, Single, CD+MM, CD+Video
constexpr int kSizeFirst = IDC_DISC_INFO_3_INCH;     // 3-inch, 5-inch
constexpr int kRadioLast = IDC_DISC_INFO_5_INCH;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_DISC_INFO_PAGE_UP, skin::ButtonStyle::kSmall, skin::small_sheet::kCellPageUp),
    Skinned(IDC_DISC_INFO_PAGE_DOWN, skin::ButtonStyle::kSmall, skin::small_sheet::kCellPageDown),
    Skinned(IDC_DISC_INFO_SUBMIT, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellSubmit),
    Skinned(IDC_DISC_INFO_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
    Skinned(IDC_DISC_INFO_CANCEL, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellCancel),
};

constexpr auto kHelpIds = MakeHelpIds(
    IDC_DISC_INFO_ARTIST, IDC_DISC_INFO_DISC_NAME, IDC_DISC_INFO_CATEGORY, IDC_DISC_INFO_LABEL,
    IDC_DISC_INFO_NOTES, IDC_DISC_INFO_YEAR, IDC_DISC_INFO_PAGE_UP, IDC_DISC_INFO_PAGE_DOWN,
    IDC_DISC_INFO_SUBMIT, IDC_DISC_INFO_OK, IDC_DISC_INFO_CANCEL);

class DiscInfoDialog : public SkinnedDialog {
 public:
  explicit DiscInfoDialog(const DiscInfoInput& input);
  DiscInfoResult result;

 private:
  void OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void StoreRow(int row);
  void StoreShownRows();
  void ShowPage();
  void FillFields(const bw::EntryDetails& details);
  bw::EntryDetails ReadFields() const;
  void StepPage(int step);
  void SaveEntry();
  void Submit();
  int CheckedIndex(int first, int count, int fallback) const;

  const DiscInfoInput& input_;
  bw::DiscProfile profile_;
  std::uint32_t entryOffset_ = 0;  // the entry loaded when the dialog opened, or 0
  std::unique_ptr<bw::TitleTable> titles_ = std::make_unique<bw::TitleTable>();
  int page_ = 0;
  int pageCount_ = 0;
};

DialogChores Chores() {
  DialogChores chores = DialogChores::For(kButtons, kHelpIds.data());
  chores.entryFieldColours = true;
  return chores;
}

DiscInfoDialog::DiscInfoDialog(const DiscInfoInput& input)
    : SkinnedDialog(Chores()), input_(input), profile_(bw::CurrentDiscKey(input.toc)) {}

bw::Database Catalogue(const DiscInfoInput& input) {
  return bw::Database(bw::DefaultFileSystem(), input.catalogueFolder);
}

void DiscInfoDialog::StoreRow(int row) {
  const int slot = bw::DiscInfoSlotForRow(page_, row);
  if (slot >= profile_.trackCount || slot >= bw::TitleTable::kSlots) return;
  titles_->Set(slot, ItemText(IDC_DISC_INFO_TITLE_FIRST + row, kMaxTypedText));
}

// The rows on show go into their title slots. Leaving a row does this too; doing it before
// paging and saving also keeps a title whose edit still has the focus.
void DiscInfoDialog::StoreShownRows() {
  const int rows = bw::DiscInfoRowsOnPage(profile_.trackCount, page_);
  for (int row = 0; row < rows; ++row) StoreRow(row);
}

void DiscInfoDialog::ShowPage() {
  const int rows = bw::DiscInfoRowsOnPage(profile_.trackCount, page_);
  for (int row = 0; row < bw::kDiscInfoRowsPerPage; ++row) {
    const bool shown = row < rows;
    ShowItem(IDC_DISC_INFO_NUMBER_FIRST + row, shown);
    ShowItem(IDC_DISC_INFO_TITLE_FIRST + row, shown);
    ShowItem(IDC_DISC_INFO_LENGTH_FIRST + row, shown);
    if (!shown) continue;
    const int slot = bw::DiscInfoSlotForRow(page_, row);
    SetItemText(IDC_DISC_INFO_TITLE_FIRST + row, titles_->Get(slot));
    SetItemText(IDC_DISC_INFO_NUMBER_FIRST + row, std::to_string(slot + 1));
    SetItemText(IDC_DISC_INFO_LENGTH_FIRST + row,
                bw::FormatSeconds(input_.toc.trackSeconds[slot]));
  }
}

int DiscInfoDialog::CheckedIndex(int first, int count, int fallback) const {
  for (int i = 0; i < count; ++i) {
    if (IsChecked(first + i)) return i;
  }
  return fallback;
}

void DiscInfoDialog::FillFields(const bw::EntryDetails& details) {
  SetItemText(IDC_DISC_INFO_ARTIST, details.artist);
  SetItemText(IDC_DISC_INFO_DISC_NAME, details.discName);
  SetItemText(IDC_DISC_INFO_CATEGORY, details.category);
  SetItemText(IDC_DISC_INFO_LABEL, details.label);
  SetItemText(IDC_DISC_INFO_NOTES, details.notes);
  SetItemText(IDC_DISC_INFO_YEAR, details.yearReleased);
  HWND dialog = Window();
  CheckRadioButton(dialog, kRecordingFirst, kRecordingFirst + 3,
                   kRecordingFirst + bw::RecordingButtonForCode(details.recording));
  CheckRadioButton(dialog, kTypeFirst, kTypeFirst + 3,
                   kTypeFirst + bw::TypeButtonForCode(details.type));
  CheckRadioButton(dialog, kSizeFirst, kSizeFirst + 1,
                   kSizeFirst + bw::SizeButtonForCode(details.size));
}

// Recording and type 0 unless another button of the group is checked; size 5-inch unless
// 3-inch is.
bw::EntryDetails DiscInfoDialog::ReadFields() const {
  bw::EntryDetails details;
  details.artist = ItemText(IDC_DISC_INFO_ARTIST, kMaxTypedText);
  details.discName = ItemText(IDC_DISC_INFO_DISC_NAME, kMaxTypedText);
  details.category = ItemText(IDC_DISC_INFO_CATEGORY, kMaxTypedText);
  details.label = ItemText(IDC_DISC_INFO_LABEL, kMaxTypedText);
  details.notes = ItemText(IDC_DISC_INFO_NOTES, kMaxTypedText);
  details.yearReleased = ItemText(IDC_DISC_INFO_YEAR, kMaxTypedText);
  details.recording = static_cast<std::uint8_t>(CheckedIndex(kRecordingFirst, 4, 0));
  details.type = static_cast<std::uint8_t>(CheckedIndex(kTypeFirst, 4, 0));
  details.size = IsChecked(IDC_DISC_INFO_3_INCH) ? 0 : 1;
  return details;
}

void DiscInfoDialog::OnInitDialog() {
  // 1, 2. The disc, and paging only beyond 15 tracks.
  pageCount_ = bw::DiscInfoPageCount(profile_.trackCount);
  for (int id : {IDC_DISC_INFO_PAGE_UP_LABEL, IDC_DISC_INFO_PAGE_DOWN_LABEL,
                 IDC_DISC_INFO_PAGE_DOWN, IDC_DISC_INFO_PAGE_UP}) {
    ShowItem(id, pageCount_ > 0);
  }
  // 3. The disc's entry, or the default codes AAD, Album and 5-inch.
  bw::Database catalogue = Catalogue(input_);
  // A catalogue that cannot be created shows an empty entry; OK reports nothing either way.
  (void)catalogue.EnsureDatabaseFile();
  bw::EntryDetails details;
  std::uint32_t offset = 0;
  if (profile_.trackCount > 0 && catalogue.FindEntryByProfile(profile_, &offset).IsOk() &&
      offset != 0 && catalogue.ReadEntry(offset, titles_.get(), &details).IsOk()) {
    entryOffset_ = offset;
  } else {
    titles_->Clear();
    details = bw::EntryDetails();
  }
  FillFields(details);
  // 4. Page 0.
  ShowPage();
  // 5. The numbers of the catalogue and the disc (the intact count of a damaged file).
  std::uint16_t count = 0;
  (void)catalogue.CountEntries(&count);
  SetItemText(IDC_DISC_INFO_ENTRY_COUNT, std::to_string(count));
  SetItemText(IDC_DISC_INFO_TRACK_COUNT, std::to_string(profile_.trackCount));
  SetItemText(IDC_DISC_INFO_DISC_LENGTH, bw::FormatSeconds(input_.toc.totalSeconds));
  SetItemText(IDC_DISC_INFO_DISC_ID, bw::FormatDiscId(input_.discId));
  // 6. Text limits; the hover and the opening animation follow.
  for (int id = IDC_DISC_INFO_TITLE_FIRST; id <= IDC_DISC_INFO_NOTES; ++id) {
    SendDlgItemMessageA(Window(), id, EM_LIMITTEXT, kMaxTypedText, 0);
  }
}

void DiscInfoDialog::StepPage(int step) {
  StopHoverTimer(Window());
  StoreShownRows();
  page_ = bw::StepDiscInfoPage(page_, pageCount_, step);
  ShowPage();
  StartHoverTimer(Window());
}

// Stores the disc as one entry at the end of the catalogue, in place of its earlier entry.
void DiscInfoDialog::SaveEntry() {
  StoreShownRows();
  bw::Database catalogue = Catalogue(input_);
  result.saved =
      catalogue.ReplaceEntryAtEnd(entryOffset_, profile_, *titles_, ReadFields()).IsOk();
}

// Submit New Entry: the entry as typed goes to Freedb once the fields Freedb needs are there;
// otherwise the message says which is missing and its control takes the focus (a later
// track's row on its own page).
void DiscInfoDialog::Submit() {
  StoreShownRows();
  bw::freedb::SubmittedEntry entry;
  for (int slot = 0; slot < profile_.trackCount && slot < bw::TitleTable::kSlots; ++slot) {
    entry.trackTitles.push_back(titles_->Get(slot));
  }
  entry.artist = ItemText(IDC_DISC_INFO_ARTIST, kMaxTypedText);
  entry.discName = ItemText(IDC_DISC_INFO_DISC_NAME, kMaxTypedText);
  entry.category = ItemText(IDC_DISC_INFO_CATEGORY, kMaxTypedText);
  entry.notes = ItemText(IDC_DISC_INFO_NOTES, bw::freedb::kMaxSubmittedNotes);
  if (const auto problem = bw::freedb::CheckSubmission(entry)) {
    ShowMessage(Window(), problem->message);
    if (problem->page >= 0 && problem->page != page_ && problem->page < pageCount_) {
      StepPage(problem->page - page_);
    }
    SendMessageA(Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(problem->focusControl)),
                 TRUE);
    return;
  }
  bw::freedb::SubmitDisc(Window(), {input_.toc, input_.discId, entry});
}

void DiscInfoDialog::OnCommand(int id, int code, HWND) {
  if (id >= IDC_DISC_INFO_TITLE_FIRST && id <= IDC_DISC_INFO_TITLE_LAST) {
    if (code == EN_KILLFOCUS) StoreRow(id - IDC_DISC_INFO_TITLE_FIRST);
    return;
  }
  if (id >= kRecordingFirst && id <= kRadioLast) {
    if (code == BN_CLICKED) PlaySoundEffect(kSoundRadio);
    return;
  }
  switch (id) {
    case IDC_DISC_INFO_PAGE_DOWN:
      StepPage(+1);
      break;
    case IDC_DISC_INFO_PAGE_UP:
      StepPage(-1);
      break;
    case IDC_DISC_INFO_OK:
      SaveEntry();
      End(IDOK, kSoundOk);
      break;
    case IDC_DISC_INFO_CANCEL:
    case IDCANCEL:  // Escape
      End(IDCANCEL, kSoundCancel);
      break;
    case IDC_DISC_INFO_SUBMIT:
      PlaySoundEffect(kSoundSubmit);
      Submit();
      break;
    default:
      break;
  }
}

std::optional<INT_PTR> DiscInfoDialog::OnMessage(UINT message, WPARAM, LPARAM) {
  if (message != WM_CLOSE) return std::nullopt;
  // Closing from the system menu stores the entry, as OK does.
  SaveEntry();
  End(IDOK, kSoundOk);
  return TRUE;
}

}  // namespace

DiscInfoResult RunDiscInfoDialog(HWND owner, const DiscInfoInput& input) {
  DiscInfoDialog dialog(input);
  RunModalDialog(owner, IDD_DISC_INFO, dialog);
  return dialog.result;
}
