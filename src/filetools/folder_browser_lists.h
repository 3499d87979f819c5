// The folder browser's owner-drawn lists: the drive list (icon by drive type and the drive's
// description) and the directory list (the ancestor chain and the subfolders with their indents
// and folder glyphs), and the legend icons beside the drive-kind labels. The icons come from
// the skin's background strips, drawn 20 x 20 with large fonts and 16 x 16 otherwise.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/win32_handles.h"
#include "filetools/directory_list.h"
#include "filetools/drive_entries.h"

namespace bw {

// Fills the drive lists from the system's drive listing: the raw "[-c-]" entries into the
// shown list and `rawEntries`, the descriptions into `descriptions` (same order), each shown
// entry's icon as its item data. Answers the raw entries in the shown list's order.
std::vector<std::string> FillDriveLists(HWND shown, HWND rawEntries, HWND descriptions,
                                        DriveQueries& queries);

// Shows `list` in the directory list (and its texts in the two hidden lists), sets the
// horizontal extent and selects the browsed folder's own line.
void ShowDirectoryList(HWND shown, HWND texts, HWND names, const DirectoryList& list);

// Sets the lines of an owner-drawn list high enough for the icons and the list's font, and
// the list's height to whole lines.
void SetIconLineHeight(HWND list);

// WM_DRAWITEM of the two lists. Selected lines are filled with `highlight`, the others with
// the entry-field colours.
void DrawDriveLine(const DRAWITEMSTRUCT& item, HWND descriptions, HBRUSH highlight);
void DrawDirectoryLine(const DRAWITEMSTRUCT& item, HBRUSH highlight);

// The drive icons to the left of the legend labels `firstLabel`..`firstLabel` + 4.
void PaintDriveLegend(HWND dialog, HDC dc, int firstLabel);

// Measures texts in a list's font while it lives.
class ListTextMeasure {
 public:
  explicit ListTextMeasure(HWND list);
  int Width(const std::string& text) const;
  int AverageCharWidth() const { return averageCharWidth_; }
  int Height() const { return height_; }

 private:
  WindowDc dc_;
  SelectedObject font_;
  int averageCharWidth_ = 0;
  int height_ = 0;
};

// The text of line `index` of a list box; empty past its end.
std::string ListLineText(HWND list, int index);

}  // namespace bw
