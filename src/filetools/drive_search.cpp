// The search dialog's opening state and its result cache.
#include "filetools/drive_search.h"

#include "filetools/filetools_texts.h"

namespace bw {
namespace {

bool SameDrive(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

std::optional<SearchResult> SearchResultCache::Take(std::string_view drive, SearchKind kind) {
  std::optional<SearchResult> taken = std::move(kept_);
  kept_.reset();
  if (taken && (!SameDrive(taken->drive, drive) || taken->kind != kind)) taken.reset();
  return taken;
}

void SearchResultCache::Keep(SearchResult result) {
  if (result.entries.empty()) {
    kept_.reset();
    return;
  }
  kept_ = std::move(result);
}

DriveSearchOpening OpenDriveSearch(std::string_view drive, SearchKind kind,
                                   SearchResultCache& cache) {
  DriveSearchOpening opening;
  opening.drive.assign(drive.data(), drive.size());
  opening.kind = kind;
  opening.title = SearchTitle(kind, drive);
  opening.fileTotalLabel = SearchFileTotalLabel(kind, drive);
  opening.folderTotalLabel = SearchFolderTotalLabel(kind, drive);
  if (std::optional<SearchResult> previous = cache.Take(drive, kind)) {
    opening.entries = std::move(previous->entries);
    opening.fileTotal = previous->fileTotal;
  }
  opening.hint = SearchHint(!opening.entries.empty());
  return opening;
}

const char* SearchHint(bool anythingListed) { return anythingListed ? kTextSearchPickHint : ""; }

}  // namespace bw
