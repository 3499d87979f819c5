// The installer's message dialog, 400 "Setup Message!".
#pragma once

#include <windows.h>

#include <string>

void ShowSetupMessage(HWND owner, const std::string& text);
