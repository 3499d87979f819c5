// The portable ordering and lower-casing of Windows-1252 texts. The ordering compares in
// levels as the Windows word sort does: first the letters, digits and symbols themselves
// (accents, case, hyphens and apostrophes set aside), then the accents, then the case (small
// letters first), then the hyphens and apostrophes. docs/ordering.md describes it.
#include "cddb/text_rules.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace bw {
namespace {

// One sorting element: its weight on each of the first three levels.
struct Element {
  std::uint16_t primary = 0;
  std::uint8_t accent = 0;
  std::uint8_t form = 0;  // 0 small letter or symbol, 1 capital, 2 and up other forms
};

enum class Kind : std::uint8_t {
  kIgnored,  // control characters and unassigned bytes: no weight at all
  kSpecial,  // hyphens and apostrophes: weigh only when everything else is equal
  kWeighed,
};

struct ByteRule {
  Kind kind = Kind::kIgnored;
  std::uint8_t count = 0;  // elements: more than one for ligatures and fractions
  Element elements[3];
  std::uint8_t special = 0;  // the rank of a special character
};

// Accent weights, in the order accented letters follow their plain letter.
enum Accent : std::uint8_t {
  kNone = 0, kAcute, kGrave, kCircumflex, kDiaeresis, kTilde, kRing, kStroke, kCaron,
  kCedilla, kHook, kEth,
};

constexpr std::uint16_t kSymbolBase = 0x0100;
constexpr std::uint16_t kDigitBase = 0x1000;
constexpr std::uint16_t kLetterBase = 0x2000;

// Symbols in the order they sort, all before the digits: white space, punctuation, the
// other signs, and last the five bytes the code page leaves unassigned (which weigh alike).
constexpr const char kSymbolOrder[] =
    "\x20\xA0\x09\x0A\x0B\x0C\x0D"
    "!\"#$%&()*,./:;?@[\\]^_`{|}~"
    "\xA1\xA6\xA8\xAF\xB4\xB8\xBF\x98\x91\x92\x82\x93\x94\x84\x8B\x9B"
    "\xA2\xA3\xA4\xA5\x80"
    "+<=>\xB1\xAB\xBB\xD7\xF7\xA7\xA9\xAC\xAE\xB0\xB5\xB6\xB7\x85\x86\x87\x95\x89";
constexpr const char kUnassigned[] = "\x81\x8D\x8F\x90\x9D";

// Characters that weigh only when the texts are otherwise equal, in their order: the
// control characters, then apostrophe, hyphen, en dash and em dash.
constexpr const char kSpecialOrder[] =
    "\x01\x02\x03\x04\x05\x06\x07\x08\x0E\x0F\x10\x11\x12\x13\x14\x15\x16\x17"
    "\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F\x7F"
    "'-\x96\x97";

struct Letter {
  unsigned char byte;
  char base;  // 'a' to 'z'
  Accent accent;
  bool capital;
};

constexpr Letter kAccentedLetters[] = {
    {0xC0, 'a', kGrave, true},      {0xC1, 'a', kAcute, true},     {0xC2, 'a', kCircumflex, true},
    {0xC3, 'a', kTilde, true},      {0xC4, 'a', kDiaeresis, true}, {0xC5, 'a', kRing, true},
    {0xC7, 'c', kCedilla, true},    {0xC8, 'e', kGrave, true},     {0xC9, 'e', kAcute, true},
    {0xCA, 'e', kCircumflex, true}, {0xCB, 'e', kDiaeresis, true}, {0xCC, 'i', kGrave, true},
    {0xCD, 'i', kAcute, true},      {0xCE, 'i', kCircumflex, true}, {0xCF, 'i', kDiaeresis, true},
    {0xD0, 'd', kEth, true},        {0xD1, 'n', kTilde, true},     {0xD2, 'o', kGrave, true},
    {0xD3, 'o', kAcute, true},      {0xD4, 'o', kCircumflex, true}, {0xD5, 'o', kTilde, true},
    {0xD6, 'o', kDiaeresis, true},  {0xD8, 'o', kStroke, true},    {0xD9, 'u', kGrave, true},
    {0xDA, 'u', kAcute, true},      {0xDB, 'u', kCircumflex, true}, {0xDC, 'u', kDiaeresis, true},
    {0xDD, 'y', kAcute, true},      {0x8A, 's', kCaron, true},     {0x8E, 'z', kCaron, true},
    {0x9F, 'y', kDiaeresis, true},  {0x83, 'f', kHook, false},
};

Element LetterElement(char base, Accent accent, std::uint8_t form) {
  // Two apart, so a sign that sorts between two letters fits.
  return {static_cast<std::uint16_t>(kLetterBase + 2 * (base - 'a')), accent, form};
}

std::array<ByteRule, 256> BuildRules() {
  std::array<ByteRule, 256> rules{};
  const auto weigh = [&rules](unsigned char byte, std::initializer_list<Element> elements) {
    ByteRule& rule = rules[byte];
    rule.kind = Kind::kWeighed;
    rule.count = 0;
    for (const Element& element : elements) rule.elements[rule.count++] = element;
  };
  std::uint16_t rank = 0;
  for (const char* p = kSymbolOrder; *p != '\0'; ++p) {
    weigh(static_cast<unsigned char>(*p), {{static_cast<std::uint16_t>(kSymbolBase + rank++), 0, 0}});
  }
  // Told apart by a form of their own (2 upward: no case, so ignoring case keeps it).
  std::uint8_t form = 2;
  for (const char* p = kUnassigned; *p != '\0'; ++p) {
    weigh(static_cast<unsigned char>(*p), {{static_cast<std::uint16_t>(kSymbolBase + rank), 0, form++}});
  }
  // The modifier circumflex is the circumflex accent's twin.
  rules[0x88] = rules['^'];
  std::uint8_t specialRank = 1;
  for (const char* p = kSpecialOrder; *p != '\0'; ++p) {
    ByteRule& rule = rules[static_cast<unsigned char>(*p)];
    rule.kind = Kind::kSpecial;
    rule.special = specialRank++;
  }
  // Digits four apart, so the fractions fit between 0 and 1.
  for (int digit = 0; digit <= 9; ++digit) {
    weigh(static_cast<unsigned char>('0' + digit), {{static_cast<std::uint16_t>(kDigitBase + 4 * digit), 0, 0}});
  }
  const auto digitElement = [](int digit, std::uint8_t form) {
    return Element{static_cast<std::uint16_t>(kDigitBase + 4 * digit), 0, form};
  };
  weigh(0xB9, {digitElement(1, 2)});
  weigh(0xB2, {digitElement(2, 2)});
  weigh(0xB3, {digitElement(3, 2)});
  // The fractions sort as signs of their own between 0 and 1.
  weigh(0xBC, {{static_cast<std::uint16_t>(kDigitBase + 1), 0, 0}});
  weigh(0xBD, {{static_cast<std::uint16_t>(kDigitBase + 2), 0, 0}});
  weigh(0xBE, {{static_cast<std::uint16_t>(kDigitBase + 3), 0, 0}});
  for (char c = 'a'; c <= 'z'; ++c) {
    weigh(static_cast<unsigned char>(c), {LetterElement(c, kNone, 0)});
    weigh(static_cast<unsigned char>(c - 'a' + 'A'), {LetterElement(c, kNone, 1)});
  }
  for (const Letter& letter : kAccentedLetters) {
    weigh(letter.byte, {LetterElement(letter.base, letter.accent, letter.capital ? 1 : 0)});
    // The small letter of every capital here lies 0x20 above it, or 0x10 for Š, Ž and Ÿ.
    if (!letter.capital) continue;
    const unsigned char small = letter.byte >= 0xC0 ? letter.byte + 0x20
                                : letter.byte == 0x9F ? 0xFF
                                                      : letter.byte + 0x10;
    weigh(small, {LetterElement(letter.base, letter.accent, 0)});
  }
  weigh(0xAA, {LetterElement('a', kNone, 2)});
  weigh(0xBA, {LetterElement('o', kNone, 2)});
  weigh(0xC6, {LetterElement('a', kNone, 1), LetterElement('e', kNone, 1)});
  weigh(0xE6, {LetterElement('a', kNone, 0), LetterElement('e', kNone, 0)});
  weigh(0x8C, {LetterElement('o', kNone, 1), LetterElement('e', kNone, 1)});
  weigh(0x9C, {LetterElement('o', kNone, 0), LetterElement('e', kNone, 0)});
  weigh(0xDF, {LetterElement('s', kNone, 0), LetterElement('s', kNone, 0)});
  // The thorn sorts as "th".
  weigh(0xDE, {LetterElement('t', kNone, 1), LetterElement('h', kNone, 1)});
  weigh(0xFE, {LetterElement('t', kNone, 0), LetterElement('h', kNone, 0)});
  // The trade mark sign sorts after every word in t and before u.
  weigh(0x99, {{static_cast<std::uint16_t>(LetterElement('t', kNone, 0).primary + 1), 0, 0}});
  return rules;
}

const std::array<ByteRule, 256>& Rules() {
  static const std::array<ByteRule, 256> rules = BuildRules();
  return rules;
}

// Steps through the weighed elements of a text, setting the other characters aside.
class ElementCursor {
 public:
  explicit ElementCursor(const char* text) : text_(reinterpret_cast<const unsigned char*>(text)) {}

  // The next element, or false at the end of the text.
  bool Next(Element* element) {
    const auto& rules = Rules();
    while (*text_ != 0) {
      const ByteRule& rule = rules[*text_];
      if (rule.kind == Kind::kWeighed && inRule_ < rule.count) {
        *element = rule.elements[inRule_++];
        return true;
      }
      ++text_;
      inRule_ = 0;
    }
    return false;
  }

 private:
  const unsigned char* text_;
  std::uint8_t inRule_ = 0;
};

int Sign(int value) { return (value > 0) - (value < 0); }

// Compares the element sequences on one level; `weight` picks the level's weight.
template <typename Weight>
int CompareLevel(const char* a, const char* b, Weight weight) {
  ElementCursor left(a);
  ElementCursor right(b);
  Element x;
  Element y;
  for (;;) {
    const bool moreLeft = left.Next(&x);
    const bool moreRight = right.Next(&y);
    if (!moreLeft || !moreRight) return static_cast<int>(moreLeft) - static_cast<int>(moreRight);
    const int difference = static_cast<int>(weight(x)) - static_cast<int>(weight(y));
    if (difference != 0) return Sign(difference);
  }
}

// The hyphens and apostrophes: where they stand (counted in weighed elements) and which.
int CompareSpecials(const char* a, const char* b) {
  const auto& rules = Rules();
  const auto* x = reinterpret_cast<const unsigned char*>(a);
  const auto* y = reinterpret_cast<const unsigned char*>(b);
  int positionX = 0;
  int positionY = 0;
  for (;;) {
    while (*x != 0 && rules[*x].kind != Kind::kSpecial) positionX += rules[*x++].count;
    while (*y != 0 && rules[*y].kind != Kind::kSpecial) positionY += rules[*y++].count;
    if (*x == 0 || *y == 0) return static_cast<int>(*x != 0) - static_cast<int>(*y != 0);
    // The one whose hyphen or apostrophe stands further on sorts first.
    if (positionX != positionY) return positionX > positionY ? -1 : 1;
    if (rules[*x].special != rules[*y].special) return rules[*x].special < rules[*y].special ? -1 : 1;
    ++x;
    ++y;
  }
}

int CompareLevels(const char* a, const char* b, bool heedCase) {
  int result = CompareLevel(a, b, [](const Element& e) { return e.primary; });
  if (result == 0) result = CompareLevel(a, b, [](const Element& e) { return e.accent; });
  if (result == 0) {
    // Ignoring case sets only the capitals' form aside; ordinals and superscripts still weigh.
    result = heedCase ? CompareLevel(a, b, [](const Element& e) { return e.form; })
                      : CompareLevel(a, b, [](const Element& e) { return e.form == 1 ? 0 : e.form; });
  }
  if (result == 0) result = CompareSpecials(a, b);
  return result;
}

}  // namespace

int PortableCompareText(const char* a, const char* b) { return CompareLevels(a, b, true); }

int PortableCompareTextIgnoringCase(const char* a, const char* b) {
  return CompareLevels(a, b, false);
}

void PortableLowerCase(char* text, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    unsigned char lower = c;
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
      lower = static_cast<unsigned char>(c + 0x20);
    } else if (c == 0x8A || c == 0x8C || c == 0x8E) {
      lower = static_cast<unsigned char>(c + 0x10);  // Š Œ Ž
    } else if (c == 0x9F) {
      lower = 0xFF;  // Ÿ
    }
    text[i] = static_cast<char>(lower);
  }
}

TextRules PortableTextRules() {
  TextRules rules;
  rules.compare = PortableCompareText;
  rules.compareIgnoringCase = PortableCompareTextIgnoringCase;
  rules.lowerCase = PortableLowerCase;
  return rules;
}

}  // namespace bw
