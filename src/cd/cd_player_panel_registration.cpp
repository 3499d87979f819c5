// Plugs the CD Player panel into the shell at start-up.
#include "cd/cd_player_panel.h"
#include "cd/shell_registration.h"
#include "shell/panel_host.h"
#include "shell/shell_hooks.h"

void RegisterCdWithShell() {
  RegisterPanelProc(kCdPlayerTab, CdPlayerPanelProc);
  // The animation of whichever panel is shown is placed again after the options dialog;
  // the CD panel answers for itself and hands other panels on.
  auto previous = Hooks().repositionPanelAnimation;
  Hooks().repositionPanelAnimation = [previous](HWND panel) {
    if (panel != nullptr && panel == CdPlayerPanelWindow()) {
      RepositionCdAnimation(panel);
    } else if (previous) {
      previous(panel);
    }
  };
}
