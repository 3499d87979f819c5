// The system's help viewer as the tests see it: its window showing the program's help file,
// the text of the topic it shows, and a screenshot once that text is painted.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// The viewer's visible main window showing the program's help file ("Brindlewax Help").
HWND HelpWindow();
// The whole text of the topic the viewer shows; empty without a viewer.
std::string HelpText(HWND helpWindow);
// Waits until the viewer shows a topic whose text begins with `title`; answers the text.
std::string WaitForHelpTopic(const std::string& title, HWND* window = nullptr);
bool StartsWith(const std::string& text, const std::string& start);
// The viewer fills its text before it paints it; the picture waits until the text on screen
// holds still.
void SaveHelpScreenshot(HWND window, const char* name);

}  // namespace e2e
