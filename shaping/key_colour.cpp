#include "shaping/key_colour.h"

#include <cstddef>

namespace kovrena::shaping {
namespace {

std::size_t pixelOffset(const PixelGrid& grid, std::int32_t x, std::int32_t y) {
  return static_cast<std::size_t>(std::int64_t{y} * grid.stride + std::int64_t{x} * grid.bytesPerPixel);
}

}  // namespace

KeyColour WhiteKey(std::uint8_t bytesPerPixel) {
  KeyColour key;
  key.count = ComparedBytes(bytesPerPixel);
  for (std::uint8_t k = 0; k < key.count; ++k) key.values[k] = 255;
  return key;
}

Result<KeyColour> ReferenceKey(const PixelGrid& grid, std::uint8_t PixelIDx, std::uint8_t PixelIDy) {
  if (Status refused = CheckPixelGrid(grid)) return *refused;
  const std::int32_t x = PixelIDx != 0 ? grid.width - 1 : 0;
  const std::int32_t y = PixelIDy != 0 ? grid.height - 1 : 0;
  const std::size_t at = pixelOffset(grid, x, y);
  KeyColour key;
  key.count = ComparedBytes(grid.bytesPerPixel);
  for (std::uint8_t k = 0; k < key.count; ++k) key.values[k] = grid.bytes[at + k];
  return key;
}

bool Matches(const PixelGrid& grid, const KeyColour& key, std::int32_t x, std::int32_t y) {
  if (CheckPixelGrid(grid) || key.count != ComparedBytes(grid.bytesPerPixel)) return false;
  if (x < 0 || y < 0 || x >= grid.width || y >= grid.height) return false;
  const std::size_t at = pixelOffset(grid, x, y);
  for (std::uint8_t k = 0; k < key.count; ++k) {
    if (grid.bytes[at + k] != key.values[k]) return false;
  }
  return true;
}

}  // namespace kovrena::shaping
