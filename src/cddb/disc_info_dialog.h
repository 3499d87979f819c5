// Add / Edit Compact Disc Information (dialog 1700): the titles, texts and codes of a disc,
// filled from its catalogue entry when there is one. OK stores the disc as one entry at the
// end of the catalogue.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "cd/table_of_contents.h"

// The disc the dialog is about and the catalogue it is kept in.
struct DiscInfoInput {
  bw::TableOfContents toc;
  std::uint32_t discId = 0;
  std::string catalogueFolder;  // the folder of brindwax.dat
};

struct DiscInfoResult {
  bool saved = false;  // OK (or the close button) stored the entry
};

DiscInfoResult RunDiscInfoDialog(HWND owner, const DiscInfoInput& input);
