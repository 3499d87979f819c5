// Reading the animation library's catalogue from its string table.
#include "shell/animation_catalog.h"

#include <cctype>
#include <climits>

namespace {

// Offsets of the strings of one animation's block from its first id (the name).
enum BlockOffset : int {
  kFrameWidth = 1,
  kFrameHeight = 2,
  kFrameCount = 3,
  kDelayCount = 4,
  kDelays = 5,
  kPaletteEntryCount = 6,
  kKeyColourFlag = 7,
  kKeyColour = 8,
  kBitmapId = 9,
  kAuthor = 10,
  kPaletteId = 11,
  kColourDepth = 12,
  kColourDepthText = 13,
};

constexpr int kMaxFrameCount = 1000;
constexpr int kMaxFrameSide = 4096;
constexpr int kMaxPaletteEntries = 256;
constexpr int kFallbackDelayMs = 100;
// A zero delay would keep a thread drawing without pause.
constexpr int kMinDelayMs = 10;

// The leading decimal number of a text, as the C library's atoi reads it (0 when none),
// held within int range.
int ParseDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) {
      value = INT_MAX;
      break;
    }
  }
  return static_cast<int>(negative ? -value : value);
}

std::vector<int> ParseDecimalList(std::string_view text, std::size_t maxCount) {
  std::vector<int> values;
  std::size_t start = 0;
  while (values.size() < maxCount && start <= text.size()) {
    std::size_t comma = text.find(',', start);
    std::string_view field = text.substr(start, comma == std::string_view::npos ? std::string_view::npos
                                                                                 : comma - start);
    if (field.find_first_not_of(" \t") == std::string_view::npos) break;  // nothing more listed
    values.push_back(ParseDecimal(field));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return values;
}

std::string LoadText(const CatalogStringLoader& loadString, int id) {
  std::optional<std::string> text = loadString(id);
  return text ? *text : std::string();
}

int LoadNumber(const CatalogStringLoader& loadString, int id) {
  return ParseDecimal(LoadText(loadString, id));
}

std::uint8_t ColourComponent(int value) {
  if (value < 0) return 0;
  if (value > 255) return 255;
  return static_cast<std::uint8_t>(value);
}

// The first string id of every listed block, at most as many as string 1000 counts.
std::vector<int> BlockIds(const CatalogStringLoader& loadString) {
  int count = LoadNumber(loadString, kAnimationCountStringId);
  if (count <= 0) return {};
  return ParseDecimalList(LoadText(loadString, kAnimationBlockListStringId),
                          static_cast<std::size_t>(count));
}

AnimationInfo ReadBlock(const CatalogStringLoader& loadString, int k, std::string name) {
  AnimationInfo info;
  info.name = std::move(name);
  info.frameWidth = LoadNumber(loadString, k + kFrameWidth);
  info.frameHeight = LoadNumber(loadString, k + kFrameHeight);
  info.frameCount = LoadNumber(loadString, k + kFrameCount);
  info.delayCount = LoadNumber(loadString, k + kDelayCount);
  if (info.delayCount < 0) info.delayCount = 0;
  if (info.delayCount > kMaxAnimationDelays) info.delayCount = kMaxAnimationDelays;
  info.delays = ParseDecimalList(LoadText(loadString, k + kDelays), static_cast<std::size_t>(info.delayCount));
  for (int& delay : info.delays) {
    if (delay < kMinDelayMs) delay = kMinDelayMs;
  }
  info.paletteEntryCount = LoadNumber(loadString, k + kPaletteEntryCount);
  if (info.paletteEntryCount < 0) info.paletteEntryCount = 0;
  if (info.paletteEntryCount > kMaxPaletteEntries) info.paletteEntryCount = kMaxPaletteEntries;
  info.hasKeyColour = LoadNumber(loadString, k + kKeyColourFlag) == 1;
  if (info.hasKeyColour) {
    std::vector<int> rgb = ParseDecimalList(LoadText(loadString, k + kKeyColour), 3);
    rgb.resize(3, 0);
    info.keyColour = Rgb{ColourComponent(rgb[0]), ColourComponent(rgb[1]), ColourComponent(rgb[2])};
  }
  info.bitmapId = LoadNumber(loadString, k + kBitmapId);
  info.author = LoadText(loadString, k + kAuthor);
  info.paletteId = LoadNumber(loadString, k + kPaletteId);
  info.colourDepth = LoadNumber(loadString, k + kColourDepth);
  info.colourDepthText = LoadText(loadString, k + kColourDepthText);
  return info;
}

bool IsUsable(const AnimationInfo& info) {
  return info.frameWidth > 0 && info.frameWidth <= kMaxFrameSide && info.frameHeight > 0 &&
         info.frameHeight <= kMaxFrameSide && info.frameCount > 0 && info.frameCount <= kMaxFrameCount;
}

}  // namespace

std::optional<AnimationInfo> FindAnimationInfo(const CatalogStringLoader& loadString,
                                               std::string_view name) {
  for (int k : BlockIds(loadString)) {
    std::optional<std::string> blockName = loadString(k);
    if (!blockName || *blockName != name) continue;
    AnimationInfo info = ReadBlock(loadString, k, *blockName);
    if (!IsUsable(info)) return std::nullopt;
    return info;
  }
  return std::nullopt;
}

std::vector<std::string> AnimationNames(const CatalogStringLoader& loadString) {
  std::vector<std::string> names;
  for (int k : BlockIds(loadString)) {
    std::optional<std::string> name = loadString(k);
    if (name && !name->empty()) names.push_back(*name);
  }
  return names;
}

std::string DefaultAnimationName(const CatalogStringLoader& loadString, int index) {
  if (index < 0 || index >= kDefaultAnimationCount) return std::string();
  return LoadText(loadString, kDefaultAnimationNameBaseId + index);
}

int FrameDelayMs(const AnimationInfo& info, int frame) {
  if (info.delays.empty()) return kFallbackDelayMs;
  if (frame < 0) frame = 0;
  std::size_t index = static_cast<std::size_t>(frame);
  if (index >= info.delays.size()) index = info.delays.size() - 1;
  return info.delays[index];
}

int NextFrame(int frame, int frameCount) {
  if (frameCount <= 0) return 0;
  int next = frame + 1;
  return (next >= frameCount || next < 0) ? 0 : next;
}
