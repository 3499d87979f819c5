// The three ways a disc goes to Freedb, as texts and data: the e-mail the program's own SMTP
// client sends, the message handed to Simple MAPI, and the file opened in Notepad for the
// user to mail by hand. All three carry the same subject and xmcd record.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "freedb/protocol_lines.h"
#include "freedb/submission_check.h"

namespace bw {
namespace freedb {

// Where the service takes submissions by e-mail.
inline constexpr const char* kSubmissionAddress = "gnudb-submit@gnudb.org";
inline constexpr const char* kSubmissionFileName = "cddbsub.txt";
inline constexpr int kSmtpPort = 25;

enum class SubmissionMode { kSmtp, kMapi, kNotepad };

// "m"/"M" MAPI, "n"/"N" Notepad, anything else (and nothing) SMTP.
SubmissionMode SubmissionModeFromSetting(std::string_view setting);
// "SMTP", "MAPI" or "Notepad", as Freedb Setup stores it.
const char* SubmissionModeSetting(SubmissionMode mode);

// What every form carries.
struct SubmissionTexts {
  std::string subject;  // "cddb rock 7a0b1c09": the category in lower case, the disc ID
  std::string record;   // the xmcd record
};
SubmissionTexts PrepareSubmission(const DiscQuery& disc, const SubmittedEntry& entry);

// An address as it goes into a header or command line: control bytes (CR, LF) are dropped so
// a typed address cannot add lines of its own.
std::string OneLineAddress(std::string_view address);

// The SMTP side: the envelope lines and the message that follows DATA. The message holds the
// header lines, an empty line, the record (a line starting with "." gets a second one) and
// the end of data "\r\n.\r\n"; it is as long as the record needs.
struct SmtpMessage {
  std::string senderLine;     // "MAIL FROM:<user@host>\r\n"
  std::string recipientLine;  // "RCPT TO:<address>\r\n"
  std::string message;
};
SmtpMessage MakeSmtpMessage(std::string_view email, const SubmissionTexts& texts);

// Simple MAPI's message as data, for the host to hand to MAPISendMail.
inline constexpr unsigned long kMapiOriginator = 0;           // MAPI_ORIG
inline constexpr unsigned long kMapiTo = 1;                   // MAPI_TO
inline constexpr unsigned long kMapiReceiptRequested = 0x2;   // MAPI_RECEIPT_REQUESTED
inline constexpr unsigned long kMapiLogonUi = 0x1;            // MAPI_LOGON_UI
struct MapiRecipient {
  unsigned long recipientClass = kMapiTo;
  std::string name;
  std::string address;
};
struct MapiSubmission {
  std::string subject;
  std::string noteText;  // the record
  MapiRecipient originator;
  std::vector<MapiRecipient> recipients;
  unsigned long messageFlags = kMapiReceiptRequested;
  unsigned long sendFlags = kMapiLogonUi;  // MAPISendMail's flags
};
MapiSubmission MakeMapiSubmission(std::string_view email, const SubmissionTexts& texts);

// The text of cddbsub.txt: how to send it, the address, the subject and the record.
std::string NotepadSubmissionText(const SubmissionTexts& texts);
// "notepad.exe" and the file's path in quotes (the program folder may hold blanks).
std::string NotepadCommandLine(std::string_view filePath);

}  // namespace freedb
}  // namespace bw
