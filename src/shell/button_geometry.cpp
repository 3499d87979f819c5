// Skin cell geometry and the painter's choice of sheet and edge.
#include "shell/button_geometry.h"

namespace skin {
namespace {

struct StyleSizes {
  Size cell;
  Size largeFonts;  // drawn at 120 pixels per inch; normal fonts draw the cell size
};

StyleSizes SizesOf(ButtonStyle style) {
  switch (style) {
    case ButtonStyle::kLarge: return {{51, 47}, {68, 58}};
    case ButtonStyle::kMedium: return {{36, 34}, {48, 42}};
    case ButtonStyle::kSmall: return {{27, 24}, {36, 30}};
    case ButtonStyle::kTiny: return {{19, 13}, {26, 16}};
    case ButtonStyle::kSmallAlternative: return {{27, 24}, {36, 30}};
  }
  return {{51, 47}, {68, 58}};
}

}  // namespace

Size SkinCellSize(ButtonStyle style) { return SizesOf(style).cell; }

Size DrawnButtonSize(ButtonStyle style, bool largeFonts) {
  StyleSizes sizes = SizesOf(style);
  return largeFonts ? sizes.largeFonts : sizes.cell;
}

CellRect SkinCellRect(ButtonStyle style, int column, int row, bool pressed) {
  Size cell = SkinCellSize(style);
  CellRect rect;
  rect.x = 2 * column * cell.width + (pressed ? cell.width : 0);
  rect.y = row * cell.height;
  rect.width = cell.width;
  rect.height = cell.height;
  return rect;
}

bool HasHighlightedSheet(ButtonStyle style) {
  return style == ButtonStyle::kLarge || style == ButtonStyle::kMedium ||
         style == ButtonStyle::kSmallAlternative;
}

Sheet ChooseSheetWithToggle(ButtonStyle style, const ButtonDrawState& state, bool toggledOn) {
  if (!state.highColour || !HasHighlightedSheet(style)) return Sheet::kNormal;
  return (toggledOn || state.pressed) ? Sheet::kHighlighted : Sheet::kNormal;
}

Sheet ChooseSheetPlain(ButtonStyle style, const ButtonDrawState& state) {
  if (!state.highColour || style != ButtonStyle::kLarge) return Sheet::kNormal;
  return (state.pressed || state.focusOrSelectAction) ? Sheet::kHighlighted : Sheet::kNormal;
}

bool DrawsEdge(const ButtonDrawState& state) { return !state.highColour; }

Edge ChooseEdge(const ButtonDrawState& state) {
  if (!state.pressed && state.focusOrSelectAction) return Edge::kRaised;
  if (state.pressed && state.edgeWhenPressed) return Edge::kRaised;
  return Edge::kFlat;
}

}  // namespace skin
