// File-list refresh of a media panel.
#include "shell/file_list_refresh.h"

#include <algorithm>

#include "resources/resource.h"
#include "shell/file_list.h"
#include "shell/media_kinds.h"
#include "shell/program_state.h"

int RefreshPanelFileList(HWND panel, int mode) {
  const std::string* folder = MediaFolder(mode, g_settings.main);
  if (panel == nullptr || folder == nullptr) return 0;
  SetDlgItemTextA(panel, MediaControlId(mode, IDC_MEDIA_LOCATION), folder->c_str());

  HWND list = GetDlgItem(panel, MediaControlId(mode, IDC_MEDIA_LIST));
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  // Each pattern sets the list's extent to its own widest name; keep the widest of all.
  WPARAM widest = 0;
  for (const std::string& pattern : MediaFilePatterns(mode, g_settings.main)) {
    bw::FillFileList(list, (*folder + pattern).c_str());
    widest = std::max<WPARAM>(widest, SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0));
  }
  SendMessageA(list, LB_SETHORIZONTALEXTENT, widest, 0);

  const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  SetDlgItemTextA(panel, MediaControlId(mode, IDC_MEDIA_COUNT), FileCountText(mode, count).c_str());
  return count;
}
