// The minimal Audio, MIDI, Video and CD Player panels.
#include "shell/default_panels.h"

#include <memory>
#include <vector>

#include "resources/resource.h"
#include "shell/dialog_chrome.h"
#include "shell/file_list_refresh.h"
#include "shell/media_kinds.h"
#include "shell/panel_host.h"
#include "shell/program_state.h"

namespace {

using skin::ButtonStyle;

struct PanelState {
  explicit PanelState(std::vector<SkinnedButton> list)
      : buttons(std::move(list)), chrome(buttons.data(), buttons.size()) {}
  std::vector<SkinnedButton> buttons;
  DialogChrome chrome;
};

// The media panels' glyphs: cells of the medium sheet, and images of the small sheet.
std::vector<SkinnedButton> MediaPanelButtons(int mode) {
  namespace medium = skin::medium_sheet;
  namespace small = skin::small_sheet;
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
  buttons.push_back(
      Skinned(MediaControlId(mode, IDC_MEDIA_REPEAT), ButtonStyle::kSmall, small::kCellRepeatOff, true));
  buttons.push_back(Skinned(MediaControlId(mode, IDC_MEDIA_SKIP), ButtonStyle::kSmall, small::kCellSkip));
  if (mode == kModeVideo) {
    buttons.push_back(
        Skinned(MediaControlId(mode, IDC_MEDIA_SOUND), ButtonStyle::kSmall, small::kCellSoundOn, true));
  }
  return buttons;
}

std::vector<SkinnedButton> CdPanelButtons() {
  namespace medium = skin::medium_sheet;
  std::vector<SkinnedButton> buttons = {
      Skinned(IDC_CD_REPEAT_TRACK, ButtonStyle::kMedium, medium::kCellRepeatTrackOff, true),
      Skinned(IDC_CD_REPEAT_DISC, ButtonStyle::kMedium, medium::kCellRepeatDiscOff, true),
      Skinned(IDC_CD_QUERY, ButtonStyle::kMedium, medium::kCellQuery, true),
      Skinned(IDC_CD_PLAY, ButtonStyle::kMedium, medium::kCellPlay),
      Skinned(IDC_CD_PAUSE, ButtonStyle::kMedium, medium::kCellPause),
      Skinned(IDC_CD_STOP, ButtonStyle::kMedium, medium::kCellStop),
      Skinned(IDC_CD_SKIP_BACK, ButtonStyle::kMedium, medium::kCellSkipBack),
      Skinned(IDC_CD_SKIP_FORWARD, ButtonStyle::kMedium, medium::kCellSkipForward),
      Skinned(IDC_CD_ADD_ENTRY, ButtonStyle::kMedium, medium::kCellAddEntry),
      Skinned(IDC_CD_GARNISH, ButtonStyle::kMedium, medium::kCellGarnish),
      Skinned(IDC_CD_EJECT, ButtonStyle::kMedium, medium::kCellEject),
      Skinned(IDC_CD_PAGE_DOWN, ButtonStyle::kSmall, skin::small_sheet::kCellPageDown),
      Skinned(IDC_CD_PAGE_UP, ButtonStyle::kSmall, skin::small_sheet::kCellPageUp)};
  for (int id = IDC_CD_TRACK_FIRST; id <= IDC_CD_TRACK_LAST; ++id) {
    buttons.push_back(Skinned(id, ButtonStyle::kTiny, skin::tiny_sheet::kCellTrack));
  }
  return buttons;
}

// The kind of a media panel, told by which file list its template holds.
int MediaPanelMode(HWND panel) {
  for (int mode : {kModeAudio, kModeMidi, kModeVideo}) {
    if (GetDlgItem(panel, MediaControlId(mode, IDC_MEDIA_LIST)) != nullptr) return mode;
  }
  return kModeAudio;
}

PanelState* GetState(HWND panel) {
  return reinterpret_cast<PanelState*>(GetWindowLongPtrA(panel, GWLP_USERDATA));
}

void PlaceAtOrigin(HWND panel) {
  const POINT origin = PanelOrigin();
  SetWindowPos(panel, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

// Panels are children: hover highlighting, but no opening animation.
void StartPanelHover(HWND panel, PanelState* state) {
  state->chrome.RebuildHoverTable(panel);
  StartHoverTimer(panel);
}

void OnInitMediaPanel(HWND panel) {
  const int mode = MediaPanelMode(panel);
  g_settings.main.mode = mode;
  auto state = std::make_unique<PanelState>(MediaPanelButtons(mode));
  SetWindowLongPtrA(panel, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.get()));
  PlaceAtOrigin(panel);
  RefreshPanelFileList(panel, mode);
  if (mode == kModeAudio) {
    ShowWindow(GetDlgItem(panel, IDC_MEDIA_BITRATE_LABEL), SW_HIDE);
    ShowWindow(GetDlgItem(panel, IDC_MEDIA_BITRATE), SW_HIDE);
  }
  const bool animationOn = mode == kModeAudio   ? g_settings.main.waveAnimation
                           : mode == kModeMidi ? g_settings.main.midiAnimation
                                               : true;
  ShowWindow(GetDlgItem(panel, MediaControlId(mode, IDC_MEDIA_ANIMATION)),
             animationOn ? SW_SHOW : SW_HIDE);
  // A file named on the command line is selected in its list.
  if (g_commandLine.kind == CommandLineKind::kMediaFile && g_commandLine.mediaMode == mode) {
    HWND list = GetDlgItem(panel, MediaControlId(mode, IDC_MEDIA_LIST));
    const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(g_commandLine.mediaFileName.c_str()));
    if (index != LB_ERR) SendMessageA(list, LB_SETSEL, TRUE, index);
  }
  StartPanelHover(panel, state.release());
}

void OnInitCdPanel(HWND panel) {
  g_settings.main.mode = kModeCdPlayer;
  auto state = std::make_unique<PanelState>(CdPanelButtons());
  SetWindowLongPtrA(panel, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.get()));
  PlaceAtOrigin(panel);
  ShowWindow(GetDlgItem(panel, IDC_CD_ANIMATION), g_settings.main.cdAnimation ? SW_SHOW : SW_HIDE);
  StartPanelHover(panel, state.release());
}

INT_PTR CommonPanelMessage(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  PanelState* state = GetState(panel);
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return reinterpret_cast<INT_PTR>(EntryFieldColours(reinterpret_cast<HDC>(wParam)));
    case WM_DESTROY:
      if (state != nullptr) state->chrome.OnEnd(panel);
      return FALSE;
    case WM_NCDESTROY:
      SetWindowLongPtrA(panel, GWLP_USERDATA, 0);
      delete state;
      return FALSE;
    default:
      break;
  }
  INT_PTR result = FALSE;
  if (state != nullptr && state->chrome.HandleMessage(panel, message, wParam, lParam, &result)) {
    return result;
  }
  return FALSE;
}

}  // namespace

HBRUSH EntryFieldColours(HDC dc) {
  const bool face = g_settings.main.entryFieldColorization;
  SetTextColor(dc, GetSysColor(face ? COLOR_BTNTEXT : COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(face ? COLOR_BTNFACE : COLOR_WINDOW));
  return g_entryFieldBrush.Get() != nullptr ? g_entryFieldBrush.Get()
                                            : GetSysColorBrush(face ? COLOR_BTNFACE : COLOR_WINDOW);
}

INT_PTR CALLBACK DefaultMediaPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    OnInitMediaPanel(panel);
    return TRUE;
  }
  return CommonPanelMessage(panel, message, wParam, lParam);
}

INT_PTR CALLBACK DefaultCdPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    OnInitCdPanel(panel);
    return TRUE;
  }
  return CommonPanelMessage(panel, message, wParam, lParam);
}
