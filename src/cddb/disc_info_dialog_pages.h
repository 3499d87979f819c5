// The Add / Edit Compact Disc Information dialog's rows in pages of 15, and how its radio
// buttons stand for the stored codes. Pure functions; pages, rows and slots are 0-based.
#pragma once

#include <cstdint>

namespace bw {

inline constexpr int kDiscInfoRowsPerPage = 15;

// (tracks - 1) / 15 + 1 for more than 15 tracks; 0 (no paging) otherwise.
int DiscInfoPageCount(int trackCount);

// Page Down / Page Up with wrap-around; stays on page 0 without paging.
int StepDiscInfoPage(int page, int pageCount, int step);

// Rows shown on `page`: all 15 while more tracks remain, else the remaining ones.
int DiscInfoRowsOnPage(int trackCount, int page);

// The title slot (track - 1) that row `row` of `page` edits.
inline int DiscInfoSlotForRow(int page, int row) { return page * kDiscInfoRowsPerPage + row; }

// The button of each group checked for a stored code: recording 0-2 its own button and
// anything else DDD (3); type likewise; size 0 the 3-inch button (0), anything else 5-inch (1).
int RecordingButtonForCode(std::uint8_t code);
int TypeButtonForCode(std::uint8_t code);
int SizeButtonForCode(std::uint8_t code);

}  // namespace bw
