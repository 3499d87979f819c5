// The program's name and version, shared by every deliverable.
#include "shell/version.h"

const char* const kProgramName = "Brindlewax";
const char* const kProgramVersion = "2.3";
// Placeholder until the maker's address is settled.
const char* const kMakerWebAddress = "http://www.example.com/brindlewax/";
