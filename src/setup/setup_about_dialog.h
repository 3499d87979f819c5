// The installer's About dialog, 200 "About Setup".
#pragma once

#include <windows.h>

void RunSetupAboutDialog(HWND owner);
