// The main window's dialog procedure.
#include "shell/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "cd/cd_device_factory.h"
#include "resources/resource.h"
#include "shell/about_dialog.h"
#include "shell/dialog_chrome.h"
#include "shell/file_list_refresh.h"
#include "shell/media_kinds.h"
#include "shell/panel_host.h"
#include "shell/program_state.h"
#include "shell/running_copy.h"
#include "shell/shell_hooks.h"
#include "shell/skins.h"
#include "shell/sound_effects.h"
#include "shell/splash_window.h"
#include "shell/texts.h"
#include "shell/volume_mixer.h"
#include "shell/window_shape.h"
#if __has_include("shell/options_dialog.h")
#include "shell/options_dialog.h"
#define BW_HAS_OPTIONS_DIALOG 1
#endif

namespace {

using skin::ButtonStyle;

// Sound effects of the main window.
constexpr int kSoundAbout = 1;
constexpr int kSoundExit = 6;
constexpr int kSoundSetup = 19;
constexpr int kSoundTabChange = 22;
constexpr int kSoundVolume = 24;

// The panel command asked for by the CD form of a second copy: play the track in the low
// word when the high word is 6969.
constexpr WORD kPlayTrackMarker = 6969;
// Scroll step of the file lists on one wheel notch.
constexpr int kWheelLines = 25;
// Timer ids the panels use for their polling (the media position and the CD status timer).
constexpr UINT_PTR kPanelPollTimerId = 1;
constexpr int kProgramPaletteId = 2100;

const SkinnedButton kMainButtons[] = {
    Skinned(IDC_MAIN_HELP, ButtonStyle::kSmall, skin::small_sheet::kCellHelp, true),
    Skinned(IDC_MAIN_SETUP, ButtonStyle::kLarge, skin::large_sheet::kCellSetup),
    Skinned(IDC_MAIN_ABOUT, ButtonStyle::kLarge, skin::large_sheet::kCellAbout),
    Skinned(IDC_MAIN_VOLUME, ButtonStyle::kLarge, skin::large_sheet::kCellVolume),
    Skinned(IDC_MAIN_EXIT, ButtonStyle::kLarge, skin::large_sheet::kCellExit),
};

const DWORD kMainHelpIds[] = {
    IDC_MAIN_HELP, 10109, IDC_MAIN_SETUP, 10110, IDC_MAIN_ABOUT, 10111, IDC_MAIN_VOLUME, 10112,
    IDC_MAIN_EXIT, 10113, IDC_MAIN_TABS, 10120, 0, 0};

struct MainWindowState {
  HWND splash = nullptr;
  DialogChrome chrome{kMainButtons, kMainHelpIds};
};

MainWindowState* GetState(HWND window) {
  return reinterpret_cast<MainWindowState*>(GetWindowLongPtrA(window, DWLP_USER));
}

int CurrentMode() { return g_settings.main.mode; }

void StopMediaPlayback() {
  if (Hooks().stopMediaPlayback) Hooks().stopMediaPlayback();
}

void StopFreedbQuery() {
  if (Hooks().stopFreedbQuery) Hooks().stopFreedbQuery();
}

void SetResult(HWND window, LRESULT result) { SetWindowLongPtrA(window, DWLP_MSGRESULT, result); }

// Tells the new CD Player panel to play `track` (after it has initialised).
void PostPlayTrack(HWND panel, int track) {
  if (panel != nullptr) {
    PostMessageA(panel, WM_COMMAND, IDC_CD_PLAY, MAKELPARAM(track, kPlayTrackMarker));
  }
}

HWND CreateTabPanel(HWND window, int tabIndex) {
  // A running freedb query belongs to the CD Player panel; the media panels stop it.
  if (tabIndex != kCdPlayerTab) StopFreedbQuery();
  return ShowPanel(window, tabIndex);
}

void ReadStartupSettings() {
  SettingsOverrides overrides;
  if (g_commandLine.kind == CommandLineKind::kMediaFile) {
    overrides.mediaMode = g_commandLine.mediaMode;
    overrides.mediaFolder = g_commandLine.mediaFolder;
  } else if (g_commandLine.kind == CommandLineKind::kPlayCd) {
    overrides.cdDrive = g_commandLine.cdDrive;
  }
  ReadAllSettings(ProgramSettingsFile(), overrides, bw::IsCdRomDrive, g_settings);
}

void OpenCdDevice() {
  g_cdDevice = bw::CreateCdDevice();
  if (g_cdDevice->Open(g_settings.main.defaultCdRomDrive)) g_cdDevice->ReadTableOfContents();
}

void OnInitDialog(HWND window, HWND splash) {
  auto state = std::make_unique<MainWindowState>();
  state->splash = splash;
  SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(state.get()));
  MainWindowState* self = state.release();

  g_mainWindow = window;
  g_searchString.clear();
  LoadAnimations(window);
  g_largeFonts = MeasureLargeFonts();
  LoadSkins();
  ReadStartupSettings();
  OpenCdDevice();

  const bool playCd = g_commandLine.kind == CommandLineKind::kPlayCd;
  if (playCd) g_settings.main.mode = kModeCdPlayer;

  BuildPanelHost(window, GetDlgItem(window, IDC_MAIN_TABS), g_largeFonts);
  HWND panel = CreateTabPanel(window, TabIndexForMode(CurrentMode()));
  if (playCd && CurrentMode() == kModeCdPlayer) PostPlayTrack(panel, g_commandLine.track);

  if (g_cdDevice->IsOpen() && g_cdDevice->QueryMode() == bw::CdMode::kNotReady) {
    g_cdDevice->ReadTableOfContents();
    g_cdDevice->SetCurrentTrack(1);
  }

  self->chrome.RebuildHoverTable(window);
  SetWindowTextA(window, kTextProgramTitle);
  MarkMainWindow(window);
  ApplyWindowShape(window);
  StartHoverTimer(window);
  if (self->splash != nullptr) {
    CloseSplashWindow(self->splash);
    self->splash = nullptr;
  }
}

// Command 130 from a second copy started with a CD form: the CD Player tab was selected by
// that copy; play the track from a freshly read disc.
void OnPlayCdFromOtherCopy(HWND window, int track) {
  if (g_cdDevice != nullptr) g_cdDevice->Stop();
  StopMediaPlayback();
  if (g_cdDevice != nullptr) g_cdDevice->Reopen(g_settings.main.defaultCdRomDrive);
  PanelHost* host = GetPanelHost(window);
  if (host == nullptr) return;
  const int tab = static_cast<int>(SendMessageA(host->tabs, TCM_GETCURSEL, 0, 0));
  HWND panel = CreateTabPanel(window, tab);
  if (tab == kCdPlayerTab) PostPlayTrack(panel, track);
}

void OnSetup(HWND window) {
  StopMediaPlayback();
  PlaySoundEffect(kSoundSetup);
  StopHoverTimer(window);
#ifdef BW_HAS_OPTIONS_DIALOG
  RunOptionsDialog(window);
#else
  if (Hooks().runOptionsDialog) Hooks().runOptionsDialog(window);
#endif
  if (HWND panel = CurrentPanel()) {
    if (Hooks().repositionPanelAnimation) Hooks().repositionPanelAnimation(panel);
    if (CurrentMode() == kModeCdPlayer) StopMediaPlayback();
  }
  StartHoverTimer(window);
}

void OnAbout(HWND window) {
  PlaySoundEffect(kSoundAbout);
  StopHoverTimer(window);
  RunAboutDialog(window);
  StartHoverTimer(window);
}

void OnVolume(HWND window) {
  PlaySoundEffect(kSoundVolume);
  StopHoverTimer(window);
  StartVolumeMixer(window);
  StartHoverTimer(window);
}

// Accelerators reach the media panels only; Play, All and Delete only while the focus is
// not in the location edit, where the keys belong to the typing.
void OnAccelerator(HWND window, int command) {
  const int mode = CurrentMode();
  HWND panel = CurrentPanel();
  if (!IsMediaMode(mode) || panel == nullptr) return;
  HWND location = GetDlgItem(panel, MediaControlId(mode, IDC_MEDIA_LOCATION));
  switch (command) {
    case IDM_ACCEL_LOCATION:
      SetFocus(location);
      SendMessageA(location, EM_SETSEL, 0, -1);
      break;
    case IDM_ACCEL_PLAY:
    case IDM_ACCEL_ALL:
    case IDM_ACCEL_DELETE: {
      if (GetFocus() == location) break;
      const int audioId = command == IDM_ACCEL_PLAY  ? IDC_MEDIA_PLAY
                          : command == IDM_ACCEL_ALL ? IDC_MEDIA_ALL
                                                     : IDC_MEDIA_DELETE;
      PostMessageA(panel, WM_COMMAND, MediaControlId(mode, audioId), 0);
      g_acceleratorConsumed = true;
      break;
    }
    case IDM_ACCEL_REFRESH:
      if (Hooks().refreshFileList) {
        Hooks().refreshFileList(panel);
      } else {
        RefreshPanelFileList(panel, mode);
      }
      break;
    default:
      break;
  }
}

void OnCommand(HWND window, int id, LPARAM lParam) {
  switch (id) {
    case IDC_MAIN_HELP:
      PostMessageA(window, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    case IDC_MAIN_SETUP:
      OnSetup(window);
      break;
    case IDC_MAIN_ABOUT:
      OnAbout(window);
      break;
    case IDC_MAIN_VOLUME:
      OnVolume(window);
      break;
    case IDC_MAIN_EXIT:
      ShutDownProgram(window);
      break;
    case IDC_MAIN_PLAY_CD:
      OnPlayCdFromOtherCopy(window, static_cast<int>(lParam));
      break;
    case IDM_ACCEL_LOCATION:
    case IDM_ACCEL_PLAY:
    case IDM_ACCEL_ALL:
    case IDM_ACCEL_DELETE:
    case IDM_ACCEL_REFRESH:
      OnAccelerator(window, id);
      break;
    default:
      break;
  }
}

// Answers whether the notification was taken.
bool OnNotify(HWND window, WPARAM wParam, LPARAM lParam) {
  // Another part of the program posts a notification whose last parameter has 6969 in its
  // high word to bring up the CD Player panel; it carries no notification header.
  if (HIWORD(lParam) == kPlayTrackMarker && wParam != IDC_MAIN_TABS) {
    ShowPanel(window, kCdPlayerTab);
    return true;
  }
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (wParam != IDC_MAIN_TABS || header == nullptr || header->code != TCN_SELCHANGE) return false;
  PlaySoundEffect(kSoundTabChange);
  DestroyPanel(window);
  CreateTabPanel(window, static_cast<int>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
  return true;
}

// Wheel: the media panels scroll their file list by 25 lines; the CD Player steps its
// animation by one frame while no disc plays.
void OnWheel(int delta) {
  HWND panel = CurrentPanel();
  if (panel == nullptr || delta == 0) return;
  const int mode = CurrentMode();
  if (IsMediaMode(mode)) {
    HWND list = GetDlgItem(panel, MediaControlId(mode, IDC_MEDIA_LIST));
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    top = delta < 0 ? std::min(top + kWheelLines, count) : std::max(top - kWheelLines, 0);
    SendMessageA(list, LB_SETTOPINDEX, top, 0);
    return;
  }
  if (g_cdDevice != nullptr && g_cdDevice->IsOpen() &&
      g_cdDevice->QueryMode() == bw::CdMode::kPlaying) {
    return;
  }
  Animation& animation = g_animations[kAnimationCdPlayer];
  const int frames = animation.info.frameCount;
  if (frames <= 0 || animation.target.load() == nullptr) return;
  const int step = delta < 0 ? 1 : frames - 1;
  animation.currentFrame = (animation.currentFrame.load() + step) % frames;
  DrawAnimationFrame(animation);
}

// Enter asks the dialog manager for the default button; it moves the focus to the file list
// instead, so Enter in the location edit leaves the edit for the list.
void OnGetDefaultId() {
  if (g_keyInProgress != VK_RETURN && (GetKeyState(VK_RETURN) & 0x8000) == 0) return;
  HWND panel = CurrentPanel();
  const int mode = CurrentMode();
  if (panel == nullptr || !IsMediaMode(mode)) return;
  if (HWND list = GetDlgItem(panel, MediaControlId(mode, IDC_MEDIA_LIST))) SetFocus(list);
}

void ReloadAnimations(HWND window) {
  for (Animation& animation : g_animations) StopAnimationAndWait(animation);
  LoadAnimations(window);
}

// The colour depth is measured before the skins are reloaded, so that they are loaded for
// the depth the screen now has.
void OnSystemColourChange(HWND window) {
  g_highColour = MeasureHighColour();
  DeleteSkins();
  LoadSkins();
  CreateEntryFieldBrush();
  CreateProgramPalette(g_instance);
  Sleep(500);
  ReloadAnimations(window);
  if (!IsIconic(window)) ApplyWindowShape(window);
  if (PanelHost* host = GetPanelHost(window)) SendMessageA(host->tabs, WM_SYSCOLORCHANGE, 0, 0);
  InvalidateRect(window, nullptr, TRUE);
}

bool RealiseProgramPalette(HWND window, bool background) {
  if (g_programPalette.Get() == nullptr) return false;
  WindowDc dc(window);
  SelectedPalette selected(dc.Get(), g_programPalette.Get(), background);
  const UINT changed = RealizePalette(dc.Get());
  if (changed != 0) InvalidateRect(window, nullptr, TRUE);
  return changed != 0;
}

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MainWindowState* state = GetState(window);
  if (message == g_wheelMessage && g_wheelMessage != 0) {
    OnWheel(static_cast<int>(wParam));
    return TRUE;
  }
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog(window, reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_COMMAND:
      OnCommand(window, LOWORD(wParam), lParam);
      return TRUE;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_CLOSE:
          ShutDownProgram(window);
          return TRUE;
        case SC_MAXIMIZE:
        case SC_SIZE:
          return TRUE;  // the window keeps its size and shape
        default:
          return FALSE;
      }
    case WM_NOTIFY:
      if (!OnNotify(window, wParam, lParam)) return FALSE;
      SetResult(window, 0);
      return TRUE;
    case WM_MOUSEWHEEL:
      OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return TRUE;
    case DM_GETDEFID:
      OnGetDefaultId();
      return FALSE;
    case WM_TIMER:
      if (wParam == kHoverTimerId && state != nullptr && !IsIconic(window)) {
        state->chrome.OnHoverTimer(window);
      }
      return TRUE;
    case WM_DRAWITEM:
      return state != nullptr &&
             state->chrome.OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_HELP:
      if (state != nullptr) state->chrome.OnHelp(window, *reinterpret_cast<HELPINFO*>(lParam));
      return TRUE;
    case WM_CONTEXTMENU:
      if (state != nullptr) state->chrome.OnContextMenu(window, reinterpret_cast<HWND>(wParam));
      return TRUE;
    case WM_PAINT: {
      PaintDc paint(window);
      SelectedPalette palette(paint.Get(), g_programPalette.Get());
      PaintNotchEdge(window, paint.Get());
      return TRUE;
    }
    case WM_NCPAINT:
    case WM_NCACTIVATE: {
      // The frame is drawn first; the notch edge goes over it.
      const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
      PaintNotchFrame(window);
      SetResult(window, result);
      return TRUE;
    }
    case WM_SYSCOLORCHANGE:
      OnSystemColourChange(window);
      return TRUE;
    case WM_QUERYNEWPALETTE:
      SetResult(window, RealiseProgramPalette(window, false));
      return TRUE;
    case WM_PALETTECHANGED:
      if (reinterpret_cast<HWND>(wParam) != window) RealiseProgramPalette(window, true);
      return TRUE;
    case WM_DESTROY:
      if (state != nullptr) state->chrome.OnEnd(window);
      UnmarkMainWindow(window);
      FreePanelHost(window);
      return TRUE;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, DWLP_USER, 0);
      delete state;
      if (g_mainWindow == window) g_mainWindow = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance, HWND splash) {
  return CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainWindowProc,
                            reinterpret_cast<LPARAM>(splash));
}

void ShutDownProgram(HWND mainWindow) {
  StopMediaPlayback();
  PlaySoundEffect(kSoundExit, SoundWait::kYes);
  if (HWND panel = CurrentPanel()) KillTimer(panel, kPanelPollTimerId);
  WriteAllSettings(ProgramSettingsFile(), g_settings);
  StopHoverTimer(mainWindow);
  StopFreedbQuery();
  g_entryFieldBrush.Reset();
  if (g_cdDevice != nullptr) g_cdDevice->Close();
  DestroyWindow(mainWindow);
  PostQuitMessage(0);
}

void LoadAnimations(HWND mainWindow) {
  ProfileStore& settingsFile = ProgramSettingsFile();
  for (int place = 0; place < kNamedAnimationCount; ++place) {
    const std::string defaultName = DefaultAnimationName(g_animationLibrary, place);
    std::string name =
        ReadAnimationName(settingsFile, static_cast<AnimationPlace>(place), defaultName);
    if (!LoadAnimation(g_animationLibrary, name, g_animations[place], mainWindow)) {
      name = defaultName;
      LoadAnimation(g_animationLibrary, name, g_animations[place], mainWindow);
      WriteAnimationName(settingsFile, static_cast<AnimationPlace>(place), name);
    }
    g_settings.main.animationNames[place] = name;
  }
  LoadAnimation(g_animationLibrary, DefaultAnimationName(g_animationLibrary, kFixedAnimation),
                g_animations[kFixedAnimation], mainWindow);
}

void CreateProgramPalette(HINSTANCE instance) {
  g_programPalette.Reset();
  if (g_highColour) return;
  HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(kProgramPaletteId), RT_RCDATA);
  HGLOBAL loaded = resource != nullptr ? LoadResource(instance, resource) : nullptr;
  const auto* bytes = loaded != nullptr ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
  if (bytes == nullptr) return;
  const DWORD entries = std::min<DWORD>(SizeofResource(instance, resource) / 3, 256);
  if (entries == 0) return;
  std::vector<BYTE> storage(sizeof(LOGPALETTE) + entries * sizeof(PALETTEENTRY));
  auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(entries);
  for (DWORD i = 0; i < entries; ++i) {
    palette->palPalEntry[i] = {bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2], 0};
  }
  g_programPalette.Reset(CreatePalette(palette));
}

void CreateEntryFieldBrush() {
  g_entryFieldBrush.Reset(CreateSolidBrush(
      GetSysColor(g_settings.main.entryFieldColorization ? COLOR_BTNFACE : COLOR_WINDOW)));
}

bool MeasureHighColour() {
  WindowDc screen(nullptr);
  if (!screen) return true;
  const int bits = GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES);
  return bits >= 9;
}

bool MeasureLargeFonts() {
  WindowDc screen(nullptr);
  if (!screen) return false;
  return GetDeviceCaps(screen.Get(), LOGPIXELSX) == 120 &&
         GetDeviceCaps(screen.Get(), LOGPIXELSY) == 120;
}
