// Texts stored as Unicode in media tags, made into the ANSI code page the windows show.
#pragma once

#include <string>

namespace bw {

// Converts UTF-16 text to the ANSI code page; characters the code page cannot hold become
// "?". The program passes the system's own conversion; the core and its tests use
// Windows-1252.
using UnicodeToAnsi = std::string (*)(const std::u16string& text);

// Windows-1252 with "?" for any other character (a surrogate pair counts as one).
std::string Utf16ToWindows1252(const std::u16string& text);

// UTF-8 to UTF-16; a malformed sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(const std::string& text);

}  // namespace bw
