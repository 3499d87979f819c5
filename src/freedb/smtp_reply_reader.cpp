// Telling whole SMTP replies apart in a stream of reads.
#include "freedb/smtp_reply_reader.h"

#include <utility>

namespace bw {
namespace freedb {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "250-..." announces another line; anything else ends the reply, so a server that answers
// with something malformed is judged (and refused) instead of awaited forever.
bool AnnouncesMoreLines(std::string_view head) {
  return head.size() == 4 && IsDigit(head[0]) && IsDigit(head[1]) && IsDigit(head[2]) &&
         head[3] == '-';
}

}  // namespace

void SmtpReplyReader::AddByte(char c) {
  if (complete_) {
    if (following_.size() < kMaxSmtpReply) following_ += c;
    return;
  }
  if (reply_.size() < kMaxSmtpReply) reply_ += c;
  if (c == '\n') {
    if (!AnnouncesMoreLines(lineHead_)) complete_ = true;
    lineHead_.clear();
  } else if (lineHead_.size() < 4) {
    lineHead_ += c;
  }
}

bool SmtpReplyReader::Add(std::string_view chunk) {
  for (char c : chunk) AddByte(c);
  return complete_;
}

std::string SmtpReplyReader::TakeReply() {
  if (!complete_) return std::string();
  std::string reply = std::move(reply_);
  reply_.clear();
  complete_ = false;
  std::string following = std::move(following_);
  following_.clear();
  Add(following);
  return reply;
}

std::string_view SmtpReplyCode(std::string_view reply) { return reply.substr(0, 3); }

}  // namespace freedb
}  // namespace bw
