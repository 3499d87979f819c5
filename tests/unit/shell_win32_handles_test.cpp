// The Win32 handle owners on real handles: closed once, moves leave the source empty, move
// assignment releases the old handle, restorers put back what was selected.
#ifdef _WIN32

#include "base/win32_handles.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

bool IsOpenKernelHandle(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != 0;
}

bool IsLiveGdiObject(HGDIOBJ object) { return GetObjectType(object) != 0; }

HANDLE NewEvent() { return CreateEventA(nullptr, TRUE, FALSE, nullptr); }

template <typename T>
constexpr bool kMoveOnly = !std::is_copy_constructible_v<T> && !std::is_copy_assignable_v<T> &&
                           std::is_nothrow_move_constructible_v<T> && std::is_nothrow_move_assignable_v<T>;

}  // namespace

static_assert(kMoveOnly<UniqueKernelHandle>);
static_assert(kMoveOnly<UniqueBitmap>);
static_assert(kMoveOnly<UniqueMemoryDc>);
static_assert(kMoveOnly<UniqueModule>);
static_assert(kMoveOnly<UniqueGlobal>);
static_assert(kMoveOnly<WindowDc>);
static_assert(kMoveOnly<SelectedObject>);
static_assert(kMoveOnly<SelectedPalette>);
static_assert(kMoveOnly<GlobalLockGuard>);
static_assert(!std::is_copy_constructible_v<PaintDc>);

TEST(Win32Handles, KernelHandleClosedAtEndOfScope) {
  HANDLE raw = NewEvent();
  ASSERT_NE(raw, nullptr);
  { UniqueKernelHandle owned(raw); EXPECT_TRUE(IsOpenKernelHandle(raw)); }
  EXPECT_FALSE(IsOpenKernelHandle(raw));
}

TEST(Win32Handles, KernelHandleMoveAndMoveAssignment) {
  HANDLE first = NewEvent();
  HANDLE second = NewEvent();
  UniqueKernelHandle a(first);
  UniqueKernelHandle b(std::move(a));
  EXPECT_FALSE(a);
  EXPECT_EQ(b.Get(), first);
  UniqueKernelHandle c(second);
  c = std::move(b);  // the second event is released now
  EXPECT_FALSE(IsOpenKernelHandle(second));
  EXPECT_TRUE(IsOpenKernelHandle(first));
  EXPECT_FALSE(b);
  c.Reset();
  EXPECT_FALSE(IsOpenKernelHandle(first));
  c.Reset();  // nothing left to close
}

TEST(Win32Handles, FileHandleTreatsInvalidValueAsEmpty) {
  UniqueFileHandle missing(CreateFileA("Z:\\no\\such\\file.bin", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_FALSE(missing);
}

TEST(Win32Handles, GdiObjectsDeletedOnceAndMovable) {
  HBITMAP first = CreateBitmap(4, 4, 1, 1, nullptr);
  HBITMAP second = CreateBitmap(4, 4, 1, 1, nullptr);
  {
    UniqueBitmap a(first);
    UniqueBitmap b(second);
    b = std::move(a);
    EXPECT_FALSE(IsLiveGdiObject(second));
    EXPECT_TRUE(IsLiveGdiObject(first));
    EXPECT_FALSE(a);
  }
  EXPECT_FALSE(IsLiveGdiObject(first));
}

TEST(Win32Handles, SelectedObjectRestoresThePreviousBitmap) {
  UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  ASSERT_TRUE(dc);
  HGDIOBJ original = GetCurrentObject(dc.Get(), OBJ_BITMAP);
  UniqueBitmap bitmap(CreateBitmap(8, 8, 1, 1, nullptr));
  {
    SelectedObject selected(dc.Get(), bitmap.Get());
    EXPECT_TRUE(selected.IsSelected());
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BITMAP), bitmap.Get());
    SelectedObject moved(std::move(selected));
    EXPECT_FALSE(selected.IsSelected());
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BITMAP), bitmap.Get());
  }
  EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BITMAP), original);
}

TEST(Win32Handles, MemoryDcDeletedAtEndOfScope) {
  HDC raw = CreateCompatibleDC(nullptr);
  { UniqueMemoryDc dc(raw); EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_MEMDC)); }
  EXPECT_EQ(GetObjectType(raw), 0u);
}

TEST(Win32Handles, WindowDcReleasedOnceAfterMoves) {
  WindowDc screen(nullptr);  // the screen's device context
  ASSERT_TRUE(screen);
  WindowDc other(std::move(screen));
  EXPECT_FALSE(screen);
  EXPECT_TRUE(other);
  WindowDc assigned;
  assigned = std::move(other);
  EXPECT_FALSE(other);
  EXPECT_GT(GetDeviceCaps(assigned.Get(), BITSPIXEL), 0);
}

TEST(Win32Handles, GlobalLockIsUnlockedOnceAndMemoryFreed) {
  UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, 64));
  ASSERT_TRUE(memory);
  {
    GlobalLockGuard lock(memory.Get());
    ASSERT_TRUE(lock);
    EXPECT_EQ(GlobalFlags(memory.Get()) & GMEM_LOCKCOUNT, 1u);
    GlobalLockGuard moved(std::move(lock));
    EXPECT_FALSE(lock);
    EXPECT_EQ(GlobalFlags(memory.Get()) & GMEM_LOCKCOUNT, 1u);
  }
  EXPECT_EQ(GlobalFlags(memory.Get()) & GMEM_LOCKCOUNT, 0u);
}

TEST(Win32Handles, ModuleFreedOnce) {
  UniqueModule module(LoadLibraryA("version.dll"));
  ASSERT_TRUE(module);
  HMODULE raw = module.Get();
  UniqueModule moved(std::move(module));
  EXPECT_FALSE(module);
  EXPECT_EQ(moved.Get(), raw);
}

#endif  // _WIN32
