// Garnish (dialog 2100): the hub of the catalogue and freedb tools. Ten skinned buttons, each
// opening one tool; the tools that need entries refuse an empty catalogue with a message.
#pragma once

#include <windows.h>

#include <string>

struct GarnishInput {
  std::string catalogueFolder;  // the folder of brindwax.dat
};

void RunGarnishDialog(HWND owner, const GarnishInput& input);
