// Where each button picture lies in the skin sheets: the (column, row) of its normal image, the
// pressed image being the next cell to the right. The art generator (tools/art) draws the sheets
// from the same map and stops the build when this header and its sheets disagree.
#pragma once

namespace skin {

struct SkinCell {
  int column;
  int row;
};

constexpr bool operator==(SkinCell a, SkinCell b) { return a.column == b.column && a.row == b.row; }
constexpr bool operator!=(SkinCell a, SkinCell b) { return !(a == b); }

// Large sheet: style 0, bitmaps 11 / 12 (high colour) and 2 (256 colours), cells 51 x 47.
// The main window's Setup, About, Volume and Exit; the dialogs' big OK, Cancel, Start, Search.
namespace large_sheet {
inline constexpr int kColumns = 3;
inline constexpr int kRows = 6;
inline constexpr SkinCell kCellStart{0, 0};
inline constexpr SkinCell kCellSetup{1, 0};
inline constexpr SkinCell kCellStop{2, 0};
inline constexpr SkinCell kCellAbout{0, 1};
inline constexpr SkinCell kCellVolume{1, 1};
inline constexpr SkinCell kCellUpdate{2, 1};
inline constexpr SkinCell kCellOk{0, 2};
inline constexpr SkinCell kCellCancel{1, 2};
inline constexpr SkinCell kCellHelp{2, 2};
inline constexpr SkinCell kCellExit{0, 3};
inline constexpr SkinCell kCellSearch{1, 3};
inline constexpr SkinCell kCellBrowse{2, 3};
inline constexpr SkinCell kCellSave{0, 4};
inline constexpr SkinCell kCellDelete{1, 4};
inline constexpr SkinCell kCellView{2, 4};
inline constexpr SkinCell kCellSelect{0, 5};
inline constexpr SkinCell kCellSubmit{1, 5};
inline constexpr SkinCell kCellInfo{2, 5};
}  // namespace large_sheet

// Medium sheet: style 1, bitmaps 13 / 14 (high colour) and 1 (256 colours), cells 36 x 34.
// Rows 1-3 are the media panels' buttons; the CD player, the catalogue and the Garnish tools.
namespace medium_sheet {
inline constexpr int kColumns = 4;
inline constexpr int kRows = 11;
inline constexpr SkinCell kCellSkipBack{0, 0};
inline constexpr SkinCell kCellSkipForward{1, 0};
inline constexpr SkinCell kCellEject{2, 0};
inline constexpr SkinCell kCellLoad{3, 0};
inline constexpr SkinCell kCellBrowse{0, 1};
inline constexpr SkinCell kCellPlay{1, 1};
inline constexpr SkinCell kCellStop{2, 1};
inline constexpr SkinCell kCellPause{3, 1};
inline constexpr SkinCell kCellInfo{0, 2};
inline constexpr SkinCell kCellCopy{1, 2};
inline constexpr SkinCell kCellRename{2, 2};
inline constexpr SkinCell kCellMove{3, 2};
inline constexpr SkinCell kCellEditor{0, 3};
inline constexpr SkinCell kCellDelete{1, 3};
inline constexpr SkinCell kCellAll{2, 3};
inline constexpr SkinCell kCellSearch{3, 3};
inline constexpr SkinCell kCellAddEntry{0, 4};
inline constexpr SkinCell kCellEditEntry{1, 4};
inline constexpr SkinCell kCellGarnish{2, 4};
inline constexpr SkinCell kCellQuery{3, 4};
inline constexpr SkinCell kCellDatabaseEditor{0, 5};
inline constexpr SkinCell kCellSearchDatabase{1, 5};
inline constexpr SkinCell kCellSorter{2, 5};
inline constexpr SkinCell kCellExport{3, 5};
inline constexpr SkinCell kCellDatabaseInfo{0, 6};
inline constexpr SkinCell kCellCreateHtml{1, 6};
inline constexpr SkinCell kCellViewHtml{2, 6};
inline constexpr SkinCell kCellFreedbServerInfo{3, 6};
inline constexpr SkinCell kCellFreedbSetup{0, 7};
inline constexpr SkinCell kCellOk{1, 7};
inline constexpr SkinCell kCellCancel{2, 7};
inline constexpr SkinCell kCellAnimations{3, 7};
inline constexpr SkinCell kCellVolume{0, 8};
inline constexpr SkinCell kCellHelp{1, 8};
inline constexpr SkinCell kCellSubmit{2, 8};
inline constexpr SkinCell kCellUpdate{3, 8};
inline constexpr SkinCell kCellRepeatTrackOff{0, 9};
inline constexpr SkinCell kCellRepeatTrackOn{1, 9};
inline constexpr SkinCell kCellRepeatDiscOff{2, 9};
inline constexpr SkinCell kCellRepeatDiscOn{3, 9};
inline constexpr SkinCell kCellQueryStop{0, 10};
inline constexpr SkinCell kCellPageUp{1, 10};
inline constexpr SkinCell kCellPageDown{2, 10};
inline constexpr SkinCell kCellSetup{3, 10};

// The CD player's eight transport buttons 3310-3317 in control order (play, pause, stop,
// << skip, skip >>, add/edit entry, garnish, eject): the busy-buttons thread rotates these.
inline constexpr SkinCell kCdTransportCells[8] = {kCellPlay,        kCellPause,    kCellStop,
                                                  kCellSkipBack,    kCellSkipForward,
                                                  kCellAddEntry,    kCellGarnish,  kCellEject};
}  // namespace medium_sheet

// Small sheet: style 2, bitmap 8 (one 256-colour sheet for both modes), and the small alternative
// style 4, bitmaps 15 / 16 (high colour only; in 256 colours style 4 can draw from bitmap 8, whose
// cells are the same), cells 27 x 24. Row 0 holds the media panels' "images" 0-7 (image n is
// column n of row 0): sound on 0, muted 1, repeat on 2, repeat off 3, skip 6.
namespace small_sheet {
inline constexpr int kColumns = 8;
inline constexpr int kRows = 4;
inline constexpr SkinCell kCellSoundOn{0, 0};
inline constexpr SkinCell kCellSoundMuted{1, 0};
inline constexpr SkinCell kCellRepeatOn{2, 0};
inline constexpr SkinCell kCellRepeatOff{3, 0};
inline constexpr SkinCell kCellPageUp{4, 0};
inline constexpr SkinCell kCellPageDown{5, 0};
inline constexpr SkinCell kCellSkip{6, 0};
inline constexpr SkinCell kCellHelp{7, 0};
inline constexpr SkinCell kCellRepeatTrackOff{0, 1};
inline constexpr SkinCell kCellRepeatTrackOn{1, 1};
inline constexpr SkinCell kCellRepeatDiscOff{2, 1};
inline constexpr SkinCell kCellRepeatDiscOn{3, 1};
inline constexpr SkinCell kCellQuery{4, 1};
inline constexpr SkinCell kCellQueryStop{5, 1};
inline constexpr SkinCell kCellArrowUp{6, 1};
inline constexpr SkinCell kCellArrowDown{7, 1};
inline constexpr SkinCell kCellOk{0, 2};
inline constexpr SkinCell kCellCancel{1, 2};
inline constexpr SkinCell kCellStart{2, 2};
inline constexpr SkinCell kCellBrowse{3, 2};
inline constexpr SkinCell kCellSearch{4, 2};
inline constexpr SkinCell kCellSave{5, 2};
inline constexpr SkinCell kCellDelete{6, 2};
inline constexpr SkinCell kCellSubmit{7, 2};
inline constexpr SkinCell kCellPlay{0, 3};
inline constexpr SkinCell kCellStop{1, 3};
inline constexpr SkinCell kCellPause{2, 3};
inline constexpr SkinCell kCellVolume{3, 3};
inline constexpr SkinCell kCellEditor{4, 3};
inline constexpr SkinCell kCellAnimations{5, 3};
inline constexpr SkinCell kCellView{6, 3};
inline constexpr SkinCell kCellSelect{7, 3};
}  // namespace small_sheet

// Tiny sheet: style 3, bitmap 9 (both modes), cells 19 x 13. The CD player's track buttons (a
// plain face with an unlit lamp; the number is the label beside it; the current track lit) and
// the spin arrows of the catalogue dialogs.
namespace tiny_sheet {
inline constexpr int kColumns = 7;
inline constexpr int kRows = 2;
inline constexpr SkinCell kCellTrack{0, 0};
inline constexpr SkinCell kCellTrackLit{1, 0};
inline constexpr SkinCell kCellArrowUp{2, 0};
inline constexpr SkinCell kCellArrowDown{3, 0};
inline constexpr SkinCell kCellArrowLeft{4, 0};
inline constexpr SkinCell kCellArrowRight{5, 0};
inline constexpr SkinCell kCellHelp{6, 0};
inline constexpr SkinCell kCellOk{0, 1};
inline constexpr SkinCell kCellCancel{1, 1};
inline constexpr SkinCell kCellPlay{2, 1};
inline constexpr SkinCell kCellStop{3, 1};
inline constexpr SkinCell kCellPause{4, 1};
inline constexpr SkinCell kCellPageUp{5, 1};
inline constexpr SkinCell kCellPageDown{6, 1};
}  // namespace tiny_sheet

// The background strips (bitmaps 10 and 3): the folder browser's 16 x 16 drive and folder
// icons, loaded in three colourings (button face for the legend, window or entry-field colour for
// list entries, highlight for the selected entry). Cells come in pairs like the button cells:
// icon n lies at x = 2 * n * 16 (the second image of the pair repeats it).
namespace icon_strip {
inline constexpr int kCellSize = 16;
inline constexpr int kCount = 7;
inline constexpr int kRemovable = 0;  // drive type minus 2 for cells 0-4
inline constexpr int kFixed = 1;
inline constexpr int kRemote = 2;
inline constexpr int kCdRom = 3;
inline constexpr int kRamDisk = 4;
inline constexpr int kSubfolder = 5;
inline constexpr int kAncestorFolder = 6;
constexpr int CellX(int cell) { return 2 * cell * kCellSize; }
}  // namespace icon_strip

// The other pieces (8-bit light-grey bitmaps, the same in both colour modes).
namespace pieces {
inline constexpr int kCdBadgeId = 5;  // the CD player's small bitmap in frame 1111
inline constexpr int kCdBadgeWidth = 58;
inline constexpr int kCdBadgeHeight = 15;
inline constexpr int kEmblemId = 30;  // the emblem for the About dialog
inline constexpr int kEmblemSize = 48;
inline constexpr int kCornersId = 31;  // four 8 x 8 corner ornaments: top-left, top-right,
inline constexpr int kCornerSize = 8;  // bottom-left, bottom-right, side by side
}  // namespace pieces

}  // namespace skin
