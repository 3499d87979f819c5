// The modal About dialog: the program's name and version.
#pragma once

#include <windows.h>

void RunAboutDialog(HWND owner);
