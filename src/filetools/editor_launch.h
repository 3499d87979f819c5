// The media panels' Editor button: each selected file is started in the editor program
// stored for its kind, and for a kind without one the user is offered the editor selection.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// `files` are full paths. Each file gets its own editor process, started in the file's folder
// with the program's and the file's paths in quotes.
void LaunchEditor(HWND owner, const std::vector<std::string>& files);
