// Simple MAPI, loaded for the one message it sends.
#include "freedb/mapi_mail.h"

#include <mapi.h>

#include <vector>

#include "base/win32_handles.h"
#include "freedb/freedb_texts.h"

namespace bw {
namespace freedb {
namespace {

// MAPI takes writable strings; the descriptions point into the submission's own texts.
char* Writable(const std::string& text) { return const_cast<char*>(text.c_str()); }

MapiRecipDesc Describe(const MapiRecipient& recipient) {
  MapiRecipDesc description{};
  description.ulRecipClass = recipient.recipientClass;
  description.lpszName = Writable(recipient.name);
  description.lpszAddress = Writable(recipient.address);
  return description;
}

}  // namespace

std::optional<std::string> SendByMapi(HWND owner, const MapiSubmission& submission,
                                      const char* libraryName) {
  UniqueModule library(LoadLibraryA(libraryName));
  if (!library) return std::string(kTextMapiMissing);
  // Through the generic function type: the export's real type is known only to the caller.
  auto sendMail = reinterpret_cast<LPMAPISENDMAIL>(
      reinterpret_cast<void (*)()>(GetProcAddress(library.Get(), "MAPISendMail")));
  if (sendMail == nullptr) return std::string(kTextMapiMissing);

  MapiRecipDesc originator = Describe(submission.originator);
  std::vector<MapiRecipDesc> recipients;
  for (const MapiRecipient& recipient : submission.recipients) {
    recipients.push_back(Describe(recipient));
  }
  MapiMessage message{};
  message.lpszSubject = Writable(submission.subject);
  message.lpszNoteText = Writable(submission.noteText);
  message.flFlags = submission.messageFlags;
  message.lpOriginator = &originator;
  message.nRecipCount = static_cast<ULONG>(recipients.size());
  message.lpRecips = recipients.data();

  const ULONG result = sendMail(0, reinterpret_cast<ULONG_PTR>(owner), &message,
                                submission.sendFlags, 0);
  // The user chose not to send it: nothing went wrong.
  if (result == SUCCESS_SUCCESS || result == MAPI_USER_ABORT) return std::nullopt;
  return kTextMapiSendFailed + std::to_string(result) + ".";
}

}  // namespace freedb
}  // namespace bw
