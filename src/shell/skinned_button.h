// A skinned owner-drawn button as its dialog declares it: control id and the skin cell it shows.
#pragma once

#include "shell/button_geometry.h"
#include "shell/skin_cells.h"

struct SkinnedButton {
  int id = 0;
  skin::ButtonStyle style = skin::ButtonStyle::kLarge;
  int column = 0;  // -1: not drawn from a sheet (only framed by the hover highlight)
  int row = 0;
  bool edgeWhenPressed = false;  // 256-colour mode: raised edge while pressed
};

// Declares a button by its cell in the sheet map: Skinned(IDC_OK, kLarge, large_sheet::kCellOk).
constexpr SkinnedButton Skinned(int id, skin::ButtonStyle style, skin::SkinCell cell,
                                bool edgeWhenPressed = false) {
  return SkinnedButton{id, style, cell.column, cell.row, edgeWhenPressed};
}
