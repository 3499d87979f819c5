// Keeps the system from asking "There is no disk in the drive" while the file tools look at
// drives that may be empty: the previous error mode comes back on destruction.
#pragma once

#include <windows.h>

namespace bw {

class CriticalErrorGuard {
 public:
  CriticalErrorGuard() noexcept
      : previous_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
  ~CriticalErrorGuard() { SetErrorMode(previous_); }
  CriticalErrorGuard(const CriticalErrorGuard&) = delete;
  CriticalErrorGuard& operator=(const CriticalErrorGuard&) = delete;

 private:
  UINT previous_;
};

}  // namespace bw
