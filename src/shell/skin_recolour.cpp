// Colour transforms on packed bitmaps for the skin and animation loaders.
#include "shell/skin_recolour.h"

#include <cstdlib>

namespace {

constexpr std::size_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER; V4 and V5 headers are longer
constexpr std::uint32_t kUncompressed = 0;   // BI_RGB
constexpr int kMaxDimension = 1 << 15;
constexpr std::size_t kRecolouredEntries = 16;

std::uint32_t ReadU32(const std::vector<std::uint8_t>& data, std::size_t offset) {
  return static_cast<std::uint32_t>(data[offset]) | (static_cast<std::uint32_t>(data[offset + 1]) << 8) |
         (static_cast<std::uint32_t>(data[offset + 2]) << 16) |
         (static_cast<std::uint32_t>(data[offset + 3]) << 24);
}

std::uint16_t ReadU16(const std::vector<std::uint8_t>& data, std::size_t offset) {
  return static_cast<std::uint16_t>(data[offset] | (data[offset + 1] << 8));
}

// Colour-table entries and 24/32-bit pixels both store blue, green, red.
Rgb ReadBgr(const std::uint8_t* p) { return Rgb{p[2], p[1], p[0]}; }
void WriteBgr(std::uint8_t* p, Rgb colour) {
  p[0] = colour.blue;
  p[1] = colour.green;
  p[2] = colour.red;
}

void ReplaceInTable(std::vector<std::uint8_t>& dib, const DibLayout& layout, std::size_t entries,
                    Rgb key, Rgb replacement) {
  for (std::size_t i = 0; i < entries; ++i) {
    std::uint8_t* entry = dib.data() + layout.colourTableOffset + 4 * i;
    if (ReadBgr(entry) == key) WriteBgr(entry, replacement);
  }
}

}  // namespace

bool ParseDib(const std::vector<std::uint8_t>& dib, DibLayout* layout) {
  if (dib.size() < kInfoHeaderSize) return false;
  std::size_t headerSize = ReadU32(dib, 0);
  if (headerSize < kInfoHeaderSize || headerSize > dib.size()) return false;
  auto width = static_cast<std::int32_t>(ReadU32(dib, 4));
  auto height = static_cast<std::int32_t>(ReadU32(dib, 8));
  int bitCount = ReadU16(dib, 14);
  std::uint32_t compression = ReadU32(dib, 16);
  std::uint32_t coloursUsed = ReadU32(dib, 32);
  if (compression != kUncompressed) return false;
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) return false;
  if (width <= 0 || width > kMaxDimension || height == 0 || height < -kMaxDimension ||
      height > kMaxDimension) {
    return false;
  }

  std::size_t colourCount = coloursUsed;
  if (bitCount <= 8) {
    std::size_t full = std::size_t{1} << bitCount;
    if (colourCount == 0 || colourCount > full) colourCount = full;
  } else if (colourCount > 256) {
    return false;
  }

  DibLayout result;
  result.width = width;
  result.height = std::abs(height);
  result.bitCount = bitCount;
  result.headerSize = headerSize;
  result.colourTableOffset = headerSize;
  result.colourCount = colourCount;
  result.pixelOffset = headerSize + 4 * colourCount;
  result.rowStride = ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
  std::size_t pixelBytes = result.rowStride * static_cast<std::size_t>(result.height);
  if (result.pixelOffset > dib.size() || pixelBytes > dib.size() - result.pixelOffset) return false;
  *layout = result;
  return true;
}

bool RecolourLightGreySheet(std::vector<std::uint8_t>& dib, const SkinColours& colours) {
  DibLayout layout;
  if (!ParseDib(dib, &layout) || layout.bitCount > 8) return false;
  std::size_t entries = layout.colourCount < kRecolouredEntries ? layout.colourCount : kRecolouredEntries;
  // One pass over the original colours, so a replacement is never replaced again.
  for (std::size_t i = 0; i < entries; ++i) {
    std::uint8_t* entry = dib.data() + layout.colourTableOffset + 4 * i;
    Rgb colour = ReadBgr(entry);
    if (colour == Rgb{192, 192, 192}) {
      WriteBgr(entry, colours.background);
    } else if (colour == Rgb{255, 255, 255}) {
      WriteBgr(entry, colours.highlight);
    } else if (colour == Rgb{128, 128, 128}) {
      WriteBgr(entry, colours.shadow);
    }
  }
  return true;
}

bool FirstPixelColour(const std::vector<std::uint8_t>& dib, Rgb* colour) {
  DibLayout layout;
  if (!ParseDib(dib, &layout) || layout.bitCount < 24) return false;
  *colour = ReadBgr(dib.data() + layout.pixelOffset);
  return true;
}

bool ReplaceColour(std::vector<std::uint8_t>& dib, Rgb key, Rgb replacement) {
  DibLayout layout;
  if (!ParseDib(dib, &layout)) return false;
  if (layout.bitCount <= 8) {
    ReplaceInTable(dib, layout, layout.colourCount, key, replacement);
    return true;
  }
  std::size_t pixelSize = static_cast<std::size_t>(layout.bitCount / 8);
  for (int y = 0; y < layout.height; ++y) {
    std::uint8_t* row = dib.data() + layout.pixelOffset + layout.rowStride * static_cast<std::size_t>(y);
    for (int x = 0; x < layout.width; ++x) {
      std::uint8_t* pixel = row + pixelSize * static_cast<std::size_t>(x);
      if (ReadBgr(pixel) == key) WriteBgr(pixel, replacement);
    }
  }
  return true;
}

bool ReplaceKeyColour(std::vector<std::uint8_t>& dib, Rgb replacement) {
  Rgb key;
  if (!FirstPixelColour(dib, &key)) return false;
  return ReplaceColour(dib, key, replacement);
}
