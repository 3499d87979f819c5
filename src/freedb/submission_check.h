// Whether a disc typed in the Add / Edit dialog may go to Freedb: every track titled, an
// artist, a disc name and one of the service's eleven categories. The first field missing
// or wrong names the message to show and the control to give the focus to.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bw {
namespace freedb {

// What is sent for the disc in the drive, as the dialog holds it.
struct SubmittedEntry {
  std::vector<std::string> trackTitles;  // one per track of the disc in the drive
  std::string artist;
  std::string discName;
  std::string category;
  std::string notes;  // at most kMaxSubmittedNotes characters are taken from the edit
};

inline constexpr std::size_t kMaxSubmittedNotes = 256;

struct SubmissionProblem {
  std::string message;  // for the message box
  int focusControl = 0;
  // The dialog's page of fifteen track rows to show before the focus moves (a title beyond
  // the fifteenth track is edited on a later page); -1 for the fields every page shows.
  int page = -1;
};

// Nothing when the entry may be sent.
std::optional<SubmissionProblem> CheckSubmission(const SubmittedEntry& entry);

// "blues", "classical", "country", "data", "folk", "jazz", "misc", "newage", "reggae",
// "rock", "soundtrack", compared without regard to case.
bool IsFreedbCategory(std::string_view category);

// The category as the subject line carries it: "Rock" becomes "rock". Only ASCII letters
// change; every valid category is ASCII.
std::string LowerCaseCategory(std::string_view category);

}  // namespace freedb
}  // namespace bw
