// The caption buttons show their pictures: the system draws them with the Marlett symbol font,
// in which "r" is the cross of Close, "0" the bar of Minimize and "1" the box of Maximize. Without
// that font the title bar shows those letters instead.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "resources/resource.h"
#include "shell/texts.h"

namespace {

// Where something is drawn on a plain background, row by row from the top.
struct InkMask {
  int width = 0;
  int height = 0;
  std::vector<bool> ink;

  bool At(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height && ink[static_cast<size_t>(y) * width + x];
  }
  // Any ink within `radius` pixels of (x, y).
  bool Near(int x, int y, int radius) const {
    for (int dy = -radius; dy <= radius; ++dy) {
      for (int dx = -radius; dx <= radius; ++dx) {
        if (At(x + dx, y + dy)) return true;
      }
    }
    return false;
  }
  bool Bounds(RECT& box) const {
    box = {width, height, -1, -1};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if (!At(x, y)) continue;
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x);
        box.bottom = std::max<LONG>(box.bottom, y);
      }
    }
    return box.right >= 0;
  }
};

// The drawn part of the mask as rows of '#' and '.', for failure messages.
std::string Picture(const InkMask& mask) {
  RECT box;
  if (!mask.Bounds(box)) box = {0, 0, mask.width - 1, mask.height - 1};
  std::string text;
  for (int y = box.top - 1; y <= box.bottom + 1; ++y) {
    text += '\n';
    for (int x = box.left - 1; x <= box.right + 1; ++x) text += mask.At(x, y) ? '#' : '.';
  }
  return text;
}

int Lightness(COLORREF colour) {
  return (GetRValue(colour) * 30 + GetGValue(colour) * 59 + GetBValue(colour) * 11) / 100;
}

// The pixel of a capture (bottom row first, blue-green-red-unused) at (x, y) from the top left.
COLORREF PixelAt(const e2e::ScreenPixels& pixels, int x, int y) {
  const size_t offset = (static_cast<size_t>(pixels.height - 1 - y) * pixels.width + x) * 4;
  return RGB(pixels.bgrx[offset + 2], pixels.bgrx[offset + 1], pixels.bgrx[offset]);
}

// Ink is what is clearly darker than the background colour.
InkMask DarkerThan(const e2e::ScreenPixels& pixels, const RECT& area, COLORREF background) {
  InkMask mask;
  mask.width = area.right - area.left;
  mask.height = area.bottom - area.top;
  mask.ink.assign(static_cast<size_t>(mask.width) * mask.height, false);
  const int limit = Lightness(background) - 60;
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      mask.ink[static_cast<size_t>(y) * mask.width + x] =
          Lightness(PixelAt(pixels, area.left + x, area.top + y)) < limit;
    }
  }
  return mask;
}

// A cross: ink at the four corners of the drawing and at its centre, along both diagonals, and
// none at the middle of its edges. The letter "r" has no ink at its lower right corner.
bool LooksLikeCross(const InkMask& mask, std::string& why) {
  RECT box;
  if (!mask.Bounds(box)) {
    why = "nothing drawn";
    return false;
  }
  const int w = box.right - box.left + 1, h = box.bottom - box.top + 1;
  if (w < 5 || h < 5 || w > 2 * h || h > 2 * w) {
    why = "drawing of " + std::to_string(w) + "x" + std::to_string(h) + " pixels is no cross";
    return false;
  }
  const int slack = std::max(1, w / 8);
  const POINT corners[] = {{box.left, box.top}, {box.right, box.top}, {box.left, box.bottom},
                           {box.right, box.bottom}, {(box.left + box.right) / 2, (box.top + box.bottom) / 2}};
  for (const POINT& p : corners) {
    if (!mask.Near(p.x, p.y, slack)) {
      why = "no ink near (" + std::to_string(p.x - box.left) + "," + std::to_string(p.y - box.top) + ")";
      return false;
    }
  }
  for (int i = 0; i <= 8; ++i) {
    const int x = box.left + (w - 1) * i / 8;
    const int down = box.top + (h - 1) * i / 8, up = box.bottom - (h - 1) * i / 8;
    if (!mask.Near(x, down, slack) || !mask.Near(x, up, slack)) {
      why = "a diagonal is broken at step " + std::to_string(i);
      return false;
    }
  }
  const POINT edgeMiddles[] = {{(box.left + box.right) / 2, box.top}, {(box.left + box.right) / 2, box.bottom},
                               {box.left, (box.top + box.bottom) / 2}, {box.right, (box.top + box.bottom) / 2}};
  for (const POINT& p : edgeMiddles) {
    if (mask.At(p.x, p.y)) {
      why = "ink in the middle of an edge at (" + std::to_string(p.x - box.left) + "," +
            std::to_string(p.y - box.top) + ")";
      return false;
    }
  }
  return true;
}

// The Minimize bar: a flat stroke in the lower part of the character cell.
bool LooksLikeBar(const InkMask& mask, std::string& why) {
  RECT box;
  if (!mask.Bounds(box)) {
    why = "nothing drawn";
    return false;
  }
  const int w = box.right - box.left + 1, h = box.bottom - box.top + 1;
  if (w < 3 * h || box.top < mask.height / 2) {
    why = std::to_string(w) + "x" + std::to_string(h) + " pixels from row " + std::to_string(box.top) +
          " of " + std::to_string(mask.height) + " is no bar at the bottom";
    return false;
  }
  return true;
}

// The Maximize box: ink along all four sides, none in the middle.
bool LooksLikeBox(const InkMask& mask, std::string& why) {
  RECT box;
  if (!mask.Bounds(box)) {
    why = "nothing drawn";
    return false;
  }
  const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
  for (int i = 0; i <= 8; ++i) {
    const int x = box.left + (box.right - box.left) * i / 8, y = box.top + (box.bottom - box.top) * i / 8;
    if (!mask.At(x, box.top) || !mask.At(x, box.bottom) || !mask.At(box.left, y) || !mask.At(box.right, y)) {
      why = "a side is open at step " + std::to_string(i);
      return false;
    }
  }
  if (mask.At(cx, cy)) {
    why = "the middle is filled";
    return false;
  }
  return true;
}

// The extent of the pixels of that colour in the area that are cut off from the area's border
// by other colours (4-connected regions).
bool EnclosedExtent(const e2e::ScreenPixels& pixels, const RECT& area, COLORREF colour, RECT& extent) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  std::vector<char> seen(static_cast<size_t>(width) * height, 0);
  extent = {area.right, area.bottom, area.left, area.top};
  std::vector<POINT> region, stack;
  for (int y0 = 0; y0 < height; ++y0) {
    for (int x0 = 0; x0 < width; ++x0) {
      if (seen[static_cast<size_t>(y0) * width + x0] ||
          PixelAt(pixels, area.left + x0, area.top + y0) != colour) {
        continue;
      }
      bool touchesBorder = false;
      region.clear();
      stack.assign(1, POINT{x0, y0});
      seen[static_cast<size_t>(y0) * width + x0] = 1;
      while (!stack.empty()) {
        const POINT p = stack.back();
        stack.pop_back();
        region.push_back(p);
        touchesBorder = touchesBorder || p.x == 0 || p.y == 0 || p.x == width - 1 || p.y == height - 1;
        const POINT next[] = {{p.x + 1, p.y}, {p.x - 1, p.y}, {p.x, p.y + 1}, {p.x, p.y - 1}};
        for (const POINT& n : next) {
          if (n.x < 0 || n.y < 0 || n.x >= width || n.y >= height) continue;
          char& mark = seen[static_cast<size_t>(n.y) * width + n.x];
          if (mark || PixelAt(pixels, area.left + n.x, area.top + n.y) != colour) continue;
          mark = 1;
          stack.push_back(n);
        }
      }
      if (touchesBorder) continue;
      for (const POINT& p : region) {
        extent.left = std::min<LONG>(extent.left, area.left + p.x);
        extent.top = std::min<LONG>(extent.top, area.top + p.y);
        extent.right = std::max<LONG>(extent.right, area.left + p.x + 1);
        extent.bottom = std::max<LONG>(extent.bottom, area.top + p.y + 1);
      }
    }
  }
  return extent.left < extent.right;
}

using ShapeTest = bool (*)(const InkMask&, std::string&);

// One character drawn in black on white, 48 pixels high, in the named font.
struct DrawnCharacter {
  std::string face;  // the font the system actually chose
  InkMask mask;
};

DrawnCharacter Draw(const char* fontName, BYTE charset, char character) {
  constexpr int kSize = 64;
  DrawnCharacter drawn;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kSize;
  info.bmiHeader.biHeight = -kSize;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HFONT font = CreateFontA(-48, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, fontName);
  if (bitmap != nullptr && font != nullptr) {
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT all = {0, 0, kSize, kSize};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 8, 4, &character, 1);
    GdiFlush();
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, sizeof face, face);
    drawn.face = face;
    drawn.mask.width = drawn.mask.height = kSize;
    drawn.mask.ink.resize(static_cast<size_t>(kSize) * kSize);
    const auto* pixel = static_cast<const unsigned char*>(bits);
    for (size_t i = 0; i < drawn.mask.ink.size(); ++i, pixel += 4) {
      drawn.mask.ink[i] = (pixel[0] + pixel[1] + pixel[2]) < 3 * 128;
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
  }
  if (font != nullptr) DeleteObject(font);
  if (bitmap != nullptr) DeleteObject(bitmap);
  DeleteDC(dc);
  return drawn;
}

TEST(CaptionGlyphs, MarlettIsInstalledAndHoldsTheButtonPictures) {
  struct Case {
    char character;
    ShapeTest shape;
    const char* picture;
  };
  const Case cases[] = {{'r', LooksLikeCross, "the Close cross"},
                        {'0', LooksLikeBar, "the Minimize bar"},
                        {'1', LooksLikeBox, "the Maximize box"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("Marlett \"") + c.character + "\", " + c.picture);
    DrawnCharacter drawn = Draw("Marlett", SYMBOL_CHARSET, c.character);
    EXPECT_EQ(drawn.face, "Marlett") << "the system has no Marlett font";
    std::string why;
    EXPECT_TRUE(c.shape(drawn.mask, why)) << why << Picture(drawn.mask);
  }
}

// The shape tests tell the pictures from the letters they stand for.
TEST(CaptionGlyphs, LettersAreNotButtonPictures) {
  const char* faces[] = {"Arial", "MS Sans Serif", "Tahoma"};
  for (const char* face : faces) {
    SCOPED_TRACE(face);
    std::string why;
    EXPECT_FALSE(LooksLikeCross(Draw(face, ANSI_CHARSET, 'r').mask, why));
    for (char digit : {'0', '1'}) {
      InkMask mask = Draw(face, ANSI_CHARSET, digit).mask;
      EXPECT_FALSE(LooksLikeBar(mask, why)) << digit << Picture(mask);
      EXPECT_FALSE(LooksLikeBox(mask, why)) << digit << Picture(mask);
    }
  }
}

// Whether the Close button at the right end of the window's title bar shows a cross.
void ExpectCloseButtonShowsACross(HWND window, const char* screenshotName) {
  TITLEBARINFO title = {};
  title.cbSize = sizeof title;
  ASSERT_TRUE(GetTitleBarInfo(window, &title));
  RECT frame;
  GetWindowRect(window, &frame);
  // The button cell: the last caption-button width of the title bar, its full height.
  const int buttonWidth = GetSystemMetrics(SM_CXSIZE);
  RECT cell = {title.rcTitleBar.right - buttonWidth - frame.left, title.rcTitleBar.top - frame.top,
               title.rcTitleBar.right - frame.left, title.rcTitleBar.bottom - frame.top};
  e2e::ScreenPixels pixels = e2e::CaptureScreenPixels(window);
  ASSERT_FALSE(pixels.bgrx.empty());
  ASSERT_GE(cell.left, 0);
  ASSERT_GE(cell.top, 0);
  ASSERT_LE(cell.right, pixels.width);
  ASSERT_LE(cell.bottom, pixels.height);

  // Inside its raised edge the button face surrounds the glyph. The window's frame and body
  // share that colour, so only face regions that do not reach the cell's border count.
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  RECT inside;
  const bool found = EnclosedExtent(pixels, cell, face, inside);
  EXPECT_TRUE(found) << "no button face in the title bar's last cell";
  if (found) {
    InkMask glyph = DarkerThan(pixels, inside, face);
    std::string why;
    EXPECT_TRUE(LooksLikeCross(glyph, why)) << "the Close button shows no cross: " << why << Picture(glyph);
  }
  if (testing::Test::HasFailure()) e2e::SaveScreenshot(window, screenshotName);
}

class CaptionOfTheProgram : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program_.Start(folder_));
    main_ = program_.WaitForMainWindow();
    ASSERT_NE(main_, nullptr) << "no main window";
    e2e::Sleep(500);
  }

  void TearDown() override {
    if (main_ == nullptr) return;
    e2e::ClickId(main_, IDC_MAIN_EXIT);
    EXPECT_TRUE(program_.WaitForExit(15000));
  }

  e2e::ProgramFolder folder_;
  e2e::RunningProgram program_;
  HWND main_ = nullptr;
};

TEST_F(CaptionOfTheProgram, MainWindowCloseButtonShowsACross) {
  ExpectCloseButtonShowsACross(main_, "caption_main_window_failed");
}

// A dialog's title bar is drawn too (with no window manager, only Wine draws it).
TEST_F(CaptionOfTheProgram, QuestionBoxCloseButtonShowsACross) {
  e2e::ClickId(main_, IDC_MAIN_VOLUME);
  HWND box = program_.WaitForWindow(kTextQuestionBoxTitle);
  ASSERT_NE(box, nullptr) << "no question box";
  e2e::Sleep(300);
  ExpectCloseButtonShowsACross(box, "caption_question_box_failed");
  e2e::ClickId(box, IDC_QUESTION_BOX_CANCEL);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000));
}

}  // namespace
