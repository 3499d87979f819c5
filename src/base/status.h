// The small result every file and catalogue operation returns: a code and a line of context.
#pragma once

#include <string>
#include <utility>

namespace bw {

class [[nodiscard]] Status {
 public:
  enum class Code { kOk, kNotFound, kCorrupt, kIoError, kInvalidArgument };

  Status() = default;
  static Status Ok() { return Status(); }
  static Status NotFound(std::string message) { return Status(Code::kNotFound, std::move(message)); }
  static Status Corrupt(std::string message) { return Status(Code::kCorrupt, std::move(message)); }
  static Status IoError(std::string message) { return Status(Code::kIoError, std::move(message)); }
  static Status InvalidArgument(std::string message) {
    return Status(Code::kInvalidArgument, std::move(message));
  }

  bool IsOk() const { return code_ == Code::kOk; }
  bool IsNotFound() const { return code_ == Code::kNotFound; }
  bool IsCorrupt() const { return code_ == Code::kCorrupt; }
  bool IsIoError() const { return code_ == Code::kIoError; }
  bool IsInvalidArgument() const { return code_ == Code::kInvalidArgument; }
  Code code() const { return code_; }
  const std::string& message() const { return message_; }

  // "I/O error: cannot open /x/brindwax.dat (No such file or directory)" and the like.
  std::string ToString() const {
    const char* name = "OK";
    switch (code_) {
      case Code::kOk: return name;
      case Code::kNotFound: name = "Not found"; break;
      case Code::kCorrupt: name = "Damaged database"; break;
      case Code::kIoError: name = "I/O error"; break;
      case Code::kInvalidArgument: name = "Invalid argument"; break;
    }
    return message_.empty() ? std::string(name) : std::string(name) + ": " + message_;
  }

 private:
  Status(Code code, std::string message) : code_(code), message_(std::move(message)) {}

  Code code_ = Code::kOk;
  std::string message_;
};

}  // namespace bw
