// Re-colouring of skin sheets and key-colour replacement on packed bitmaps.
#include "shell/skin_recolour.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutU32(Bytes& out, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

Bytes InfoHeader(int width, int height, int bitCount, std::uint32_t coloursUsed = 0,
                 std::uint32_t compression = 0) {
  Bytes header(40, 0);
  PutU32(header, 0, 40);
  PutU32(header, 4, static_cast<std::uint32_t>(width));
  PutU32(header, 8, static_cast<std::uint32_t>(height));
  header[12] = 1;
  header[14] = static_cast<std::uint8_t>(bitCount);
  PutU32(header, 16, compression);
  PutU32(header, 32, coloursUsed);
  return header;
}

// An 8-bit bitmap of 1 x 1 pixel with the given colour table.
Bytes PaletteDib(const std::vector<Rgb>& table) {
  Bytes dib = InfoHeader(1, 1, 8, static_cast<std::uint32_t>(table.size()));
  for (const Rgb& c : table) dib.insert(dib.end(), {c.blue, c.green, c.red, 0});
  dib.insert(dib.end(), {0, 0, 0, 0});  // one padded row
  return dib;
}

Rgb TableEntry(const Bytes& dib, std::size_t index) {
  const std::uint8_t* p = dib.data() + 40 + 4 * index;
  return Rgb{p[2], p[1], p[0]};
}

// A 24-bit bitmap, rows as stored (first row first), each padded to 4 bytes.
Bytes TrueColourDib(int width, const std::vector<std::vector<Rgb>>& rows) {
  Bytes dib = InfoHeader(width, static_cast<int>(rows.size()), 24);
  for (const auto& row : rows) {
    std::size_t start = dib.size();
    for (const Rgb& c : row) dib.insert(dib.end(), {c.blue, c.green, c.red});
    while ((dib.size() - start) % 4 != 0) dib.push_back(0xEE);  // padding must stay untouched
  }
  return dib;
}

Rgb Pixel(const Bytes& dib, int width, int x, int y) {
  std::size_t stride = ((static_cast<std::size_t>(width) * 24 + 31) / 32) * 4;
  const std::uint8_t* p = dib.data() + 40 + stride * y + 3 * x;
  return Rgb{p[2], p[1], p[0]};
}

const Rgb kGrey{192, 192, 192};
const Rgb kWhite{255, 255, 255};
const Rgb kMid{128, 128, 128};
const Rgb kBlack{0, 0, 0};
const Rgb kFace{212, 208, 200};
const Rgb kHighlight{10, 36, 106};
const Rgb kShadow{64, 64, 64};

}  // namespace

TEST(SkinRecolour, LightGreySheetTakesSystemColoursInFirstSixteenEntries) {
  std::vector<Rgb> table(20, kBlack);
  table[0] = kGrey;
  table[3] = kWhite;
  table[7] = kMid;
  table[15] = kGrey;
  table[16] = kGrey;   // beyond the first 16: kept
  table[19] = kWhite;  // kept
  Bytes dib = PaletteDib(table);
  ASSERT_TRUE(RecolourLightGreySheet(dib, SkinColours{kFace, kHighlight, kShadow}));
  EXPECT_EQ(TableEntry(dib, 0), kFace);
  EXPECT_EQ(TableEntry(dib, 3), kHighlight);
  EXPECT_EQ(TableEntry(dib, 7), kShadow);
  EXPECT_EQ(TableEntry(dib, 15), kFace);
  EXPECT_EQ(TableEntry(dib, 16), kGrey);
  EXPECT_EQ(TableEntry(dib, 19), kWhite);
  EXPECT_EQ(TableEntry(dib, 1), kBlack);
}

TEST(SkinRecolour, ReplacementsAreNotReplacedAgain) {
  // Background white, highlight grey: a white entry must end up grey, a grey one white... once.
  Bytes dib = PaletteDib({kGrey, kWhite, kMid});
  ASSERT_TRUE(RecolourLightGreySheet(dib, SkinColours{kWhite, kGrey, kWhite}));
  EXPECT_EQ(TableEntry(dib, 0), kWhite);
  EXPECT_EQ(TableEntry(dib, 1), kGrey);
  EXPECT_EQ(TableEntry(dib, 2), kWhite);
}

TEST(SkinRecolour, KeyColourIsTheFirstStoredPixel) {
  const Rgb key{255, 0, 255};
  const Rgb ink{1, 2, 3};
  // Width 3 gives 9 bytes of pixels and 3 bytes of padding per row.
  Bytes dib = TrueColourDib(3, {{key, ink, key}, {ink, key, ink}});
  Rgb found;
  ASSERT_TRUE(FirstPixelColour(dib, &found));
  EXPECT_EQ(found, key);
  ASSERT_TRUE(ReplaceKeyColour(dib, kFace));
  EXPECT_EQ(Pixel(dib, 3, 0, 0), kFace);
  EXPECT_EQ(Pixel(dib, 3, 1, 0), ink);
  EXPECT_EQ(Pixel(dib, 3, 2, 0), kFace);
  EXPECT_EQ(Pixel(dib, 3, 0, 1), ink);
  EXPECT_EQ(Pixel(dib, 3, 1, 1), kFace);
  EXPECT_EQ(dib[40 + 9], 0xEE);  // padding untouched
  EXPECT_EQ(dib[40 + 12 + 9], 0xEE);
}

TEST(SkinRecolour, OnlyExactKeyMatchesAreReplaced) {
  const Rgb key{0, 128, 128};
  const Rgb nearKey{0, 128, 129};
  Bytes dib = TrueColourDib(2, {{key, nearKey}});
  ASSERT_TRUE(ReplaceColour(dib, key, kFace));
  EXPECT_EQ(Pixel(dib, 2, 0, 0), kFace);
  EXPECT_EQ(Pixel(dib, 2, 1, 0), nearKey);
}

TEST(SkinRecolour, PaletteBitmapsReplaceTheKeyInTheTable) {
  const Rgb key{0, 255, 0};
  Bytes dib = PaletteDib({kBlack, key, kWhite, key});
  Bytes pixelsBefore(dib.end() - 4, dib.end());
  ASSERT_TRUE(ReplaceColour(dib, key, kFace));
  EXPECT_EQ(TableEntry(dib, 1), kFace);
  EXPECT_EQ(TableEntry(dib, 3), kFace);
  EXPECT_EQ(TableEntry(dib, 2), kWhite);
  EXPECT_EQ(Bytes(dib.end() - 4, dib.end()), pixelsBefore);
}

TEST(SkinRecolour, WrongFormatsAreRefused) {
  Bytes palette = PaletteDib({kGrey});
  Rgb colour;
  EXPECT_FALSE(FirstPixelColour(palette, &colour));  // key loader needs 24 or 32 bits
  Bytes trueColour = TrueColourDib(1, {{kGrey}});
  EXPECT_FALSE(RecolourLightGreySheet(trueColour, SkinColours{kFace, kHighlight, kShadow}));
}

TEST(SkinRecolour, MalformedBitmapsAreRefusedWithoutTouchingMemory) {
  struct Case {
    const char* what;
    Bytes dib;
  };
  Bytes truncated = TrueColourDib(3, {{kGrey, kGrey, kGrey}, {kGrey, kGrey, kGrey}});
  truncated.resize(truncated.size() - 1);
  Bytes tableTooLong = PaletteDib({kGrey});
  PutU32(tableTooLong, 32, 200);  // claims 200 colours, holds 1
  Bytes hugeWidth = InfoHeader(0x7FFFFFFF, 1, 24);
  Bytes negativeWidth = InfoHeader(-4, 1, 24);
  Bytes zeroHeight = InfoHeader(4, 0, 24);
  Bytes compressed = InfoHeader(1, 1, 8, 1, 1);  // run-length encoded
  compressed.resize(compressed.size() + 8, 0);
  Bytes sixteenBits = InfoHeader(1, 1, 16);
  sixteenBits.resize(sixteenBits.size() + 4, 0);
  Bytes headerSizeTooBig = TrueColourDib(1, {{kGrey}});
  PutU32(headerSizeTooBig, 0, 0x10000);
  const Case cases[] = {
      {"empty", {}},
      {"short header", Bytes(39, 0)},
      {"truncated rows", truncated},
      {"colour count beyond data", tableTooLong},
      {"huge width", hugeWidth},
      {"negative width", negativeWidth},
      {"zero height", zeroHeight},
      {"compressed", compressed},
      {"16 bits", sixteenBits},
      {"header size beyond data", headerSizeTooBig},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes dib = c.dib;
    DibLayout layout;
    EXPECT_FALSE(ParseDib(dib, &layout));
    EXPECT_FALSE(ReplaceColour(dib, kGrey, kFace));
    EXPECT_FALSE(ReplaceKeyColour(dib, kFace));
    EXPECT_FALSE(RecolourLightGreySheet(dib, SkinColours{kFace, kHighlight, kShadow}));
    EXPECT_EQ(dib, c.dib);
  }
}

TEST(SkinRecolour, TopDownBitmapsParseWithPositiveRowCount) {
  Bytes dib = InfoHeader(2, -2, 24);
  dib.resize(dib.size() + 16, 0);
  DibLayout layout;
  ASSERT_TRUE(ParseDib(dib, &layout));
  EXPECT_EQ(layout.height, 2);
  EXPECT_EQ(layout.rowStride, 8u);
  EXPECT_EQ(layout.colourCount, 0u);
}

TEST(SkinRecolour, PaletteWithoutCountUsesFullTable) {
  Bytes dib = InfoHeader(1, 1, 4, 0);
  dib.resize(dib.size() + 16 * 4 + 4, 0);
  DibLayout layout;
  ASSERT_TRUE(ParseDib(dib, &layout));
  EXPECT_EQ(layout.colourCount, 16u);
  EXPECT_EQ(layout.pixelOffset, 40u + 64u);
}
