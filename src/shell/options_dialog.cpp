// The options dialog: every control set from the running program's values as it opens, the
// video window group's enabling rules, and OK taking the values back in the fixed order.
#include "shell/options_dialog.h"

#include <string>
#include <vector>

#include "cd/cd_device_factory.h"
#include "cd/program_cd_device.h"
#include "resources/resource.h"
#include "shell/animation_setup_dialog.h"
#include "shell/look_and_feel.h"
#include "shell/options_model.h"
#include "shell/program_mode.h"
#include "shell/program_state.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kSoundCancel = 2;
constexpr int kSoundOk = 7;
constexpr int kSoundRadio = 20;
constexpr int kSoundCheckBox = 21;
constexpr int kSoundOtherDialog = 24;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_OPTIONS_CHANGE_EDITOR, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellEditor),
    Skinned(IDC_OPTIONS_CHANGE_VOLUME, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellVolume),
    Skinned(IDC_OPTIONS_CHANGE_ANIMATIONS, skin::ButtonStyle::kMedium,
            skin::medium_sheet::kCellAnimations),
    Skinned(IDC_OPTIONS_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
    Skinned(IDC_OPTIONS_CANCEL, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellCancel),
};

constexpr auto kHelpIds = MakeHelpIds(
    IDC_OPTIONS_SOUND_ON, IDC_OPTIONS_SOUND_OFF, IDC_OPTIONS_SCROLL_NORMAL,
    IDC_OPTIONS_SCROLL_RECREATION, IDC_OPTIONS_ENTRY_COLOUR_ON, IDC_OPTIONS_ENTRY_COLOUR_OFF, 426,
    427, 428, 429, 430, IDC_OPTIONS_WAVE_ANIMATION_ON, IDC_OPTIONS_WAVE_ANIMATION_OFF,
    IDC_OPTIONS_MIDI_ANIMATION_ON, IDC_OPTIONS_MIDI_ANIMATION_OFF, IDC_OPTIONS_CD_ANIMATION_ON,
    IDC_OPTIONS_CD_ANIMATION_OFF, IDC_OPTIONS_AUTO_QUERY_ON, IDC_OPTIONS_AUTO_QUERY_OFF,
    IDC_OPTIONS_VIDEO_FRAMES, IDC_OPTIONS_VIDEO_TIME, IDC_OPTIONS_ZOOM_1X, IDC_OPTIONS_ZOOM_2X,
    IDC_OPTIONS_ZOOM_FULL, IDC_OPTIONS_LIST_WAV, IDC_OPTIONS_LIST_MP3, IDC_OPTIONS_LIST_AVI,
    IDC_OPTIONS_LIST_MOV, IDC_OPTIONS_LIST_MPG, IDC_OPTIONS_LIST_MID, IDC_OPTIONS_LIST_RMI,
    IDC_OPTIONS_FLOATING_WINDOW, IDC_OPTIONS_REMEMBER_SIZE, IDC_OPTIONS_ASPECT_RATIO,
    IDC_OPTIONS_CHANGE_EDITOR, IDC_OPTIONS_CHANGE_VOLUME, IDC_OPTIONS_CHANGE_ANIMATIONS,
    IDC_OPTIONS_OK, IDC_OPTIONS_CANCEL, IDC_OPTIONS_DRIVE);

// The On/Off (or two-way) radio pairs and the check boxes, with the choice each one shows.
struct RadioPair {
  int firstId;  // checked when the choice is true
  int secondId;
  bool OptionsChoices::*choice;
};
constexpr RadioPair kRadioPairs[] = {
    {IDC_OPTIONS_SOUND_ON, IDC_OPTIONS_SOUND_OFF, &OptionsChoices::soundControls},
    {IDC_OPTIONS_SCROLL_RECREATION, IDC_OPTIONS_SCROLL_NORMAL, &OptionsChoices::scrollBarRecreation},
    {IDC_OPTIONS_ENTRY_COLOUR_ON, IDC_OPTIONS_ENTRY_COLOUR_OFF, &OptionsChoices::entryFieldColorization},
    {IDC_OPTIONS_WAVE_ANIMATION_ON, IDC_OPTIONS_WAVE_ANIMATION_OFF, &OptionsChoices::waveAnimation},
    {IDC_OPTIONS_MIDI_ANIMATION_ON, IDC_OPTIONS_MIDI_ANIMATION_OFF, &OptionsChoices::midiAnimation},
    {IDC_OPTIONS_CD_ANIMATION_ON, IDC_OPTIONS_CD_ANIMATION_OFF, &OptionsChoices::cdAnimation},
    {IDC_OPTIONS_AUTO_QUERY_ON, IDC_OPTIONS_AUTO_QUERY_OFF, &OptionsChoices::autoCddbQuery},
    {IDC_OPTIONS_VIDEO_FRAMES, IDC_OPTIONS_VIDEO_TIME, &OptionsChoices::videoOutputFrames},
};

struct CheckBox {
  int id;
  bool OptionsChoices::*choice;
};
constexpr CheckBox kCheckBoxes[] = {
    {IDC_OPTIONS_LIST_WAV, &OptionsChoices::listWav},
    {IDC_OPTIONS_LIST_MP3, &OptionsChoices::listMp3},
    {IDC_OPTIONS_LIST_MID, &OptionsChoices::listMid},
    {IDC_OPTIONS_LIST_RMI, &OptionsChoices::listRmi},
    {IDC_OPTIONS_LIST_AVI, &OptionsChoices::listAvi},
    {IDC_OPTIONS_LIST_MOV, &OptionsChoices::listMov},
    {IDC_OPTIONS_LIST_MPG, &OptionsChoices::listMpg},
    {IDC_OPTIONS_FLOATING_WINDOW, &OptionsChoices::floatingVideoWindow},
    {IDC_OPTIONS_REMEMBER_SIZE, &OptionsChoices::maintainVideoWindowSize},
    {IDC_OPTIONS_ASPECT_RATIO, &OptionsChoices::maintainVideoAspectRatio},
};

class OptionsDialog : public SkinnedDialog {
 public:
  explicit OptionsDialog(const OptionsInput& input)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())), input_(input) {}

  OptionsResult result;

 private:
  void OnInitDialog() override {
    ShowChoices(ChoicesFromSettings(g_settings.main));
    FillDriveList();
    ApplyVideoGroupEnabling();
  }

  void OnCommand(int id, int code, HWND) override {
    if (code == BN_CLICKED && id >= IDC_OPTIONS_SOUND_ON && id <= IDC_OPTIONS_ZOOM_FULL) {
      PlaySoundEffect(kSoundRadio);
      return;
    }
    switch (id) {
      case IDC_OPTIONS_LIST_WAV:
      case IDC_OPTIONS_LIST_MP3:
      case IDC_OPTIONS_LIST_AVI:
      case IDC_OPTIONS_LIST_MOV:
      case IDC_OPTIONS_LIST_MPG:
      case IDC_OPTIONS_LIST_MID:
      case IDC_OPTIONS_LIST_RMI:
      case IDC_OPTIONS_ASPECT_RATIO:
        if (code == BN_CLICKED) PlaySoundEffect(kSoundCheckBox);
        break;
      case IDC_OPTIONS_FLOATING_WINDOW:
        if (code != BN_CLICKED) break;
        PlaySoundEffect(kSoundCheckBox);
        ApplyVideoGroupEnabling();
        break;
      case IDC_OPTIONS_REMEMBER_SIZE:
        if (code != BN_CLICKED) break;
        PlaySoundEffect(kSoundCheckBox);
        // The remembered size replaces the zoom: the window opens at 1x and is then sized.
        if (IsChecked(IDC_OPTIONS_REMEMBER_SIZE)) SelectZoom(0);
        ApplyVideoGroupEnabling();
        break;
      case IDC_OPTIONS_CHANGE_EDITOR:
        PlaySoundEffect(kSoundOtherDialog);
        if (input_.runEditorSelection != nullptr) input_.runEditorSelection(Window());
        break;
      case IDC_OPTIONS_CHANGE_VOLUME:
        PlaySoundEffect(kSoundOtherDialog);
        if (input_.runVolumeMixerSelection != nullptr) input_.runVolumeMixerSelection(Window());
        break;
      case IDC_OPTIONS_CHANGE_ANIMATIONS: {
        PlaySoundEffect(kSoundOtherDialog);
        AnimationSetupInput setup;
        setup.panel = input_.panel;
        RunAnimationSetupDialog(Window(), setup);
        break;
      }
      case IDOK:
      case IDC_OPTIONS_OK:
        OnOk();
        break;
      case IDCANCEL:
      case IDC_OPTIONS_CANCEL:
        // What the three selections stored stays: they wrote it themselves.
        End(IDCANCEL, kSoundCancel);
        break;
      default:
        break;
    }
  }

  void ShowChoices(const OptionsChoices& choices) const {
    for (const RadioPair& pair : kRadioPairs) {
      SetChecked(pair.firstId, choices.*(pair.choice));
      SetChecked(pair.secondId, !(choices.*(pair.choice)));
    }
    for (int id = IDC_OPTIONS_TIMER_FIRST; id <= IDC_OPTIONS_TIMER_LAST; ++id) {
      SetChecked(id, id - IDC_OPTIONS_TIMER_FIRST == choices.timerChoice);
    }
    SelectZoom(choices.zoomChoice);
    for (const CheckBox& box : kCheckBoxes) SetChecked(box.id, choices.*(box.choice));
  }

  OptionsChoices ReadChoices() const {
    OptionsChoices choices;
    for (const RadioPair& pair : kRadioPairs) choices.*(pair.choice) = IsChecked(pair.firstId);
    choices.timerChoice = CheckedOf(IDC_OPTIONS_TIMER_FIRST, IDC_OPTIONS_TIMER_LAST);
    choices.zoomChoice = CheckedOf(IDC_OPTIONS_ZOOM_1X, IDC_OPTIONS_ZOOM_FULL);
    for (const CheckBox& box : kCheckBoxes) choices.*(box.choice) = IsChecked(box.id);
    choices.drive = SelectedDrive();
    return choices;
  }

  // The index of the first checked radio of first..last, or -1.
  int CheckedOf(int firstId, int lastId) const {
    for (int id = firstId; id <= lastId; ++id) {
      if (IsChecked(id)) return id - firstId;
    }
    return -1;
  }

  void SelectZoom(int choice) const {
    for (int id = IDC_OPTIONS_ZOOM_1X; id <= IDC_OPTIONS_ZOOM_FULL; ++id) {
      SetChecked(id, id - IDC_OPTIONS_ZOOM_1X == choice);
    }
  }

  void ApplyVideoGroupEnabling() const {
    const VideoGroupEnabling enabling = VideoGroupEnablingFor(
        IsChecked(IDC_OPTIONS_FLOATING_WINDOW), IsChecked(IDC_OPTIONS_REMEMBER_SIZE));
    EnableItem(IDC_OPTIONS_REMEMBER_SIZE, enabling.rememberSize);
    EnableItem(IDC_OPTIONS_ASPECT_RATIO, enabling.aspectRatio);
    for (int id : {IDC_OPTIONS_ZOOM_1X, IDC_OPTIONS_ZOOM_2X, IDC_OPTIONS_ZOOM_FULL,
                   IDC_OPTIONS_WINDOW_LABEL, IDC_OPTIONS_SIZE_LABEL}) {
      EnableItem(id, enabling.sizeButtons);
    }
  }

  // Every CD-ROM drive the device layer knows (the virtual drives among them), the current
  // one selected; nothing is selected when the current drive is not among them.
  void FillDriveList() const {
    HWND list = Item(IDC_OPTIONS_DRIVE);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (const std::string& root : CdRomDriveRoots(bw::IsCdRomDrive)) {
      SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(root.c_str()));
    }
    const std::string& current = g_settings.main.defaultCdRomDrive;
    LRESULT index = CB_ERR;
    if (!current.empty()) {
      index = SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(current.c_str()));
    }
    SendMessageA(list, CB_SETCURSEL, index == CB_ERR ? static_cast<WPARAM>(-1) : index, 0);
  }

  std::string SelectedDrive() const {
    HWND list = Item(IDC_OPTIONS_DRIVE);
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return std::string();
    const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, index, 0);
    if (length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(length));
    return text;
  }

  void OnOk() {
    // The OK sound belongs to the old setting: switching sounds off still sounds the click.
    PlaySoundEffect(kSoundOk);
    StopHoverTimer(Window());
    const OptionsOutcome outcome = ApplyChoices(ReadChoices(), g_settings.main);
    CreateEntryFieldBrush();

    HWND panel = input_.panel;
    const int mode = g_settings.main.mode;
    if (panel != nullptr && IsWindow(panel)) {
      // The panel shows or hides its animation frame (the CD Player stops its animation when
      // hidden) and, for the media files, lists its folder again with the new filters.
      SendMessageA(panel, WM_COMMAND, IDM_PANEL_PLACE_ANIMATION, 0);
      if (IsMediaMode(mode)) SendMessageA(panel, WM_COMMAND, IDM_ACCEL_REFRESH, 0);
      if (outcome.entryFieldColoursChanged) {
        RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      }
    }
    if (outcome.driveChanged) {
      if (bw::CdDevice* device = bw::ProgramCdDevice()) {
        device->Reopen(g_settings.main.defaultCdRomDrive);
      }
    }
    result.accepted = true;
    result.driveChanged = outcome.driveChanged;
    End(IDOK);
  }

  OptionsInput input_;
};

}  // namespace

OptionsResult RunOptionsDialog(HWND owner, const OptionsInput& input) {
  OptionsDialog dialog(input);
  RunModalDialog(owner, IDD_OPTIONS, dialog);
  return dialog.result;
}
