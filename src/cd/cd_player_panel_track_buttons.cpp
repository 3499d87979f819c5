// The CD Player panel's 15 track buttons in pages, and the highlight of the current track.
#include <string>

#include "cd/cd_player_panel_internal.h"
#include "cd/cd_player_panel_tracks.h"
#include "resources/resource.h"

namespace {

const bw::TableOfContents* Toc() {
  const bw::CdDevice* device = CdDeviceOrNull();
  return device != nullptr ? &device->Toc() : nullptr;
}

int TrackCount() { return Toc() != nullptr ? Toc()->trackCount : 0; }
int PageCount() { return TrackCount() > 0 ? Toc()->pageCount : 0; }

int CurrentTrack() {
  const bw::CdDevice* device = CdDeviceOrNull();
  return device != nullptr ? device->CurrentTrack() : 0;
}

// The highlighted button is drawn lit, but only on the page of its track: the page does not
// follow playback.
void ApplyHighlight(CdPlayerPanel& panel) {
  const int lit = bw::IsTrackOnPage(CurrentTrack(), g_cdPlayerKept.trackPage)
                      ? g_cdPlayerKept.highlightIndex
                      : -1;
  if (lit == panel.litTrackButton) return;
  for (int k : {panel.litTrackButton, lit}) {
    if (k >= 0) InvalidateRect(GetDlgItem(panel.Window(), IDC_CD_TRACK_FIRST + k), nullptr, FALSE);
  }
  panel.litTrackButton = lit;
}

}  // namespace

void LayOutTrackButtons(CdPlayerPanel& panel) {
  const int trackCount = TrackCount();
  const int pageCount = PageCount();
  g_cdPlayerKept.trackPage = bw::UsablePage(g_cdPlayerKept.trackPage, pageCount);
  SetControlText(panel.Window(), IDC_CD_TOTAL_TRACKS,
                 trackCount > 0 ? std::to_string(trackCount) : "");

  const bw::TrackButtonLayout layout =
      bw::LayOutTrackButtons(trackCount, pageCount, g_cdPlayerKept.trackPage);
  for (int id : {IDC_CD_PAGE_UP, IDC_CD_PAGE_DOWN, IDC_CD_PAGE_UP_LABEL, IDC_CD_PAGE_DOWN_LABEL}) {
    ShowControl(panel.Window(), id, layout.showPageButtons);
  }
  for (int k = 0; k < bw::kTrackButtonCount; ++k) {
    const int track = layout.tracks[k];
    if (track > 0) SetControlText(panel.Window(), IDC_CD_TRACK_LABEL_FIRST + k, std::to_string(track));
    ShowControl(panel.Window(), IDC_CD_TRACK_FIRST + k, track > 0);
    ShowControl(panel.Window(), IDC_CD_TRACK_LABEL_FIRST + k, track > 0);
  }
  ApplyHighlight(panel);
}

void MoveHighlight(int track) {
  g_cdPlayerKept.highlightIndex = bw::HighlightIndexForTrack(track);
  if (CdPlayerPanel* live = LiveCdPlayerPanel()) ApplyHighlight(*live);
}

void StepTrackPage(CdPlayerPanel& panel, int step) {
  g_cdPlayerKept.trackPage = bw::StepPage(g_cdPlayerKept.trackPage, PageCount(), step);
  LayOutTrackButtons(panel);
}
