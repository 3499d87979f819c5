// The skin bitmaps of the main program, loaded for the current colour mode and re-coloured to the
// user's system colours. Loaded at start and after a system colour change; deleted at shutdown.
#pragma once

#include <windows.h>

#include "shell/button_geometry.h"
#include "base/win32_handles.h"

struct SkinSet {
  UniqueBitmap large;
  UniqueBitmap largeHighlighted;  // high colour only
  UniqueBitmap medium;
  UniqueBitmap mediumHighlighted;  // high colour only
  UniqueBitmap smallAlternative;  // high colour only
  UniqueBitmap smallAlternativeHighlighted;  // high colour only
  UniqueBitmap small;
  UniqueBitmap tiny;
  // Background strips in three colourings.
  UniqueBitmap backgroundFace;
  UniqueBitmap backgroundWindow;  // entry fields: button face when entry-field colouring is on
  UniqueBitmap backgroundHighlight;
  // Other pieces, bitmaps 5, 30 and 31.
  UniqueBitmap piece5;
  UniqueBitmap piece30;
  UniqueBitmap piece31;
};

// Loads every skin bitmap for g_highColour from g_instance (deleting what was loaded before).
void LoadSkins();
void DeleteSkins();
const SkinSet& Skins();

// The sheet the painter draws a style from; the normal sheet stands in where a mode has no
// highlighted one. May be null when the bitmap is missing.
HBITMAP SkinSheet(skin::ButtonStyle style, skin::Sheet sheet);

// The two loaders, on a copy of bitmap resource `id` of `module`.
// 256-colour sheets: light grey, white and mid grey of the colour table become `background`,
// the button highlight and the button shadow.
UniqueBitmap LoadRecolouredSkin(HINSTANCE module, int id, COLORREF background);
// 24-bit sheets: every pixel of the first pixel's colour becomes `replacement`.
UniqueBitmap LoadKeyedSkin(HINSTANCE module, int id, COLORREF replacement);
// Either loader, chosen by the resource's own format (colour table or not).
UniqueBitmap LoadSkinBitmap(HINSTANCE module, int id, COLORREF background);
