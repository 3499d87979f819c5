// The skin cell map: the cells that the dialogs rely on by number, and the drive icon strip.
#include "shell/skin_cells.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using skin::SkinCell;

struct FixedCell {
  const char* what;
  SkinCell actual;
  SkinCell wanted;
};

// Cells that other windows address by (column, row) rather than by name.
TEST(ArtSkinCells, CellsThatWindowsAddressByNumber) {
  const FixedCell cells[] = {
      // Media panels, medium sheet.
      {"media Browse", skin::medium_sheet::kCellBrowse, {0, 1}},
      {"media Play", skin::medium_sheet::kCellPlay, {1, 1}},
      {"media Stop", skin::medium_sheet::kCellStop, {2, 1}},
      {"media Pause", skin::medium_sheet::kCellPause, {3, 1}},
      {"media Info", skin::medium_sheet::kCellInfo, {0, 2}},
      {"media Copy", skin::medium_sheet::kCellCopy, {1, 2}},
      {"media Rename", skin::medium_sheet::kCellRename, {2, 2}},
      {"media Move", skin::medium_sheet::kCellMove, {3, 2}},
      {"media Editor", skin::medium_sheet::kCellEditor, {0, 3}},
      {"media Delete", skin::medium_sheet::kCellDelete, {1, 3}},
      {"media All", skin::medium_sheet::kCellAll, {2, 3}},
      {"media Search", skin::medium_sheet::kCellSearch, {3, 3}},
      // Media panels, small sheet: image n is column n of row 0.
      {"sound switch on", skin::small_sheet::kCellSoundOn, {0, 0}},
      {"sound switch muted", skin::small_sheet::kCellSoundMuted, {1, 0}},
      {"repeat switch on", skin::small_sheet::kCellRepeatOn, {2, 0}},
      {"repeat switch off", skin::small_sheet::kCellRepeatOff, {3, 0}},
      {"skip button", skin::small_sheet::kCellSkip, {6, 0}},
      // Drive search and folder browser, large sheet.
      {"search Start", skin::large_sheet::kCellStart, {0, 0}},
      {"OK", skin::large_sheet::kCellOk, {0, 2}},
      {"Cancel", skin::large_sheet::kCellCancel, {1, 2}},
      {"browser Search", skin::large_sheet::kCellSearch, {1, 3}},
  };
  for (const FixedCell& cell : cells) {
    EXPECT_EQ(cell.actual, cell.wanted) << cell.what;
  }
}

TEST(ArtSkinCells, CdTransportCellsAreEightDifferentPictures) {
  std::set<std::pair<int, int>> seen;
  for (const SkinCell& cell : skin::medium_sheet::kCdTransportCells) {
    EXPECT_LT(cell.column, skin::medium_sheet::kColumns);
    EXPECT_LT(cell.row, skin::medium_sheet::kRows);
    seen.insert({cell.column, cell.row});
  }
  EXPECT_EQ(seen.size(), 8u);
  EXPECT_EQ(skin::medium_sheet::kCdTransportCells[0], skin::medium_sheet::kCellPlay);
  EXPECT_EQ(skin::medium_sheet::kCdTransportCells[7], skin::medium_sheet::kCellEject);
}

TEST(ArtSkinCells, DriveIconsFollowTheDriveTypeInCellPairs) {
  // The browser picks cell "drive type minus 2": removable 2, fixed 3, remote 4, CD-ROM 5, RAM 6.
  const std::pair<int, int> driveTypeToX[] = {{2, 0}, {3, 32}, {4, 64}, {5, 96}, {6, 128}};
  for (const auto& [driveType, x] : driveTypeToX) {
    EXPECT_EQ(skin::icon_strip::CellX(driveType - 2), x) << "drive type " << driveType;
  }
  EXPECT_EQ(skin::icon_strip::CellX(skin::icon_strip::kSubfolder), 160);
  EXPECT_EQ(skin::icon_strip::CellX(skin::icon_strip::kAncestorFolder), 192);
}

}  // namespace
