// Dialog 1700: opening in its fixed order, the 15 track rows in pages, the radio groups, and
// OK (store), Cancel and Submit.
#include "cddb/disc_info_dialog.h"

#include <memory>
#include <string>

#include "cd/cd_device.h"
#include "cd/current_disc_key.h"
#include "cd/disc_id.h"
#include "cd/format_seconds.h"
#include "cddb/database.h"
#include "cddb/disc_info_dialog_pages.h"
#include "resources/resource.h"
#include "shell/default_panels.h"
#include "shell/dialog_chrome.h"
#include "base/file_system.h"
#include "shell/program_state.h"
#include "shell/skin_cells.h"
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

const SkinnedButton kButtons[] = {
    {IDC_DISC_INFO_PAGE_UP, skin::ButtonStyle::kSmall, skin::small_sheet::kCellPageUp.column,
     skin::small_sheet::kCellPageUp.row, false},
    {IDC_DISC_INFO_PAGE_DOWN, skin::ButtonStyle::kSmall, skin::small_sheet::kCellPageDown.column,
     skin::small_sheet::kCellPageDown.row, false},
    {IDC_DISC_INFO_SUBMIT, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellSubmit.column,
     skin::medium_sheet::kCellSubmit.row, false},
    {IDC_DISC_INFO_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk.column,
     skin::medium_sheet::kCellOk.row, false},
    {IDC_DISC_INFO_CANCEL, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellCancel.column,
     skin::medium_sheet::kCellCancel.row, false},
};

const DWORD kHelpIds[] = {
    IDC_DISC_INFO_ARTIST, 11775, IDC_DISC_INFO_DISC_NAME, 11776, IDC_DISC_INFO_CATEGORY, 11777,
    IDC_DISC_INFO_LABEL, 11778, IDC_DISC_INFO_NOTES, 11779, IDC_DISC_INFO_YEAR, 11780,
    IDC_DISC_INFO_PAGE_UP, 11851, IDC_DISC_INFO_PAGE_DOWN, 11850, IDC_DISC_INFO_SUBMIT, 11854,
    IDC_DISC_INFO_OK, 11852, IDC_DISC_INFO_CANCEL, 11853, 0, 0};

struct DiscInfoDialog {
  bw::DiscProfile profile;
  bw::TableOfContents toc;
  std::uint32_t discId = 0;
  std::uint32_t entryOffset = 0;  // the entry loaded when the dialog opened, or 0
  std::unique_ptr<bw::TitleTable> titles = std::make_unique<bw::TitleTable>();
  int page = 0;
  int pageCount = 0;
  DialogChrome chrome{kButtons, kHelpIds};
};

// The one open dialog (it is modal), for the freedb submission.
HWND g_discInfoDialog = nullptr;

DiscInfoDialog* GetState(HWND dialog) {
  return reinterpret_cast<DiscInfoDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

bw::Database ProgramCatalogue() { return bw::Database(bw::DefaultFileSystem(), g_programFolder); }

std::string FieldText(HWND dialog, int id) {
  char text[kMaxTypedText + 1] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

void Show(HWND dialog, int id, bool visible) {
  ShowWindow(GetDlgItem(dialog, id), visible ? SW_SHOW : SW_HIDE);
}

void StoreRow(HWND dialog, DiscInfoDialog& state, int row) {
  const int slot = bw::DiscInfoSlotForRow(state.page, row);
  if (slot >= state.profile.trackCount || slot >= bw::TitleTable::kSlots) return;
  state.titles->Set(slot, FieldText(dialog, IDC_DISC_INFO_TITLE_FIRST + row));
}

// The rows on show go into their title slots. Leaving a row does this too; doing it before
// paging and saving also keeps a title whose edit still has the focus.
void StoreShownRows(HWND dialog, DiscInfoDialog& state) {
  const int rows = bw::DiscInfoRowsOnPage(state.profile.trackCount, state.page);
  for (int row = 0; row < rows; ++row) StoreRow(dialog, state, row);
}

void ShowPage(HWND dialog, DiscInfoDialog& state) {
  const int rows = bw::DiscInfoRowsOnPage(state.profile.trackCount, state.page);
  for (int row = 0; row < bw::kDiscInfoRowsPerPage; ++row) {
    const bool shown = row < rows;
    Show(dialog, IDC_DISC_INFO_NUMBER_FIRST + row, shown);
    Show(dialog, IDC_DISC_INFO_TITLE_FIRST + row, shown);
    Show(dialog, IDC_DISC_INFO_LENGTH_FIRST + row, shown);
    if (!shown) continue;
    const int slot = bw::DiscInfoSlotForRow(state.page, row);
    SetDlgItemTextA(dialog, IDC_DISC_INFO_TITLE_FIRST + row, state.titles->Get(slot).c_str());
    SetDlgItemTextA(dialog, IDC_DISC_INFO_NUMBER_FIRST + row, std::to_string(slot + 1).c_str());
    SetDlgItemTextA(dialog, IDC_DISC_INFO_LENGTH_FIRST + row,
                    bw::FormatSeconds(state.toc.trackSeconds[slot]).c_str());
  }
}

void CheckRadio(HWND dialog, int first, int last, int index) {
  CheckRadioButton(dialog, first, last, first + index);
}

int CheckedIndex(HWND dialog, int first, int count, int fallback) {
  for (int i = 0; i < count; ++i) {
    if (IsDlgButtonChecked(dialog, first + i) == BST_CHECKED) return i;
  }
  return fallback;
}

void FillFields(HWND dialog, const bw::EntryDetails& details) {
  SetDlgItemTextA(dialog, IDC_DISC_INFO_ARTIST, details.artist.c_str());
  SetDlgItemTextA(dialog, IDC_DISC_INFO_DISC_NAME, details.discName.c_str());
  SetDlgItemTextA(dialog, IDC_DISC_INFO_CATEGORY, details.category.c_str());
  SetDlgItemTextA(dialog, IDC_DISC_INFO_LABEL, details.label.c_str());
  SetDlgItemTextA(dialog, IDC_DISC_INFO_NOTES, details.notes.c_str());
  SetDlgItemTextA(dialog, IDC_DISC_INFO_YEAR, details.yearReleased.c_str());
  CheckRadio(dialog, kRecordingFirst, kRecordingFirst + 3, bw::RecordingButtonForCode(details.recording));
  CheckRadio(dialog, kTypeFirst, kTypeFirst + 3, bw::TypeButtonForCode(details.type));
  CheckRadio(dialog, kSizeFirst, kSizeFirst + 1, bw::SizeButtonForCode(details.size));
}

// Recording and type 0 unless another button of the group is checked; size 5-inch unless
// 3-inch is.
bw::EntryDetails ReadFields(HWND dialog) {
  bw::EntryDetails details;
  details.artist = FieldText(dialog, IDC_DISC_INFO_ARTIST);
  details.discName = FieldText(dialog, IDC_DISC_INFO_DISC_NAME);
  details.category = FieldText(dialog, IDC_DISC_INFO_CATEGORY);
  details.label = FieldText(dialog, IDC_DISC_INFO_LABEL);
  details.notes = FieldText(dialog, IDC_DISC_INFO_NOTES);
  details.yearReleased = FieldText(dialog, IDC_DISC_INFO_YEAR);
  details.recording = static_cast<std::uint8_t>(CheckedIndex(dialog, kRecordingFirst, 4, 0));
  details.type = static_cast<std::uint8_t>(CheckedIndex(dialog, kTypeFirst, 4, 0));
  details.size = IsDlgButtonChecked(dialog, IDC_DISC_INFO_3_INCH) == BST_CHECKED ? 0 : 1;
  return details;
}

void OnInitDialog(HWND dialog) {
  auto owned = std::make_unique<DiscInfoDialog>();
  DiscInfoDialog& state = *owned;
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(owned.release()));
  g_discInfoDialog = dialog;

  // 1. The disc in the drive.
  if (g_cdDevice != nullptr) {
    state.toc = g_cdDevice->Toc();
    state.discId = g_cdDevice->DiscId();
  }
  state.profile = bw::CurrentDiscKey(state.toc);
  // 2. Paging, only beyond 15 tracks.
  state.pageCount = bw::DiscInfoPageCount(state.profile.trackCount);
  for (int id : {IDC_DISC_INFO_PAGE_UP_LABEL, IDC_DISC_INFO_PAGE_DOWN_LABEL,
                 IDC_DISC_INFO_PAGE_DOWN, IDC_DISC_INFO_PAGE_UP}) {
    Show(dialog, id, state.pageCount > 0);
  }
  // 3. The disc's entry, or the default codes AAD, Album and 5-inch.
  bw::Database catalogue = ProgramCatalogue();
  catalogue.EnsureDatabaseFile();
  bw::EntryDetails details;
  std::uint32_t offset = 0;
  if (state.profile.trackCount > 0 && catalogue.FindEntryByProfile(state.profile, &offset).IsOk() &&
      offset != 0 && catalogue.ReadEntry(offset, state.titles.get(), &details).IsOk()) {
    state.entryOffset = offset;
  } else {
    state.titles->Clear();
    details = bw::EntryDetails();
  }
  FillFields(dialog, details);
  // 4. Page 0.
  ShowPage(dialog, state);
  // 5. The numbers of the catalogue and the disc.
  std::uint16_t count = 0;
  catalogue.CountEntries(&count);
  SetDlgItemTextA(dialog, IDC_DISC_INFO_ENTRY_COUNT, std::to_string(count).c_str());
  SetDlgItemTextA(dialog, IDC_DISC_INFO_TRACK_COUNT,
                  std::to_string(state.profile.trackCount).c_str());
  SetDlgItemTextA(dialog, IDC_DISC_INFO_DISC_LENGTH,
                  bw::FormatSeconds(state.toc.totalSeconds).c_str());
  SetDlgItemTextA(dialog, IDC_DISC_INFO_DISC_ID, bw::FormatDiscId(state.discId).c_str());
  // 6. Text limits, hover and the opening animation.
  for (int id = IDC_DISC_INFO_TITLE_FIRST; id <= IDC_DISC_INFO_NOTES; ++id) {
    SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, kMaxTypedText, 0);
  }
  state.chrome.OnInitDialog(dialog);
}

void StepPage(HWND dialog, DiscInfoDialog& state, int step) {
  StopHoverTimer(dialog);
  StoreShownRows(dialog, state);
  state.page = bw::StepDiscInfoPage(state.page, state.pageCount, step);
  ShowPage(dialog, state);
  StartHoverTimer(dialog);
}

// Stores the disc as one entry at the end of the catalogue. The new entry is written before
// the old one is removed, so a failed write never loses the disc's earlier entry; appending
// leaves the offsets of the entries before it as they were.
void SaveEntry(HWND dialog, DiscInfoDialog& state) {
  StoreShownRows(dialog, state);
  bw::Database catalogue = ProgramCatalogue();
  const bw::Status appended =
      catalogue.AppendEntry(state.profile, *state.titles, ReadFields(dialog));
  if (appended.IsOk() && state.entryOffset != 0) catalogue.DeleteEntry(state.entryOffset);
}

void End(HWND dialog, DiscInfoDialog& state, int sound) {
  PlaySoundEffect(sound);
  state.chrome.OnEnd(dialog);
  EndDialog(dialog, 0);
}

void OnCommand(HWND dialog, DiscInfoDialog& state, int id, int code) {
  if (id >= IDC_DISC_INFO_TITLE_FIRST && id <= IDC_DISC_INFO_TITLE_LAST) {
    if (code == EN_KILLFOCUS) StoreRow(dialog, state, id - IDC_DISC_INFO_TITLE_FIRST);
    return;
  }
  if (id >= kRecordingFirst && id <= kRadioLast) {
    if (code == BN_CLICKED) PlaySoundEffect(kSoundRadio);
    return;
  }
  switch (id) {
    case IDC_DISC_INFO_PAGE_DOWN:
      StepPage(dialog, state, +1);
      break;
    case IDC_DISC_INFO_PAGE_UP:
      StepPage(dialog, state, -1);
      break;
    case IDC_DISC_INFO_OK:
      SaveEntry(dialog, state);
      End(dialog, state, kSoundOk);
      break;
    case IDC_DISC_INFO_CANCEL:
    case IDCANCEL:  // Escape
      End(dialog, state, kSoundCancel);
      break;
    case IDC_DISC_INFO_SUBMIT: {
      PlaySoundEffect(kSoundSubmit);
      StopHoverTimer(dialog);
      StoreShownRows(dialog, state);
      // The freedb submission of the typed entry starts here.
      StartHoverTimer(dialog);
      break;
    }
    default:
      break;
  }
}

INT_PTR CALLBACK DiscInfoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    OnInitDialog(dialog);
    return TRUE;
  }
  DiscInfoDialog* state = GetState(dialog);
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      OnCommand(dialog, *state, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_CLOSE:  // closing from the system menu stores the entry, as OK does
      SaveEntry(dialog, *state);
      End(dialog, *state, kSoundOk);
      return TRUE;
    case WM_CTLCOLOREDIT:
      return reinterpret_cast<INT_PTR>(EntryFieldColours(reinterpret_cast<HDC>(wParam)));
    case WM_DESTROY:
      if (g_discInfoDialog == dialog) g_discInfoDialog = nullptr;
      return FALSE;
    case WM_NCDESTROY:
      SetWindowLongPtrA(dialog, DWLP_USER, 0);
      delete state;
      return FALSE;
    default: {
      INT_PTR result = FALSE;
      if (state->chrome.HandleMessage(dialog, message, wParam, lParam, &result)) return result;
      return FALSE;
    }
  }
}

}  // namespace

void RunDiscInfoDialog(HWND owner) {
  DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_DISC_INFO), owner, DiscInfoDialogProc, 0);
}

HWND DiscInfoDialogWindow() { return g_discInfoDialog; }

bool ReadTypedDiscEntry(bw::DiscProfile* profile, bw::TitleTable* titles,
                        bw::EntryDetails* details) {
  HWND dialog = g_discInfoDialog;
  DiscInfoDialog* state = dialog != nullptr ? GetState(dialog) : nullptr;
  if (state == nullptr) return false;
  StoreShownRows(dialog, *state);
  *profile = state->profile;
  *titles = *state->titles;
  *details = ReadFields(dialog);
  return true;
}
