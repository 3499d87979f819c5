// The CD Player panel's texts: times, track and disc titles, the play-state and button labels.
#include <string>

#include "cd/cd_player_panel_internal.h"
#include "cd/cd_player_panel_times.h"
#include "cd/format_seconds.h"
#include "resources/resource.h"
#include "shell/texts.h"

namespace {

// The displays that "clear all displays" empties; the play state and the labels stay.
constexpr int kClearedDisplays[] = {
    IDC_CD_TRACK_NUMBER, IDC_CD_TRACK_LENGTH,    IDC_CD_TRACK_TIME, IDC_CD_TRACK_REMAINING,
    IDC_CD_DISC_LENGTH,  IDC_CD_TOTAL_TIME,      IDC_CD_TOTAL_REMAINING, IDC_CD_BAR_START,
    IDC_CD_BAR_END,      IDC_CD_DISC_TITLE,      IDC_CD_TRACK_TITLE,
};

const bw::TableOfContents& Toc() {
  static const bw::TableOfContents kEmpty;
  const bw::CdDevice* device = CdDeviceOrNull();
  return device != nullptr ? device->Toc() : kEmpty;
}

}  // namespace

void SetControlText(HWND panel, int id, const std::string& text) {
  HWND control = GetDlgItem(panel, id);
  if (control == nullptr) return;
  // Unchanged texts are left alone so the once-a-second poll does not make them flicker.
  char current[512] = "";
  GetWindowTextA(control, current, sizeof current);
  if (text != current) SetWindowTextA(control, text.c_str());
}

void ShowControl(HWND panel, int id, bool visible) {
  HWND control = GetDlgItem(panel, id);
  if (control != nullptr) ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

void ClearDisplays(CdPlayerPanel& panel) {
  for (int id : kClearedDisplays) SetControlText(panel.Window(), id, "");
}

void ShowDiscLength(CdPlayerPanel& panel) {
  const bw::TableOfContents& toc = Toc();
  SetControlText(panel.Window(), IDC_CD_DISC_LENGTH,
                 toc.trackCount > 0 ? bw::FormatSeconds(toc.totalSeconds) : "");
}

void ShowDiscTitle(CdPlayerPanel& panel) {
  const bw::DiscProfile profile = CurrentDiscProfile();
  SetControlText(panel.Window(), IDC_CD_DISC_TITLE,
                 profile.trackCount > 0 ? ProgramCatalogue().CurrentDiscCaption(profile) : "");
}

void ShowTrackTitle(CdPlayerPanel& panel, int track) {
  const bool inTable = track >= 1 && track <= bw::TitleTable::kSlots;
  SetControlText(panel.Window(), IDC_CD_TRACK_TITLE, inTable ? panel.titles->Get(track - 1) : "");
}

void SetPositionBarRange(CdPlayerPanel& panel, int track) {
  HWND bar = GetDlgItem(panel.Window(), IDC_CD_POSITION_BAR);
  SetScrollRange(bar, SB_CTL, 0, bw::TrackLengthSeconds(Toc(), track), FALSE);
  SetScrollPos(bar, SB_CTL, 0, TRUE);
  const std::string length = bw::FormatSeconds(bw::TrackLengthSeconds(Toc(), track));
  SetControlText(panel.Window(), IDC_CD_BAR_START, kTextZeroTime);
  SetControlText(panel.Window(), IDC_CD_BAR_END, length);
}

void ShowTrackStart(CdPlayerPanel& panel, int track) {
  SetControlText(panel.Window(), IDC_CD_TRACK_NUMBER, std::to_string(track));
  ShowTrackTitle(panel, track);
  ShowDiscTitle(panel);
  SetControlText(panel.Window(), IDC_CD_TRACK_LENGTH,
                 bw::FormatSeconds(bw::TrackLengthSeconds(Toc(), track)));
  SetPositionBarRange(panel, track);
}

void ShowTimes(CdPlayerPanel& panel, int track, int32_t secondsIntoTrack) {
  const bw::PlayingTimes times = bw::ComputePlayingTimes(Toc(), track, secondsIntoTrack);
  SetControlText(panel.Window(), IDC_CD_TRACK_TIME, bw::FormatSeconds(times.intoTrack));
  SetControlText(panel.Window(), IDC_CD_TRACK_REMAINING, bw::FormatSeconds(times.trackRemaining));
  SetControlText(panel.Window(), IDC_CD_TOTAL_TIME, bw::FormatSeconds(times.totalSoFar));
  SetControlText(panel.Window(), IDC_CD_TOTAL_REMAINING, bw::FormatSeconds(times.totalRemaining));
}

void UpdateEntryCaption(CdPlayerPanel& panel) {
  SetControlText(panel.Window(), IDC_CD_ENTRY_LABEL,
                 IsCurrentDiscInCatalogue() ? kTextEditEntryLabel : kTextAddEntryLabel);
  // The button's picture follows its label.
  InvalidateRect(GetDlgItem(panel.Window(), IDC_CD_ADD_ENTRY), nullptr, FALSE);
}

void ReloadTitles(CdPlayerPanel& panel) {
  // A disc the catalogue does not hold (or a file that cannot be read) has no titles.
  panel.titles->Clear();
  const bw::DiscProfile profile = CurrentDiscProfile();
  if (profile.trackCount > 0) {
    // NotFound leaves the titles cleared, as does a catalogue that cannot be read.
    (void)ProgramCatalogue().LoadCurrentDiscTitles(profile, panel.titles.get());
  }
}

void SetEjectLabel(CdPlayerPanel& panel, bool load) {
  panel.loadLabelShown = load;
  SetControlText(panel.Window(), IDC_CD_EJECT_LABEL, load ? kTextLoadLabel : kTextEjectLabel);
  InvalidateRect(GetDlgItem(panel.Window(), IDC_CD_EJECT), nullptr, FALSE);
}

void ShowEjectButton(CdPlayerPanel& panel) {
  const bw::CdDevice* device = CdDeviceOrNull();
  const bool canEject = device != nullptr && device->CanEject();
  ShowControl(panel.Window(), IDC_CD_EJECT, canEject);
  ShowControl(panel.Window(), IDC_CD_EJECT_LABEL, canEject);
}
