// The two byte sources and the bounded block read the readers share.
#include "media/byte_source.h"

#include <cstring>

namespace bw {

std::size_t MemoryByteSource::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
  if (offset >= size_) return 0;
  const std::size_t available = size_ - static_cast<std::size_t>(offset);
  const std::size_t n = size < available ? size : available;
  if (n > 0) std::memcpy(buffer, data_ + offset, n);
  return n;
}

std::size_t FileByteSource::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
  if (readError_ || offset >= size_) return 0;
  const std::uint64_t available = size_ - offset;
  if (size > available) size = static_cast<std::size_t>(available);
  std::size_t got = 0;
  if (!file_->ReadAt(offset, buffer, size, &got).IsOk()) readError_ = true;
  return got;
}

Status OpenFileByteSource(FileSystem& files, const std::string& path,
                          std::unique_ptr<ByteSource>* source) {
  std::unique_ptr<File> file;
  Status status = files.Open(path, OpenMode::kRead, &file);
  if (!status.IsOk()) return status;
  std::uint64_t size = 0;
  status = file->GetSize(&size);
  if (!status.IsOk()) return status;
  *source = std::make_unique<FileByteSource>(std::move(file), size);
  return Status::Ok();
}

std::vector<std::uint8_t> ReadBlock(ByteSource& source, std::uint64_t offset, std::size_t size) {
  const std::uint64_t total = source.Size();
  if (offset >= total) return {};
  if (size > total - offset) size = static_cast<std::size_t>(total - offset);
  std::vector<std::uint8_t> block(size);
  block.resize(source.ReadAt(offset, block.data(), size));
  return block;
}

}  // namespace bw
