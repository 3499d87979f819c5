// Loud checks of invariants in debug and sanitizer builds: a broken invariant prints where and
// what, then aborts. Release builds compile the checks out (the condition is not evaluated), so
// a check must never hold work the program needs.
#pragma once

#include <cstdio>
#include <cstdlib>

#if !defined(NDEBUG) || defined(BW_ENABLE_CHECKS)
#define BW_CHECKS_ENABLED 1
#else
#define BW_CHECKS_ENABLED 0
#endif

namespace bw {

[[noreturn]] inline void CheckFailed(const char* file, int line, const char* condition) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::fflush(stderr);
  std::abort();
}

}  // namespace bw

#if BW_CHECKS_ENABLED
#define BW_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::bw::CheckFailed(__FILE__, __LINE__, #condition))
#else
#define BW_CHECK(condition) static_cast<void>(sizeof(!(condition)))
#endif
