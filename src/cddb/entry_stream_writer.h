// Writes whole entries one after another into a new catalogue file through a large buffer,
// giving each its new next_offset and own_offset on the way.
#pragma once

#include <cstdint>
#include <vector>

#include "base/file_system.h"

namespace bw {

class EntryStreamWriter {
 public:
  static constexpr std::size_t kBufferSize = 1024 * 1024;

  EntryStreamWriter(File& file, std::uint32_t position);

  // Appends an entry whose record_length is right; its links are rewritten for its new place.
  Status Add(const std::uint8_t* entry, std::uint32_t size);
  // Writes what is buffered.
  Status Finish();

  std::uint32_t Position() const { return position_; }
  std::uint16_t EntriesAdded() const { return entriesAdded_; }

 private:
  Status Flush();

  File& file_;
  std::vector<std::uint8_t> buffer_;
  std::size_t used_ = 0;
  std::uint32_t bufferStart_;  // file offset of buffer_[0]
  std::uint32_t position_;     // file offset of the next entry
  std::uint16_t entriesAdded_ = 0;
};

}  // namespace bw
