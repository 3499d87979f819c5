// The animation setup: the five places, the library's animations, and a preview that runs on a
// record of its own at the animation's own frame delays.
#include "shell/animation_setup_dialog.h"

#include <vector>

#include "resources/resource.h"
#include "shell/animation.h"
#include "shell/animation_setup_model.h"
#include "shell/look_and_feel.h"
#include "shell/options_texts.h"
#include "shell/program_mode.h"
#include "shell/program_state.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kSoundCancel = 2;
constexpr int kSoundOk = 7;
constexpr int kSoundRadio = 20;
// A drawing thread ends within one frame once woken; a second is plenty.
constexpr DWORD kReplaceJoinTimeoutMs = 1000;

constexpr SkinnedButton kButtons[] = {
    Skinned(IDC_ANIMATION_SETUP_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
    Skinned(IDC_ANIMATION_SETUP_CANCEL, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellCancel),
};

constexpr auto kHelpIds = MakeHelpIds(
    IDC_ANIMATION_SETUP_OK, IDC_ANIMATION_SETUP_CANCEL, 3920, 3921, 3922, 3923, 3924,
    IDC_ANIMATION_SETUP_LIST, IDC_ANIMATION_SETUP_PREVIEW);

int PlaceRadioId(int place) { return IDC_ANIMATION_SETUP_PLACE_FIRST + place; }
int ChosenLabelId(int place) { return IDC_ANIMATION_SETUP_CHOSEN_FIRST + place; }

// The dialog opens on the place the user is looking at.
AnimationPlace PlaceOfMode(int mode) {
  switch (mode) {
    case kModeMidi: return kAnimationMidi;
    case kModeCdPlayer: return kAnimationCdPlayer;
    default: return kAnimationSound;
  }
}

class AnimationSetupDialog : public SkinnedDialog {
 public:
  explicit AnimationSetupDialog(const AnimationSetupInput& input)
      : SkinnedDialog(DialogChores::For(kButtons, kHelpIds.data())),
        input_(input),
        choices_(g_settings.main.animationNames) {}

  bool changed = false;

 private:
  void OnInitDialog() override {
    HWND list = Item(IDC_ANIMATION_SETUP_LIST);
    const std::vector<std::string> names = LibraryAnimationNames(g_animationLibrary);
    for (const std::string& name : names) {
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    if (names.empty()) {
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kTextNoAnimations));
      EnableWindow(list, FALSE);
    }
    for (int place = 0; place < kNamedAnimationCount; ++place) {
      SetItemText(ChosenLabelId(place), choices_.Chosen(static_cast<AnimationPlace>(place)));
    }
    place_ = PlaceOfMode(g_settings.main.mode);
    SetChecked(PlaceRadioId(place_), true);
    ShowPlace();
    // The dialog manager gives the focus to the first radio after this; the chosen one gets it.
    PostMessageA(Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(PlaceRadioId(place_))), TRUE);
  }

  void OnCommand(int id, int code, HWND) override {
    if (id >= PlaceRadioId(0) && id < PlaceRadioId(kNamedAnimationCount)) {
      // A radio that only got the focus tells of a click too; only a checked one counts.
      if (code != BN_CLICKED || !IsChecked(id)) return;
      const auto place = static_cast<AnimationPlace>(id - PlaceRadioId(0));
      if (place == place_) return;
      PlaySoundEffect(kSoundRadio);
      place_ = place;
      ShowPlace();
      return;
    }
    switch (id) {
      case IDC_ANIMATION_SETUP_LIST:
        if (code == LBN_SELCHANGE) OnNamePicked();
        break;
      case IDOK:
      case IDC_ANIMATION_SETUP_OK:
        PlaySoundEffect(kSoundOk);
        StopPreview();
        for (AnimationPlace place : choices_.Changed()) {
          changed = ReplacePlaceAnimation(place, choices_.Chosen(place), input_.panel) || changed;
        }
        End(IDOK);
        break;
      case IDCANCEL:
      case IDC_ANIMATION_SETUP_CANCEL:
        End(IDCANCEL, kSoundCancel);
        break;
      default:
        break;
    }
  }

  bool OnDrawItem(const DRAWITEMSTRUCT& item) override {
    if (item.CtlID != IDC_ANIMATION_SETUP_PREVIEW) return SkinnedDialog::OnDrawItem(item);
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    DrawAnimationFrame(preview_, item.hDC);
    return true;
  }

  void OnDestroy() override { StopPreview(); }

  // Selects the place's animation in the list and previews it.
  void ShowPlace() {
    const std::string& name = choices_.Chosen(place_);
    HWND list = Item(IDC_ANIMATION_SETUP_LIST);
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    int found = -1;
    // Names are matched exactly, as the library's look-up does (the list's own search ignores
    // case).
    for (int i = 0; i < count && found < 0; ++i) {
      if (ListText(i) == name) found = i;
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
    Preview(name);
  }

  void OnNamePicked() {
    HWND list = Item(IDC_ANIMATION_SETUP_LIST);
    const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return;
    const std::string name = ListText(static_cast<int>(index));
    choices_.Choose(place_, name);
    SetItemText(ChosenLabelId(place_), name);
    Preview(name);
  }

  std::string ListText(int index) const {
    HWND list = Item(IDC_ANIMATION_SETUP_LIST);
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(length));
    return text;
  }

  void StopPreview() {
    StopAnimationAndWait(preview_);
    preview_.target.store(nullptr);
  }

  void Preview(const std::string& name) {
    StopPreview();
    HWND box = Item(IDC_ANIMATION_SETUP_PREVIEW);
    const bool loaded = !name.empty() && LoadAnimation(g_animationLibrary, name, preview_, Window());
    if (!loaded) {
      preview_.strip.Reset();
      SetItemText(IDC_ANIMATION_SETUP_AUTHOR, kTextAuthorPrefix);
      SetItemText(IDC_ANIMATION_SETUP_DEPTH, kTextColourDepthPrefix);
      SetItemText(IDC_ANIMATION_SETUP_SIZE, "");
      InvalidateRect(box, nullptr, TRUE);
      return;
    }
    const AnimationDetailLines lines = DetailLinesOf(preview_.info);
    SetItemText(IDC_ANIMATION_SETUP_AUTHOR, lines.author);
    SetItemText(IDC_ANIMATION_SETUP_DEPTH, lines.colourDepth);
    SetItemText(IDC_ANIMATION_SETUP_SIZE, lines.size);
    RECT client = {};
    GetClientRect(box, &client);
    const PreviewPoint corner = PreviewCorner(preview_.info.frameWidth, preview_.info.frameHeight,
                                              client.right, client.bottom);
    preview_.x.store(corner.x);
    preview_.y.store(corner.y);
    InvalidateRect(box, nullptr, TRUE);
    UpdateWindow(box);
    StartAnimation(preview_, box, POINT{corner.x, corner.y});
  }

  AnimationSetupInput input_;
  AnimationChoices choices_;
  AnimationPlace place_ = kAnimationSound;
  Animation preview_;  // the preview's own record; the places' records keep running meanwhile
};

}  // namespace

bool ReplacePlaceAnimation(AnimationPlace place, const std::string& name, HWND panel) {
  Animation& record = g_animations[place];
  const bool wasRunning = IsAnimationRunning(record);
  // The thread reads the strip, the frame size and the palette while it draws; they may be
  // replaced only once it has ended.
  if (!StopAnimationAndWait(record, kReplaceJoinTimeoutMs)) return false;
  const std::string previous = g_settings.main.animationNames[place];
  if (!LoadAnimation(g_animationLibrary, name, record, g_mainWindow)) {
    LoadAnimation(g_animationLibrary, previous, record, g_mainWindow);
  } else {
    WriteAnimationName(ProgramSettingsFile(), place, name);
    g_settings.main.animationNames[place] = name;
  }
  const bool replaced = g_settings.main.animationNames[place] == name;
  if (panel != nullptr && IsWindow(panel)) {
    // The panel centres the new frame size in its frame and shows the first frame.
    SendMessageA(panel, WM_COMMAND, IDM_PANEL_PLACE_ANIMATION, 0);
    InvalidateRect(panel, nullptr, TRUE);
  }
  HWND target = record.target.load();
  if (wasRunning && target != nullptr && IsWindow(target)) {
    StartAnimation(record, target, POINT{record.x.load(), record.y.load()});
  }
  return replaced;
}

bool RunAnimationSetupDialog(HWND owner, const AnimationSetupInput& input) {
  AnimationSetupDialog dialog(input);
  RunModalDialog(owner, IDD_ANIMATION_SETUP, dialog);
  return dialog.changed;
}
