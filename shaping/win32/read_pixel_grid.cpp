#include "shaping/win32/read_pixel_grid.h"

#include <cstdint>
#include <limits>

namespace kovrena::shaping::win32 {

std::optional<PixelGrid> ReadPixelGrid(HBITMAP bitmap) {
  // Stays all zero when the call fails, and depth 0 is unsupported.
  BITMAP description{};
  GetObjectW(bitmap, sizeof description, &description);
  const std::optional<std::uint8_t> bytesPerPixel = BytesPerPixelForDepth(description.bmBitsPixel);
  if (!bytesPerPixel) return std::nullopt;

  PixelGrid grid;
  grid.width = description.bmWidth;
  grid.height = description.bmHeight;
  grid.stride = description.bmWidthBytes;
  grid.bytesPerPixel = *bytesPerPixel;
  const std::int64_t size = std::int64_t{grid.stride} * grid.height;
  if (grid.width <= 0 || grid.height <= 0 || grid.stride <= 0 ||
      size > std::numeric_limits<LONG>::max() ||
      static_cast<std::uint64_t>(size) > std::numeric_limits<std::size_t>::max()) {
    return std::nullopt;
  }
  grid.bytes.resize(static_cast<std::size_t>(size));
  // A short copy would leave rows of zeros that the cut would take for
  // picture: a picture that cannot be read whole is not cut at all.
  if (GetBitmapBits(bitmap, static_cast<LONG>(size), grid.bytes.data()) != static_cast<LONG>(size)) {
    return std::nullopt;
  }
  if (CheckPixelGrid(grid)) return std::nullopt;
  return grid;
}

}  // namespace kovrena::shaping::win32
