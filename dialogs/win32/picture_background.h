#pragma once
// A window background drawn from a panel picture, and the brush that lets
// transparent child controls show the same picture through them.
#include <windows.h>

#include "dialogs/backgrounds.h"
#include "ui/design.h"
#include "platform/win32/scoped.h"

namespace kovrena::dialogs::win32 {

class PictureBackground {
 public:
  // Draws the picture into a bitmap of its own. Where that cannot be made
  // (no memory for it) the window is filled with the plain colour instead.
  PictureBackground(const PanelPicture& picture, ui::Rgb plainColour);

  bool hasPicture() const { return static_cast<bool>(picture_); }
  // Draws the picture at the client area's top-left corner, the plain colour
  // wherever the picture does not reach.
  void paint(HDC dc, const RECT& client) const;
  // The background as seen through a child control: its brush origin is moved
  // so that the picture lines up with the parent's.
  HBRUSH brushFor(HDC childDc, HWND child) const;

 private:
  kovrena::win32::UniqueBitmap picture_;
  kovrena::win32::UniqueBrush pattern_;
  kovrena::win32::UniqueBrush plain_;
  SIZE size_{0, 0};
};

}  // namespace kovrena::dialogs::win32
