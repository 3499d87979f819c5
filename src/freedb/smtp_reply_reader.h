// Gathers whole SMTP replies from what single recv calls deliver. A reply is one or more
// lines; every line but the last has a dash after its code ("220-mail.example.com ESMTP"),
// the last a blank or nothing. A reply split over several reads, or several replies in one
// read, are told apart the same way.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bw {
namespace freedb {

inline constexpr std::size_t kSmtpRecvSize = 1024;
// The most of one reply that is kept; the rest of a longer one is read and dropped.
inline constexpr std::size_t kMaxSmtpReply = 8192;

class SmtpReplyReader {
 public:
  // Adds received bytes; true when a whole reply is waiting to be taken.
  bool Add(std::string_view chunk);
  bool HasReply() const { return complete_; }
  // The waiting reply (empty when none). Bytes that came after it begin the next one.
  std::string TakeReply();
  // What has arrived of the reply being gathered.
  std::string_view Pending() const { return reply_; }

 private:
  void AddByte(char c);

  std::string reply_;
  std::string following_;  // bytes after a complete reply, not yet looked at
  std::string lineHead_;   // the first four bytes of the line being received
  bool complete_ = false;
};

// The reply's code: its first three characters (the whole reply when shorter).
std::string_view SmtpReplyCode(std::string_view reply);

}  // namespace freedb
}  // namespace bw
