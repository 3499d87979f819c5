// brindwax-cli db FOLDER sort|search|export|info: the catalogue tools through the same core
// the program's dialogs use.
#pragma once

#include <string>
#include <vector>

#include "cddb/database.h"

namespace bw::cli {

// Each gets the arguments after its own word; returns the exit code (0, 1 failed, 2 usage).
int RunSort(Database& db, const std::vector<std::string>& arguments);
int RunSearch(Database& db, const std::vector<std::string>& arguments);
int RunExport(Database& db, const std::vector<std::string>& arguments);
int RunInfo(Database& db, const std::vector<std::string>& arguments);

// The usage lines of these commands.
const char* ToolsUsage();

}  // namespace bw::cli
