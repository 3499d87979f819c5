// The program's own yes/no question (dialog 1000, "Brindlewax Question!"), fed from the shared
// message buffer (message_box.h).
#pragma once

#include <windows.h>

#include <string_view>

// Answer flag of the last question: 0 when the user chose OK, 1 for Cancel or closing the box.
// It keeps its previous value if the box could not be shown.
inline constexpr int kAnswerOk = 0;
inline constexpr int kAnswerCancel = 1;
extern int g_questionAnswer;

// Shows the buffer's text and sets g_questionAnswer; answers false when the box could not be shown.
bool AskQuestionBox(HWND owner);
// Copies `text` into the buffer, asks, and answers true for OK (false also when not shown).
bool AskQuestion(HWND owner, std::string_view text);
