// Conversion between UTF-8 and Windows-1252, the ANSI code page the catalogue's texts are
// stored in. The five bytes 1252 leaves unassigned (81, 8D, 8F, 90, 9D) map to the C1 control
// characters of the same value, as Windows itself maps them, so every byte round-trips.
#pragma once

#include <string>

namespace bw {

// Always succeeds: every Windows-1252 byte has a character.
std::string Windows1252ToUtf8(const std::string& text);

// False, with the reason in *error, for malformed UTF-8 or a character that Windows-1252
// cannot hold.
bool Utf8ToWindows1252(const std::string& text, std::string* out, std::string* error);

}  // namespace bw
