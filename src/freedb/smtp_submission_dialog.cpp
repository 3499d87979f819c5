// The e-mail submission's dialog: carries out what the SMTP dialogue decides, on the socket
// notifications the dialog window receives.
#include "freedb/smtp_submission_dialog.h"

#include "freedb/cddbp_connection.h"
#include "freedb/captioned_button.h"
#include "freedb/freedb_texts.h"
#include "freedb/smtp_dialogue.h"
#include "resources/resource.h"
#include "shell/skinned_dialog.h"

namespace bw {
namespace freedb {
namespace {

constexpr int kSoundClose = 7;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_SMTP_SUBMISSION_BUTTON, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellCancel),
};

constexpr auto kHelpIds = MakeHelpIds(IDC_SMTP_SUBMISSION_BUTTON, IDC_SMTP_SUBMISSION_STATUS);

class SmtpSubmissionDialog : public SkinnedDialog {
 public:
  explicit SmtpSubmissionDialog(const SmtpSubmissionInput& input)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())),
        dialogue_(input.message, input.mailServer) {}

  bool Accepted() const { return dialogue_.Accepted(); }

 private:
  void OnInitDialog() override { Execute(dialogue_.Start()); }

  void OnCommand(int id, int, HWND) override {
    switch (id) {
      case IDOK:  // Enter: only once the conversation is over, so it cannot cut one short
        if (dialogue_.IsRunning()) break;
        [[fallthrough]];
      case IDC_SMTP_SUBMISSION_BUTTON:
      case IDCANCEL:  // Escape and the close box
        Execute(dialogue_.OnCancel());
        connection_.Release();
        End(dialogue_.Accepted() ? IDOK : IDCANCEL, kSoundClose);
        break;
      default:
        break;
    }
  }

  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    // The same number is the dialog manager's DM_SETDEFID: only this conversation's socket
    // is taken.
    if (message != kSocketNotifyMessage || !connection_.IsCurrentSocket(wParam)) {
      return std::nullopt;
    }
    OnSocketEvent(WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam));
    return TRUE;
  }

  void OnSocketEvent(int event, int error) {
    switch (event) {
      case FD_READ: {
        const std::string chunk = connection_.Receive(dialogue_.RecvLimit());
        if (!chunk.empty()) Execute(dialogue_.OnReceived(chunk));
        break;
      }
      case FD_WRITE:
        Execute(dialogue_.OnWritable());
        break;
      case FD_CONNECT:
        Execute(dialogue_.OnConnectNotified(error != 0));
        break;
      case FD_CLOSE:
        // The server's last replies may arrive with its close.
        while (connection_.IsOpen()) {
          const std::string chunk = connection_.Receive(dialogue_.RecvLimit());
          if (chunk.empty()) break;
          Execute(dialogue_.OnReceived(chunk));
        }
        Execute(dialogue_.OnClosed());
        break;
      default:
        break;
    }
  }

  void Execute(const ConversationActions& actions) {
    for (const ConversationAction& action : actions) Perform(action);
  }

  void Perform(const ConversationAction& action) {
    switch (action.kind) {
      case ConversationAction::Kind::kConnect: {
        auto status = [this](const char* text) { SetItemText(IDC_SMTP_SUBMISSION_STATUS, text); };
        if (!connection_.Open(Window(), action.text, action.port, status, kSmtpConnectionTexts,
                              kSmtpNotifyEvents)) {
          Execute(dialogue_.OnConnectStartFailed());
        }
        break;
      }
      case ConversationAction::Kind::kSend: {
        const int sent = connection_.SendSome(action.text);
        Execute(sent < 0 ? dialogue_.OnSendFailed()
                         : dialogue_.OnSent(static_cast<std::size_t>(sent)));
        break;
      }
      case ConversationAction::Kind::kShowStatus:
        SetItemText(IDC_SMTP_SUBMISSION_STATUS, action.text);
        break;
      case ConversationAction::Kind::kSetCaption:
        button_.ShowCaption(Window(), Chrome().Hover(), action.text);
        break;
      case ConversationAction::Kind::kBeep:
        MessageBeep(MB_ICONEXCLAMATION);
        break;
      case ConversationAction::Kind::kFinish:
        connection_.Release();
        break;
      default:
        break;
    }
  }

  bool OnDrawItem(const DRAWITEMSTRUCT& item) override {
    return button_.Draw(item) || SkinnedDialog::OnDrawItem(item);
  }

  SmtpDialogue dialogue_;
  CddbpConnection connection_;
  // "Cancel" while the message is on its way, "OK" once the conversation is over.
  CaptionedButton button_{IDC_SMTP_SUBMISSION_BUTTON, IDC_SMTP_SUBMISSION_CAPTION,
                          skin::medium_sheet::kCellCancel, skin::medium_sheet::kCellOk,
                          kTextCaptionOk};
};

}  // namespace

SmtpSubmissionResult RunSmtpSubmissionDialog(HWND owner, const SmtpSubmissionInput& input) {
  SmtpSubmissionDialog dialog(input);
  RunModalDialog(owner, IDD_SMTP_SUBMISSION, dialog);
  return {dialog.Accepted()};
}

}  // namespace freedb
}  // namespace bw
