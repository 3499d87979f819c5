// The program's own message box (dialog 600, "Brindlewax Message"). The program never uses the
// system message box.
#pragma once

#include <windows.h>

#include <string_view>

// Shows `text`; returns when the user closes the box. The owner's hover timer is paused
// meanwhile.
void ShowMessage(HWND owner, std::string_view text);
