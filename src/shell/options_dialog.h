// The options dialog (400, "Brindlewax Setup"): the program's switches, list filters, video
// window choices and CD drive, applied to the running program on OK; it also opens the editor
// selection, the volume mixer selection and the animation setup.
#pragma once

#include <windows.h>

struct OptionsInput {
  HWND panel = nullptr;  // the main window's current panel; none while no panel is shown
  // Opens the editor selection (it lives above the shell); none: Change Editor does nothing.
  void (*runEditorSelection)(HWND owner) = nullptr;
  // Opens the volume mixer selection (also above the shell); none: Change Volume does nothing.
  void (*runVolumeMixerSelection)(HWND owner) = nullptr;
};

struct OptionsResult {
  bool accepted = false;      // OK was pressed
  bool driveChanged = false;  // the CD device was reopened on another drive
};

OptionsResult RunOptionsDialog(HWND owner, const OptionsInput& input);
