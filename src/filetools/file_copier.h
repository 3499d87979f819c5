// Copying and moving one file so that a failure never leaves a partial file behind: the copy
// is written under a temporary name in the destination folder, flushed, checked against the
// source's size and only then renamed to its own name. A move across volumes deletes the
// source only after such a complete copy.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/file_system.h"

namespace bw {

enum class TransferResult {
  kDone,
  kCannotRead,     // the source could not be opened or read
  kCannotCopy,     // the copy could not be written, checked or given its name
  kCannotDelete,   // moved by copying, but the source could not be deleted afterwards
};

// Told after each piece that was copied; answering false stops the copy (which then leaves
// nothing behind and reports kCannotCopy).
using CopyProgressFunction = std::function<bool(std::uint64_t copied, std::uint64_t total)>;

// The temporary name of a copy under way in `folder`: "~BWC0001.TMP" and upward, the first
// that does not exist.
std::string TemporaryCopyName(FileSystem& files, const std::string& folder);

// Copies `source` to `target`. An existing `target` is replaced only when `replace` is set;
// otherwise finding one is a kCannotCopy. The copy keeps the source's modified time.
TransferResult CopyOneFile(FileSystem& files, const std::string& source, const std::string& target,
                           bool replace, const CopyProgressFunction& progress = nullptr);

// Moves `source` to `target`: a rename on the same volume, else a complete copy followed by
// deleting the source. `replace` as for CopyOneFile.
TransferResult MoveOneFile(FileSystem& files, const std::string& source, const std::string& target,
                           bool replace, const CopyProgressFunction& progress = nullptr);

}  // namespace bw
