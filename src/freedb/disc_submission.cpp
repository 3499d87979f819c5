// Choosing the way a disc goes to Freedb, and reporting a failed one.
#include "freedb/disc_submission.h"

#include <optional>
#include <string>

#include "freedb/freedb_settings.h"
#include "freedb/mapi_mail.h"
#include "freedb/notepad_submission.h"
#include "freedb/protocol_lines.h"
#include "freedb/smtp_submission_dialog.h"
#include "freedb/submission_forms.h"
#include "shell/message_box.h"
#include "shell/program_state.h"

namespace bw {
namespace freedb {

void SubmitDisc(HWND owner, const DiscSubmission& submission) {
  ProfileStore& profile = ProgramSettingsFile();
  const FreedbSettings settings = ReadFreedbSettings(profile);  // the address, or the placeholder
  const SubmissionTexts texts =
      PrepareSubmission(MakeDiscQuery(submission.toc, submission.discId), submission.entry);

  std::optional<std::string> error;
  switch (SubmissionModeFromSetting(profile.Get(kSettingsSection, "CDDBSubmissionMode", ""))) {
    case SubmissionMode::kSmtp:
      RunSmtpSubmissionDialog(owner, {MakeSmtpMessage(settings.email, texts),
                                      profile.Get(kSettingsSection, "MailServer", "")});
      break;
    case SubmissionMode::kMapi:
      error = SendByMapi(owner, MakeMapiSubmission(settings.email, texts));
      break;
    case SubmissionMode::kNotepad:
      error = OpenSubmissionInNotepad(g_programFolder, NotepadSubmissionText(texts));
      break;
  }
  if (error) ShowMessage(owner, *error);
}

}  // namespace freedb
}  // namespace bw
