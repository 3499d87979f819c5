// The resumable walk of the drive search.
#include "filetools/folder_walk.h"

#include <algorithm>

#include "filetools/file_pattern.h"
#include "shell/folder_path.h"

namespace bw {

FolderWalk::FolderWalk(DirectoryLister& lister, std::string root,
                       std::vector<std::string> patterns, NameOrder order)
    : lister_(lister), root_(std::move(root)), patterns_(std::move(patterns)),
      order_(order ? std::move(order) : NameOrder(CompareNamesIgnoringCase)) {
  if (root_.empty() || root_.back() != '\\') root_ += '\\';
}

bool FolderWalk::Enter(std::string path, Level* level) {
  level->path = std::move(path);
  FileId id;
  const Status status = lister_.List(level->path, &id, [&](const DirectoryEntry& entry) {
    if (entry.name == "." || entry.name == "..") return;
    if (entry.IsFolder()) {
      level->subfolders.emplace_back(entry.name);
    } else if (MatchesAnyFilePattern(entry.name, patterns_)) {
      ++level->count;
      level->lastFile.assign(entry.name.data(), entry.name.size());
    }
  });
  if (id.known && !seen_.insert(id).second) return false;
  if (!status.IsOk()) {
    // A folder that cannot be listed counts as empty.
    level->subfolders.clear();
    level->count = 0;
    level->lastFile.clear();
    return true;
  }
  std::sort(level->subfolders.begin(), level->subfolders.end(),
            [this](const std::string& a, const std::string& b) { return NameBefore(order_, a, b); });
  return true;
}

void FolderWalk::Visit(const Level& level) {
  ++foldersVisited_;
  currentFolder_ = level.path;
  if (level.count > 0) {
    results_.push_back(SearchResultEntry{level.path, level.count});
    fileTotal_ += level.count;
    lastFileName_ = level.lastFile;
  }
}

bool FolderWalk::Step(int maxFolders) {
  if (finished_) return false;
  int budget = maxFolders > 0 ? maxFolders : 1;
  if (!started_) {
    started_ = true;
    Level root;
    Enter(root_, &root);  // the root is never a repeat
    Visit(root);          // the root comes first, before any of its subfolders
    levels_.push_back(std::move(root));
    --budget;
  }
  while (budget > 0) {
    Level& top = levels_.back();
    if (top.next < top.subfolders.size()) {
      std::string path = top.path;
      path += top.subfolders[top.next];
      path += '\\';
      ++top.next;
      if (path.size() > kFolderPathLimit) {
        ++foldersSkipped_;
        continue;
      }
      Level child;
      if (!Enter(std::move(path), &child)) {
        ++foldersSkipped_;
        continue;
      }
      levels_.push_back(std::move(child));
      --budget;
      continue;
    }
    if (levels_.size() == 1) {  // every subfolder of the root is done; the root was first
      finished_ = true;
      levels_.clear();
      seen_.clear();
      return false;
    }
    Visit(levels_.back());
    levels_.pop_back();
  }
  return true;
}

void FolderWalk::Stop() {
  if (finished_) return;
  finished_ = true;
  stopped_ = true;
  levels_.clear();
  seen_.clear();
}

}  // namespace bw
