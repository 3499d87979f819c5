// Skin cell addressing, drawn sizes and the painter's choice of sheet and edge.
#include "shell/button_geometry.h"

#include <gtest/gtest.h>

using skin::ButtonStyle;
using skin::CellRect;
using skin::ButtonDrawState;
using skin::Edge;
using skin::Sheet;
using skin::Size;

TEST(ButtonGeometry, CellAndDrawnSizesPerStyle) {
  struct Case {
    ButtonStyle style;
    Size cell;
    Size largeFonts;
  };
  const Case cases[] = {
      {ButtonStyle::kLarge, {51, 47}, {68, 58}},
      {ButtonStyle::kMedium, {36, 34}, {48, 42}},
      {ButtonStyle::kSmall, {27, 24}, {36, 30}},
      {ButtonStyle::kTiny, {19, 13}, {26, 16}},
      {ButtonStyle::kSmallAlternative, {27, 24}, {36, 30}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.style));
    EXPECT_EQ(skin::SkinCellSize(c.style), c.cell);
    EXPECT_EQ(skin::DrawnButtonSize(c.style, false), c.cell);
    EXPECT_EQ(skin::DrawnButtonSize(c.style, true), c.largeFonts);
  }
}

TEST(ButtonGeometry, CellRectIsPairOfCellsPerColumn) {
  struct Case {
    ButtonStyle style;
    int column, row;
    bool pressed;
    CellRect expected;
  };
  const Case cases[] = {
      {ButtonStyle::kMedium, 2, 1, true, {180, 34, 36, 34}},  // 2*2*36 + 36
      {ButtonStyle::kMedium, 2, 1, false, {144, 34, 36, 34}},
      {ButtonStyle::kLarge, 0, 0, false, {0, 0, 51, 47}},
      {ButtonStyle::kLarge, 0, 0, true, {51, 0, 51, 47}},
      {ButtonStyle::kLarge, 3, 2, false, {306, 94, 51, 47}},
      {ButtonStyle::kTiny, 1, 3, true, {57, 39, 19, 13}},
      {ButtonStyle::kSmallAlternative, 4, 0, true, {243, 0, 27, 24}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.style) << " col " << c.column << " row "
                                    << c.row << (c.pressed ? " pressed" : ""));
    EXPECT_EQ(skin::SkinCellRect(c.style, c.column, c.row, c.pressed), c.expected);
  }
}

TEST(ButtonGeometry, ToggleFormHighlightsStyles014WhenToggledOrPressedInHighColour) {
  const ButtonStyle all[] = {ButtonStyle::kLarge, ButtonStyle::kMedium, ButtonStyle::kSmall,
                             ButtonStyle::kTiny, ButtonStyle::kSmallAlternative};
  for (ButtonStyle style : all) {
    SCOPED_TRACE(static_cast<int>(style));
    bool swaps = style != ButtonStyle::kSmall && style != ButtonStyle::kTiny;
    ButtonDrawState idle{true, false, false, false};
    ButtonDrawState pressed{true, true, true, false};
    EXPECT_EQ(skin::ChooseSheetWithToggle(style, idle, false), Sheet::kNormal);
    EXPECT_EQ(skin::ChooseSheetWithToggle(style, idle, true), swaps ? Sheet::kHighlighted : Sheet::kNormal);
    EXPECT_EQ(skin::ChooseSheetWithToggle(style, pressed, false), swaps ? Sheet::kHighlighted : Sheet::kNormal);
    // A focus change alone does not highlight in the toggle form.
    ButtonDrawState focused{true, false, true, false};
    EXPECT_EQ(skin::ChooseSheetWithToggle(style, focused, false), Sheet::kNormal);
    // 256-colour mode has no highlighted sheets.
    ButtonDrawState palette{false, true, true, false};
    EXPECT_EQ(skin::ChooseSheetWithToggle(style, palette, true), Sheet::kNormal);
  }
}

TEST(ButtonGeometry, PlainFormSwitchesOnlyTheLargeStyle) {
  ButtonDrawState pressed{true, true, true, false};
  ButtonDrawState focusChange{true, false, true, false};
  ButtonDrawState repaint{true, false, false, false};
  EXPECT_EQ(skin::ChooseSheetPlain(ButtonStyle::kLarge, pressed), Sheet::kHighlighted);
  EXPECT_EQ(skin::ChooseSheetPlain(ButtonStyle::kLarge, focusChange), Sheet::kHighlighted);
  EXPECT_EQ(skin::ChooseSheetPlain(ButtonStyle::kLarge, repaint), Sheet::kNormal);
  EXPECT_EQ(skin::ChooseSheetPlain(ButtonStyle::kMedium, pressed), Sheet::kNormal);
  EXPECT_EQ(skin::ChooseSheetPlain(ButtonStyle::kSmallAlternative, pressed), Sheet::kNormal);
  ButtonDrawState palettePressed{false, true, true, false};
  EXPECT_EQ(skin::ChooseSheetPlain(ButtonStyle::kLarge, palettePressed), Sheet::kNormal);
}

TEST(ButtonGeometry, EdgeOnlyIn256ColourMode) {
  struct Case {
    bool pressed, focusOrSelect, edgeWhenPressed;
    Edge expected;
  };
  const Case cases[] = {
      {false, true, false, Edge::kRaised},  // released after a click, focus gained
      {false, false, false, Edge::kFlat},   // plain repaint
      {true, true, false, Edge::kFlat},     // pressed without the flag
      {true, true, true, Edge::kRaised},    // pressed with the flag
      {false, false, true, Edge::kFlat},
  };
  for (const Case& c : cases) {
    ButtonDrawState state{false, c.pressed, c.focusOrSelect, c.edgeWhenPressed};
    EXPECT_TRUE(skin::DrawsEdge(state));
    EXPECT_EQ(skin::ChooseEdge(state), c.expected);
  }
  EXPECT_FALSE(skin::DrawsEdge(ButtonDrawState{true, false, true, false}));
}
