#pragma once
// Where a picture control's picture lies in its window's own coordinates.
#include <windows.h>

#include <optional>

#include "shaping/picture_origin.h"

namespace kovrena::shaping::win32 {

// The target window's outer and client sizes and the picture's position in
// its client area. Nothing when either window cannot be measured.
[[nodiscard]] std::optional<WindowMeasures> MeasureWindow(HWND picture, HWND target);

// ComputePictureOrigin of those measures.
[[nodiscard]] std::optional<PictureOrigin> PictureOriginFor(HWND picture, HWND target);

}  // namespace kovrena::shaping::win32
