// A move-only owner of one handle-like value, closed exactly once. The traits say which
// value means "none" and how to close; the Win32 instances are in base/win32_handles.h.
#pragma once

#include <utility>

// Traits: `using Handle = ...; static Handle Invalid() noexcept; static void Close(Handle) noexcept;`
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
  ~UniqueHandle() { Reset(); }

  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  Handle Get() const noexcept { return handle_; }
  bool IsValid() const noexcept { return handle_ != Traits::Invalid(); }
  explicit operator bool() const noexcept { return IsValid(); }

  // Gives up ownership without closing.
  Handle Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

  // Closes the held handle (if any) and takes the new one.
  // Resetting to the handle already held keeps it open.
  void Reset(Handle handle = Traits::Invalid()) noexcept {
    if (handle == handle_) return;
    Handle old = std::exchange(handle_, handle);
    if (old != Traits::Invalid()) Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::Invalid();
};
