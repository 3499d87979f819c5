// The editor selection (1600, "Select editor for *.WAV files" and its siblings): one external
// editor program per media file kind, chosen by typing or browsing, or cleared. OK writes the
// changed kinds to the settings file at once.
#pragma once

#include <windows.h>

#include "filetools/editor_settings.h"

struct EditorSelectionInput {
  EditorKind kind = EditorKind::kWav;  // the kind shown first
};

struct EditorSelectionResult {
  bool accepted = false;  // OK was pressed (and what changed was stored)
};

EditorSelectionResult RunEditorSelectionDialog(HWND owner, const EditorSelectionInput& input);

// The options dialog's Change Editor: the selection opened on the first kind.
void RunEditorSelection(HWND owner);
