// Loading animations from the animation library and running them on threads of their own.
#include "shell/animation.h"

#include <cstdint>
#include <vector>

#include "shell/skin_recolour.h"

namespace {

constexpr int kMaxLibraryString = 256;
constexpr DWORD kStartJoinTimeoutMs = 1000;

CatalogStringLoader LibraryStrings(HMODULE library) {
  return [library](int id) -> std::optional<std::string> {
    char text[kMaxLibraryString] = {};
    int length = LoadStringA(library, static_cast<UINT>(id), text, kMaxLibraryString);
    if (length <= 0) return std::nullopt;
    return std::string(text, static_cast<std::size_t>(length));
  };
}

bool CopyResource(HMODULE module, int id, LPCSTR type, std::vector<std::uint8_t>* bytes) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
  if (found == nullptr) return false;
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  DWORD size = SizeofResource(module, found);
  if (data == nullptr || size == 0) return false;
  const auto* begin = static_cast<const std::uint8_t*>(data);
  bytes->assign(begin, begin + size);
  return true;
}

Rgb ButtonFace() {
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  return Rgb{GetRValue(face), GetGValue(face), GetBValue(face)};
}

DWORD WINAPI AnimationThread(void* parameter) {
  Animation& record = *static_cast<Animation*>(parameter);
  while (!record.stopFlag.load()) {
    int frame = NextFrame(record.currentFrame.load(), record.info.frameCount);
    record.currentFrame.store(frame);
    DrawAnimationFrame(record);
    // The delay ends early when the stop flag is set.
    WaitForSingleObject(record.wakeEvent.Get(), static_cast<DWORD>(FrameDelayMs(record.info, frame)));
  }
  return 0;
}

}  // namespace

Animation::~Animation() { StopAnimationAndWait(*this); }

bool FindAnimation(HMODULE library, const std::string& name, Animation& record) {
  if (library == nullptr) return false;
  std::optional<AnimationInfo> info = FindAnimationInfo(LibraryStrings(library), name);
  if (!info) return false;
  record.info = std::move(*info);
  return true;
}

bool LoadAnimationPalette(HMODULE library, Animation& record) {
  record.palette.Reset();
  const AnimationInfo& info = record.info;
  if (library == nullptr || info.paletteEntryCount <= 0) return false;
  std::vector<std::uint8_t> rgb;
  if (!CopyResource(library, info.paletteId, RT_RCDATA, &rgb)) return false;
  int count = info.paletteEntryCount;
  if (static_cast<std::size_t>(count) * 3 > rgb.size()) count = static_cast<int>(rgb.size() / 3);
  if (count <= 0) return false;

  std::vector<std::uint8_t> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * static_cast<std::size_t>(count));
  auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(count);
  const Rgb face = ButtonFace();
  for (int i = 0; i < count; ++i) {
    Rgb entry{rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]};
    if (info.hasKeyColour && entry == info.keyColour) entry = face;
    palette->palPalEntry[i] = PALETTEENTRY{entry.red, entry.green, entry.blue, 0};
  }
  record.palette.Reset(CreatePalette(palette));
  return static_cast<bool>(record.palette);
}

bool LoadAnimationBitmap(HMODULE library, Animation& record, HWND window) {
  record.strip.Reset();
  if (library == nullptr || record.info.bitmapId == 0) return false;
  std::vector<std::uint8_t> dib;
  if (!CopyResource(library, record.info.bitmapId, RT_BITMAP, &dib)) return false;
  DibLayout layout;
  if (!ParseDib(dib, &layout)) return false;
  if (record.info.hasKeyColour) ReplaceColour(dib, record.info.keyColour, ButtonFace());
  const auto* bitmapInfo = reinterpret_cast<const BITMAPINFO*>(dib.data());
  WindowDc dc(window);
  SelectedPalette palette(dc.Get(), record.palette.Get());
  record.strip.Reset(CreateDIBitmap(dc.Get(), &bitmapInfo->bmiHeader, CBM_INIT, dib.data() + layout.pixelOffset,
                                    bitmapInfo, DIB_RGB_COLORS));
  return static_cast<bool>(record.strip);
}

std::string DefaultAnimationName(HMODULE library, int index) {
  if (library == nullptr) return std::string();
  return DefaultAnimationName(LibraryStrings(library), index);
}

std::vector<std::string> LibraryAnimationNames(HMODULE library) {
  if (library == nullptr) return {};
  return AnimationNames(LibraryStrings(library));
}

bool LoadAnimation(HMODULE library, const std::string& name, Animation& record, HWND window) {
  if (!StopAnimationAndWait(record)) return false;  // the thread still reads the record
  if (!FindAnimation(library, name, record)) return false;
  record.currentFrame.store(0);
  LoadAnimationPalette(library, record);
  return LoadAnimationBitmap(library, record, window);
}

bool StartAnimation(Animation& record, HWND window, POINT position) {
  if (!record.strip || record.info.frameCount <= 0) return false;
  if (!StopAnimationAndWait(record, kStartJoinTimeoutMs)) return false;
  record.target.store(window);
  record.x.store(position.x);
  record.y.store(position.y);
  if (!record.wakeEvent) record.wakeEvent.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!record.wakeEvent) return false;
  ResetEvent(record.wakeEvent.Get());
  record.stopFlag.store(false);
  record.thread.Reset(CreateThread(nullptr, 0, AnimationThread, &record, 0, nullptr));
  if (!record.thread) {
    record.stopFlag.store(true);
    return false;
  }
  return true;
}

void StopAnimation(Animation& record) {
  record.stopFlag.store(true);
  if (record.wakeEvent) SetEvent(record.wakeEvent.Get());
}

bool StopAnimationAndWait(Animation& record, DWORD timeoutMs) {
  StopAnimation(record);
  if (!record.thread) return true;
  if (!JoinThread(record.thread.Get(), timeoutMs)) return false;
  record.thread.Reset();
  return true;
}

bool IsAnimationRunning(const Animation& record) {
  return record.thread && WaitForSingleObject(record.thread.Get(), 0) == WAIT_TIMEOUT;
}

void DrawAnimationFrame(const Animation& record, HDC dc) {
  const AnimationInfo& info = record.info;
  if (!record.strip || dc == nullptr || info.frameCount <= 0) return;
  UniqueMemoryDc memory(CreateCompatibleDC(dc));
  if (!memory) return;
  SelectedPalette palette(dc, record.palette.Get());
  SelectedObject strip(memory.Get(), record.strip.Get());
  // Another thread drawing the same strip holds it selected; skip this frame then.
  if (!strip.IsSelected()) return;
  int frame = record.currentFrame.load();
  if (frame < 0 || frame >= info.frameCount) frame = 0;
  BitBlt(dc, record.x.load(), record.y.load(), info.frameWidth, info.frameHeight, memory.Get(),
         frame * info.frameWidth, 0, SRCCOPY);
}

void DrawAnimationFrame(const Animation& record) {
  HWND target = record.target.load();
  if (target == nullptr || !IsWindow(target)) return;
  // Nothing is drawn while the program is minimised.
  if (IsIconic(GetAncestor(target, GA_ROOT))) return;
  WindowDc dc(target);
  DrawAnimationFrame(record, dc.Get());
}

bool JoinThread(HANDLE thread, DWORD timeoutMs) {
  if (thread == nullptr) return true;
  return WaitForSingleObject(thread, timeoutMs) == WAIT_OBJECT_0;
}
