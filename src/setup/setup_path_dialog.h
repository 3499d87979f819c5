// The installer's folder browser, 300 " Path Setup".
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The folder chosen (ending in "\"), starting at `folder` or its nearest existing ancestor;
// none on Cancel.
std::optional<std::string> RunSetupPathDialog(HWND owner, const std::string& folder);
