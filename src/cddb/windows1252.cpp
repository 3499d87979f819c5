// The Windows-1252 table for 80-9F; the other bytes are the same as in Latin-1.
#include "cddb/windows1252.h"

#include <cstdint>
#include <cstdio>

namespace bw {
namespace {

// Characters of bytes 0x80 to 0x9F; the unassigned five keep their own value.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

void AppendUtf8(char32_t c, std::string* out) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (c >> 6)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xE0 | (c >> 12)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Decodes one character at text[*i], advancing *i; false for malformed UTF-8.
bool NextCodePoint(const std::string& text, std::size_t* i, char32_t* c) {
  const auto byte = [&text](std::size_t at) { return static_cast<std::uint8_t>(text[at]); };
  const std::uint8_t lead = byte(*i);
  int extra = 0;
  char32_t value = 0;
  char32_t least = 0;
  if (lead < 0x80) {
    *c = lead;
    ++*i;
    return true;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1, value = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, value = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, value = lead & 0x07, least = 0x10000;
  } else {
    return false;
  }
  if (text.size() - *i <= static_cast<std::size_t>(extra)) return false;
  for (int k = 1; k <= extra; ++k) {
    const std::uint8_t next = byte(*i + k);
    if ((next & 0xC0) != 0x80) return false;
    value = (value << 6) | (next & 0x3F);
  }
  if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
  *c = value;
  *i += static_cast<std::size_t>(extra) + 1;
  return true;
}

bool EncodeChar(char32_t c, char* byte) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
    *byte = static_cast<char>(c);
    return true;
  }
  for (int k = 0; k < 32; ++k) {
    if (kHighControls[k] == c) {
      *byte = static_cast<char>(0x80 + k);
      return true;
    }
  }
  return false;
}

}  // namespace

std::string Windows1252ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    const auto byte = static_cast<std::uint8_t>(ch);
    AppendUtf8(byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte, &out);
  }
  return out;
}

bool Utf8ToWindows1252(const std::string& text, std::string* out, std::string* error) {
  out->clear();
  out->reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t at = i;
    char32_t c = 0;
    if (!NextCodePoint(text, &i, &c)) {
      *error = "malformed UTF-8 at byte " + std::to_string(at);
      return false;
    }
    char byte = 0;
    if (!EncodeChar(c, &byte)) {
      char code[16];
      std::snprintf(code, sizeof(code), "U+%04X", static_cast<unsigned>(c));
      *error = std::string("the character ") + code + " (\"" + text.substr(at, i - at) +
               "\") has no place in Windows-1252";
      return false;
    }
    out->push_back(byte);
  }
  return true;
}

}  // namespace bw
