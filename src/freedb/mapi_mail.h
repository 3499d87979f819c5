// Submitting a disc through the system's Simple MAPI: the user's own e-mail program sends the
// message, asking for a logon when it needs one.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "freedb/submission_forms.h"

namespace bw {
namespace freedb {

inline constexpr const char* kMapiLibraryName = "Mapi32.dll";

// Loads the library, hands the message to MAPISendMail with `owner` as the parent of the mail
// program's windows, and lets the library go. Nothing when the message went (or the user
// cancelled it in the mail program), else the "Error: " text to show.
std::optional<std::string> SendByMapi(HWND owner, const MapiSubmission& submission,
                                      const char* libraryName = kMapiLibraryName);

}  // namespace freedb
}  // namespace bw
