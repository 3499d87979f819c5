// A skinned button of the freedb dialogs whose picture follows the caption below it: Update
// that becomes Stop while a fetch runs, Cancel that becomes OK when the e-mail is done.
#pragma once

#include <windows.h>

#include <string>

#include "shell/hover.h"
#include "shell/skin_cells.h"

namespace bw {
namespace freedb {

class CaptionedButton {
 public:
  // `cell` is shown first; `otherCell` while the caption reads `otherCaption`.
  CaptionedButton(int buttonId, int captionId, skin::SkinCell cell, skin::SkinCell otherCell,
                  std::string otherCaption);

  void ShowCaption(HWND dialog, HoverTable& hover, const std::string& caption);
  // WM_DRAWITEM: draws the button; false for any other control.
  bool Draw(const DRAWITEMSTRUCT& item) const;

 private:
  skin::SkinCell Cell() const { return other_ ? otherCell_ : cell_; }

  int buttonId_;
  int captionId_;
  skin::SkinCell cell_;
  skin::SkinCell otherCell_;
  std::string otherCaption_;
  bool other_ = false;
};

}  // namespace freedb
}  // namespace bw
