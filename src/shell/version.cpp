// The program's name and version, shared by every deliverable.
#include "shell/version.h"

const char* const kProgramName = "Brindlewax";
const char* const kProgramVersion = "2.3";
