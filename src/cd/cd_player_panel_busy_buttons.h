// The CD panel's busy sign while a freedb query runs: the skin cells of the eight transport
// buttons (3310-3317) move round by one button every 100 ms, the last button's cell to the
// first, until the query ends; then every button shows its own cell again.
#pragma once

#include <windows.h>

#include <atomic>

#include "base/win32_handles.h"

namespace bw {

inline constexpr int kBusyButtonCount = 8;
inline constexpr int kBusyButtonFirstId = 3310;
inline constexpr DWORD kBusyStepMs = 100;

class BusyButtonsAnimation {
 public:
  BusyButtonsAnimation() = default;
  ~BusyButtonsAnimation() { Stop(); }
  BusyButtonsAnimation(const BusyButtonsAnimation&) = delete;
  BusyButtonsAnimation& operator=(const BusyButtonsAnimation&) = delete;

  // Starts rotating the buttons of `panel` (a running rotation is stopped first).
  void Start(HWND panel);
  // A new panel while the rotation runs: the rotation goes on in its buttons.
  void Retarget(HWND panel) { panel_ = panel; }
  // Ends the rotation, puts every cell back and repaints the buttons once more.
  void Stop();

  // How far the cells have moved: transport button i shows the cell of button
  // (i - shift) mod 8. Read by the panel whenever it draws a transport button.
  int Shift() const { return shift_.load(); }

 private:
  static DWORD WINAPI Run(void* self);
  void RepaintButtons() const;

  std::atomic<HWND> panel_{nullptr};
  std::atomic<int> shift_{0};
  UniqueKernelHandle stopEvent_;
  UniqueKernelHandle thread_;
};

// The index of the transport button whose cell button `buttonIndex` (0-7) shows now.
int BusyButtonCellSource(int buttonIndex, int shift);

}  // namespace bw
