// Fakes for the installer's and uninstaller's tests: folders of files in memory whose names
// match without regard to case (as on Windows), with faults on chosen files; a registry in
// memory; and a host that answers questions from a script and records what was shown.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "setup/installer.h"
#include "setup/registry_store.h"
#include "uninstall/removal.h"

namespace setup_test {

inline std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

class FakeFiles : public bw::FileSystem {
 public:
  void Put(const std::string& path, const std::string& bytes) {
    files_[Upper(path)] = {path, std::make_shared<std::string>(bytes)};
  }
  // The file's bytes, or "<missing>".
  std::string Read(const std::string& path) const {
    auto found = files_.find(Upper(path));
    return found == files_.end() ? "<missing>" : *found->second.bytes;
  }
  // Every path, as first written, in order.
  std::vector<std::string> Paths() const {
    std::vector<std::string> paths;
    for (const auto& entry : files_) paths.push_back(entry.second.name);
    return paths;
  }
  std::set<std::string> failWrites;   // upper-case paths whose writes fail (a full disk)
  std::set<std::string> failRemoves;  // upper-case paths that cannot be deleted (in use)

  bw::Status Open(const std::string& path, bw::OpenMode mode, std::unique_ptr<bw::File>* file) override {
    const std::string key = Upper(path);
    if (mode == bw::OpenMode::kCreateTruncate || mode == bw::OpenMode::kCreateNew) {
      files_[key] = {path, std::make_shared<std::string>()};
      *file = std::make_unique<FakeFile>(files_[key].bytes, failWrites.count(key) != 0);
      return bw::Status::Ok();
    }
    auto found = files_.find(key);
    if (found == files_.end()) return bw::Status::NotFound(path);
    *file = std::make_unique<FakeFile>(found->second.bytes, mode == bw::OpenMode::kRead);
    return bw::Status::Ok();
  }
  bool Exists(const std::string& path) override { return files_.count(Upper(path)) != 0; }
  bw::Status GetFileInfo(const std::string& path, bw::FileInfo* info) override {
    auto found = files_.find(Upper(path));
    if (found == files_.end()) return bw::Status::NotFound(path);
    *info = bw::FileInfo();
    info->size = found->second.bytes->size();
    return bw::Status::Ok();
  }
  bw::Status Rename(const std::string& from, const std::string& to) override {
    auto found = files_.find(Upper(from));
    if (found == files_.end()) return bw::Status::NotFound(from);
    if (failRemoves.count(Upper(to)) && files_.count(Upper(to))) return bw::Status::IoError("in use");
    Entry entry{to, found->second.bytes};
    files_.erase(found);
    files_[Upper(to)] = entry;
    return bw::Status::Ok();
  }
  bw::Status Remove(const std::string& path) override {
    if (failRemoves.count(Upper(path)) && files_.count(Upper(path))) return bw::Status::IoError("in use");
    return files_.erase(Upper(path)) ? bw::Status::Ok() : bw::Status::NotFound(path);
  }
  bw::Status SyncFolder(const std::string&) override { return bw::Status::Ok(); }

 private:
  struct Entry {
    std::string name;
    std::shared_ptr<std::string> bytes;
  };
  class FakeFile : public bw::File {
   public:
    FakeFile(std::shared_ptr<std::string> bytes, bool refuseWrites)
        : bytes_(std::move(bytes)), refuseWrites_(refuseWrites) {}
    bw::Status ReadAt(std::uint64_t offset, void* buffer, std::size_t size, std::size_t* got) override {
      *got = offset >= bytes_->size() ? 0 : std::min<std::size_t>(size, bytes_->size() - offset);
      if (*got != 0) std::memcpy(buffer, bytes_->data() + offset, *got);
      return bw::Status::Ok();
    }
    bw::Status WriteAt(std::uint64_t offset, const void* data, std::size_t size) override {
      if (refuseWrites_) return bw::Status::IoError("disk full");
      if (bytes_->size() < offset + size) bytes_->resize(offset + size);
      std::memcpy(&(*bytes_)[offset], data, size);
      return bw::Status::Ok();
    }
    bw::Status GetSize(std::uint64_t* size) override {
      *size = bytes_->size();
      return bw::Status::Ok();
    }
    bw::Status Truncate(std::uint64_t size) override {
      bytes_->resize(size);
      return bw::Status::Ok();
    }
    bw::Status Sync() override { return bw::Status::Ok(); }

   private:
    std::shared_ptr<std::string> bytes_;
    bool refuseWrites_;
  };
  std::map<std::string, Entry> files_;
};

class FakeRegistry : public bw::RegistryStore {
 public:
  using Key = std::pair<bw::RegistryRoot, std::string>;
  void AddKey(bw::RegistryRoot root, const std::string& key) { keys_[{root, Upper(key)}]; }
  void Put(bw::RegistryRoot root, const std::string& key, const std::string& name, const std::string& value) {
    keys_[{root, Upper(key)}][Upper(name)] = value;
  }
  // The key's values (upper-case names); empty when the key is missing.
  std::map<std::string, std::string> Values(bw::RegistryRoot root, const std::string& key) const {
    auto found = keys_.find({root, Upper(key)});
    return found == keys_.end() ? std::map<std::string, std::string>() : found->second;
  }
  bool HasKey(bw::RegistryRoot root, const std::string& key) const { return keys_.count({root, Upper(key)}) != 0; }

  bool KeyExists(bw::RegistryRoot root, const std::string& key) override { return HasKey(root, key); }
  std::optional<std::string> GetString(bw::RegistryRoot root, const std::string& key,
                                       const std::string& name) override {
    auto found = keys_.find({root, Upper(key)});
    if (found == keys_.end()) return std::nullopt;
    auto value = found->second.find(Upper(name));
    if (value == found->second.end()) return std::nullopt;
    return value->second;
  }
  bool SetString(bw::RegistryRoot root, const std::string& key, const std::string& name,
                 const std::string& value) override {
    auto found = keys_.find({root, Upper(key)});
    if (found == keys_.end()) return false;
    found->second[Upper(name)] = value;
    return true;
  }
  bool CreateKey(bw::RegistryRoot root, const std::string& key) override {
    keys_[{root, Upper(key)}];
    return true;
  }
  bool DeleteValue(bw::RegistryRoot root, const std::string& key, const std::string& name) override {
    auto found = keys_.find({root, Upper(key)});
    if (found == keys_.end()) return false;
    found->second.erase(Upper(name));
    return true;
  }

 private:
  std::map<Key, std::map<std::string, std::string>> keys_;
};

// Answers questions in order from `answers` (OK when they run out) and records every text.
class ScriptedHost : public bw::setup::SetupHost {
 public:
  std::deque<bool> answers;
  std::vector<std::string> questions, messages, statuses;
  std::set<std::string> folders;  // upper case, without the final "\"
  std::vector<bw::setup::ShortcutRequest> shortcuts;
  bw::setup::FreedbContact contact{"me@example.org", "mail.example.org"};
  bw::setup::FreedbContact offered;
  std::vector<std::string> percents;

  bool Ask(const std::string& question) override {
    questions.push_back(question);
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowStatus(const std::string& text) override { statuses.push_back(text); }
  void ShowPercent(const std::string& text) override { percents.push_back(text); }
  void SetBusy(bool) override {}
  bool FolderExists(const std::string& folder) override { return folders.count(Upper(folder)) != 0; }
  bool CreateFolder(const std::string& folder) override {
    folders.insert(Upper(folder));
    return true;
  }
  bool CreateShortcut(const bw::setup::ShortcutRequest& shortcut) override {
    shortcuts.push_back(shortcut);
    return true;
  }
  bw::setup::FreedbContact AskFreedbContact(const bw::setup::FreedbContact& given) override {
    offered = given;
    return contact;
  }
};

}  // namespace setup_test
