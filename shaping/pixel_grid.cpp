#include "shaping/pixel_grid.h"

#include <cstdint>
#include <string>
#include <utility>

namespace kovrena::shaping {
namespace {

Error badPicture(std::string why) { return Error{kErrBadPicture, "Resim verisi geçersiz: " + std::move(why)}; }

}  // namespace

std::optional<std::uint8_t> BytesPerPixelForDepth(std::int32_t bitsPerPixel) {
  switch (bitsPerPixel) {
    case 8: return 1;
    case 16: return 2;
    case 24: return 3;
    case 32: return 4;
    default: return std::nullopt;
  }
}

std::uint8_t ComparedBytes(std::uint8_t bytesPerPixel) {
  switch (bytesPerPixel) {
    case 1: return 1;
    case 2: return 2;
    case 3:
    case 4: return 3;
    default: return 0;
  }
}

Status CheckPixelGrid(const PixelGrid& grid) {
  if (ComparedBytes(grid.bytesPerPixel) == 0) return badPicture("desteklenmeyen piksel boyu");
  if (grid.width <= 0 || grid.height <= 0) return badPicture("genişlik ya da yükseklik sıfır ya da eksi");
  const std::int64_t rowBytes = std::int64_t{grid.width} * grid.bytesPerPixel;
  if (grid.stride < rowBytes) return badPicture("satır uzunluğu satırın piksellerine yetmiyor");
  const std::int64_t needed = std::int64_t{grid.stride} * grid.height;
  // Compared as unsigned 64-bit: on a 32-bit build the byte count is 32-bit.
  if (static_cast<std::uint64_t>(needed) > static_cast<std::uint64_t>(grid.bytes.size())) {
    return badPicture("baytlar satır uzunluğu x yüksekliğe yetmiyor");
  }
  return std::nullopt;
}

}  // namespace kovrena::shaping
