// Create HTML Document (dialog 3400): the web page generator's options, the web template and
// the destination, kept in section "WEB" of the settings file; Start writes the pages.
#pragma once

#include <windows.h>

#include <string>

struct HtmlDocumentInput {
  std::string catalogueFolder;  // the folder of brindwax.dat, which is the program folder
};

void RunHtmlDocumentDialog(HWND owner, const HtmlDocumentInput& input);

// View HTML: opens the page the last run (or the last OK) stored in the settings in the
// system's browser, with sound 24 when it opened. Nothing happens without a stored page.
void ViewGeneratedHtml(HWND owner);
