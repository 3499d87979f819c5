// The Add / Edit dialog's pages of 15 rows and the radio buttons its stored codes check.
#include <gtest/gtest.h>

#include "cddb/disc_info_dialog_pages.h"

namespace bw {
namespace {

TEST(DiscInfoPages, PageCountOnlyBeyondFifteenTracks) {
  struct Case {
    int tracks;
    int pages;
  };
  const Case cases[] = {{0, 0}, {1, 0}, {15, 0}, {16, 2}, {30, 2}, {31, 3}, {99, 7}};
  for (const Case& c : cases) EXPECT_EQ(DiscInfoPageCount(c.tracks), c.pages) << c.tracks;
}

TEST(DiscInfoPages, RowsOfEachPage) {
  EXPECT_EQ(DiscInfoRowsOnPage(16, 0), 15);
  EXPECT_EQ(DiscInfoRowsOnPage(16, 1), 1);
  EXPECT_EQ(DiscInfoRowsOnPage(12, 0), 12);
  EXPECT_EQ(DiscInfoRowsOnPage(30, 1), 15);
  EXPECT_EQ(DiscInfoRowsOnPage(99, 6), 9);
  EXPECT_EQ(DiscInfoRowsOnPage(0, 0), 0);
  EXPECT_EQ(DiscInfoSlotForRow(1, 0), 15);
}

TEST(DiscInfoPages, PagingWrapsBothWays) {
  EXPECT_EQ(StepDiscInfoPage(1, 2, +1), 0);
  EXPECT_EQ(StepDiscInfoPage(0, 2, -1), 1);
  EXPECT_EQ(StepDiscInfoPage(0, 7, +1), 1);
  EXPECT_EQ(StepDiscInfoPage(0, 7, -1), 6);
  EXPECT_EQ(StepDiscInfoPage(0, 0, +1), 0);
  EXPECT_EQ(StepDiscInfoPage(0, 0, -1), 0);
}

TEST(DiscInfoPages, StoredCodesCheckTheirButtons) {
  struct Case {
    int code;
    int recording;
    int type;
    int size;
  };
  const Case cases[] = {
      {0, 0, 0, 0}, {1, 1, 1, 1}, {2, 2, 2, 1}, {3, 3, 3, 1}, {4, 3, 3, 1}, {255, 3, 3, 1},
  };
  for (const Case& c : cases) {
    const auto code = static_cast<std::uint8_t>(c.code);
    EXPECT_EQ(RecordingButtonForCode(code), c.recording) << c.code;
    EXPECT_EQ(TypeButtonForCode(code), c.type) << c.code;
    EXPECT_EQ(SizeButtonForCode(code), c.size) << c.code;
  }
}

}  // namespace
}  // namespace bw
