// The drive search dialog's state apart from its window: what it shows on opening, the
// result kept for the next search of the same drive and kind, and what it hands back to
// the folder browser.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "filetools/folder_walk.h"
#include "filetools/search_kind.h"

namespace bw {

struct SearchResult {
  std::string drive;  // "C:"
  SearchKind kind = SearchKind::kAudio;
  std::vector<SearchResultEntry> entries;
  std::int64_t fileTotal = 0;
};

// The last search's result, kept between dialogs for as long as the program runs.
class SearchResultCache {
 public:
  // The kept result when it is for `drive` (letters compared in upper case) and `kind`.
  // The cache is empty afterwards either way: another drive or kind frees it.
  std::optional<SearchResult> Take(std::string_view drive, SearchKind kind);
  // Keeps the result the dialog ends with; an empty list keeps nothing.
  void Keep(SearchResult result);
  bool IsEmpty() const { return !kept_.has_value(); }

 private:
  std::optional<SearchResult> kept_;
};

// What the search dialog shows when it opens: title, total labels, and the previous result
// of this drive and kind (taken from the cache) or nothing.
struct DriveSearchOpening {
  std::string drive;
  SearchKind kind = SearchKind::kAudio;
  std::string title;
  std::string fileTotalLabel;
  std::string folderTotalLabel;
  std::vector<SearchResultEntry> entries;
  std::int64_t fileTotal = 0;
  std::string hint;  // kTextSearchPickHint when the list is not empty, else ""
};

DriveSearchOpening OpenDriveSearch(std::string_view drive, SearchKind kind,
                                   SearchResultCache& cache);

// The hint under the list: how to pick, once there is something to pick.
const char* SearchHint(bool anythingListed);

// What the search gives back to the folder browser: `cancelled` unless the user chose OK or
// double-clicked a result, and then the picked folder (ending in "\").
struct DriveSearchOutcome {
  bool cancelled = true;
  std::string folder;
};

}  // namespace bw
