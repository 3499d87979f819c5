// Where the media readers take their bytes from: an open file or a block of memory, read by
// offset. Readers ask only for what they need, so a tag of megabytes or a video of gigabytes
// is never loaded whole, and tests and fuzzers feed memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/status.h"

namespace bw {

class ByteSource {
 public:
  ByteSource() = default;
  ByteSource(const ByteSource&) = delete;
  ByteSource& operator=(const ByteSource&) = delete;
  virtual ~ByteSource() = default;

  virtual std::uint64_t Size() const = 0;
  // Reads up to `size` bytes at `offset`; fewer only at the end or on a read error.
  virtual std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) = 0;
  // True once a read has failed for another reason than the end of the data.
  virtual bool HadReadError() const { return false; }
};

// Bytes owned elsewhere; they must outlive the source.
class MemoryByteSource final : public ByteSource {
 public:
  MemoryByteSource(const void* data, std::size_t size)
      : data_(static_cast<const std::uint8_t*>(data)), size_(size) {}
  explicit MemoryByteSource(const std::string& bytes) : MemoryByteSource(bytes.data(), bytes.size()) {}
  explicit MemoryByteSource(const std::vector<std::uint8_t>& bytes)
      : MemoryByteSource(bytes.data(), bytes.size()) {}
  // The source keeps no copy: a temporary would be gone before the first read.
  explicit MemoryByteSource(std::string&&) = delete;
  explicit MemoryByteSource(std::vector<std::uint8_t>&&) = delete;

  std::uint64_t Size() const override { return size_; }
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) override;

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// An open file of the injected file system; a read error ends the data there.
class FileByteSource final : public ByteSource {
 public:
  FileByteSource(std::unique_ptr<File> file, std::uint64_t size)
      : file_(std::move(file)), size_(size) {}

  std::uint64_t Size() const override { return size_; }
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) override;
  bool HadReadError() const override { return readError_; }

 private:
  std::unique_ptr<File> file_;
  std::uint64_t size_;
  bool readError_ = false;
};

// Opens `path` for reading (shared with other openers) as a byte source.
[[nodiscard]] Status OpenFileByteSource(FileSystem& files, const std::string& path,
                                        std::unique_ptr<ByteSource>* source);

// Up to `size` bytes at `offset`: fewer at the end of the data, none past it.
std::vector<std::uint8_t> ReadBlock(ByteSource& source, std::uint64_t offset, std::size_t size);

}  // namespace bw
