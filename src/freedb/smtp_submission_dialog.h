// Dialog 3800, "Freedb Email Subbmission": sends one disc to Freedb through the user's mail
// server, showing each step of the conversation, and closes when the user presses its button.
#pragma once

#include <windows.h>

#include <string>

#include "freedb/submission_forms.h"

namespace bw {
namespace freedb {

struct SmtpSubmissionInput {
  SmtpMessage message;
  std::string mailServer;  // "MailServer", used whole
};

struct SmtpSubmissionResult {
  bool accepted = false;  // the server took the message
};

SmtpSubmissionResult RunSmtpSubmissionDialog(HWND owner, const SmtpSubmissionInput& input);

}  // namespace freedb
}  // namespace bw
