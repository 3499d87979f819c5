// Pixel and colour-table transforms on packed device-independent bitmaps (a BITMAPINFOHEADER,
// its colour table and the pixel rows, as a bitmap resource holds them). The skin loader and
// the animation loader apply them to a copy of the resource before making the screen bitmap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb& other) const {
    return red == other.red && green == other.green && blue == other.blue;
  }
  bool operator!=(const Rgb& other) const { return !(*this == other); }
};

// The layout of a packed bitmap, checked against its size.
struct DibLayout {
  int width = 0;
  int height = 0;             // rows, whatever the direction
  int bitCount = 0;           // 1, 4, 8, 24 or 32
  std::size_t headerSize = 0;
  std::size_t colourTableOffset = 0;
  std::size_t colourCount = 0;  // entries of 4 bytes: blue, green, red, reserved
  std::size_t pixelOffset = 0;
  std::size_t rowStride = 0;    // bytes per row, padded to 4
};

// Answers false for anything but an uncompressed bitmap of 1 to 32 bits whose table and rows fit.
bool ParseDib(const std::vector<std::uint8_t>& dib, DibLayout* layout);

// Re-colours a 256-colour (light grey) skin sheet: in the first 16 colour-table entries light grey
// (192,192,192) becomes `background`, white the button-highlight and mid grey (128,128,128) the
// button-shadow colour. Answers false when the bitmap has no colour table.
struct SkinColours {
  Rgb background;
  Rgb highlight;
  Rgb shadow;
};
bool RecolourLightGreySheet(std::vector<std::uint8_t>& dib, const SkinColours& colours);

// The colour of the first pixel of a 24- or 32-bit bitmap (the first row stored).
bool FirstPixelColour(const std::vector<std::uint8_t>& dib, Rgb* colour);

// Replaces every pixel of exactly the colour `key` by `replacement`: in the pixels for bitmaps of
// more than 8 bits, in the colour table otherwise. Answers false for a malformed bitmap.
bool ReplaceColour(std::vector<std::uint8_t>& dib, Rgb key, Rgb replacement);

// Key-colour loader step for high-colour skins: the first pixel's colour is the key.
bool ReplaceKeyColour(std::vector<std::uint8_t>& dib, Rgb replacement);
