// The CD Player panel's position bar: dragging previews a position within the track on the four
// time displays; letting go plays from there.
#include "cd/cd_player_panel_internal.h"
#include "cd/cd_player_panel_times.h"

namespace {

bw::BarScroll BarScrollOf(WORD code) {
  switch (code) {
    case SB_LINELEFT: return bw::BarScroll::kLineLeft;
    case SB_LINERIGHT: return bw::BarScroll::kLineRight;
    case SB_PAGELEFT: return bw::BarScroll::kPageLeft;
    case SB_PAGERIGHT: return bw::BarScroll::kPageRight;
    case SB_THUMBTRACK: return bw::BarScroll::kThumbTrack;
    case SB_THUMBPOSITION: return bw::BarScroll::kThumbPosition;
    case SB_ENDSCROLL: return bw::BarScroll::kEndScroll;
    default: return bw::BarScroll::kOther;
  }
}

}  // namespace

void OnPositionBarScroll(CdPlayerPanel& panel, WPARAM wParam) {
  bw::CdDevice* device = CdDeviceOrNull();
  if (device == nullptr || !device->IsOpen() || device->QueryMode() != bw::CdMode::kPlaying) {
    return;
  }
  HWND bar = GetDlgItem(panel.Window(), IDC_CD_POSITION_BAR);
  const bw::BarScroll scroll = BarScrollOf(LOWORD(wParam));
  const int track = device->CurrentTrack();
  if (bw::IsBarPreview(scroll)) {
    const int32_t from = panel.dragging ? panel.previewSeconds : GetScrollPos(bar, SB_CTL);
    panel.previewSeconds = bw::PreviewBarPosition(scroll, from, HIWORD(wParam),
                                                  bw::TrackLengthSeconds(device->Toc(), track));
    panel.dragging = true;
    SetScrollPos(bar, SB_CTL, panel.previewSeconds, TRUE);
    ShowTimes(panel, track, panel.previewSeconds);
    return;
  }
  if (bw::IsBarRelease(scroll) && panel.dragging) {
    panel.dragging = false;
    const bw::Tmsf target = bw::SeekTarget(track, panel.previewSeconds);
    device->SeekWithinTrack(target.track, target.minutes, target.seconds);
  }
}
