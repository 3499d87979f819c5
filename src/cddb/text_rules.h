// How the catalogue tools order and lower-case the ANSI texts of the catalogue. On Windows
// these are the system's own lstrcmpA, lstrcmpiA and CharLowerBuffA, which follow the user's
// locale; elsewhere a portable ordering that approximates them for the Windows-1252 code page
// (docs/ordering.md tells how). The tools take the rules as plain functions, so tests can
// give them any ordering.
#pragma once

#include <cstddef>

namespace bw {

// Orders two zero-terminated ANSI texts: negative when `a` sorts first, 0 when the two sort
// alike, positive when `b` sorts first.
using TextCompare = int (*)(const char* a, const char* b);

// Lower-cases `length` ANSI bytes in place, byte for byte.
using LowerCaseBytes = void (*)(char* text, std::size_t length);

struct TextRules {
  TextCompare compare = nullptr;            // case-sensitive, as lstrcmpA
  TextCompare compareIgnoringCase = nullptr;  // as lstrcmpiA
  LowerCaseBytes lowerCase = nullptr;       // as CharLowerBuffA
};

// The portable ordering and lower-casing of Windows-1252 texts.
int PortableCompareText(const char* a, const char* b);
int PortableCompareTextIgnoringCase(const char* a, const char* b);
void PortableLowerCase(char* text, std::size_t length);
TextRules PortableTextRules();

// The platform's rules: the Windows functions on Windows, the portable ones elsewhere.
TextRules PlatformTextRules();

}  // namespace bw
