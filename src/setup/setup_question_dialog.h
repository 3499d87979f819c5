// The installer's question dialog, 500 "Setup Question!".
#pragma once

#include <windows.h>

#include <string>

// True for OK; Cancel, Escape and the close button answer No.
bool AskSetupQuestion(HWND owner, const std::string& question);
