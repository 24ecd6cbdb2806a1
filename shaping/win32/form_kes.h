#pragma once
// clsFormKes: cuts a window's outline out of the picture its picture control
// shows. Stateless; every call is complete in itself, and the region it sets
// belongs to the window from then on.
//
// Every method freezes what the picture control shows (it shows that frozen
// bitmap from then on), locates the picture in the window, reads its pixels
// once and gives the window the union of the retained pixels of rows 0 to
// height - 2 and columns 0 to width - 2 as its region; no rectangle at all
// removes the region. The result is False, with the window's region as it
// was, when the picture's depth is not 8, 16, 24 or 32 bits, or the windows
// or the picture cannot be read.
#include <windows.h>

#include <cstdint>

#include "shaping/cut_rects.h"
#include "shaping/picture_origin.h"
#include "shaping/win32/picture_control.h"

namespace kovrena::shaping {

class clsFormKes {
 public:
  // White key: every white pixel of a row is cut, holes included.
  [[nodiscard]] bool FullBeyazKes(win32::PictureControl& ReferansObject, HWND HedefObject) const;
  // White key: only the white margins at both ends of each row are cut.
  [[nodiscard]] bool ÇevreselBeyazKes(win32::PictureControl& ReferansObject, HWND HedefObject) const;
  // Key from the reference pixel: column width - 1 when PixelIDx is non-zero
  // (else 0), row height - 1 when PixelIDy is non-zero (else 0).
  [[nodiscard]] bool ReferansPixelFullKes(win32::PictureControl& ReferansObject, HWND HedefObject, std::uint8_t PixelIDx,
                            std::uint8_t PixelIDy) const;
  [[nodiscard]] bool ReferansPixelÇevreselKes(win32::PictureControl& ReferansObject, HWND HedefObject, std::uint8_t PixelIDx,
                                std::uint8_t PixelIDy) const;
};

namespace win32 {

enum class KeyChoice { White, ReferencePixel };

struct CutMethod {
  KeyChoice key = KeyChoice::White;
  ScanKind scan = ScanKind::Full;
  std::uint8_t PixelIDx = 0;
  std::uint8_t PixelIDy = 0;
};

// The cut after the picture has been frozen: reads picture, picks the key,
// scans and sets the region on target, building the region while scanning.
// False, region untouched, when picture cannot be read or its depth is
// unsupported.
[[nodiscard]] bool CutWindowFromBitmap(HBITMAP picture, HWND target, PictureOrigin origin, const CutMethod& method);

// The whole cut: freeze, locate, read, key, scan, set.
[[nodiscard]] bool CutWindow(PictureControl& picture, HWND target, const CutMethod& method);

}  // namespace win32
}  // namespace kovrena::shaping
