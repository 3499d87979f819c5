// Helpers of the file tools' tests: a folder tree held in memory behind the lister
// interface (with links, unreadable folders and a count of listings), and real trees on disk.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "filetools/directory_lister.h"

namespace bw::testing {

// Folders are named by program paths ending in "\" ("C:\Music\"); listing order is the
// order entries were added, which tests shuffle on purpose.
class MemoryTree final : public DirectoryLister {
 public:
  // Adds `path` (ending in "\") and every folder above it.
  void AddFolder(const std::string& path) {
    std::string parent;
    std::size_t start = 0;
    while (true) {
      const std::size_t end = path.find('\\', start);
      if (end == std::string::npos) break;
      const std::string folder = path.substr(0, end + 1);
      if (!folders_.count(folder)) {
        folders_[folder].id = nextId_++;
        if (!parent.empty()) folders_[parent].entries.push_back({path.substr(start, end - start), true});
      }
      parent = folder;
      start = end + 1;
    }
  }
  void AddFile(const std::string& folder, const std::string& name) {
    AddFolder(folder);
    folders_[folder].entries.push_back({name, false});
  }
  // `folder` gets a subfolder entry `name` that leads to `target`'s contents and identity.
  void AddLink(const std::string& folder, const std::string& name, const std::string& target) {
    AddFolder(folder);
    folders_[folder].entries.push_back({name, true});
    links_[folder + name + "\\"] = target;
  }
  void MakeUnreadable(const std::string& folder) { unreadable_.insert(folder); }
  void ForgetIdentities() { identities_ = false; }

  Status List(const std::string& folder, FileId* folderId,
              const DirectoryEntryVisitor& visit) override {
    ++listings_;
    listed_.push_back(folder);
    *folderId = FileId{};
    const std::string real = Resolve(folder);
    auto found = folders_.find(real);
    if (found == folders_.end()) return Status::NotFound(folder);
    if (identities_) *folderId = FileId{7, found->second.id, true};
    if (unreadable_.count(real)) return Status::IoError("access denied: " + folder);
    for (const Entry& entry : found->second.entries) {
      visit(DirectoryEntry{entry.name, entry.folder ? kEntryFolder : 0u});
    }
    return Status::Ok();
  }

  int listings() const { return listings_; }
  const std::vector<std::string>& listed() const { return listed_; }

 private:
  struct Entry {
    std::string name;
    bool folder;
  };
  struct Folder {
    std::uint64_t id = 0;
    std::vector<Entry> entries;
  };

  // A path that passes through a link continues in the link's target.
  std::string Resolve(const std::string& path) const {
    for (const auto& [link, target] : links_) {
      if (path.compare(0, link.size(), link) == 0) return Resolve(target + path.substr(link.size()));
    }
    return path;
  }

  std::map<std::string, Folder> folders_;
  std::map<std::string, std::string> links_;
  std::set<std::string> unreadable_;
  std::uint64_t nextId_ = 1;
  bool identities_ = true;
  int listings_ = 0;
  std::vector<std::string> listed_;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class DiskTree {
 public:
  DiskTree() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = std::filesystem::temp_directory_path() /
            ("bw_filetools_" + std::to_string(stamp) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(root_);
  }
  ~DiskTree() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  DiskTree(const DiskTree&) = delete;
  DiskTree& operator=(const DiskTree&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  // `relative` uses "/" between components.
  void Folder(const std::string& relative) { std::filesystem::create_directories(root_ / relative); }
  void File(const std::string& relative) {
    const std::filesystem::path path = root_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << "x";
  }

 private:
  std::filesystem::path root_;
};

}  // namespace bw::testing
