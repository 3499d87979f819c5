// Search Database (dialog 2500), opened from the database editor: finds entries by text in
// chosen fields or by one coded property, lists them by artist and disc name, and hands the
// one the user picks back to the editor with the field that matched.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct SearchInput {
  std::string catalogueFolder;    // the folder of brindwax.dat
  std::uint16_t editorIndex = 0;  // the entry the editor shows
};

struct SearchResult {
  bool chosen = false;          // false: cancelled, the editor stays on its entry
  std::uint16_t index = 0;      // the chosen entry (the editor's entry when cancelled)
  std::uint16_t fieldCode = 0;  // where it matched: 0-98 a track, 100-115 the other fields
};

// The options come from and go back to the program's search settings in memory; the last
// result list and the entry chosen from it are kept for the next opening while the catalogue
// stays as it was.
SearchResult RunSearchDialog(HWND owner, const SearchInput& input);
