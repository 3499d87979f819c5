// Freedb Setup: the "CDDB" settings shown and stored, and Update's site list.
#include "freedb/freedb_setup_dialog.h"

#include <memory>
#include <string>
#include <vector>

#include "freedb/captioned_button.h"
#include "freedb/freedb_texts.h"
#include "freedb/setup_settings.h"
#include "freedb/sites_dialogue.h"
#include "freedb/update_runner.h"
#include "resources/resource.h"
#include "shell/message_box.h"
#include "shell/program_state.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"

namespace bw {
namespace freedb {
namespace {

constexpr int kSoundOk = 7;
constexpr int kSoundCancel = 2;
constexpr int kSoundRadio = 20;
constexpr int kSoundUpdate = 26;
constexpr int kMaxTypedSetting = 255;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_FREEDB_SETUP_UPDATE, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellUpdate),
    Skinned(IDC_FREEDB_SETUP_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
    Skinned(IDC_FREEDB_SETUP_CANCEL, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellCancel),
};

constexpr auto kHelpIds = MakeHelpIds(
    IDC_FREEDB_SETUP_SMTP, IDC_FREEDB_SETUP_MAPI, IDC_FREEDB_SETUP_NOTEPAD,
    IDC_FREEDB_SETUP_EMAIL, IDC_FREEDB_SETUP_MAIL_SERVER, IDC_FREEDB_SETUP_MAIL_SERVER_LABEL,
    IDC_FREEDB_SETUP_HTTP, IDC_FREEDB_SETUP_CDDBP, IDC_FREEDB_SETUP_HTTP_SERVERS,
    IDC_FREEDB_SETUP_HTTP_LABEL, IDC_FREEDB_SETUP_HTTP_COUNT, IDC_FREEDB_SETUP_CGI,
    IDC_FREEDB_SETUP_CGI_LABEL, IDC_FREEDB_SETUP_CDDBP_SERVERS, IDC_FREEDB_SETUP_CDDBP_LABEL,
    IDC_FREEDB_SETUP_CDDBP_COUNT, IDC_FREEDB_SETUP_UPDATE, IDC_FREEDB_SETUP_STATUS,
    IDC_FREEDB_SETUP_OK, IDC_FREEDB_SETUP_CANCEL);

// One server list's controls.
struct ListControls {
  int combo;
  int count;
  const char* currentKey;
};
constexpr ListControls kHttpList{IDC_FREEDB_SETUP_HTTP_SERVERS, IDC_FREEDB_SETUP_HTTP_COUNT,
                                 "CurrentHTTPServer"};
constexpr ListControls kCddbpList{IDC_FREEDB_SETUP_CDDBP_SERVERS, IDC_FREEDB_SETUP_CDDBP_COUNT,
                                  "CurrentCDDBPServer"};

class FreedbSetupDialog : public SkinnedDialog {
 public:
  FreedbSetupDialog()
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())),
        runner_([this](const ConversationAction& action) { OnAction(action); },
                IDC_FREEDB_SETUP_BUSY, kSitesHttpReplyCapacity) {}

 private:
  ProfileStore& Profile() const { return ProgramSettingsFile(); }

  void OnInitDialog() override {
    const FreedbSetup setup = OpenFreedbSetup(Profile());
    SetItemText(IDC_FREEDB_SETUP_EMAIL, setup.email);
    SetItemText(IDC_FREEDB_SETUP_MAIL_SERVER, setup.mailServer);
    SetItemText(IDC_FREEDB_SETUP_CGI, setup.cgiScript);
    for (int id : {IDC_FREEDB_SETUP_EMAIL, IDC_FREEDB_SETUP_MAIL_SERVER, IDC_FREEDB_SETUP_CGI}) {
      SendDlgItemMessageA(Window(), id, EM_LIMITTEXT, kMaxTypedSetting, 0);
    }
    ShowList(kHttpList, setup.http);
    ShowList(kCddbpList, setup.cddbp);
    SetItemText(IDC_FREEDB_SETUP_STATUS, setup.status);
    CheckRadioButton(Window(), IDC_FREEDB_SETUP_HTTP, IDC_FREEDB_SETUP_CDDBP,
                     setup.transport == Transport::kCddbp ? IDC_FREEDB_SETUP_CDDBP
                                                          : IDC_FREEDB_SETUP_HTTP);
    const int submissionRadio = setup.submission == SubmissionMode::kMapi ? IDC_FREEDB_SETUP_MAPI
                                : setup.submission == SubmissionMode::kNotepad
                                    ? IDC_FREEDB_SETUP_NOTEPAD
                                    : IDC_FREEDB_SETUP_SMTP;
    CheckRadioButton(Window(), IDC_FREEDB_SETUP_SMTP, IDC_FREEDB_SETUP_NOTEPAD, submissionRadio);
    EnableTransportControls();
    EnableMailServer();
  }

  void ShowList(const ListControls& controls, const ServerList& list) const {
    HWND combo = Item(controls.combo);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : list.entries) {
      SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(list.selected), 0);
    SetItemText(controls.count, std::to_string(list.entries.size()));
  }

  ServerList ReadList(const ListControls& controls) const {
    HWND combo = Item(controls.combo);
    ServerList list;
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
      std::string entry(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, '\0');
      SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                   reinterpret_cast<LPARAM>(&entry[0]));
      entry.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
      list.entries.push_back(entry);
    }
    list.selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    return list;
  }

  bool CddbpChosen() const { return IsChecked(IDC_FREEDB_SETUP_CDDBP); }
  Transport ChosenTransport() const { return CddbpChosen() ? Transport::kCddbp : Transport::kHttp; }

  SubmissionMode ChosenSubmission() const {
    if (IsChecked(IDC_FREEDB_SETUP_MAPI)) return SubmissionMode::kMapi;
    if (IsChecked(IDC_FREEDB_SETUP_NOTEPAD)) return SubmissionMode::kNotepad;
    return SubmissionMode::kSmtp;
  }

  void EnableTransportControls() const {
    const bool http = !CddbpChosen();
    for (int id : {IDC_FREEDB_SETUP_HTTP_LABEL, IDC_FREEDB_SETUP_HTTP_COUNT,
                   IDC_FREEDB_SETUP_HTTP_SERVERS, IDC_FREEDB_SETUP_CGI_LABEL,
                   IDC_FREEDB_SETUP_CGI}) {
      EnableItem(id, http);
    }
    for (int id : {IDC_FREEDB_SETUP_CDDBP_LABEL, IDC_FREEDB_SETUP_CDDBP_COUNT,
                   IDC_FREEDB_SETUP_CDDBP_SERVERS}) {
      EnableItem(id, !http);
    }
  }

  void EnableMailServer() const {
    const bool smtp = IsChecked(IDC_FREEDB_SETUP_SMTP);
    EnableItem(IDC_FREEDB_SETUP_MAIL_SERVER, smtp);
    EnableItem(IDC_FREEDB_SETUP_MAIL_SERVER_LABEL, smtp);
  }

  void OnCommand(int id, int code, HWND) override {
    switch (id) {
      case IDC_FREEDB_SETUP_SMTP:
      case IDC_FREEDB_SETUP_MAPI:
      case IDC_FREEDB_SETUP_NOTEPAD:
        if (code != BN_CLICKED) break;
        PlaySoundEffect(kSoundRadio);
        EnableMailServer();
        break;
      case IDC_FREEDB_SETUP_HTTP:
      case IDC_FREEDB_SETUP_CDDBP:
        if (code != BN_CLICKED) break;
        PlaySoundEffect(kSoundRadio);
        EnableTransportControls();
        WriteTransport(Profile(), ChosenTransport());
        break;
      case IDC_FREEDB_SETUP_UPDATE:
        PlaySoundEffect(kSoundUpdate);
        if (runner_.IsRunning()) {
          runner_.Stop();
        } else {
          StartUpdate();
        }
        break;
      case IDC_FREEDB_SETUP_OK:
        Store();
        runner_.Stop();
        End(IDOK, kSoundOk);
        break;
      case IDC_FREEDB_SETUP_CANCEL:
      case IDCANCEL:  // Escape
        runner_.Stop();
        End(IDCANCEL, kSoundCancel);
        break;
      default:
        break;
    }
  }

  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CLOSE) {  // the close box: nothing is written
      runner_.Stop();
      End(IDCANCEL, kSoundOk);
      return TRUE;
    }
    return runner_.OnMessage(message, wParam, lParam);
  }

  void StartUpdate() {
    if (std::optional<std::string> refusal =
            TakeEmailForUpdate(Profile(), ItemText(IDC_FREEDB_SETUP_EMAIL, kMaxTypedSetting))) {
      ShowMessage(Window(), *refusal);
      return;
    }
    const std::string email = ItemText(IDC_FREEDB_SETUP_EMAIL, kMaxTypedSetting);
    if (CddbpChosen()) {
      runner_.Start(Window(), std::make_unique<CddbpUpdateOf<CddbpSitesDialogue>>(
                                  CddbpSitesDialogue(email, LocalToday, SitesServerHost())));
    } else {
      runner_.Start(Window(), std::make_unique<HttpUpdateOf<HttpSitesDialogue>>(
                                  HttpSitesDialogue(email, LocalToday, SitesServerHost())));
    }
  }

  // OK: the typed and chosen values; the lists too unless a fetch is still filling them.
  void Store() const {
    FreedbSetup setup;
    setup.email = ItemText(IDC_FREEDB_SETUP_EMAIL, kMaxTypedSetting);
    setup.mailServer = ItemText(IDC_FREEDB_SETUP_MAIL_SERVER, kMaxTypedSetting);
    setup.cgiScript = ItemText(IDC_FREEDB_SETUP_CGI, kMaxTypedSetting);
    setup.submission = ChosenSubmission();
    setup.transport = ChosenTransport();
    setup.http = ReadList(kHttpList);
    setup.cddbp = ReadList(kCddbpList);
    WriteFreedbSetup(Profile(), setup, runner_.IsRunning());
  }

  void OnAction(const ConversationAction& action) {
    switch (action.kind) {
      case ConversationAction::Kind::kShowStatus:
        SetItemText(IDC_FREEDB_SETUP_STATUS, action.text);
        break;
      case ConversationAction::Kind::kSetCaption:
        button_.ShowCaption(Window(), Chrome().Hover(), action.text);
        break;
      case ConversationAction::Kind::kBeep:
        MessageBeep(MB_ICONEXCLAMATION);
        break;
      case ConversationAction::Kind::kShowSites:
        ShowSites(action.sites);
        break;
      case ConversationAction::Kind::kWriteLastUpdated:
        Profile().Set(kSettingsSection, "LastUpdated", action.text);
        break;
      default:
        break;
    }
  }

  // A fetched list replaces the shown one (an empty one leaves it); the entry in use stays
  // chosen when the new list holds it, else the first entry is, so OK never stores a list
  // without a server in use.
  void ShowSites(const SiteList& sites) {
    if (!sites.http.empty()) {
      ShowFetchedList(kHttpList, sites.http);
      SetItemText(IDC_FREEDB_SETUP_CGI, kDefaultCgiScript);
    }
    if (!sites.cddbp.empty()) ShowFetchedList(kCddbpList, sites.cddbp);
  }

  void ShowFetchedList(const ListControls& controls, const std::vector<std::string>& entries) {
    ServerList list;
    list.entries = entries;
    list.selected =
        SelectServerEntry(entries, Profile().Get(kSettingsSection, controls.currentKey, ""));
    if (list.selected < 0) list.selected = 0;
    ShowList(controls, list);
  }

  bool OnDrawItem(const DRAWITEMSTRUCT& item) override {
    return button_.Draw(item) || SkinnedDialog::OnDrawItem(item);
  }

  void OnDestroy() override { runner_.Stop(); }

  UpdateRunner runner_;
  CaptionedButton button_{IDC_FREEDB_SETUP_UPDATE, IDC_FREEDB_SETUP_UPDATE_CAPTION,
                          skin::medium_sheet::kCellUpdate, skin::medium_sheet::kCellStop,
                          kTextCaptionStop};
};

}  // namespace

void RunFreedbSetupDialog(HWND owner) {
  FreedbSetupDialog dialog;
  RunModalDialog(owner, IDD_FREEDB_SETUP, dialog);
}

}  // namespace freedb
}  // namespace bw
