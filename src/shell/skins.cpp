// Loading the skin bitmaps: a copy of each bitmap resource is re-coloured to the system colours
// (colour table of the light-grey 256-colour sheets, key colour of the 24-bit sheets) before the
// screen bitmap is made from it.
#include "shell/skins.h"

#include <cstdint>
#include <vector>

#include "shell/look_and_feel.h"
#include "shell/program_state.h"
#include "shell/skin_recolour.h"

namespace {

SkinSet loadedSkins;

// Skin bitmap resources of the main program.
enum SkinBitmapId : int {
  kMedium256 = 1,
  kLarge256 = 2,
  kBackground256 = 3,
  kPiece5 = 5,
  kSmall = 8,
  kTiny = 9,
  kBackgroundHighColour = 10,
  kLarge = 11,
  kLargeHighlighted = 12,
  kMedium = 13,
  kMediumHighlighted = 14,
  kSmallAlternative = 15,
  kSmallAlternativeHighlighted = 16,
  kPiece30 = 30,
  kPiece31 = 31,
};

Rgb ToRgb(COLORREF colour) {
  return Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// A writable copy of a bitmap resource in packed form.
bool CopyBitmapResource(HINSTANCE module, int id, std::vector<std::uint8_t>* dib) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_BITMAP);
  if (found == nullptr) return false;
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  DWORD size = SizeofResource(module, found);
  if (data == nullptr || size == 0) return false;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  dib->assign(bytes, bytes + size);
  return true;
}

// The screen bitmap of a packed bitmap that ParseDib accepted.
UniqueBitmap CreateScreenBitmap(const std::vector<std::uint8_t>& dib) {
  DibLayout layout;
  if (!ParseDib(dib, &layout)) return UniqueBitmap();
  const auto* info = reinterpret_cast<const BITMAPINFO*>(dib.data());
  WindowDc screen(nullptr);
  SelectedPalette palette(screen.Get(), g_highColour ? nullptr : g_programPalette.Get());
  return UniqueBitmap(CreateDIBitmap(screen.Get(), &info->bmiHeader, CBM_INIT, dib.data() + layout.pixelOffset,
                                     info, DIB_RGB_COLORS));
}

SkinColours SystemSkinColours(COLORREF background) {
  return SkinColours{ToRgb(background), ToRgb(GetSysColor(COLOR_BTNHIGHLIGHT)),
                     ToRgb(GetSysColor(COLOR_BTNSHADOW))};
}

}  // namespace

UniqueBitmap LoadRecolouredSkin(HINSTANCE module, int id, COLORREF background) {
  std::vector<std::uint8_t> dib;
  if (!CopyBitmapResource(module, id, &dib)) return UniqueBitmap();
  if (!RecolourLightGreySheet(dib, SystemSkinColours(background))) return UniqueBitmap();
  return CreateScreenBitmap(dib);
}

UniqueBitmap LoadKeyedSkin(HINSTANCE module, int id, COLORREF replacement) {
  std::vector<std::uint8_t> dib;
  if (!CopyBitmapResource(module, id, &dib)) return UniqueBitmap();
  if (!ReplaceKeyColour(dib, ToRgb(replacement))) return UniqueBitmap();
  return CreateScreenBitmap(dib);
}

UniqueBitmap LoadSkinBitmap(HINSTANCE module, int id, COLORREF background) {
  std::vector<std::uint8_t> dib;
  if (!CopyBitmapResource(module, id, &dib)) return UniqueBitmap();
  DibLayout layout;
  if (!ParseDib(dib, &layout)) return UniqueBitmap();
  bool recoloured = layout.bitCount <= 8 ? RecolourLightGreySheet(dib, SystemSkinColours(background))
                                         : ReplaceKeyColour(dib, ToRgb(background));
  if (!recoloured) return UniqueBitmap();
  return CreateScreenBitmap(dib);
}

void LoadSkins() {
  DeleteSkins();
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  // Strips drawn on entry fields follow the entry-field brush.
  const COLORREF entryField =
      g_settings.main.entryFieldColorization ? face : GetSysColor(COLOR_WINDOW);
  HINSTANCE module = g_instance;
  SkinSet& s = loadedSkins;
  if (g_highColour) {
    s.large = LoadSkinBitmap(module, kLarge, face);
    s.largeHighlighted = LoadSkinBitmap(module, kLargeHighlighted, face);
    s.medium = LoadSkinBitmap(module, kMedium, face);
    s.mediumHighlighted = LoadSkinBitmap(module, kMediumHighlighted, face);
    s.smallAlternative = LoadSkinBitmap(module, kSmallAlternative, face);
    s.smallAlternativeHighlighted = LoadSkinBitmap(module, kSmallAlternativeHighlighted, face);
    s.backgroundFace = LoadSkinBitmap(module, kBackgroundHighColour, face);
    s.backgroundWindow = LoadSkinBitmap(module, kBackgroundHighColour, entryField);
    s.backgroundHighlight = LoadSkinBitmap(module, kBackgroundHighColour, highlight);
  } else {
    s.large = LoadSkinBitmap(module, kLarge256, face);
    s.medium = LoadSkinBitmap(module, kMedium256, face);
    s.backgroundFace = LoadSkinBitmap(module, kBackground256, face);
    s.backgroundWindow = LoadSkinBitmap(module, kBackground256, entryField);
    s.backgroundHighlight = LoadSkinBitmap(module, kBackground256, highlight);
  }
  s.small = LoadSkinBitmap(module, kSmall, face);
  s.tiny = LoadSkinBitmap(module, kTiny, face);
  s.piece5 = LoadSkinBitmap(module, kPiece5, face);
  s.piece30 = LoadSkinBitmap(module, kPiece30, face);
  s.piece31 = LoadSkinBitmap(module, kPiece31, face);
}

void DeleteSkins() { loadedSkins = SkinSet(); }

const SkinSet& Skins() { return loadedSkins; }

HBITMAP SkinSheet(skin::ButtonStyle style, skin::Sheet sheet) {
  const SkinSet& s = loadedSkins;
  const bool highlighted = sheet == skin::Sheet::kHighlighted;
  auto pick = [highlighted](const UniqueBitmap& normal, const UniqueBitmap& lit) {
    return (highlighted && lit) ? lit.Get() : normal.Get();
  };
  switch (style) {
    case skin::ButtonStyle::kLarge: return pick(s.large, s.largeHighlighted);
    case skin::ButtonStyle::kMedium: return pick(s.medium, s.mediumHighlighted);
    case skin::ButtonStyle::kSmall: return s.small.Get();
    case skin::ButtonStyle::kTiny: return s.tiny.Get();
    case skin::ButtonStyle::kSmallAlternative:
      // 256-colour mode has no alternative sheet; the small sheet shares its cell map.
      if (!s.smallAlternative) return s.small.Get();
      return pick(s.smallAlternative, s.smallAlternativeHighlighted);
  }
  return nullptr;
}
