#pragma once
// The colour whose pixels are cut away, and the pixel match itself.
#include <array>
#include <cstdint>

#include "platform/error.h"
#include "shaping/pixel_grid.h"

namespace kovrena::shaping {

// One value per compared byte of a pixel, in byte order (count is 1, 2 or 3).
struct KeyColour {
  std::array<std::uint8_t, 3> values{};
  std::uint8_t count = 0;
  friend bool operator==(const KeyColour&, const KeyColour&) = default;
};

// 255 in every compared byte of a pixel of this size (count 0 when the size
// is unsupported).
KeyColour WhiteKey(std::uint8_t bytesPerPixel);

// The compared bytes of the reference pixel: column width - 1 when PixelIDx
// is non-zero (else 0), row height - 1 when PixelIDy is non-zero (else 0).
// Any non-zero value counts as 1, so the pixel always lies in the picture.
Result<KeyColour> ReferenceKey(const PixelGrid& grid, std::uint8_t PixelIDx, std::uint8_t PixelIDy);

// True when every compared byte of pixel (x, y) equals the key's value.
// False for a pixel outside the grid, a grid CheckPixelGrid refuses, or a key
// whose count does not fit the grid's pixel size.
bool Matches(const PixelGrid& grid, const KeyColour& key, std::int32_t x, std::int32_t y);

}  // namespace kovrena::shaping
