// Draws the skinned owner-drawn buttons of every dialog from the skin sheets (skins.h).
#pragma once

#include <windows.h>

#include "shell/button_geometry.h"
#include "shell/toggle_table.h"

// First form, for dialogs with toggle buttons: styles 0, 1 and 4 show their highlighted image in
// high-colour mode while the control is toggled on or pressed.
void DrawSkinnedButton(const DRAWITEMSTRUCT& item, int column, int row, skin::ButtonStyle style,
                       bool edgeWhenPressed, const ToggleTable& toggles);

// Second form, without toggles: only the large style switches to its highlighted image.
void DrawSkinnedButton(const DRAWITEMSTRUCT& item, int column, int row, skin::ButtonStyle style,
                       bool edgeWhenPressed);

// Copies one cell of a sheet to (1, 1) of the button, stretched to the style's drawn size.
// Used by the painter and by the hover highlight.
void DrawSkinCell(HDC dc, const skin::Cell& cell, skin::Sheet sheet, bool pressed);

// The one-pixel frame inside a control's client rectangle: raised is highlight colour left and top,
// shadow colour right and bottom; flat frames it in the button-face colour.
void DrawHoverFrame(HWND dialog, int controlId, bool raised);
void DrawButtonEdge(HDC dc, const RECT& rect, bool raised);
