// The Audio, MIDI and Video panels: creation in the fixed order, the commands, the timers,
// the switches' pictures and the end of a panel.
#include "media/media_panel.h"

#include <memory>
#include <vector>

#include "base/win32_handles.h"
#include "media/media_panel_internal.h"
#include "media/media_panel_texts.h"
#include "shell/button_painter.h"
#include "shell/panel_host.h"
#include "shell/program_mode.h"
#include "shell/program_state.h"
#include "shell/skin_cells.h"

MediaPlayback g_mediaPlayback;

namespace {

using skin::ButtonStyle;
namespace medium = skin::medium_sheet;
namespace small = skin::small_sheet;

MediaPanel* g_livePanel = nullptr;

// Posted to itself when the location edit has lost the focus.
constexpr UINT kLocationLeftMessage = WM_APP + 1;

// The help ids of one kind's controls; the MIDI and Video ids are the Audio ids moved on. Only
// the Video panel has the sound button.
template <int kStep, typename... Extra>
constexpr auto PanelHelpIds(Extra... extra) {
  return MakeHelpIds(
      extra..., IDC_MEDIA_PLAY + kStep, IDC_MEDIA_STOP + kStep, IDC_MEDIA_PAUSE + kStep,
      IDC_MEDIA_ALL + kStep, IDC_MEDIA_INFO + kStep, IDC_MEDIA_COPY + kStep,
      IDC_MEDIA_RENAME + kStep, IDC_MEDIA_MOVE + kStep, IDC_MEDIA_EDITOR + kStep,
      IDC_MEDIA_DELETE + kStep, IDC_MEDIA_BROWSE + kStep, IDC_MEDIA_SEARCH + kStep,
      IDC_MEDIA_REPEAT + kStep, IDC_MEDIA_SKIP + kStep,
      IDC_MEDIA_LOCATION + kStep, IDC_MEDIA_LIST + kStep, IDC_MEDIA_POSITION_BAR + kStep);
}
constexpr auto kAudioHelpIds = PanelHelpIds<0>();
constexpr auto kMidiHelpIds = PanelHelpIds<IDC_MEDIA_ID_STEP>();
constexpr auto kVideoHelpIds = PanelHelpIds<2 * IDC_MEDIA_ID_STEP>(IDC_VIDEO_SOUND);

HelpIdTable HelpIdsOf(int mode) {
  return mode == kModeMidi ? kMidiHelpIds.data()
         : mode == kModeVideo ? kVideoHelpIds.data()
                              : kAudioHelpIds.data();
}

// The glyphs of the medium sheet; the switches draw their own state's picture.
std::vector<SkinnedButton> PanelButtons(int mode) {
  struct Glyph {
    int audioId;
    skin::SkinCell cell;
  };
  static const Glyph kGlyphs[] = {
      {IDC_MEDIA_BROWSE, medium::kCellBrowse}, {IDC_MEDIA_PLAY, medium::kCellPlay},
      {IDC_MEDIA_STOP, medium::kCellStop},     {IDC_MEDIA_PAUSE, medium::kCellPause},
      {IDC_MEDIA_INFO, medium::kCellInfo},     {IDC_MEDIA_COPY, medium::kCellCopy},
      {IDC_MEDIA_RENAME, medium::kCellRename}, {IDC_MEDIA_MOVE, medium::kCellMove},
      {IDC_MEDIA_EDITOR, medium::kCellEditor}, {IDC_MEDIA_DELETE, medium::kCellDelete},
      {IDC_MEDIA_ALL, medium::kCellAll},       {IDC_MEDIA_SEARCH, medium::kCellSearch}};
  std::vector<SkinnedButton> buttons;
  for (const Glyph& glyph : kGlyphs) {
    buttons.push_back(Skinned(MediaControlId(mode, glyph.audioId), ButtonStyle::kMedium, glyph.cell));
  }
  buttons.push_back(Skinned(MediaControlId(mode, IDC_MEDIA_SKIP), ButtonStyle::kSmall, small::kCellSkip));
  // The switches show their state in their picture: hovering only frames them.
  buttons.push_back(SkinnedButton{MediaControlId(mode, IDC_MEDIA_REPEAT), ButtonStyle::kSmall, -1, 0, true});
  if (mode == kModeVideo) {
    buttons.push_back(SkinnedButton{MediaControlId(mode, IDC_MEDIA_SOUND), ButtonStyle::kSmall, -1, 0, true});
  }
  return buttons;
}

const std::vector<SkinnedButton>& ButtonsOf(int mode) {
  static const std::vector<SkinnedButton> audio = PanelButtons(kModeAudio);
  static const std::vector<SkinnedButton> midi = PanelButtons(kModeMidi);
  static const std::vector<SkinnedButton> video = PanelButtons(kModeVideo);
  return mode == kModeMidi ? midi : mode == kModeVideo ? video : audio;
}

DialogChores PanelChores(int mode) {
  const std::vector<SkinnedButton>& buttons = ButtonsOf(mode);
  DialogChores chores;
  chores.buttons = buttons.data();
  chores.buttonCount = buttons.size();
  chores.helpIds = HelpIdsOf(mode);
  chores.animateOpening = false;  // panels are children: hover, but no opening animation
  chores.entryFieldColours = true;
  return chores;
}

}  // namespace

MediaPanel::MediaPanel(int mode) : PlaybackWindow(PanelChores(mode)), mode_(mode) {}

MediaPanel* LiveMediaPanel() { return g_livePanel; }

bool MediaPanel::IsVideo() const { return mode_ == kModeVideo; }

bool MediaPanel::HasAnimation() const {
  if (mode_ == kModeAudio) return g_settings.main.waveAnimation;
  if (mode_ == kModeMidi) return g_settings.main.midiAnimation;
  return false;
}

HWND PlaybackWindow::Control(int audioId) const {
  const int id = Id(audioId);
  return id != 0 ? Item(id) : nullptr;
}

void PlaybackWindow::SetText(int audioId, const std::string& text) const {
  if (const int id = Id(audioId)) SetItemText(id, text);
}

void PlaybackWindow::StartPositionTimer() {
  SetTimer(Window(), kPositionTimerId, static_cast<UINT>(g_settings.main.timerPeriodMs), nullptr);
  g_mediaPlayback.timerRunning = true;
}

void PlaybackWindow::KillPositionTimer() {
  KillTimer(Window(), kPositionTimerId);
  g_mediaPlayback.timerRunning = false;
}

void PlaybackWindow::RedrawSwitches() {
  for (int audioId : {IDC_MEDIA_REPEAT, IDC_MEDIA_SOUND}) {
    if (HWND button = Control(audioId)) InvalidateRect(button, nullptr, FALSE);
  }
}

bool PlaybackWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const int id = static_cast<int>(item.CtlID);
  if (id == Id(IDC_MEDIA_REPEAT)) {
    const skin::SkinCell cell = g_mediaPlayback.repeat ? small::kCellRepeatOn : small::kCellRepeatOff;
    DrawSkinnedButton(item, cell.column, cell.row, ButtonStyle::kSmall, true);
    return true;
  }
  // Only the Video panel and the large-video dialog have a control of this id.
  if (id == Id(IDC_MEDIA_SOUND)) {
    const skin::SkinCell cell = g_mediaPlayback.muted ? small::kCellSoundMuted : small::kCellSoundOn;
    DrawSkinnedButton(item, cell.column, cell.row, ButtonStyle::kSmall, true);
    return true;
  }
  return SkinnedDialog::OnDrawItem(item);
}

void MediaPanel::StartPlaybackAnimation() { StartPanelAnimation(*this); }

void MediaPanel::StopPlaybackAnimation() { StopPanelAnimation(*this); }

void MediaPanel::OnInitDialog() {
  HWND window = Window();
  g_livePanel = this;
  // 1. Mode, list, state, place.
  g_settings.main.mode = mode_;
  RefreshMediaFileList(*this);
  SetText(IDC_MEDIA_STATE, kTextMediaReady);
  const POINT origin = PanelOrigin();
  SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  // 2. Nothing plays on from another panel.
  RunStopRoutine(this);
  // 3. The animation's place in its frame.
  PlacePanelAnimation(*this);
  // 4. A start with a media file plays it.
  if (g_playAndExit && g_commandLine.mediaMode == mode_) SelectCommandLineFile(*this);
  // 5. The animation frame only when the kind animates; the docked video area only while a
  // video plays in it.
  if (!IsVideo()) Show(IDC_MEDIA_ANIMATION, HasAnimation());
  HideDockedVideo(*this);
  // 6. The hover table is built by the chores once the panel is laid out. 7. Drops.
  DragAcceptFiles(window, TRUE);
  // 8. The bit rate shows only while an MP3 file plays.
  if (mode_ == kModeAudio) {
    Show(IDC_MEDIA_BITRATE_LABEL, false);
    Show(IDC_MEDIA_BITRATE, false);
  }
}

void MediaPanel::OnDestroy() {
  DragAcceptFiles(Window(), FALSE);
  KillPositionTimer();
  StopPanelAnimation(*this);
  if (g_livePanel == this) g_livePanel = nullptr;
}

void MediaPanel::OnCommand(int id, int code, HWND control) {
  if (id == IDM_ACCEL_REFRESH) {
    RefreshMediaFileList(*this);
    return;
  }
  if (id == IDM_PANEL_PLACE_ANIMATION) {
    if (!IsVideo()) Show(IDC_MEDIA_ANIMATION, HasAnimation());
    PlacePanelAnimation(*this);
    return;
  }
  const int audioId = id - (mode_ - kModeAudio) * IDC_MEDIA_ID_STEP;
  switch (audioId) {
    case IDC_MEDIA_LIST:
      if (code == LBN_DBLCLK) OnPlay(*this);
      break;
    case IDC_MEDIA_LOCATION:
      // Taken once the focus has moved on: a message box in the middle of the change of
      // focus would run inside the click that moved it.
      if (code == EN_KILLFOCUS) PostMessageA(Window(), kLocationLeftMessage, 0, 0);
      break;
    case IDC_MEDIA_PLAY: OnPlay(*this); break;
    case IDC_MEDIA_STOP: OnStopButton(*this); break;
    case IDC_MEDIA_PAUSE: OnPauseButton(*this); break;
    case IDC_MEDIA_ALL: SelectAllFiles(*this); break;
    case IDC_MEDIA_SKIP: OnSkip(*this); break;
    case IDC_MEDIA_REPEAT: OnRepeatSwitch(*this); break;
    case IDC_MEDIA_SOUND:
      if (IsVideo()) OnSoundSwitch(*this);
      break;
    case IDC_MEDIA_INFO:
    case IDC_MEDIA_COPY:
    case IDC_MEDIA_RENAME:
    case IDC_MEDIA_MOVE:
    case IDC_MEDIA_EDITOR:
    case IDC_MEDIA_DELETE:
    case IDC_MEDIA_BROWSE:
    case IDC_MEDIA_SEARCH:
      OnFileAction(*this, audioId);
      break;
    default:
      break;
  }
}

void MediaPanel::OnTimer(UINT_PTR id) {
  if (id == kPositionTimerId) OnPositionTimer(*this);
}

std::optional<INT_PTR> MediaPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == Control(IDC_MEDIA_POSITION_BAR)) {
        OnPositionBarScroll(*this, wParam);
      }
      return TRUE;
    case kLocationLeftMessage:
      OnLocationEdited(*this);
      return TRUE;
    case WM_DROPFILES:
      OnFilesDropped(*this, reinterpret_cast<HDROP>(wParam));
      return TRUE;
    case WM_PAINT: {
      PaintDc paint(Window());
      PaintPanelAnimation(*this, paint.Get());
      return TRUE;
    }
    default:
      return std::nullopt;
  }
}

std::unique_ptr<SkinnedDialog> CreateAudioPanel() { return std::make_unique<MediaPanel>(kModeAudio); }
std::unique_ptr<SkinnedDialog> CreateMidiPanel() { return std::make_unique<MediaPanel>(kModeMidi); }
std::unique_ptr<SkinnedDialog> CreateVideoPanel() { return std::make_unique<MediaPanel>(kModeVideo); }

void StopMediaPlayback() { RunStopRoutine(LiveMediaPanel()); }
