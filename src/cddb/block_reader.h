// Reads a file through one buffer: walking forward it reads ahead in growing blocks (up to
// 1 MiB); jumping elsewhere it reads one small block, enough for a usual entry, so neither a
// whole-file pass nor a visit to scattered entries pays for many small reads or for
// megabytes it does not use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/file_system.h"

namespace bw {

class BlockReader {
 public:
  static constexpr std::size_t kJumpBlock = 4 * 1024;
  static constexpr std::size_t kFirstBlock = 64 * 1024;
  static constexpr std::size_t kLargestBlock = 128 * 1024;

  BlockReader(File& file, std::uint64_t fileSize) : file_(file), fileSize_(fileSize) {}

  std::uint64_t FileSize() const { return fileSize_; }
  // For a file whose size is learnt after construction; forgets the buffered window.
  void SetFileSize(std::uint64_t fileSize) {
    fileSize_ = fileSize;
    whole_.reset();
    everRead_ = false;
  }

  // Reads the whole file into the buffer when it holds at most `limit` bytes, so that visits
  // in any order cost no further reads. Ok without reading when the file is larger or the
  // memory cannot be had; the reader then goes on reading block by block.
  Status HoldWholeFile(std::size_t limit);

  // Makes bytes [offset, offset + size) available at *data until the next call. Bytes past the
  // end of the file are a Corrupt status.
  Status View(std::uint64_t offset, std::size_t size, const std::uint8_t** data);

 private:
  File& file_;
  std::uint64_t fileSize_;
  std::vector<std::uint8_t> buffer_;
  // The whole file, when held: read into memory that is never zero-filled first.
  std::unique_ptr<std::uint8_t[]> whole_;
  std::uint64_t windowStart_ = 0;
  std::size_t windowSize_ = 0;
  std::size_t nextBlock_ = kFirstBlock;
  bool everRead_ = false;
};

}  // namespace bw
