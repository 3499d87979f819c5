// Finding the copy of the program that already runs.
#include "shell/running_copy.h"

#include "shell/texts.h"

namespace {

constexpr const char* kMainWindowMark = "Brindlewax.MainWindow";

BOOL CALLBACK FindMarkedWindow(HWND window, LPARAM found) {
  if (GetPropA(window, kMainWindowMark) == nullptr) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

}  // namespace

void MarkMainWindow(HWND mainWindow) {
  SetPropA(mainWindow, kMainWindowMark, reinterpret_cast<HANDLE>(1));
}

void UnmarkMainWindow(HWND mainWindow) {
  RemovePropA(mainWindow, kMainWindowMark);
}

HWND FindRunningCopy() {
  if (HWND byTitle = FindWindowA(nullptr, kTextProgramTitle)) return byTitle;
  HWND marked = nullptr;
  EnumWindows(FindMarkedWindow, reinterpret_cast<LPARAM>(&marked));
  return marked;
}
