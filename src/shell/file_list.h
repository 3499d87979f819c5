// Fills a list box with the names of the files that match a pattern.
#pragma once

#include <windows.h>

namespace bw {

// Adds every matching file's name (no folders, hidden or system files) in the order the file system returns them, and sets the
// list's horizontal extent to the widest name (in the list's font) plus one average character.
// Returns the number of names added.
int FillFileList(HWND listBox, const char* pattern);

}  // namespace bw
