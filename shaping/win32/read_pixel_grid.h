#pragma once
// A bitmap's pixels in one bulk copy, as the grid the scan reads.
#include <windows.h>

#include <optional>

#include "shaping/pixel_grid.h"

namespace kovrena::shaping::win32 {

// The bitmap's description (GetObjectW) and all of its rows (one
// GetBitmapBits call): top row first, each row bmWidthBytes long. Nothing
// when the description cannot be had (depth 0), the depth is not 8, 16, 24
// or 32 bits, or the bits cannot all be copied.
[[nodiscard]] std::optional<PixelGrid> ReadPixelGrid(HBITMAP bitmap);

}  // namespace kovrena::shaping::win32
