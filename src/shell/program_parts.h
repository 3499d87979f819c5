// What the subsystems above the shell lend the main window. The program's entry file fills
// this once, naming each subsystem's entry, and hands it to start-up; the shell itself knows
// none of those subsystems.
#pragma once

#include <windows.h>

#include <memory>

class SkinnedDialog;

inline constexpr int kPanelCount = 4;
inline constexpr int kAudioTab = 0;
inline constexpr int kMidiTab = 1;
inline constexpr int kVideoTab = 2;
inline constexpr int kCdPlayerTab = 3;

// Makes the state of a new panel; the panel host creates its window from the tab's template
// and keeps the state until the panel is destroyed.
using PanelFactory = std::unique_ptr<SkinnedDialog> (*)();

struct ProgramParts {
  // The panels of the tabs Audio, MIDI, Video and CD Player.
  PanelFactory panels[kPanelCount] = {};
  // The media panels' stop routine: closes the media device, clears the displays.
  void (*stopMediaPlayback)() = nullptr;
  // Ends a running freedb query and its connection (nothing when none runs).
  void (*stopFreedbQuery)() = nullptr;
  // Opens the editor selection (the options dialog's Change Editor).
  void (*runEditorSelection)(HWND owner) = nullptr;
  // Opens the volume mixer selection (the options dialog's Change Volume).
  void (*runVolumeMixerSelection)(HWND owner) = nullptr;
  // Starts the chosen volume mixer, or offers the selection when none is chosen (Volume).
  void (*startVolumeMixer)(HWND owner) = nullptr;
};
