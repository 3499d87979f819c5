// The uninstaller's main window, dialog 100 "Uninstall Brindlewax" (modeless).
#pragma once

#include <windows.h>

// Creates and shows the window and runs the message loop until it is closed.
int RunUninstallWindow(int showCommand);
