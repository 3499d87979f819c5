// Checking a typed entry before it is submitted.
#include "freedb/submission_check.h"

#include <array>
#include <cstdio>

#include "cddb/disc_info_dialog_pages.h"
#include "freedb/freedb_texts.h"
#include "resources/resource.h"

namespace bw {
namespace freedb {
namespace {

constexpr std::array<const char*, 11> kCategories = {
    "blues", "classical", "country", "data",   "folk",      "jazz",
    "misc",  "newage",    "reggae",  "rock",   "soundtrack"};

SubmissionProblem Required(const std::string& field, int focusControl, int page = -1) {
  return {kTextRequiredFieldPrefix + field, focusControl, page};
}

}  // namespace

std::string LowerCaseCategory(std::string_view category) {
  std::string lower(category);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

bool IsFreedbCategory(std::string_view category) {
  const std::string lower = LowerCaseCategory(category);
  for (const char* valid : kCategories) {
    if (lower == valid) return true;
  }
  return false;
}

std::optional<SubmissionProblem> CheckSubmission(const SubmittedEntry& entry) {
  for (std::size_t i = 0; i < entry.trackTitles.size(); ++i) {
    if (!entry.trackTitles[i].empty()) continue;
    char field[32];
    std::snprintf(field, sizeof field, kTextRequiredTrackFormat, static_cast<int>(i) + 1);
    // A later track's row is on a later page: that page is shown and its row focused.
    const int page = static_cast<int>(i) / kDiscInfoRowsPerPage;
    const int row = static_cast<int>(i) % kDiscInfoRowsPerPage;
    return Required(field, IDC_DISC_INFO_TITLE_FIRST + row, page);
  }
  if (entry.artist.empty()) return Required(kTextRequiredArtist, IDC_DISC_INFO_ARTIST);
  if (entry.discName.empty()) return Required(kTextRequiredDiscName, IDC_DISC_INFO_DISC_NAME);
  if (entry.category.empty()) {
    return Required(std::string(kTextRequiredCategory) + kTextValidCategories,
                    IDC_DISC_INFO_CATEGORY);
  }
  if (!IsFreedbCategory(entry.category)) {
    return SubmissionProblem{kTextInvalidCategoryPrefix + entry.category + kTextValidCategories,
                             IDC_DISC_INFO_CATEGORY, -1};
  }
  return std::nullopt;
}

}  // namespace freedb
}  // namespace bw
