// On Windows the catalogue tools order and lower-case texts as the system does for the user's
// locale.
#include <windows.h>

#include "cddb/text_rules.h"

namespace bw {
namespace {

int SystemCompare(const char* a, const char* b) { return lstrcmpA(a, b); }
int SystemCompareIgnoringCase(const char* a, const char* b) { return lstrcmpiA(a, b); }

void SystemLowerCase(char* text, std::size_t length) {
  // CharLowerBuffA takes a DWORD of characters; catalogue texts are far shorter.
  while (length > 0) {
    const DWORD chunk = length > 0x10000000u ? 0x10000000u : static_cast<DWORD>(length);
    CharLowerBuffA(text, chunk);
    text += chunk;
    length -= chunk;
  }
}

}  // namespace

TextRules PlatformTextRules() {
  TextRules rules;
  rules.compare = SystemCompare;
  rules.compareIgnoringCase = SystemCompareIgnoringCase;
  rules.lowerCase = SystemLowerCase;
  return rules;
}

}  // namespace bw
