// The uninstaller's question, dialog 101 "Question!".
#pragma once

#include <windows.h>

#include <string>

// True for OK; Cancel, Escape and closing it from its system menu answer Cancel.
bool AskUninstallQuestion(HWND owner, const std::string& question);
