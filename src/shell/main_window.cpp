// The main window: its creation in the fixed order, its buttons, tabs, accelerators and wheel,
// its shape and palette, and the shutdown order.
#include "shell/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "cd/cd_device_factory.h"
#include "cd/program_cd_device.h"
#include "resources/resource.h"
#include "shell/about_dialog.h"
#include "shell/look_and_feel.h"
#include "shell/media_kinds.h"
#include "shell/options_dialog.h"
#include "shell/panel_host.h"
#include "shell/program_mode.h"
#include "shell/program_state.h"
#include "shell/running_copy.h"
#include "shell/skins.h"
#include "shell/sound_effects.h"
#include "shell/splash_window.h"
#include "shell/texts.h"
#include "shell/window_shape.h"

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

constexpr SkinnedButton kMainButtons[] = {
    Skinned(IDC_MAIN_HELP, ButtonStyle::kSmall, skin::small_sheet::kCellHelp, true),
    Skinned(IDC_MAIN_SETUP, ButtonStyle::kLarge, skin::large_sheet::kCellSetup),
    Skinned(IDC_MAIN_ABOUT, ButtonStyle::kLarge, skin::large_sheet::kCellAbout),
    Skinned(IDC_MAIN_VOLUME, ButtonStyle::kLarge, skin::large_sheet::kCellVolume),
    Skinned(IDC_MAIN_EXIT, ButtonStyle::kLarge, skin::large_sheet::kCellExit),
};

constexpr auto kMainHelpIds = MakeHelpIds(IDC_MAIN_HELP, IDC_MAIN_SETUP, IDC_MAIN_ABOUT,
                                          IDC_MAIN_VOLUME, IDC_MAIN_EXIT, IDC_MAIN_TABS);

DialogChores MainWindowChores() {
  DialogChores chores = DialogChores::For(kMainButtons, kMainHelpIds.data());
  chores.animateOpening = false;
  return chores;
}

int CurrentMode() { return g_settings.main.mode; }

// Tells the new CD Player panel to play `track` (after it has initialised).
void PostPlayTrack(HWND panel, int track) {
  if (panel != nullptr) {
    PostMessageA(panel, WM_COMMAND, IDC_CD_PLAY, MAKELPARAM(track, kPlayTrackMarker));
  }
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

bool RealiseProgramPalette(HWND window, bool background) {
  if (g_programPalette.Get() == nullptr) return false;
  WindowDc dc(window);
  SelectedPalette selected(dc.Get(), g_programPalette.Get(), background);
  const UINT changed = RealizePalette(dc.Get());
  if (changed != 0) InvalidateRect(window, nullptr, TRUE);
  return changed != 0;
}

class MainWindow : public SkinnedDialog {
 public:
  MainWindow(HWND splash, const ProgramParts& parts)
      : SkinnedDialog(MainWindowChores()), splash_(splash), parts_(parts) {}

  PanelHost& Host() { return host_; }

 private:
  void OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;
  void OnHoverTimer() override;
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroy() override;

  HWND CreateTabPanel(int tabIndex);
  void StopMediaPlayback() const;
  void OnPlayCdFromOtherCopy(int track);
  void OnSetup();
  void OnAccelerator(int command);
  bool OnNotify(WPARAM wParam, LPARAM lParam);
  void OnWheel(int delta);
  void OnGetDefaultId();
  void OnSystemColourChange();
  void ShutDown();

  HWND splash_;
  ProgramParts parts_;
  PanelHost host_;
};

MainWindow* TheMainWindow() { return static_cast<MainWindow*>(SkinnedDialog::Of(g_mainWindow)); }

void MainWindow::StopMediaPlayback() const {
  if (parts_.stopMediaPlayback != nullptr) parts_.stopMediaPlayback();
}

HWND MainWindow::CreateTabPanel(int tabIndex) {
  // A running freedb query belongs to the CD Player panel; the media panels stop it.
  if (tabIndex != kCdPlayerTab && parts_.stopFreedbQuery != nullptr) parts_.stopFreedbQuery();
  return host_.Show(tabIndex);
}

void MainWindow::OnInitDialog() {
  HWND window = Window();
  g_mainWindow = window;
  LoadAnimations(window);
  g_largeFonts = MeasureLargeFonts();
  LoadSkins();
  ReadStartupSettings();
  bw::OpenProgramCdDevice(g_settings.main.defaultCdRomDrive);
  bw::CdDevice& device = *bw::ProgramCdDevice();

  const bool playCd = g_commandLine.kind == CommandLineKind::kPlayCd;
  if (playCd) g_settings.main.mode = kModeCdPlayer;

  host_.Build(window, Item(IDC_MAIN_TABS), g_largeFonts, parts_);
  HWND panel = CreateTabPanel(TabIndexForMode(CurrentMode()));
  if (playCd && CurrentMode() == kModeCdPlayer) PostPlayTrack(panel, g_commandLine.track);

  if (device.IsOpen() && device.QueryMode() == bw::CdMode::kNotReady) {
    device.ReadTableOfContents();
    device.SetCurrentTrack(1);
  }

  SetWindowTextA(window, kTextProgramTitle);
  MarkMainWindow(window);
  ApplyWindowShape(window);
  if (splash_ != nullptr) {
    CloseSplashWindow(splash_);
    splash_ = nullptr;
  }
}

// Command 130 from a second copy started with a CD form: the CD Player tab was selected by
// that copy; play the track from a freshly read disc.
void MainWindow::OnPlayCdFromOtherCopy(int track) {
  bw::CdDevice* device = bw::ProgramCdDevice();
  if (device != nullptr) device->Stop();
  StopMediaPlayback();
  if (device != nullptr) device->Reopen(g_settings.main.defaultCdRomDrive);
  const int tab = host_.SelectedTab();
  HWND panel = CreateTabPanel(tab);
  if (tab == kCdPlayerTab) PostPlayTrack(panel, track);
}

void MainWindow::OnSetup() {
  StopMediaPlayback();
  PlaySoundEffect(kSoundSetup);
  OptionsInput input;
  input.panel = host_.Panel();
  input.runEditorSelection = parts_.runEditorSelection;
  input.runVolumeMixerSelection = parts_.runVolumeMixerSelection;
  const OptionsResult result = RunOptionsDialog(Window(), input);
  // The CD Player panel lays out the disc of the newly chosen drive afresh.
  if (result.driveChanged && CurrentMode() == kModeCdPlayer) CreateTabPanel(host_.SelectedTab());
  if (HWND panel = host_.Panel()) {
    SendMessageA(panel, WM_COMMAND, IDM_PANEL_PLACE_ANIMATION, 0);
    if (CurrentMode() == kModeCdPlayer) StopMediaPlayback();
  }
}

// Accelerators reach the media panels only; Play, All and Delete only while the focus is
// not in the location edit, where the keys belong to the typing.
void MainWindow::OnAccelerator(int command) {
  const int mode = CurrentMode();
  HWND panel = host_.Panel();
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
      // The panel owns its list: it refreshes it on this command.
      SendMessageA(panel, WM_COMMAND, IDM_ACCEL_REFRESH, 0);
      break;
    default:
      break;
  }
}

void MainWindow::OnCommand(int id, int, HWND control) {
  switch (id) {
    case IDC_MAIN_HELP:
      PostMessageA(Window(), WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    case IDC_MAIN_SETUP:
      OnSetup();
      break;
    case IDC_MAIN_ABOUT:
      PlaySoundEffect(kSoundAbout);
      RunAboutDialog(Window());
      break;
    case IDC_MAIN_VOLUME:
      PlaySoundEffect(kSoundVolume);
      if (parts_.startVolumeMixer != nullptr) parts_.startVolumeMixer(Window());
      break;
    case IDC_MAIN_EXIT:
      ShutDown();
      break;
    case IDC_MAIN_PLAY_CD:
      // The track travels in the last parameter, where a control's handle would be.
      OnPlayCdFromOtherCopy(static_cast<int>(reinterpret_cast<LPARAM>(control)));
      break;
    case IDM_ACCEL_LOCATION:
    case IDM_ACCEL_PLAY:
    case IDM_ACCEL_ALL:
    case IDM_ACCEL_DELETE:
    case IDM_ACCEL_REFRESH:
      OnAccelerator(id);
      break;
    default:
      break;
  }
}

// Answers whether the notification was taken.
bool MainWindow::OnNotify(WPARAM wParam, LPARAM lParam) {
  // Another part of the program posts a notification whose last parameter has 6969 in its
  // high word to bring up the CD Player panel; it carries no notification header.
  if (HIWORD(lParam) == kPlayTrackMarker && wParam != IDC_MAIN_TABS) {
    host_.Show(kCdPlayerTab);
    return true;
  }
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (wParam != IDC_MAIN_TABS || header == nullptr || header->code != TCN_SELCHANGE) return false;
  PlaySoundEffect(kSoundTabChange);
  host_.DestroyPanel();
  CreateTabPanel(host_.SelectedTab());
  return true;
}

// Wheel: the media panels scroll their file list by 25 lines; the CD Player steps its
// animation by one frame while no disc plays.
void MainWindow::OnWheel(int delta) {
  HWND panel = host_.Panel();
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
  bw::CdDevice* device = bw::ProgramCdDevice();
  if (device != nullptr && device->IsOpen() && device->QueryMode() == bw::CdMode::kPlaying) {
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
void MainWindow::OnGetDefaultId() {
  if (g_keyInProgress != VK_RETURN && (GetKeyState(VK_RETURN) & 0x8000) == 0) return;
  HWND panel = host_.Panel();
  const int mode = CurrentMode();
  if (panel == nullptr || !IsMediaMode(mode)) return;
  if (HWND list = GetDlgItem(panel, MediaControlId(mode, IDC_MEDIA_LIST))) SetFocus(list);
}

// The colour depth is measured before the skins are reloaded, so that they are loaded for
// the depth the screen now has.
void MainWindow::OnSystemColourChange() {
  HWND window = Window();
  g_highColour = MeasureHighColour();
  DeleteSkins();
  LoadSkins();
  CreateEntryFieldBrush();
  CreateProgramPalette(g_instance);
  Sleep(500);
  // Threads read their records while they draw: each ends before its record is refilled, and
  // one that was running starts again on the reloaded strip.
  bool wasRunning[kAnimationRecordCount] = {};
  for (int i = 0; i < kAnimationRecordCount; ++i) {
    wasRunning[i] = IsAnimationRunning(g_animations[i]);
    StopAnimationAndWait(g_animations[i]);
  }
  LoadAnimations(window);
  for (int i = 0; i < kAnimationRecordCount; ++i) {
    Animation& animation = g_animations[i];
    HWND target = animation.target.load();
    if (wasRunning[i] && target != nullptr && IsWindow(target)) {
      StartAnimation(animation, target, POINT{animation.x.load(), animation.y.load()});
    }
  }
  if (!IsIconic(window)) ApplyWindowShape(window);
  SendMessageA(host_.Tabs(), WM_SYSCOLORCHANGE, 0, 0);
  InvalidateRect(window, nullptr, TRUE);
}

void MainWindow::OnHoverTimer() {
  if (!IsIconic(Window())) SkinnedDialog::OnHoverTimer();
}

std::optional<INT_PTR> MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = Window();
  if (message == g_wheelMessage && g_wheelMessage != 0) {
    OnWheel(static_cast<int>(wParam));
    return TRUE;
  }
  switch (message) {
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_CLOSE:
          ShutDown();
          return TRUE;
        case SC_MAXIMIZE:
        case SC_SIZE:
          return TRUE;  // the window keeps its size and shape
        default:
          return FALSE;
      }
    case WM_NOTIFY:
      if (!OnNotify(wParam, lParam)) return FALSE;
      SetMessageResult(0);
      return TRUE;
    case WM_MOUSEWHEEL:
      OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return TRUE;
    case DM_GETDEFID:
      OnGetDefaultId();
      return FALSE;
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
      SetMessageResult(result);
      return TRUE;
    }
    case WM_SYSCOLORCHANGE:
      OnSystemColourChange();
      return TRUE;
    case WM_QUERYNEWPALETTE:
      SetMessageResult(RealiseProgramPalette(window, false));
      return TRUE;
    case WM_PALETTECHANGED:
      if (reinterpret_cast<HWND>(wParam) != window) RealiseProgramPalette(window, true);
      return TRUE;
    case WM_NCDESTROY:
      if (g_mainWindow == window) g_mainWindow = nullptr;
      return FALSE;
    default:
      return std::nullopt;
  }
}

void MainWindow::OnDestroy() {
  UnmarkMainWindow(Window());
  host_.DestroyPanel();
}

void MainWindow::ShutDown() {
  HWND window = Window();
  StopMediaPlayback();
  PlaySoundEffect(kSoundExit, SoundWait::kYes);
  if (HWND panel = host_.Panel()) KillTimer(panel, kPanelPollTimerId);
  WriteAllSettings(ProgramSettingsFile(), g_settings);
  StopHoverTimer(window);
  if (parts_.stopFreedbQuery != nullptr) parts_.stopFreedbQuery();
  g_entryFieldBrush.Reset();
  if (bw::CdDevice* device = bw::ProgramCdDevice()) device->Close();
  DestroyWindow(window);
  PostQuitMessage(0);
}

}  // namespace

std::unique_ptr<SkinnedDialog> CreateMainWindow(HWND splash, const ProgramParts& parts) {
  auto mainWindow = std::make_unique<MainWindow>(splash, parts);
  if (CreateModelessDialog(nullptr, IDD_MAIN, *mainWindow) == nullptr) return nullptr;
  return mainWindow;
}

HWND CurrentPanel() {
  MainWindow* mainWindow = TheMainWindow();
  return mainWindow != nullptr ? mainWindow->Host().Panel() : nullptr;
}

POINT PanelOrigin() {
  MainWindow* mainWindow = TheMainWindow();
  return mainWindow != nullptr ? mainWindow->Host().Origin() : POINT{9, 30};
}

void LoadAnimations(HWND mainWindow) {
  ProfileStore& settingsFile = ProgramSettingsFile();
  for (int place = 0; place < kNamedAnimationCount; ++place) {
    // A record whose thread would not end is left as it is: refilling it under the thread
    // would pull its strip away, and taking that for a missing animation would overwrite the
    // user's choice with the default.
    if (!StopAnimationAndWait(g_animations[place])) continue;
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
