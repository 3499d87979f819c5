// Drawing a freedb dialog's button by its caption.
#include "freedb/captioned_button.h"

#include <utility>

#include "shell/button_painter.h"

namespace bw {
namespace freedb {

CaptionedButton::CaptionedButton(int buttonId, int captionId, skin::SkinCell cell,
                                 skin::SkinCell otherCell, std::string otherCaption)
    : buttonId_(buttonId),
      captionId_(captionId),
      cell_(cell),
      otherCell_(otherCell),
      otherCaption_(std::move(otherCaption)) {}

void CaptionedButton::ShowCaption(HWND dialog, HoverTable& hover, const std::string& caption) {
  SetDlgItemTextA(dialog, captionId_, caption.c_str());
  other_ = caption == otherCaption_;
  hover.SetCell(buttonId_, Cell().column, Cell().row);
  InvalidateRect(GetDlgItem(dialog, buttonId_), nullptr, FALSE);
}

bool CaptionedButton::Draw(const DRAWITEMSTRUCT& item) const {
  if (static_cast<int>(item.CtlID) != buttonId_) return false;
  DrawSkinnedButton(item, Cell().column, Cell().row, skin::ButtonStyle::kMedium, false);
  return true;
}

}  // namespace freedb
}  // namespace bw
