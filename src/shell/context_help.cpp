// Context help through WinHelp, with a fallback for viewers without the table commands.
#include "shell/context_help.h"

namespace {

DWORD ContextOf(const DWORD* table, DWORD controlId) {
  for (const DWORD* pair = table; pair[0] != 0 || pair[1] != 0; pair += 2) {
    if (pair[0] == controlId) return pair[1];
  }
  return 0;
}

}  // namespace

void ShowControlHelp(HWND control, const char* helpFile, UINT command, const DWORD* table) {
  if (table == nullptr || helpFile == nullptr || helpFile[0] == '\0') return;
  if (WinHelpA(control, helpFile, command, reinterpret_cast<ULONG_PTR>(table))) return;
  const DWORD context = ContextOf(table, static_cast<DWORD>(GetDlgCtrlID(control)));
  if (context != 0) WinHelpA(control, helpFile, HELP_CONTEXT, context);
}
