// Reads the animation library's catalogue from its string table. String 1000 holds the number of
// animations, string 1001 the comma-separated first string id of each animation's block; a block
// is the name followed by 13 strings (size, frames, delays, key colour, resource ids, author,
// colour depth). Strings 100 to 105 name the default animations.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/skin_recolour.h"

// Loads string `id` of the library; nullopt when the library has no such string.
using CatalogStringLoader = std::function<std::optional<std::string>(int id)>;

inline constexpr int kMaxAnimationDelays = 100;
inline constexpr int kAnimationCountStringId = 1000;
inline constexpr int kAnimationBlockListStringId = 1001;
inline constexpr int kDefaultAnimationNameBaseId = 100;
inline constexpr int kDefaultAnimationCount = 6;  // sound, MIDI, CD player, copy/move, internet, fixed

// One animation as the catalogue describes it.
struct AnimationInfo {
  std::string name;
  int frameWidth = 0;
  int frameHeight = 0;
  int frameCount = 0;
  int delayCount = 0;
  std::vector<int> delays;  // milliseconds, at most kMaxAnimationDelays
  int paletteEntryCount = 0;
  bool hasKeyColour = false;
  Rgb keyColour;  // black unless hasKeyColour
  int bitmapId = 0;
  std::string author;
  int paletteId = 0;
  int colourDepth = 0;  // bits
  std::string colourDepthText;
};

// Finds the block whose name equals `name` exactly. A block with no frames or no size is not
// usable and counts as not found.
std::optional<AnimationInfo> FindAnimationInfo(const CatalogStringLoader& loadString,
                                               std::string_view name);

// The names of all animations in catalogue order (for choosing one).
std::vector<std::string> AnimationNames(const CatalogStringLoader& loadString);

// String 100 + index; empty when the library does not hold it.
std::string DefaultAnimationName(const CatalogStringLoader& loadString, int index);

// The delay after showing `frame`: its own delay, or the last listed one when the catalogue lists
// fewer delays than frames, or 100 ms when it lists none.
int FrameDelayMs(const AnimationInfo& info, int frame);

// The frame after `frame`, back to 0 after the last.
int NextFrame(int frame, int frameCount);
