// Incremental gathering of CDDBP replies.
#include "freedb/reply_reader.h"

#include <algorithm>

namespace bw {
namespace freedb {

namespace {

constexpr std::string_view kTerminatorLine = "\r\n.\r\n";

}  // namespace

bool ReplyEndsList(std::string_view replySoFar) {
  if (replySoFar == kTerminatorLine.substr(2)) return true;
  return replySoFar.size() >= kTerminatorLine.size() &&
         replySoFar.substr(replySoFar.size() - kTerminatorLine.size()) == kTerminatorLine;
}

bool FetchedTextEndsList(std::string_view text) {
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  const std::size_t lineStart = text.rfind('\n');
  const std::string_view last =
      lineStart == std::string_view::npos ? text : text.substr(lineStart + 1);
  return last == ".";
}

ReplyReader::ReplyReader(std::size_t capacity) : capacity_(capacity) { reply_.reserve(capacity); }

void ReplyReader::Reset(Shape shape) {
  shape_ = shape;
  listCode_.clear();
  chunked_ = shape == Shape::kList;
  reply_.clear();
  tail_.clear();
  received_ = 0;
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
  received_ += chunk.size();
  // Keep the stream's last five bytes: enough for the terminator, whatever was dropped.
  tail_.append(chunk.substr(chunk.size() - std::min(chunk.size(), kTerminatorLine.size())));
  if (tail_.size() > kTerminatorLine.size()) tail_.erase(0, tail_.size() - kTerminatorLine.size());

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
  // The tail holds the whole stream while it is shorter than five bytes.
  complete_ = ReplyEndsList(tail_);
  return complete_;
}

}  // namespace freedb
}  // namespace bw
