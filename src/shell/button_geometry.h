// Where a skinned button's image lies in its skin sheet and how large it is drawn, and which
// sheet and edge the painter uses. No drawing here: the painter (button_painter.h) does that.
#pragma once

namespace skin {

// The painter's five styles, numbered as the dialogs name them.
enum class ButtonStyle : int {
  kLarge = 0,
  kMedium = 1,
  kSmall = 2,
  kTiny = 3,
  kSmallAlternative = 4,
};

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size& other) const { return width == other.width && height == other.height; }
};

struct CellRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const CellRect& other) const {
    return x == other.x && y == other.y && width == other.width && height == other.height;
  }
};

// A button's place in its sheet: the normal image is in column `column` (counted in pairs of
// cells, normal then pressed) and row `row`.
struct Cell {
  ButtonStyle style = ButtonStyle::kLarge;
  int column = 0;
  int row = 0;
};

// Size of one cell in the skin sheet.
Size SkinCellSize(ButtonStyle style);

// Size drawn on screen; large fonts means 120 pixels per inch.
Size DrawnButtonSize(ButtonStyle style, bool largeFonts);

// The cell to copy: x = 2 * column * cell width (+ one cell width when pressed), y = row * cell height.
CellRect SkinCellRect(ButtonStyle style, int column, int row, bool pressed);

// Styles 0, 1 and 4 have a highlighted sheet in high-colour mode; 2 and 3 have one sheet only.
bool HasHighlightedSheet(ButtonStyle style);

enum class Sheet { kNormal, kHighlighted };
enum class Edge { kFlat, kRaised };

// What the painter is told about one WM_DRAWITEM.
struct ButtonDrawState {
  bool highColour = true;
  bool pressed = false;             // ODS_SELECTED
  bool focusOrSelectAction = false;  // ODA_FOCUS or ODA_SELECT
  bool edgeWhenPressed = false;
};

// First form (with a toggle table): the highlighted sheet when the button is toggled on or pressed.
Sheet ChooseSheetWithToggle(ButtonStyle style, const ButtonDrawState& state, bool toggledOn);

// Second form (no toggle table): only the large style switches, when pressed or on a focus or
// selection change.
Sheet ChooseSheetPlain(ButtonStyle style, const ButtonDrawState& state);

// Only in 256-colour mode is an edge drawn around the button; answers whether there is one.
bool DrawsEdge(const ButtonDrawState& state);
// Raised when not pressed on a focus/selection change, or pressed with the edge-when-pressed flag.
Edge ChooseEdge(const ButtonDrawState& state);

}  // namespace skin
