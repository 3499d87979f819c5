// The CD Player panel's pictures: the CD animation in frame 3395, which runs on its own thread
// while a disc plays, and the small fixed badge in frame 1111.
#include "cd/cd_player_panel_internal.h"
#include "shell/animation.h"
#include "shell/look_and_feel.h"
#include "shell/program_state.h"
#include "shell/skin_cells.h"
#include "shell/skins.h"
#include "base/win32_handles.h"

namespace {

Animation& CdAnimation() { return g_animations[kAnimationCdPlayer]; }

// The top-left corner that centres a picture of this size in a frame control of the panel.
POINT CentreIn(HWND panel, int frameId, int width, int height) {
  RECT frame = {};
  HWND control = GetDlgItem(panel, frameId);
  if (control != nullptr) {
    GetWindowRect(control, &frame);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&frame), 2);
  }
  return POINT{frame.left + (frame.right - frame.left - width) / 2,
               frame.top + (frame.bottom - frame.top - height) / 2};
}

}  // namespace

void PlaceCdAnimation(CdPlayerPanel& panel) {
  Animation& animation = CdAnimation();
  const POINT corner = CentreIn(panel.Window(), IDC_CD_ANIMATION, animation.info.frameWidth,
                                animation.info.frameHeight);
  animation.x.store(corner.x);
  animation.y.store(corner.y);
  // The wheel steps the animation in this window while no disc plays.
  animation.target.store(g_settings.main.cdAnimation ? panel.Window() : nullptr);
}

void OnPlaybackSeen(CdPlayerPanel& panel) {
  if (!panel.animationStopped) return;
  panel.animationStopped = false;
  SetTimer(panel.Window(), kCdAnimationDelayTimerId, kCdAnimationDelayMs, nullptr);
}

void OnAnimationDelayTimer(CdPlayerPanel& panel) {
  KillTimer(panel.Window(), kCdAnimationDelayTimerId);
  if (panel.animationStopped || !g_settings.main.cdAnimation) return;
  Animation& animation = CdAnimation();
  StartAnimation(animation, panel.Window(), POINT{animation.x.load(), animation.y.load()});
}

void MarkCdAnimationStopped(CdPlayerPanel& panel) {
  if (panel.animationStopped) return;
  panel.animationStopped = true;
  KillTimer(panel.Window(), kCdAnimationDelayTimerId);
  StopAnimation(CdAnimation());
}

void PaintCdPanelPictures(CdPlayerPanel& panel, HDC dc) {
  // A running thread draws the frames itself; a still animation shows its current frame.
  if (g_settings.main.cdAnimation && !IsAnimationRunning(CdAnimation())) {
    DrawAnimationFrame(CdAnimation(), dc);
  }
  HBITMAP badge = Skins().piece5.Get();
  if (badge == nullptr) return;
  const POINT corner = CentreIn(panel.Window(), IDC_CD_SMALL_BITMAP, skin::pieces::kCdBadgeWidth,
                                skin::pieces::kCdBadgeHeight);
  UniqueMemoryDc memory(CreateCompatibleDC(dc));
  if (!memory) return;
  SelectedObject selected(memory.Get(), badge);
  BitBlt(dc, corner.x, corner.y, skin::pieces::kCdBadgeWidth, skin::pieces::kCdBadgeHeight,
         memory.Get(), 0, 0, SRCCOPY);
}

void ApplyCdAnimationSetting(CdPlayerPanel& panel) {
  ShowControl(panel.Window(), IDC_CD_ANIMATION, g_settings.main.cdAnimation);
  if (!g_settings.main.cdAnimation) MarkCdAnimationStopped(panel);
  PlaceCdAnimation(panel);
}
