#pragma once
// A picture's pixels as read in one piece from the platform, in the display's
// pixel format. The grid may come from anywhere (a bitmap, a file, a fuzzer),
// so nothing reads it before CheckPixelGrid has accepted its shape.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/error.h"

namespace kovrena::shaping {

struct PixelGrid {
  std::int32_t width = 0;          // pixels per row
  std::int32_t height = 0;         // rows; row 0 is the top row
  std::int32_t stride = 0;         // bytes per row, padding included
  std::uint8_t bytesPerPixel = 0;  // 1, 2, 3 or 4
  std::vector<std::uint8_t> bytes;
};

// Number given to a grid or key that cannot describe a picture. It never
// reaches the user: the cut methods answer such a picture with False.
inline constexpr std::int32_t kErrBadPicture = 5;

// Bytes per pixel for a bitmap depth in bits, or nothing for a depth the cut
// cannot read (1, 4, 0 when the description could not be had, ...).
std::optional<std::uint8_t> BytesPerPixelForDepth(std::int32_t bitsPerPixel);

// How many leading bytes of a pixel take part in a match: the fourth byte of
// a 32-bit pixel is never compared. Zero for an unsupported size.
std::uint8_t ComparedBytes(std::uint8_t bytesPerPixel);

// Accepts a grid only when every pixel of every row lies inside its bytes:
// positive sizes, a supported pixel size, stride >= width x bytesPerPixel
// and stride x height <= the number of bytes (in 64-bit arithmetic).
Status CheckPixelGrid(const PixelGrid& grid);

}  // namespace kovrena::shaping
