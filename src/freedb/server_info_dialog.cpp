// Freedb Server Information: the "CDDBServerInformation" values shown, refreshed and stored.
#include "freedb/server_info_dialog.h"

#include <memory>
#include <string>

#include "freedb/freedb_settings.h"
#include "freedb/captioned_button.h"
#include "freedb/freedb_texts.h"
#include "freedb/server_info_dialogue.h"
#include "freedb/server_statistics.h"
#include "freedb/setup_settings.h"
#include "freedb/update_runner.h"
#include "resources/resource.h"
#include "shell/program_state.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"

namespace bw {
namespace freedb {
namespace {

constexpr int kSoundOk = 7;
constexpr int kSoundUpdate = 26;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_SERVER_INFO_UPDATE, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellUpdate),
    Skinned(IDC_SERVER_INFO_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
};

constexpr auto kHelpIds = MakeHelpIds(
    IDC_SERVER_INFO_TOTAL, IDC_SERVER_INFO_BLUES, IDC_SERVER_INFO_CLASSICAL,
    IDC_SERVER_INFO_COUNTRY, IDC_SERVER_INFO_DATA, IDC_SERVER_INFO_FOLK, IDC_SERVER_INFO_JAZZ,
    IDC_SERVER_INFO_MISC, IDC_SERVER_INFO_NEWAGE, IDC_SERVER_INFO_REGGAE, IDC_SERVER_INFO_ROCK,
    IDC_SERVER_INFO_SOUNDTRACK, IDC_SERVER_INFO_MAX_USERS, IDC_SERVER_INFO_SERVER,
    IDC_SERVER_INFO_VERSION, IDC_SERVER_INFO_STATUS, IDC_SERVER_INFO_UPDATE,
    IDC_SERVER_INFO_OK);

class ServerInfoDialog : public SkinnedDialog {
 public:
  ServerInfoDialog()
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())),
        runner_([this](const ConversationAction& action) { OnAction(action); },
                IDC_SERVER_INFO_BUSY, kServerInfoHttpReplyCapacity) {}

 private:
  ProfileStore& Profile() const { return ProgramSettingsFile(); }

  void OnInitDialog() override { ShowStoredValues(); }

  // The values as stored: "0" for a count never fetched, the server in use.
  void ShowStoredValues() const {
    const ServerInfoView view = OpenServerInfo(Profile());
    ShowCounts(view.counts);
    SetItemText(IDC_SERVER_INFO_SERVER, view.server);
    SetItemText(IDC_SERVER_INFO_VERSION, view.version);
    SetItemText(IDC_SERVER_INFO_STATUS, view.status);
  }

  void ShowCounts(const ServerCounts& counts) const {
    for (std::size_t i = 0; i < kServerInfoFields.size(); ++i) {
      SetItemText(kServerInfoFields[i].control, counts[i]);
    }
  }

  void OnCommand(int id, int, HWND) override {
    switch (id) {
      case IDC_SERVER_INFO_UPDATE:
        PlaySoundEffect(kSoundUpdate);
        if (runner_.IsRunning()) {
          runner_.Stop();
        } else {
          StartUpdate();
        }
        break;
      case IDC_SERVER_INFO_OK:
      case IDCANCEL:  // Escape
        Close();
        break;
      default:
        break;
    }
  }

  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CLOSE) {
      Close();
      return TRUE;
    }
    return runner_.OnMessage(message, wParam, lParam);
  }

  // OK and the close box: a refresh under way is stopped (the stored values come back and
  // stay); otherwise what is shown is stored.
  void Close() {
    if (runner_.IsRunning()) {
      runner_.Stop();
    } else {
      ServerCounts counts;
      for (std::size_t i = 0; i < kServerInfoFields.size(); ++i) {
        counts[i] = ItemText(kServerInfoFields[i].control, kMaxServerValueLength);
      }
      WriteServerInfo(Profile(), counts, ItemText(IDC_SERVER_INFO_VERSION, kMaxServerValueLength));
    }
    End(IDOK, kSoundOk);
  }

  void StartUpdate() {
    const FreedbSettings settings = ReadFreedbSettings(Profile());
    if (settings.transport == Transport::kCddbp) {
      runner_.Start(Window(),
                    std::make_unique<CddbpUpdateOf<CddbpServerInfoDialogue>>(
                        CddbpServerInfoDialogue(settings.cddbpHost, settings.email, LocalToday)));
    } else {
      runner_.Start(Window(), std::make_unique<HttpUpdateOf<HttpServerInfoDialogue>>(
                                  HttpServerInfoDialogue({settings.httpHost, settings.cgiScript},
                                                         settings.email, LocalToday)));
    }
  }

  void OnAction(const ConversationAction& action) {
    switch (action.kind) {
      case ConversationAction::Kind::kShowStatus:
        SetItemText(IDC_SERVER_INFO_STATUS, action.text);
        break;
      case ConversationAction::Kind::kSetCaption:
        button_.ShowCaption(Window(), Chrome().Hover(), action.text);
        break;
      case ConversationAction::Kind::kBeep:
        MessageBeep(MB_ICONEXCLAMATION);
        break;
      case ConversationAction::Kind::kShowCounts:
        ShowCounts(action.counts);
        break;
      case ConversationAction::Kind::kShowVersion:
        SetItemText(IDC_SERVER_INFO_VERSION, action.text);
        break;
      case ConversationAction::Kind::kShowStoredValues: {
        const ServerInfoView view = OpenServerInfo(Profile());
        ShowCounts(view.counts);
        SetItemText(IDC_SERVER_INFO_VERSION, view.version);
        break;
      }
      case ConversationAction::Kind::kWriteLastUpdated:
        Profile().Set(kServerInfoSection, "LastUpdated", action.text);
        break;
      default:
        break;
    }
  }

  bool OnDrawItem(const DRAWITEMSTRUCT& item) override {
    return button_.Draw(item) || SkinnedDialog::OnDrawItem(item);
  }

  void OnDestroy() override { runner_.Stop(); }

  UpdateRunner runner_;
  CaptionedButton button_{IDC_SERVER_INFO_UPDATE, IDC_SERVER_INFO_UPDATE_CAPTION,
                          skin::medium_sheet::kCellUpdate, skin::medium_sheet::kCellStop,
                          kTextCaptionStop};
};

}  // namespace

void RunServerInfoDialog(HWND owner) {
  ServerInfoDialog dialog;
  RunModalDialog(owner, IDD_SERVER_INFO, dialog);
}

}  // namespace freedb
}  // namespace bw
