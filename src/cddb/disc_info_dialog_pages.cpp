// Paging and code mapping of the Add / Edit Compact Disc Information dialog.
#include "cddb/disc_info_dialog_pages.h"

#include <algorithm>

namespace bw {

int DiscInfoPageCount(int trackCount) {
  if (trackCount <= kDiscInfoRowsPerPage) return 0;
  return (trackCount - 1) / kDiscInfoRowsPerPage + 1;
}

int StepDiscInfoPage(int page, int pageCount, int step) {
  if (pageCount <= 0) return 0;
  int next = (page + step) % pageCount;
  if (next < 0) next += pageCount;
  return next;
}

int DiscInfoRowsOnPage(int trackCount, int page) {
  const int remaining = trackCount - page * kDiscInfoRowsPerPage;
  return std::clamp(remaining, 0, kDiscInfoRowsPerPage);
}

int RecordingButtonForCode(std::uint8_t code) { return std::min<int>(code, 3); }
int TypeButtonForCode(std::uint8_t code) { return std::min<int>(code, 3); }
int SizeButtonForCode(std::uint8_t code) { return code == 0 ? 0 : 1; }

}  // namespace bw
