// The inexact-match dialog.
#include "freedb/inexact_match_dialog.h"

#include "resources/resource.h"
#include "shell/skinned_dialog.h"

namespace bw {
namespace freedb {
namespace {

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_INEXACT_OK, skin::ButtonStyle::kLarge, skin::large_sheet::kCellOk),
    Skinned(IDC_INEXACT_CANCEL, skin::ButtonStyle::kLarge, skin::large_sheet::kCellCancel),
};

constexpr auto kHelpIds = MakeHelpIds(IDC_INEXACT_OK, IDC_INEXACT_CANCEL, IDC_INEXACT_LIST);

class InexactMatchDialog : public SkinnedDialog {
 public:
  explicit InexactMatchDialog(const std::vector<InexactMatch>& matches)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())), matches_(matches) {}

 private:
  void OnInitDialog() override {
    HWND list = Item(IDC_INEXACT_LIST);
    for (const InexactMatch& match : matches_) {
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(match.ListText().c_str()));
    }
    SendMessageA(list, LB_SETCURSEL, 0, 0);
  }

  void OnCommand(int id, int code, HWND) override {
    switch (id) {
      case IDC_INEXACT_OK:
      case IDOK:  // Enter
        End(SelectedIndex());
        break;
      case IDC_INEXACT_LIST:
        if (code == LBN_DBLCLK) End(SelectedIndex());
        break;
      case IDC_INEXACT_CANCEL:
      case IDCANCEL:  // Escape
        End(-1);
        break;
      default:
        break;
    }
  }

  // Closing from the system menu keeps the selection, as OK does.
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM) override {
    if (message != WM_SYSCOMMAND || (wParam & 0xFFF0) != SC_CLOSE) return std::nullopt;
    End(SelectedIndex());
    return TRUE;
  }

  int SelectedIndex() const {
    const LRESULT selected = SendDlgItemMessageA(Window(), IDC_INEXACT_LIST, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
  }

  const std::vector<InexactMatch>& matches_;
};

}  // namespace

int RunInexactMatchDialog(HWND owner, const std::vector<InexactMatch>& matches) {
  if (matches.size() == 1) return 0;
  InexactMatchDialog dialog(matches);
  const INT_PTR chosen = RunModalDialog(owner, IDD_INEXACT_MATCHES, dialog);
  if (chosen < 0 || chosen >= static_cast<INT_PTR>(matches.size())) return -1;
  return static_cast<int>(chosen);
}

}  // namespace freedb
}  // namespace bw
