// UTF-8 and UTF-16 tag texts to Windows-1252, the code page the core assumes.
#include "media/ansi_text.h"

#include <cstdint>

namespace bw {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// The characters Windows-1252 places at 0x80-0x9F (0 where it leaves the byte unassigned).
constexpr char16_t kHighCharacters[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

char Windows1252Byte(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (int i = 0; i < 32; ++i) {
    if (kHighCharacters[i] != 0 && kHighCharacters[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

void AppendUtf16(char32_t c, std::u16string* out) {
  if (c < 0x10000) {
    out->push_back(static_cast<char16_t>(c));
  } else {
    c -= 0x10000;
    out->push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out->push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  }
}

}  // namespace

std::string Utf16ToWindows1252(const std::u16string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      ++i;  // one character outside the code page, one "?"
      out.push_back('?');
      continue;
    }
    out.push_back(Windows1252Byte(c));
  }
  return out;
}

std::u16string Utf8ToUtf16(const std::string& text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    int extra = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (lead < 0x80) {
      out.push_back(lead);
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, value = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, value = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, value = lead & 0x07, least = 0x10000;
    } else {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    int taken = 1;
    bool ok = true;
    for (; taken <= extra; ++taken) {
      if (i + taken >= text.size()) { ok = false; break; }
      const auto next = static_cast<std::uint8_t>(text[i + taken]);
      if ((next & 0xC0) != 0x80) { ok = false; break; }
      value = (value << 6) | (next & 0x3F);
    }
    if (!ok || value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
      out.push_back(kReplacement);
      i += static_cast<std::size_t>(taken);  // resume at the byte that broke the sequence
      continue;
    }
    AppendUtf16(value, &out);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

}  // namespace bw
