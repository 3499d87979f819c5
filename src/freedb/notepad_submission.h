// Submitting a disc by hand: the message goes into cddbsub.txt in the program folder, which
// Notepad opens for the user to copy into an e-mail of their own.
#pragma once

#include <optional>
#include <string>

namespace bw {
namespace freedb {

// Writes `text` to cddbsub.txt in `programFolder` (ending in a backslash), replacing an
// earlier file, and starts Notepad on it without waiting. Nothing when Notepad started, else
// the "Error: " text to show.
std::optional<std::string> OpenSubmissionInNotepad(const std::string& programFolder,
                                                   const std::string& text);

}  // namespace freedb
}  // namespace bw
