// The toggle table of skinned toggle buttons.
#include "shell/toggle_table.h"

#include <gtest/gtest.h>

TEST(ToggleTable, OnlyStateOneIsOn) {
  ToggleTable table{3330, 3331};
  EXPECT_FALSE(table.IsOn(3330));
  EXPECT_TRUE(table.SetState(3330, 1));
  EXPECT_TRUE(table.IsOn(3330));
  EXPECT_FALSE(table.IsOn(3331));
  EXPECT_TRUE(table.SetState(3330, 2));
  EXPECT_EQ(table.State(3330), 2);
  EXPECT_FALSE(table.IsOn(3330));
  EXPECT_TRUE(table.SetState(3330, 0));
  EXPECT_FALSE(table.IsOn(3330));
}

TEST(ToggleTable, UnknownIdsAreNotStored) {
  ToggleTable table{10};
  EXPECT_FALSE(table.SetState(11, 1));
  EXPECT_FALSE(table.IsOn(11));
  EXPECT_FALSE(table.Contains(11));
  EXPECT_TRUE(table.Contains(10));
  // The end marker of the stored form is not a control.
  EXPECT_FALSE(table.SetState(-1, 1));
  ToggleTable empty;
  EXPECT_FALSE(empty.IsOn(10));
}
