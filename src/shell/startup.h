// The main program from start to end: start-up steps, hand-over to a running copy, the
// message loop with the accelerator table, and the release of everything after the loop.
#pragma once

#include <windows.h>

#include <string>

#include "shell/program_parts.h"

// Runs the program with the parts the subsystems lend the shell; answers the exit code.
int RunBrindlewax(HINSTANCE instance, const char* commandLine, int showCommand,
                  const ProgramParts& parts);

// The program folder of a program file's full path: up to and including its last "\".
std::string ProgramFolderOf(const std::string& programPath);
