// The rotating transport buttons of a running freedb query.
#include "cd/cd_player_panel_busy_buttons.h"

namespace bw {

int BusyButtonCellSource(int buttonIndex, int shift) {
  return ((buttonIndex - shift) % kBusyButtonCount + kBusyButtonCount) % kBusyButtonCount;
}

void BusyButtonsAnimation::Start(HWND panel) {
  Stop();
  panel_ = panel;
  shift_ = 0;
  stopEvent_.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!stopEvent_) return;
  thread_.Reset(CreateThread(nullptr, 0, Run, this, 0, nullptr));
}

void BusyButtonsAnimation::Stop() {
  if (thread_) {
    SetEvent(stopEvent_.Get());
    // The thread only waits on the event and invalidates; it ends at once.
    WaitForSingleObject(thread_.Get(), INFINITE);
    thread_.Reset();
  }
  stopEvent_.Reset();
  if (shift_.exchange(0) != 0) RepaintButtons();
  panel_ = nullptr;
}

DWORD WINAPI BusyButtonsAnimation::Run(void* self) {
  auto* animation = static_cast<BusyButtonsAnimation*>(self);
  while (WaitForSingleObject(animation->stopEvent_.Get(), kBusyStepMs) == WAIT_TIMEOUT) {
    animation->shift_ = (animation->shift_.load() + 1) % kBusyButtonCount;
    animation->RepaintButtons();
  }
  return 0;
}

// Only invalidates: the panel's thread paints, so this never waits on it.
void BusyButtonsAnimation::RepaintButtons() const {
  HWND panel = panel_.load();
  if (panel == nullptr || !IsWindow(panel)) return;
  for (int i = 0; i < kBusyButtonCount; ++i) {
    if (HWND button = GetDlgItem(panel, kBusyButtonFirstId + i)) InvalidateRect(button, nullptr, FALSE);
  }
}

}  // namespace bw
