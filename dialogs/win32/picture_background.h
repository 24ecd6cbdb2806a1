#pragma once
// A window background drawn from a named bitmap resource, and the brush that
// lets transparent child controls show the same picture through them.
#include <windows.h>

#include "ui/design.h"
#include "platform/win32/scoped.h"

namespace kovrena::dialogs::win32 {

class PictureBackground {
 public:
  // Loads the bitmap from the program's own resources. Without it (a build
  // without resources) the window is filled with the plain colour instead.
  PictureBackground(const wchar_t* resourceName, ui::Rgb plainColour);

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
