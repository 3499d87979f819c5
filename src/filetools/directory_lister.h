// The folder listing the drive search and the folder browser build on: the entries of one
// folder with their attributes and the folder's own identity, behind one interface so tests
// and benchmarks can walk a tree of their own. Paths are in the program's form: a drive
// root "C:\" or a network share "\\server\share\", components joined by "\", a folder
// path ending in "\".
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/status.h"

namespace bw {

// Entry attributes, as far as the file tools look at them.
enum EntryAttribute : unsigned {
  kEntryFolder = 1u << 0,
  kEntryHidden = 1u << 1,
  kEntrySystem = 1u << 2,
  kEntryReadOnly = 1u << 3,
  kEntryLink = 1u << 4,  // a symbolic link, junction or other reparse point
};

struct DirectoryEntry {
  std::string_view name;  // valid only during the visit call
  unsigned attributes = 0;

  bool IsFolder() const { return (attributes & kEntryFolder) != 0; }
};

// What makes a folder the same folder whatever path reached it: device and inode on POSIX,
// volume serial number and file index on Windows. `known` is false when the system gives
// nothing usable (some network file systems report every index as 0).
struct FileId {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  bool known = false;

  bool operator==(const FileId& other) const {
    return known == other.known && volume == other.volume && index == other.index;
  }
};

struct FileIdHash {
  std::size_t operator()(const FileId& id) const {
    return std::hash<std::uint64_t>()(id.index * 0x9E3779B97F4A7C15ull ^ id.volume);
  }
};

using DirectoryEntryVisitor = std::function<void(const DirectoryEntry& entry)>;

class DirectoryLister {
 public:
  virtual ~DirectoryLister() = default;

  // Calls `visit` for every entry of `folder` (ending in "\") in the order the file system
  // gives them, "." and ".." left out, and sets `*folderId` to the folder's identity
  // (`known` false when there is none). A folder that cannot be opened gives a status other
  // than Ok and may have visited some entries first.
  [[nodiscard]] virtual Status List(const std::string& folder, FileId* folderId,
                                    const DirectoryEntryVisitor& visit) = 0;
};

// The order of names in the program's sorted lists: negative, zero or positive as `a` comes
// before, with or after `b`. The windows pass the system's own comparison (the one sorted
// list boxes use); the portable default ignores ASCII case.
using NameOrder = std::function<int(std::string_view a, std::string_view b)>;

int CompareNamesIgnoringCase(std::string_view a, std::string_view b);

// True when `a` sorts before `b` under `order`; names the order holds equal ("Rock" and
// "ROCK" on a case-sensitive disk) fall back to their bytes, so every listing sorts the same.
bool NameBefore(const NameOrder& order, std::string_view a, std::string_view b);

}  // namespace bw
