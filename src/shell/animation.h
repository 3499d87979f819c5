// Frame animations from the animation library: the record of one animated place, loading its
// strip bitmap and palette, and the thread that draws the frames in turn.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "shell/animation_catalog.h"
#include "base/win32_handles.h"

struct Animation {
  Animation() = default;
  ~Animation();  // stops a running thread first
  Animation(const Animation&) = delete;
  Animation& operator=(const Animation&) = delete;

  AnimationInfo info;  // name, size, frames, delays, key colour, resource ids, author, depth
  UniqueBitmap strip;
  UniquePalette palette;
  std::atomic<int> currentFrame{0};
  std::atomic<int> x{0};  // position in the target window
  std::atomic<int> y{0};
  std::atomic<HWND> target{nullptr};
  std::atomic<bool> stopFlag{true};
  UniqueKernelHandle thread;
  UniqueKernelHandle wakeEvent;  // set with the stop flag so a long frame delay ends at once
};

// Fills the record's catalogue part from the library; answers whether the name was found.
bool FindAnimation(HMODULE library, const std::string& name, Animation& record);
// Logical palette (version 0x300) from the library's RCDATA palette resource; the key colour
// becomes the button-face colour. No palette entries: no palette.
bool LoadAnimationPalette(HMODULE library, Animation& record);
// The strip bitmap, with the key colour made the button face, for `window`'s device context.
bool LoadAnimationBitmap(HMODULE library, Animation& record, HWND window);
// String 100 + index of the library; empty when the library is not loaded.
std::string DefaultAnimationName(HMODULE library, int index);
// Every animation name the library holds.
std::vector<std::string> LibraryAnimationNames(HMODULE library);

// Finds `name` and loads its palette and strip; answers false and leaves the record's strip empty
// when the library does not hold it.
bool LoadAnimation(HMODULE library, const std::string& name, Animation& record, HWND window);

// Clears the stop flag and starts the thread (a thread still running on the record is stopped
// and waited for first). Answers false when there is nothing to animate.
bool StartAnimation(Animation& record, HWND window, POINT position);
// Sets the stop flag; the thread ends at once (it waits its delays on the wake event).
void StopAnimation(Animation& record);
// Stops and waits up to `timeoutMs` for the thread; answers whether it ended.
bool StopAnimationAndWait(Animation& record, DWORD timeoutMs = 1000);
bool IsAnimationRunning(const Animation& record);

// Draws the current frame at the record's position (WM_PAINT, wheel steps).
void DrawAnimationFrame(const Animation& record, HDC dc);
void DrawAnimationFrame(const Animation& record);  // into the target window

// Waits up to `timeoutMs` for a thread to end; answers whether it did. Closes nothing.
bool JoinThread(HANDLE thread, DWORD timeoutMs);
