// The program's own yes/no question (dialog 1000, "Brindlewax Question!").
#pragma once

#include <windows.h>

#include <string_view>

// Asks `text`; answers true when the user chose OK, false for Cancel, Escape, the close
// button, or a box that could not be shown.
bool AskQuestion(HWND owner, std::string_view text);
