// The read-ahead buffer behind every chain walk.
#include "cddb/block_reader.h"

#include <algorithm>
#include <new>
#include <string>

namespace bw {

Status BlockReader::HoldWholeFile(std::size_t limit) {
  if (fileSize_ > limit || fileSize_ == 0) return Status::Ok();
  const auto size = static_cast<std::size_t>(fileSize_);
  std::unique_ptr<std::uint8_t[]> whole(new (std::nothrow) std::uint8_t[size]);
  if (!whole) return Status::Ok();
  Status status = ReadExactly(file_, 0, whole.get(), size);
  if (!status.IsOk()) return status;
  whole_ = std::move(whole);
  buffer_ = {};
  everRead_ = true;
  windowStart_ = 0;
  windowSize_ = size;
  return Status::Ok();
}

Status BlockReader::View(std::uint64_t offset, std::size_t size, const std::uint8_t** data) {
  if (offset > fileSize_ || size > fileSize_ - offset) {
    return Status::Corrupt(std::to_string(size) + " bytes at offset " + std::to_string(offset) +
                           " lie past the end of the file (" + std::to_string(fileSize_) +
                           " bytes)");
  }
  if (everRead_ && offset >= windowStart_ && offset + size <= windowStart_ + windowSize_) {
    *data = (whole_ ? whole_.get() : buffer_.data()) + (offset - windowStart_);
    return Status::Ok();
  }
  // A held file answers every view above; nothing here may replace it.
  if (whole_) return Status::Corrupt("a view past the held file");

  // Going on from the current window counts as a forward walk; anything else as a jump.
  const bool forward =
      everRead_ && offset >= windowStart_ && offset <= windowStart_ + windowSize_;
  std::size_t block;
  if (forward) {
    block = std::max(size, nextBlock_);
    nextBlock_ = std::min(nextBlock_ * 2, kLargestBlock);
  } else {
    block = std::max(size, kJumpBlock);
    nextBlock_ = kFirstBlock;
  }
  block = static_cast<std::size_t>(std::min<std::uint64_t>(block, fileSize_ - offset));
  if (buffer_.size() < block) buffer_.resize(block);

  everRead_ = false;
  Status status = ReadExactly(file_, offset, buffer_.data(), block);
  if (!status.IsOk()) return status;
  everRead_ = true;
  windowStart_ = offset;
  windowSize_ = block;
  *data = buffer_.data();
  return Status::Ok();
}

}  // namespace bw
