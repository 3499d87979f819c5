// Dialog 2320: the figures of one information pass, each value beside its label.
#include "cddb/database_info_dialog.h"

#include <cstddef>

#include "base/file_system.h"
#include "cddb/database.h"
#include "cddb/database_info.h"
#include "resources/resource.h"
#include "shell/skinned_dialog.h"

namespace {

constexpr int kSoundOk = 7;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_DATABASE_INFO_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
};

constexpr auto kHelpIds = MakeHelpIds(
    IDC_DATABASE_INFO_FILE, IDC_DATABASE_INFO_MODIFIED, IDC_DATABASE_INFO_SIZE,
    IDC_DATABASE_INFO_ENTRIES, IDC_DATABASE_INFO_TRACKS, IDC_DATABASE_INFO_PLAYING_TIME,
    IDC_DATABASE_INFO_NOTE, IDC_DATABASE_INFO_OK);

// The value fields in the order of DatabaseInfoLines; its last line, when there is one, is
// the note on a missing or damaged file.
constexpr int kValueIds[] = {IDC_DATABASE_INFO_FILE,    IDC_DATABASE_INFO_MODIFIED,
                             IDC_DATABASE_INFO_SIZE,    IDC_DATABASE_INFO_ENTRIES,
                             IDC_DATABASE_INFO_TRACKS,  IDC_DATABASE_INFO_PLAYING_TIME,
                             IDC_DATABASE_INFO_NOTE};

class DatabaseInfoDialog : public SkinnedDialog {
 public:
  explicit DatabaseInfoDialog(const DatabaseInfoInput& input)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())), input_(input) {}

 private:
  void OnInitDialog() override {
    bw::Database catalogue(bw::DefaultFileSystem(), input_.catalogueFolder);
    bw::DatabaseInfo info;
    // A damaged file still gives its intact part's figures, and the note says so; any other
    // failure leaves the figures it reached.
    (void)bw::ReadDatabaseInfo(catalogue, &info);
    const auto lines = bw::DatabaseInfoLines(info);
    for (std::size_t i = 0; i < lines.size() && i < std::size(kValueIds); ++i) {
      SetItemText(kValueIds[i], lines[i].second);
    }
  }

  void OnCommand(int id, int code, HWND) override {
    if (code != BN_CLICKED) return;
    if (id == IDC_DATABASE_INFO_OK || id == IDOK || id == IDCANCEL) End(IDOK, kSoundOk);
  }

  const DatabaseInfoInput& input_;
};

}  // namespace

void RunDatabaseInfoDialog(HWND owner, const DatabaseInfoInput& input) {
  DatabaseInfoDialog dialog(input);
  RunModalDialog(owner, IDD_DATABASE_INFO, dialog);
}
