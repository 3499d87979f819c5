// Dialog 2100: each button opens its tool. The five that work on entries read the count at
// the moment of the click, so an entry added meanwhile (a freedb read) is counted.
#include "cddb/garnish_dialog.h"

#include <cstdint>

#include "base/file_system.h"
#include "cddb/cddb_texts.h"
#include "cddb/database.h"
#include "cddb/database_editor_dialog.h"
#include "cddb/database_info_dialog.h"
#include "cddb/export_dialog.h"
#include "cddb/sorter_dialog.h"
#include "freedb/freedb_setup_dialog.h"
#include "freedb/server_info_dialog.h"
#include "resources/resource.h"
#include "shell/message_box.h"
#include "shell/skinned_dialog.h"
#include "web/html_document_dialog.h"

namespace {

constexpr int kSoundOk = 7;

using namespace skin::medium_sheet;
constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_GARNISH_EDITOR, skin::ButtonStyle::kMedium, kCellDatabaseEditor),
    Skinned(IDC_GARNISH_SEARCH, skin::ButtonStyle::kMedium, kCellSearchDatabase),
    Skinned(IDC_GARNISH_SORTER, skin::ButtonStyle::kMedium, kCellSorter),
    Skinned(IDC_GARNISH_EXPORT, skin::ButtonStyle::kMedium, kCellExport),
    Skinned(IDC_GARNISH_INFO, skin::ButtonStyle::kMedium, kCellDatabaseInfo),
    Skinned(IDC_GARNISH_CREATE_HTML, skin::ButtonStyle::kMedium, kCellCreateHtml),
    Skinned(IDC_GARNISH_VIEW_HTML, skin::ButtonStyle::kMedium, kCellViewHtml),
    Skinned(IDC_GARNISH_SERVER_INFO, skin::ButtonStyle::kMedium, kCellFreedbServerInfo),
    Skinned(IDC_GARNISH_FREEDB_SETUP, skin::ButtonStyle::kMedium, kCellFreedbSetup),
    Skinned(IDC_GARNISH_OK, skin::ButtonStyle::kMedium, kCellOk),
};

constexpr auto kHelpIds = MakeHelpIds(
    IDC_GARNISH_EDITOR, IDC_GARNISH_SEARCH, IDC_GARNISH_SORTER, IDC_GARNISH_EXPORT,
    IDC_GARNISH_INFO, IDC_GARNISH_CREATE_HTML, IDC_GARNISH_VIEW_HTML, IDC_GARNISH_SERVER_INFO,
    IDC_GARNISH_FREEDB_SETUP, IDC_GARNISH_OK);

class GarnishDialog : public SkinnedDialog {
 public:
  explicit GarnishDialog(const GarnishInput& input)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())), input_(input) {}

 private:
  void OnCommand(int id, int code, HWND control) override;

  // True when the catalogue holds entries; otherwise shows `emptyText` and answers false.
  bool HasEntries(const char* emptyText) const;
  void OpenEditor(bool searchAtOnce);

  const GarnishInput& input_;
};

// Search Database asks the editor, for this opening only, to open the search at once.
void GarnishDialog::OpenEditor(bool searchAtOnce) {
  DatabaseEditorInput editor;
  editor.catalogueFolder = input_.catalogueFolder;
  editor.openSearchAtOnce = searchAtOnce;
  RunDatabaseEditorDialog(Window(), editor);
}

bool GarnishDialog::HasEntries(const char* emptyText) const {
  bw::Database catalogue(bw::DefaultFileSystem(), input_.catalogueFolder);
  std::uint16_t count = 0;
  // A damaged file counts its intact entries; a missing one none.
  (void)catalogue.CountEntries(&count);
  if (count > 0) return true;
  ShowMessage(Window(), emptyText);
  return false;
}

// Each child runs modally through RunModalDialog or ShowMessage, which stop this dialog's
// hover timer while it is open and restart it when it returns.
void GarnishDialog::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case IDC_GARNISH_EDITOR:
      if (HasEntries(kTextEmptyNothingToEdit)) OpenEditor(false);
      break;
    case IDC_GARNISH_SEARCH:
      if (HasEntries(kTextEmptyNothingToSearch)) OpenEditor(true);
      break;
    case IDC_GARNISH_SORTER:
      if (HasEntries(kTextEmptyNothingToSort)) {
        RunSorterDialog(Window(), SorterInput{input_.catalogueFolder});
      }
      break;
    case IDC_GARNISH_EXPORT:
      if (HasEntries(kTextEmptyNothingToExport)) {
        RunExportDialog(Window(), ExportDialogInput{input_.catalogueFolder});
      }
      break;
    case IDC_GARNISH_INFO:
      RunDatabaseInfoDialog(Window(), DatabaseInfoInput{input_.catalogueFolder});
      break;
    case IDC_GARNISH_CREATE_HTML:
      if (HasEntries(kTextEmptyNothingForWebPage)) {
        RunHtmlDocumentDialog(Window(), HtmlDocumentInput{input_.catalogueFolder});
      }
      break;
    case IDC_GARNISH_VIEW_HTML:
      ViewGeneratedHtml(Window());
      break;
    case IDC_GARNISH_FREEDB_SETUP:
      bw::freedb::RunFreedbSetupDialog(Window());
      break;
    case IDC_GARNISH_SERVER_INFO:
      bw::freedb::RunServerInfoDialog(Window());
      break;
    case IDC_GARNISH_OK:
    case IDOK:
    case IDCANCEL:  // Escape and the close button
      End(IDOK, kSoundOk);
      break;
    default:
      break;
  }
}

}  // namespace

void RunGarnishDialog(HWND owner, const GarnishInput& input) {
  GarnishDialog dialog(input);
  RunModalDialog(owner, IDD_GARNISH, dialog);
}
