// The main program's entry point.
#include <windows.h>

#include "shell/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  return RunBrindlewax(instance, commandLine, showCommand);
}
