// The large-video dialog (1500): a video too large for the Video panel's docked area plays
// here, the dialog grown to its size, with the panel's playing controls of its own. It ends
// when the file ends and more files follow, or when the user stops.
#pragma once

#include <windows.h>

#include <string>

struct LargeVideoInput {
  std::string devicePath;  // the path the device opens (the short path of .mov and .mpg files)
  std::string title;       // the caption: the file's name
  SIZE video = {};         // the picture's source size
};

// Runs the dialog over the panel for the play queue's next file. The queue tells the panel
// afterwards whether files are still to start.
void RunLargeVideoDialog(HWND owner, const LargeVideoInput& input);
