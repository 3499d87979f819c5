// The program's name and version, shared by every deliverable.
#pragma once

extern const char* const kProgramName;
extern const char* const kProgramVersion;
