// The splash window shown during start-up: a borderless popup of class "Brindlewax Logo",
// centred, showing bitmap 20 (with the program palette in 256-colour mode).
#pragma once

#include <windows.h>

// Creates and shows the splash window; null when it cannot be made (start-up goes on without it).
HWND ShowSplashWindow(HINSTANCE instance, bool highColour);
void CloseSplashWindow(HWND splash);
