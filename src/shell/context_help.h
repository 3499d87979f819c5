// Context help for a control through WinHelp with the dialog's table of control ids and help
// contexts. Viewers that do not take the table commands (HELP_WM_HELP, HELP_CONTEXTMENU; the
// viewer of Wine is one) are then asked with HELP_CONTEXT for the control's own context.
#pragma once

#include <windows.h>

// table: control id, help context, ..., 0, 0. Nothing happens without a table or help file.
void ShowControlHelp(HWND control, const char* helpFile, UINT command, const DWORD* table);
