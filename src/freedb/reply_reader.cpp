// Incremental gathering of CDDBP replies.
#include "freedb/reply_reader.h"

#include <algorithm>

namespace bw {
namespace freedb {

bool ChunkEndsList(std::string_view lastChunk) {
  const std::size_t size = lastChunk.size();
  if (size < 3 || lastChunk.substr(size - 3) != ".\r\n") return false;
  return size == 3 || (size >= 5 && lastChunk.substr(size - 5, 2) == "\r\n");
}

ReplyReader::ReplyReader(std::size_t capacity) : capacity_(capacity) { reply_.reserve(capacity); }

void ReplyReader::Reset(Shape shape) {
  shape_ = shape;
  listCode_.clear();
  chunked_ = shape == Shape::kList;
  reply_.clear();
  complete_ = false;
}

void ReplyReader::ExpectLine() { Reset(Shape::kLine); }

void ReplyReader::ExpectList() { Reset(Shape::kList); }

void ReplyReader::ExpectLineOrList(std::string_view listCode, bool chunked) {
  Reset(Shape::kLineOrList);
  listCode_ = std::string(listCode);
  chunked_ = chunked;
}

std::size_t ReplyReader::RecvLimit() const {
  if (chunked_) return kListChunkSize;
  return std::max<std::size_t>(capacity_ - reply_.size(), 1);
}

bool ReplyReader::Add(std::string_view chunk) {
  if (complete_) return true;
  const std::size_t room = capacity_ - reply_.size();
  const std::string_view kept = chunk.substr(0, std::min(room, chunk.size()));
  reply_.append(kept);

  if (shape_ != Shape::kList) {
    // Only the new bytes can hold the first line feed: a line trickling in byte by byte
    // costs no more than one arriving whole.
    const bool lineDone =
        kept.find('\n') != std::string_view::npos || reply_.size() == capacity_;
    if (!lineDone) return false;
    const bool isList = shape_ == Shape::kLineOrList &&
                        std::string_view(reply_).substr(0, listCode_.size()) == listCode_;
    if (!isList) {
      complete_ = true;
      return true;
    }
    // The chunk that finished the first line may already hold the whole list.
    shape_ = Shape::kList;
    chunked_ = true;
  }
  complete_ = ChunkEndsList(chunk);
  return complete_;
}

}  // namespace freedb
}  // namespace bw
