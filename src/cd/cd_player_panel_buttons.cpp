// The CD Player panel's skinned buttons: which picture each one shows (repeat switches on or
// off, Add or Edit, Eject or Load, the lit track), the hover highlight and the title label of
// the track button under the mouse.
#include <string>
#include <vector>

#include "cd/cd_player_panel_internal.h"
#include "cd/cd_player_panel_tracks.h"
#include "shell/button_painter.h"
#include "shell/skin_cells.h"
#include "shell/texts.h"

namespace {

using skin::ButtonStyle;
using skin::SkinCell;
namespace medium = skin::medium_sheet;

constexpr int kTransportCount = 8;  // 3310-3317

bool IsTrackButton(int id) { return id >= IDC_CD_TRACK_FIRST && id <= IDC_CD_TRACK_LAST; }
bool IsTransportButton(int id) { return id >= IDC_CD_PLAY && id <= IDC_CD_EJECT; }

// The transport buttons' own pictures, before the busy-buttons rotation.
SkinCell TransportCell(const CdPlayerPanel& panel, int index) {
  const int id = IDC_CD_PLAY + index;
  if (id == IDC_CD_ADD_ENTRY) {
    char caption[32] = "";
    GetDlgItemTextA(panel.Window(), IDC_CD_ENTRY_LABEL, caption, sizeof caption);
    return std::string(caption) == kTextEditEntryLabel ? medium::kCellEditEntry
                                                       : medium::kCellAddEntry;
  }
  if (id == IDC_CD_EJECT) return panel.loadLabelShown ? medium::kCellLoad : medium::kCellEject;
  return medium::kCdTransportCells[index];
}

// While a query runs the pictures move on by one button at each step: the last one's first.
SkinCell ShownTransportCell(const CdPlayerPanel& panel, int id) {
  const int shift = TransportCellShift();
  const int index = ((id - IDC_CD_PLAY - shift) % kTransportCount + kTransportCount) %
                    kTransportCount;
  return TransportCell(panel, index);
}

SkinCell RepeatCell(int id, bool on) {
  if (id == IDC_CD_REPEAT_TRACK) return on ? medium::kCellRepeatTrackOn : medium::kCellRepeatTrackOff;
  return on ? medium::kCellRepeatDiscOn : medium::kCellRepeatDiscOff;
}

SkinnedButton Button(int id, ButtonStyle style, SkinCell cell) {
  return SkinnedButton{id, style, cell.column, cell.row, false};
}

// Updates label 3338 with the title of the track button under the mouse.
void ShowHoveredTitle(CdPlayerPanel& panel) {
  int button = -1;
  const int id = panel.Hover().HighlightedId();
  if (IsTrackButton(id) && IsWindowVisible(GetDlgItem(panel.Window(), id))) {
    button = id - IDC_CD_TRACK_FIRST;
  }
  if (button == panel.hoverLabelButton) return;
  panel.hoverLabelButton = button;
  const int slot = bw::TrackForButton(g_cdPlayerKept.trackPage, button) - 1;
  SetControlText(panel.Window(), IDC_CD_HOVER_TITLE,
                 button >= 0 && slot < bw::TitleTable::kSlots ? panel.titles->Get(slot) : "");
}

}  // namespace

void BuildPanelHoverTable(CdPlayerPanel& panel) {
  std::vector<SkinnedButton> buttons;
  // The repeat and query buttons show their state in their picture, so hovering only frames
  // them with the raised edge.
  for (int id : {IDC_CD_REPEAT_TRACK, IDC_CD_REPEAT_DISC, IDC_CD_QUERY}) {
    buttons.push_back(SkinnedButton{id, ButtonStyle::kMedium, -1, 0, false});
  }
  for (int id = IDC_CD_PLAY; id <= IDC_CD_EJECT; ++id) {
    buttons.push_back(Button(id, ButtonStyle::kMedium, ShownTransportCell(panel, id)));
  }
  for (int id = IDC_CD_TRACK_FIRST; id <= IDC_CD_TRACK_LAST; ++id) {
    buttons.push_back(Button(id, ButtonStyle::kTiny, skin::tiny_sheet::kCellTrack));
  }
  buttons.push_back(Button(IDC_CD_PAGE_DOWN, ButtonStyle::kSmall, skin::small_sheet::kCellPageDown));
  buttons.push_back(Button(IDC_CD_PAGE_UP, ButtonStyle::kSmall, skin::small_sheet::kCellPageUp));
  panel.Hover().Build(panel.Window(), buttons.data(), buttons.size(), &panel.toggles);
}

void OnPanelHoverTimer(CdPlayerPanel& panel) {
  // The Add/Edit and Eject/Load pictures follow their labels; the hover draws the same ones.
  for (int id : {IDC_CD_ADD_ENTRY, IDC_CD_EJECT}) {
    const SkinCell cell = ShownTransportCell(panel, id);
    panel.Hover().SetCell(id, cell.column, cell.row);
  }
  panel.Hover().Update(panel.Window());
  ShowHoveredTitle(panel);
}

bool DrawPanelButton(CdPlayerPanel& panel, const DRAWITEMSTRUCT& item) {
  const int id = static_cast<int>(item.CtlID);
  if (id == IDC_CD_REPEAT_TRACK || id == IDC_CD_REPEAT_DISC) {
    const SkinCell cell = RepeatCell(id, panel.toggles.IsOn(id));
    DrawSkinnedButton(item, cell.column, cell.row, ButtonStyle::kMedium, true, panel.toggles);
  } else if (id == IDC_CD_QUERY) {
    const SkinCell cell = panel.idle ? medium::kCellQuery : medium::kCellQueryStop;
    DrawSkinnedButton(item, cell.column, cell.row, ButtonStyle::kMedium, true);
  } else if (IsTransportButton(id)) {
    const SkinCell cell = ShownTransportCell(panel, id);
    DrawSkinnedButton(item, cell.column, cell.row, ButtonStyle::kMedium, false, panel.toggles);
  } else if (IsTrackButton(id)) {
    const bool lit = id - IDC_CD_TRACK_FIRST == panel.litTrackButton;
    const SkinCell cell = lit ? skin::tiny_sheet::kCellTrackLit : skin::tiny_sheet::kCellTrack;
    DrawSkinnedButton(item, cell.column, cell.row, ButtonStyle::kTiny, false);
  } else if (id == IDC_CD_PAGE_DOWN || id == IDC_CD_PAGE_UP) {
    const SkinCell cell = id == IDC_CD_PAGE_UP ? skin::small_sheet::kCellPageUp
                                               : skin::small_sheet::kCellPageDown;
    DrawSkinnedButton(item, cell.column, cell.row, ButtonStyle::kSmall, false);
  } else {
    return false;
  }
  return true;
}

void SetRepeat(CdPlayerPanel& panel, int buttonId, bool on) {
  if (buttonId == IDC_CD_REPEAT_TRACK) panel.repeatTrack = on;
  if (buttonId == IDC_CD_REPEAT_DISC) panel.repeatDisc = on;
  panel.toggles.SetState(buttonId, on ? 1 : 0);
  InvalidateRect(GetDlgItem(panel.Window(), buttonId), nullptr, FALSE);
}
