// The program's own message box (dialog 600, "Brindlewax Message"), fed from the shared message
// buffer. The program never uses the system message box.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The shared message buffer: callers put (and may append to) the text of the next message or
// question here before opening a box.
extern std::string g_messageBuffer;

// Shows the buffer's text; returns when the user closes the box. The owner's hover timer is
// paused meanwhile.
void ShowMessageBox(HWND owner);
// Copies `text` into the buffer and shows it.
void ShowMessage(HWND owner, std::string_view text);
