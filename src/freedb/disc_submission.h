// The Add / Edit dialog's Submit New Entry, once the typed entry has passed its check: sends the
// disc to Freedb the way "CDDBSubmissionMode" chooses (the e-mail dialog, Simple MAPI or
// Notepad) and tells the user when that way fails.
#pragma once

#include <windows.h>

#include <cstdint>

#include "cd/table_of_contents.h"
#include "freedb/submission_check.h"

namespace bw {
namespace freedb {

struct DiscSubmission {
  TableOfContents toc;  // the disc in the drive
  std::uint32_t discId = 0;
  SubmittedEntry entry;  // as typed, already checked
};

void SubmitDisc(HWND owner, const DiscSubmission& submission);

}  // namespace freedb
}  // namespace bw
