// The file information dialogs: one layout for the three kinds, the name of the file above a
// list of its facts. In a series OK reads "Next" until the last file and Cancel ends it.
#include "media/media_info_dialog.h"

#include "base/file_system.h"
#include "resources/resource.h"
#include "shell/skinned_dialog.h"
#include "shell/sound_effects.h"

namespace {

constexpr int kSoundInfo = 12;
constexpr int kSoundOk = 7;
constexpr int kSoundCancel = 2;
// The facts' column, in dialog units: wide enough for "Bits per Sample:".
constexpr int kValueTabStop = 68;

int DialogNumber(bw::MediaInfoKind kind) {
  switch (kind) {
    case bw::MediaInfoKind::kMidi: return IDD_MIDI_INFO;
    case bw::MediaInfoKind::kVideo: return IDD_VIDEO_INFO;
    case bw::MediaInfoKind::kAudio: break;
  }
  return IDD_AUDIO_INFO;
}

template <int kDialog>
struct InfoControls {
  static constexpr SkinnedButton kButtons[] = {
      Skinned(kDialog + MEDIA_INFO_OK, skin::ButtonStyle::kMedium, skin::medium_sheet::kCellOk),
      Skinned(kDialog + MEDIA_INFO_CANCEL, skin::ButtonStyle::kMedium,
              skin::medium_sheet::kCellCancel),
  };
  static constexpr auto kHelpIds =
      MakeHelpIds(kDialog + MEDIA_INFO_OK, kDialog + MEDIA_INFO_CANCEL, kDialog + MEDIA_INFO_NAME,
                  kDialog + MEDIA_INFO_SERIES, kDialog + MEDIA_INFO_FIELDS);
  static DialogChores Chores() { return DialogChores::For(kButtons, kHelpIds.data()); }
};

DialogChores ChoresOf(int dialog) {
  if (dialog == IDD_MIDI_INFO) return InfoControls<IDD_MIDI_INFO>::Chores();
  if (dialog == IDD_VIDEO_INFO) return InfoControls<IDD_VIDEO_INFO>::Chores();
  return InfoControls<IDD_AUDIO_INFO>::Chores();
}

class MediaInfoDialog : public SkinnedDialog {
 public:
  MediaInfoDialog(int dialog, const bw::MediaInfoPage& page, std::string series, bool last)
      : SkinnedDialog(ChoresOf(dialog)), dialog_(dialog), page_(page),
        series_(std::move(series)), last_(last) {}

 private:
  int Id(int offset) const { return dialog_ + offset; }

  void OnInitDialog() override {
    SetItemText(Id(MEDIA_INFO_NAME), page_.fileName);
    SetItemText(Id(MEDIA_INFO_SERIES), series_);
    const bool inSeries = !series_.empty();
    // A single file has nothing to end but its own dialog: OK alone, centred.
    ShowItem(Id(MEDIA_INFO_CANCEL), inSeries);
    ShowItem(Id(MEDIA_INFO_CANCEL_LABEL), inSeries);
    if (!inSeries) CentreOk();
    if (inSeries && !last_) SetItemText(Id(MEDIA_INFO_OK_LABEL), "Next");
    HWND list = Item(Id(MEDIA_INFO_FIELDS));
    const int stops[] = {kValueTabStop};
    SendMessageA(list, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(stops));
    for (const bw::MediaField& field : page_.fields) {
      const std::string line = std::string(field.label) + "\t" + field.text;
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
  }

  void CentreOk() const {
    RECT client{};
    GetClientRect(Window(), &client);
    for (int offset : {MEDIA_INFO_OK, MEDIA_INFO_OK_LABEL}) {
      HWND item = Item(Id(offset));
      RECT box{};
      GetWindowRect(item, &box);
      MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&box), 2);
      const int width = box.right - box.left;
      SetWindowPos(item, nullptr, (client.right - width) / 2, box.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }

  void OnCommand(int id, int, HWND) override {
    if (id == Id(MEDIA_INFO_OK) || id == IDOK) End(IDOK, kSoundOk);
    if (id == Id(MEDIA_INFO_CANCEL) || id == IDCANCEL) End(IDCANCEL, kSoundCancel);
  }

  int dialog_;
  const bw::MediaInfoPage& page_;
  std::string series_;
  bool last_;
};

}  // namespace

std::size_t RunMediaInfoSeries(HWND owner, const MediaInfoSeriesInput& input) {
  const int dialog = DialogNumber(input.kind);
  if (input.panel != nullptr) EnableWindow(input.panel, FALSE);
  std::size_t shown = 0;
  for (std::size_t i = 0; i < input.paths.size(); ++i) {
    const bw::MediaInfoPage page =
        bw::ReadMediaInfoPage(input.kind, bw::DefaultFileSystem(), input.paths[i]);
    PlaySoundEffect(kSoundInfo);
    MediaInfoDialog box(dialog, page, bw::SeriesText(i, input.paths.size()),
                        i + 1 == input.paths.size());
    ++shown;
    if (RunModalDialog(owner, dialog, box) == IDCANCEL) break;
  }
  // The series disabled the panel; whatever ended it, the panel is usable again.
  if (input.panel != nullptr) EnableWindow(input.panel, TRUE);
  return shown;
}
