#pragma once
// The picture control a window is cut from: a STATIC control with SS_BITMAP,
// and the bitmaps it was given to show. A static control never deletes its
// bitmaps, so this object does: the ones it was handed, and the copy that a
// version-6 static control makes of a bitmap with alpha.
#include <windows.h>

#include "platform/win32/scoped.h"

namespace kovrena::shaping::win32 {

class PictureControl {
 public:
  explicit PictureControl(HWND control) : control_(control) {}
  PictureControl(const PictureControl&) = delete;
  PictureControl& operator=(const PictureControl&) = delete;
  // Takes the picture off a control that still shows it before deleting it.
  ~PictureControl();

  HWND window() const { return control_; }
  // The bitmap the control shows now (null when none).
  HBITMAP image() const;
  // Shows image from now on and owns it. The image shown before is deleted
  // when this object owned it; one set by someone else stays theirs. False
  // (image deleted, control unchanged) when the control does not take it.
  [[nodiscard]] bool show(kovrena::win32::UniqueBitmap image);

 private:
  HWND control_;
  kovrena::win32::UniqueBitmap owned_;
};

// Freezes what the control currently shows: paints it into a bitmap of the
// control's client size at the display's own depth (compatible with the
// screen), and makes that bitmap the control's picture. This is the
// control's persistent image; the cut reads it. Fails, changing nothing,
// when the control has no client area or the bitmap cannot be made.
[[nodiscard]] bool ShowSnapshot(PictureControl& picture);

}  // namespace kovrena::shaping::win32
