// Gathers one CDDBP reply from the chunks that single `recv` calls deliver. A reply is one
// line, or a list ended by a line holding only "."; nothing ever goes past the reply buffer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bw {
namespace freedb {

// The reply buffers of the dialogues and the chunk read while a list is gathered.
inline constexpr std::size_t kQueryReplyCapacity = 81920;
inline constexpr std::size_t kServerInfoReplyCapacity = 20480;
inline constexpr std::size_t kListChunkSize = 2048;

// True when a list received so far ends with its terminating line: the bytes end with CR LF,
// ".", CR LF, or are ".", CR LF alone. The whole reply gathered so far is looked at, so a
// terminator split over two reads (even a byte at a time) still ends the list.
bool ReplyEndsList(std::string_view replySoFar);

// The same for a list fetched whole over HTTP, where the server's line ends may be LF alone:
// its last line (a final line end allowed) is ".".
bool FetchedTextEndsList(std::string_view text);

class ReplyReader {
 public:
  explicit ReplyReader(std::size_t capacity);

  // Each starts a new reply and forgets the previous one.
  void ExpectLine();  // complete at the first line feed
  void ExpectList();  // complete when the bytes so far pass ReplyEndsList
  // One line, unless the reply's code is `listCode`: then a list. Error replies to list
  // commands are single lines and must not wait for a terminator that never comes.
  // `chunked`: read in list-sized chunks from the start, as for a reply that is normally a
  // list; otherwise the first read may fill the whole buffer.
  void ExpectLineOrList(std::string_view listCode, bool chunked = false);

  // The most the next recv may take: one chunk while a list is gathered (or a chunked reply
  // awaited), else the room left in the buffer (one read of the whole reply).
  std::size_t RecvLimit() const;

  // Adds one received chunk; true when the reply is complete. Bytes beyond the capacity are
  // dropped, but a list still completes when its terminator arrives (Truncated() tells). A
  // line that fills the whole buffer without a line feed is complete as it stands.
  bool Add(std::string_view chunk);

  bool IsComplete() const { return complete_; }
  std::string_view Reply() const { return reply_; }
  std::size_t Capacity() const { return capacity_; }
  // Bytes were dropped because the reply did not fit the buffer.
  bool Truncated() const { return received_ > reply_.size(); }

 private:
  enum class Shape { kLine, kList, kLineOrList };
  void Reset(Shape shape);

  std::size_t capacity_;
  Shape shape_ = Shape::kLine;
  std::string listCode_;
  bool chunked_ = false;
  std::string reply_;
  // The last bytes received, dropped ones included, for the terminator test.
  std::string tail_;
  std::size_t received_ = 0;
  bool complete_ = false;
};

}  // namespace freedb
}  // namespace bw
