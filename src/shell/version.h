// The program's name and version, shared by every deliverable.
#pragma once

extern const char* const kProgramName;
extern const char* const kProgramVersion;
// The maker's web address, named after the program in every disc it submits to Freedb.
extern const char* const kMakerWebAddress;
