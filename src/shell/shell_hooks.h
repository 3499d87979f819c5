// The calls the shell makes into the subsystems beside it (media panels, freedb, options).
// Each subsystem fills its entries when it registers with the shell at start-up
// (subsystem_registration.cpp); an empty entry skips that step.
#pragma once

#include <windows.h>

#include <functional>

struct ShellHooks {
  // The media panels' stop routine: closes the media device, clears the displays.
  std::function<void()> stopMediaPlayback;
  // Ends a running freedb query and its connection (a no-op when none runs).
  std::function<void()> stopFreedbQuery;
  // The media panel's own file-list refresh; the shell's refresh is used when empty.
  std::function<void(HWND panel)> refreshFileList;
  // Runs the options dialog modally (Setup button).
  std::function<void(HWND owner)> runOptionsDialog;
  // Places the current panel's animation again (after the options dialog).
  std::function<void(HWND panel)> repositionPanelAnimation;
};

ShellHooks& Hooks();

// Calls every subsystem's registration: panel procedures and the hooks above.
void RegisterSubsystems();
