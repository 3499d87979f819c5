// The look of the companion programs (the installer and the uninstaller): the main program's
// skins, sounds and dialog chrome, set up from the companion's own module and help file.
#pragma once

#include <windows.h>

#include <string>

// Measures the screen, loads the skins and finds AnimateWindow; the help file is `helpFile`.
void StartCompanionLook(HINSTANCE instance, const std::string& helpFile);
// Releases what StartCompanionLook took.
void EndCompanionLook();
// The companion's own path, from the system.
std::string CompanionProgramPath();
// Gives a dialog the program icon (the high-colour one on high-colour screens).
void SetCompanionIcon(HWND window);
