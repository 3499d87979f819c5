// The drive search's walk: every folder below a root, in the order the search has always
// shown them (the root first, then each folder after all of its subfolders, subfolders in
// sorted order), counting the files that match the kind's patterns. The walk goes in steps
// so the dialog can keep its window alive, show progress and stop it between folders.
//
// Each folder is listed exactly once. While the walk is below a folder it keeps that
// folder's sorted subfolder names, so a folder of many subfolders costs one listing and one
// sort, however many children it has. Paths stay within the program's 260-character
// buffers: a folder whose path (with its final "\") would pass 259 characters is skipped
// with everything below it, which also bounds the depth (at most 128 levels below a drive
// root). A folder reached a second time through a link or junction (the same FileId) is
// not walked again.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "filetools/directory_lister.h"

namespace bw {

// One line of the search result: a folder (its full path ending in "\") and the number of
// its files that match.
struct SearchResultEntry {
  std::string folder;
  int count = 0;

  bool operator==(const SearchResultEntry& other) const {
    return folder == other.folder && count == other.count;
  }
};

class FolderWalk {
 public:
  // `root` is a folder ending in "\" ("C:\"); `patterns` as "*.wav". The lister must
  // outlive the walk.
  FolderWalk(DirectoryLister& lister, std::string root, std::vector<std::string> patterns,
             NameOrder order = CompareNamesIgnoringCase);

  // Lists up to `maxFolders` more folders (at least one) and reports the folders whose
  // subfolders are all done. Answers true while folders remain, false once the walk has
  // finished or was stopped.
  [[nodiscard]] bool Step(int maxFolders);

  // Ends the walk where it is; what was found so far stays, but the result is incomplete.
  void Stop();

  bool Finished() const { return finished_; }
  // True when the walk went through every folder it could reach (not stopped).
  bool Complete() const { return finished_ && !stopped_; }

  // The folders with matching files, in visiting order.
  const std::vector<SearchResultEntry>& Results() const { return results_; }
  std::int64_t FileTotal() const { return fileTotal_; }
  // Progress: the folder visited last ("" before the first) and its last matching file.
  const std::string& CurrentFolder() const { return currentFolder_; }
  const std::string& LastFileName() const { return lastFileName_; }
  int FoldersVisited() const { return foldersVisited_; }
  // Folders left out: too long a path, or reached a second time.
  int FoldersSkipped() const { return foldersSkipped_; }

 private:
  struct Level {
    std::string path;                     // ends in "\"
    std::vector<std::string> subfolders;  // sorted
    std::size_t next = 0;                 // the next subfolder to go down into
    int count = 0;                        // matching files
    std::string lastFile;
  };

  // Lists `path` into a new level; false when the folder was walked before.
  bool Enter(std::string path, Level* level);
  void Visit(const Level& level);

  DirectoryLister& lister_;
  std::string root_;
  std::vector<std::string> patterns_;
  NameOrder order_;

  std::vector<Level> levels_;  // the root, then each folder down to the one being walked
  std::unordered_set<FileId, FileIdHash> seen_;
  std::vector<SearchResultEntry> results_;
  std::int64_t fileTotal_ = 0;
  std::string currentFolder_;
  std::string lastFileName_;
  int foldersVisited_ = 0;
  int foldersSkipped_ = 0;
  bool started_ = false;
  bool finished_ = false;
  bool stopped_ = false;
};

}  // namespace bw
