// The shell's Audio, MIDI and Video panels: the folder's files and the skinned buttons.
#include "shell/default_panels.h"

#include <memory>
#include <vector>

#include "resources/resource.h"
#include "shell/file_list_refresh.h"
#include "shell/media_kinds.h"
#include "shell/panel_host.h"
#include "shell/program_mode.h"
#include "shell/program_state.h"

namespace {

using skin::ButtonStyle;

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

// The kind of a media panel, told by which file list its template holds.
int MediaPanelMode(HWND panel) {
  for (int mode : {kModeAudio, kModeMidi, kModeVideo}) {
    if (GetDlgItem(panel, MediaControlId(mode, IDC_MEDIA_LIST)) != nullptr) return mode;
  }
  return kModeAudio;
}

DialogChores PanelChores(const std::vector<SkinnedButton>& buttons) {
  DialogChores chores;
  chores.buttons = buttons.data();
  chores.buttonCount = buttons.size();
  chores.animateOpening = false;  // panels are children: hover, but no opening animation
  chores.entryFieldColours = true;
  return chores;
}

class FileListPanel : public SkinnedDialog {
 public:
  // The panel's kind is known only from its template; its buttons cover all three kinds.
  FileListPanel() : SkinnedDialog(PanelChores(AllButtons())) {}

 private:
  static const std::vector<SkinnedButton>& AllButtons() {
    static const std::vector<SkinnedButton> buttons = [] {
      std::vector<SkinnedButton> all;
      for (int mode : {kModeAudio, kModeMidi, kModeVideo}) {
        for (const SkinnedButton& button : MediaPanelButtons(mode)) all.push_back(button);
      }
      return all;
    }();
    return buttons;
  }

  void OnInitDialog() override {
    HWND panel = Window();
    mode_ = MediaPanelMode(panel);
    g_settings.main.mode = mode_;
    const POINT origin = PanelOrigin();
    SetWindowPos(panel, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RefreshPanelFileList(panel, mode_);
    if (mode_ == kModeAudio) {
      ShowItem(IDC_MEDIA_BITRATE_LABEL, false);
      ShowItem(IDC_MEDIA_BITRATE, false);
    }
    ShowAnimationFrame();
    // A file named on the command line is selected in its list.
    if (g_commandLine.kind == CommandLineKind::kMediaFile && g_commandLine.mediaMode == mode_) {
      HWND list = Item(MediaControlId(mode_, IDC_MEDIA_LIST));
      const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(g_commandLine.mediaFileName.c_str()));
      if (index != LB_ERR) SendMessageA(list, LB_SETSEL, TRUE, index);
    }
  }

  void OnCommand(int id, int, HWND) override {
    if (id == IDM_ACCEL_REFRESH) RefreshPanelFileList(Window(), mode_);
    if (id == IDM_PANEL_PLACE_ANIMATION) ShowAnimationFrame();
  }

  void ShowAnimationFrame() const {
    const bool animationOn = mode_ == kModeAudio  ? g_settings.main.waveAnimation
                             : mode_ == kModeMidi ? g_settings.main.midiAnimation
                                                  : true;
    ShowItem(MediaControlId(mode_, IDC_MEDIA_ANIMATION), animationOn);
  }

  int mode_ = kModeAudio;
};

}  // namespace

std::unique_ptr<SkinnedDialog> CreateFileListPanel() { return std::make_unique<FileListPanel>(); }
