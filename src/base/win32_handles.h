// Move-only owners of Win32 handles: kernel objects, GDI objects, device contexts, modules,
// global memory and its locks, and restorers for objects selected into a device context.
#pragma once

#include <windows.h>

#include <utility>

#include "base/unique_handle.h"

namespace win32_handle_traits {

struct KernelHandle {  // events, threads, mutexes: "none" is null
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { CloseHandle(handle); }
};

struct FileHandle {  // CreateFileA and FindFirstFileA style: "none" is INVALID_HANDLE_VALUE
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) noexcept { CloseHandle(handle); }
};

struct FindHandle {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) noexcept { FindClose(handle); }
};

template <typename GdiHandle>
struct GdiObject {
  using Handle = GdiHandle;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { DeleteObject(handle); }
};

struct MemoryDc {  // CreateCompatibleDC
  using Handle = HDC;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { DeleteDC(handle); }
};

struct Module {
  using Handle = HMODULE;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { FreeLibrary(handle); }
};

struct GlobalMemory {
  using Handle = HGLOBAL;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { GlobalFree(handle); }
};

struct LocalMemory {
  using Handle = HLOCAL;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { LocalFree(handle); }
};

}  // namespace win32_handle_traits

using UniqueKernelHandle = UniqueHandle<win32_handle_traits::KernelHandle>;
using UniqueFileHandle = UniqueHandle<win32_handle_traits::FileHandle>;
using UniqueFindHandle = UniqueHandle<win32_handle_traits::FindHandle>;
using UniqueGdiObject = UniqueHandle<win32_handle_traits::GdiObject<HGDIOBJ>>;
using UniqueBitmap = UniqueHandle<win32_handle_traits::GdiObject<HBITMAP>>;
using UniqueBrush = UniqueHandle<win32_handle_traits::GdiObject<HBRUSH>>;
using UniquePalette = UniqueHandle<win32_handle_traits::GdiObject<HPALETTE>>;
using UniqueFont = UniqueHandle<win32_handle_traits::GdiObject<HFONT>>;
using UniqueRegion = UniqueHandle<win32_handle_traits::GdiObject<HRGN>>;
using UniquePen = UniqueHandle<win32_handle_traits::GdiObject<HPEN>>;
using UniqueMemoryDc = UniqueHandle<win32_handle_traits::MemoryDc>;
using UniqueModule = UniqueHandle<win32_handle_traits::Module>;
using UniqueGlobal = UniqueHandle<win32_handle_traits::GlobalMemory>;
using UniqueLocal = UniqueHandle<win32_handle_traits::LocalMemory>;

// A window's device context from GetDC, given back with ReleaseDC.
class WindowDc {
 public:
  WindowDc() noexcept = default;
  explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() { Reset(); }

  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  WindowDc(WindowDc&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&& other) noexcept {
    if (this != &other) {
      Reset();
      window_ = std::exchange(other.window_, nullptr);
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }

  HDC Get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

  void Reset() noexcept {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
    window_ = nullptr;
    dc_ = nullptr;
  }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// BeginPaint / EndPaint for one WM_PAINT.
class PaintDc {
 public:
  explicit PaintDc(HWND window) noexcept : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;

  HDC Get() const noexcept { return dc_; }
  const PAINTSTRUCT& Paint() const noexcept { return paint_; }

 private:
  HWND window_;
  HDC dc_ = nullptr;
  PAINTSTRUCT paint_{};
};

// Selects an object into a device context and selects the previous one back on destruction,
// so the object can be deleted safely afterwards.
class SelectedObject {
 public:
  SelectedObject() noexcept = default;
  SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {
    if (previous_ == nullptr || previous_ == HGDI_ERROR) dc_ = nullptr;
  }
  ~SelectedObject() { Restore(); }

  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  SelectedObject(SelectedObject&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)), previous_(std::exchange(other.previous_, nullptr)) {}
  SelectedObject& operator=(SelectedObject&& other) noexcept {
    if (this != &other) {
      Restore();
      dc_ = std::exchange(other.dc_, nullptr);
      previous_ = std::exchange(other.previous_, nullptr);
    }
    return *this;
  }

  bool IsSelected() const noexcept { return dc_ != nullptr; }

  void Restore() noexcept {
    if (dc_ != nullptr) SelectObject(dc_, previous_);
    dc_ = nullptr;
    previous_ = nullptr;
  }

 private:
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// Selects (and realises) a logical palette and selects the previous one back on destruction.
// A null palette selects nothing.
class SelectedPalette {
 public:
  SelectedPalette() noexcept = default;
  SelectedPalette(HDC dc, HPALETTE palette, bool background = false) noexcept {
    if (dc == nullptr || palette == nullptr) return;
    previous_ = SelectPalette(dc, palette, background ? TRUE : FALSE);
    if (previous_ == nullptr) return;
    dc_ = dc;
    RealizePalette(dc);
  }
  ~SelectedPalette() { Restore(); }

  SelectedPalette(const SelectedPalette&) = delete;
  SelectedPalette& operator=(const SelectedPalette&) = delete;
  SelectedPalette(SelectedPalette&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)), previous_(std::exchange(other.previous_, nullptr)) {}
  SelectedPalette& operator=(SelectedPalette&& other) noexcept {
    if (this != &other) {
      Restore();
      dc_ = std::exchange(other.dc_, nullptr);
      previous_ = std::exchange(other.previous_, nullptr);
    }
    return *this;
  }

  void Restore() noexcept {
    if (dc_ != nullptr) SelectPalette(dc_, previous_, TRUE);
    dc_ = nullptr;
    previous_ = nullptr;
  }

 private:
  HDC dc_ = nullptr;
  HPALETTE previous_ = nullptr;
};

// GlobalLock for the lifetime of the object; the memory block itself is not owned.
class GlobalLockGuard {
 public:
  GlobalLockGuard() noexcept = default;
  explicit GlobalLockGuard(HGLOBAL memory) noexcept
      : memory_(memory), data_(memory != nullptr ? GlobalLock(memory) : nullptr) {
    if (data_ == nullptr) memory_ = nullptr;
  }
  ~GlobalLockGuard() { Unlock(); }

  GlobalLockGuard(const GlobalLockGuard&) = delete;
  GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
  GlobalLockGuard(GlobalLockGuard&& other) noexcept
      : memory_(std::exchange(other.memory_, nullptr)), data_(std::exchange(other.data_, nullptr)) {}
  GlobalLockGuard& operator=(GlobalLockGuard&& other) noexcept {
    if (this != &other) {
      Unlock();
      memory_ = std::exchange(other.memory_, nullptr);
      data_ = std::exchange(other.data_, nullptr);
    }
    return *this;
  }

  void* Data() const noexcept { return data_; }
  template <typename T>
  T* As() const noexcept { return static_cast<T*>(data_); }
  explicit operator bool() const noexcept { return data_ != nullptr; }

  void Unlock() noexcept {
    if (memory_ != nullptr) GlobalUnlock(memory_);
    memory_ = nullptr;
    data_ = nullptr;
  }

 private:
  HGLOBAL memory_ = nullptr;
  void* data_ = nullptr;
};
