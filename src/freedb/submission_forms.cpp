// The e-mail, MAPI and Notepad forms of a submission.
#include "freedb/submission_forms.h"

#include <cstdio>

#include "freedb/freedb_texts.h"
#include "freedb/xmcd_writer.h"

namespace bw {
namespace freedb {

SubmissionMode SubmissionModeFromSetting(std::string_view setting) {
  const char first = setting.empty() ? '\0' : setting[0];
  if (first == 'm' || first == 'M') return SubmissionMode::kMapi;
  if (first == 'n' || first == 'N') return SubmissionMode::kNotepad;
  return SubmissionMode::kSmtp;
}

const char* SubmissionModeSetting(SubmissionMode mode) {
  switch (mode) {
    case SubmissionMode::kMapi: return "MAPI";
    case SubmissionMode::kNotepad: return "Notepad";
    case SubmissionMode::kSmtp: break;
  }
  return "SMTP";
}

SubmissionTexts PrepareSubmission(const DiscQuery& disc, const SubmittedEntry& entry) {
  char discId[9];
  std::snprintf(discId, sizeof discId, "%08x", static_cast<unsigned>(disc.discId));
  SubmissionTexts texts;
  texts.subject = "cddb " + LowerCaseCategory(entry.category) + " " + discId;
  texts.record = WriteXmcdRecord(disc, entry);
  return texts;
}

std::string OneLineAddress(std::string_view address) {
  std::string line;
  for (char c : address) {
    if (static_cast<unsigned char>(c) >= ' ') line += c;
  }
  return line;
}

SmtpMessage MakeSmtpMessage(std::string_view email, const SubmissionTexts& texts) {
  const std::string from = OneLineAddress(email);
  SmtpMessage smtp;
  smtp.senderLine = "MAIL FROM:<" + from + ">\r\n";
  smtp.recipientLine = std::string("RCPT TO:<") + kSubmissionAddress + ">\r\n";

  std::string& message = smtp.message;
  message.reserve(texts.record.size() + 256);
  message += "From: " + from + "\r\n";
  message += std::string("To: ") + kSubmissionAddress + "\r\n";
  message += "Subject: " + OneLineAddress(texts.subject) + "\r\n";
  // The empty line ends the header: without it mail servers take the record's first lines
  // for broken header fields.
  message += "\r\n";
  bool lineStart = true;
  for (char c : texts.record) {
    // A line of a lone "." would end the data early; SMTP doubles a leading dot.
    if (lineStart && c == '.') message += '.';
    message += c;
    lineStart = c == '\n';
  }
  message += "\r\n.\r\n";
  return smtp;
}

MapiSubmission MakeMapiSubmission(std::string_view email, const SubmissionTexts& texts) {
  MapiSubmission mapi;
  mapi.subject = texts.subject;
  mapi.noteText = texts.record;
  mapi.originator.recipientClass = kMapiOriginator;
  mapi.originator.name = std::string(email);
  mapi.originator.address = std::string(email);
  mapi.recipients.push_back({kMapiTo, kSubmissionAddress, kSubmissionAddress});
  return mapi;
}

std::string NotepadSubmissionText(const SubmissionTexts& texts) {
  std::string text;
  text.reserve(texts.record.size() + 512);
  text += kTextNotepadIntroduction;
  text += "\r\n\r\n";
  text += kTextNotepadToMarker;
  text += "\r\n";
  text += kSubmissionAddress;
  text += "\r\n\r\n";
  text += kTextNotepadSubjectMarker;
  text += "\r\n";
  text += texts.subject;
  text += "\r\n\r\n";
  text += kTextNotepadMessageMarker;
  text += "\r\n";
  text += texts.record;
  return text;
}

std::string NotepadCommandLine(std::string_view filePath) {
  return "notepad.exe \"" + std::string(filePath) + "\"";
}

}  // namespace freedb
}  // namespace bw
