// Fills a list box with the names of the files that match a pattern.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bw {

// Adds every matching file's name (no folders, hidden or system files) in the order the file system returns them, and sets the
// list's horizontal extent to the widest name (in the list's font) plus one average character.
// Returns the number of names added.
int FillFileList(HWND listBox, const char* pattern);

// Empties the list and fills it with the files of `folder` (ending in "\") that match each
// pattern in turn ("*.wav", "*.mp3"), the extent set for the widest name of all. Returns the
// number of entries the list holds.
int RefillFileList(HWND listBox, const std::string& folder, const std::vector<std::string>& patterns);

}  // namespace bw
