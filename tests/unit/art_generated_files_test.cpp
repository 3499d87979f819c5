// The generated art as the program will load it: sound effects that the sound player accepts,
// skin sheets whose size fits the painter's cells and the cell map, light-grey colour tables
// and key colours where the loaders look for them. Runs where the build generated the art (the
// Windows build: "generated" beside "bin"; elsewhere set BW_ART_DIR); skipped otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/button_geometry.h"
#include "shell/skin_cells.h"
#include "shell/skin_recolour.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string ArtDir() {
  if (const char* dir = std::getenv("BW_ART_DIR")) return std::string(dir) + "/";
  std::ifstream probe("../generated/palette.pal", std::ios::binary);
  return probe ? "../generated/" : "";
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t U32(const Bytes& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t U16(const Bytes& b, std::size_t at) { return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)); }

class ArtFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = ArtDir();
    if (dir_.empty()) GTEST_SKIP() << "no generated art here";
  }
  std::string dir_;
};

struct Wave {
  std::uint16_t format = 0, channels = 0, bits = 0, blockAlign = 0;
  std::uint32_t rate = 0, byteRate = 0;
  Bytes samples;
};

// Walks the RIFF chunks the way a strict reader would.
bool ParseWave(const Bytes& file, Wave* wave) {
  if (file.size() < 12 || std::string(file.begin(), file.begin() + 4) != "RIFF" ||
      std::string(file.begin() + 8, file.begin() + 12) != "WAVE" || U32(file, 4) != file.size() - 8) {
    return false;
  }
  bool haveFormat = false;
  for (std::size_t at = 12; at + 8 <= file.size();) {
    std::string tag(file.begin() + at, file.begin() + at + 4);
    std::uint32_t size = U32(file, at + 4);
    if (at + 8 + size > file.size()) return false;
    if (tag == "fmt " && size >= 16) {
      wave->format = U16(file, at + 8);
      wave->channels = U16(file, at + 10);
      wave->rate = U32(file, at + 12);
      wave->byteRate = U32(file, at + 16);
      wave->blockAlign = U16(file, at + 20);
      wave->bits = U16(file, at + 22);
      haveFormat = true;
    } else if (tag == "data") {
      wave->samples.assign(file.begin() + at + 8, file.begin() + at + 8 + size);
      return haveFormat;
    }
    at += 8 + size + (size & 1);
  }
  return false;
}

std::string SoundFile(const std::string& dir, int number) {
  // The generator names each file by number and purpose: sound_NN_purpose.wav.
  static const char* const kPurposes[] = {
      "about",  "cancel",    "folder_up", "folder_down", "drive",   "exit",     "ok",
      "browse", "stop",      "done",      "warning",     "info",    "copy_save", "page_flip",
      "message", "rename",   "move",      "delete",      "setup",   "radio",    "check",
      "tab",    "question",  "launch",    "search",      "start"};
  char name[64];
  std::snprintf(name, sizeof name, "sound_%02d_%s.wav", number, kPurposes[number - 1]);
  return dir + name;
}

TEST_F(ArtFiles, EverySoundEffectIsShortEightBitMonoPcm) {
  for (int number = 1; number <= 26; ++number) {
    SCOPED_TRACE("sound effect " + std::to_string(number));
    Wave wave;
    ASSERT_TRUE(ParseWave(ReadFile(SoundFile(dir_, number)), &wave));
    EXPECT_EQ(wave.format, 1);  // PCM
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.bits, 8);
    EXPECT_TRUE(wave.rate == 11025 || wave.rate == 22050) << wave.rate;
    EXPECT_EQ(wave.byteRate, wave.rate);
    EXPECT_EQ(wave.blockAlign, 1);
    double ms = 1000.0 * wave.samples.size() / wave.rate;
    EXPECT_GE(ms, 50.0);
    EXPECT_LE(ms, number == 6 ? 750.0 : 600.0);
    ASSERT_FALSE(wave.samples.empty());
    EXPECT_EQ(wave.samples.front(), 128);  // silence at both ends: no click
    EXPECT_EQ(wave.samples.back(), 128);
    auto [low, high] = std::minmax_element(wave.samples.begin(), wave.samples.end());
    EXPECT_GT(*low, 0);     // never at full scale
    EXPECT_LT(*high, 255);
    EXPECT_GT(*high - *low, 40);  // and clearly audible
  }
}

struct Sheet {
  const char* file;
  skin::ButtonStyle style;
  int columns;
  int rows;
  int bits;
};

TEST_F(ArtFiles, SheetsFitThePaintersCellsAndTheCellMap) {
  using skin::ButtonStyle;
  const Sheet sheets[] = {
      {"skin_large_hc.bmp", ButtonStyle::kLarge, skin::large_sheet::kColumns, skin::large_sheet::kRows, 24},
      {"skin_large_hc_lit.bmp", ButtonStyle::kLarge, skin::large_sheet::kColumns, skin::large_sheet::kRows, 24},
      {"skin_large_256.bmp", ButtonStyle::kLarge, skin::large_sheet::kColumns, skin::large_sheet::kRows, 8},
      {"skin_medium_hc.bmp", ButtonStyle::kMedium, skin::medium_sheet::kColumns, skin::medium_sheet::kRows, 24},
      {"skin_medium_hc_lit.bmp", ButtonStyle::kMedium, skin::medium_sheet::kColumns, skin::medium_sheet::kRows, 24},
      {"skin_medium_256.bmp", ButtonStyle::kMedium, skin::medium_sheet::kColumns, skin::medium_sheet::kRows, 8},
      {"skin_small.bmp", ButtonStyle::kSmall, skin::small_sheet::kColumns, skin::small_sheet::kRows, 8},
      {"skin_small_alt_hc.bmp", ButtonStyle::kSmallAlternative, skin::small_sheet::kColumns, skin::small_sheet::kRows, 24},
      {"skin_small_alt_hc_lit.bmp", ButtonStyle::kSmallAlternative, skin::small_sheet::kColumns, skin::small_sheet::kRows, 24},
      {"skin_tiny.bmp", ButtonStyle::kTiny, skin::tiny_sheet::kColumns, skin::tiny_sheet::kRows, 8},
  };
  for (const Sheet& sheet : sheets) {
    SCOPED_TRACE(sheet.file);
    Bytes file = ReadFile(dir_ + sheet.file);
    ASSERT_GT(file.size(), 14u);
    Bytes dib(file.begin() + 14, file.end());  // as the bitmap resource holds it
    DibLayout layout;
    ASSERT_TRUE(ParseDib(dib, &layout));
    skin::Size cell = skin::SkinCellSize(sheet.style);
    EXPECT_EQ(layout.width, 2 * sheet.columns * cell.width);
    EXPECT_EQ(layout.height, sheet.rows * cell.height);
    EXPECT_EQ(layout.bitCount, sheet.bits);
    if (sheet.bits == 8) {
      // The re-colouring loader changes light grey, white and mid grey in the first 16 entries.
      Bytes before = dib;
      ASSERT_TRUE(RecolourLightGreySheet(dib, SkinColours{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}));
      int changed = 0;
      for (std::size_t i = 0; i < 16; ++i) {
        changed += before[layout.colourTableOffset + 4 * i] != dib[layout.colourTableOffset + 4 * i];
      }
      EXPECT_EQ(changed, 3);
    } else {
      // The key colour is the first pixel; the cells' corners are all the key.
      Rgb key;
      ASSERT_TRUE(FirstPixelColour(dib, &key));
      const std::uint8_t* top = dib.data() + layout.pixelOffset + (layout.height - 1) * layout.rowStride;
      EXPECT_EQ((Rgb{top[2], top[1], top[0]}), key);
      EXPECT_TRUE(ReplaceKeyColour(dib, Rgb{1, 2, 3}));
    }
  }
}

TEST_F(ArtFiles, ProgramPaletteAndSplashAreLoadable) {
  EXPECT_EQ(ReadFile(dir_ + "palette.pal").size(), 768u);
  Bytes splash = ReadFile(dir_ + "splash.bmp");
  ASSERT_GT(splash.size(), 14u);
  DibLayout layout;
  ASSERT_TRUE(ParseDib(Bytes(splash.begin() + 14, splash.end()), &layout));
  EXPECT_LE(layout.width, 640);  // fits the smallest screen the program runs on
  EXPECT_LE(layout.height, 480);
  EXPECT_EQ(layout.bitCount, 8);  // drawn in the program palette, right in both colour modes
}

}  // namespace
