#pragma once
// Pictures for the tests, drawn as text: one string per row, one letter per
// pixel. 'K' is white (255 in every byte); any other letter is its own colour
// that matches nothing else. Rows get padding bytes of a value no pixel has.
#include <cstdint>
#include <string>
#include <vector>

#include "shaping/pixel_grid.h"

namespace kovrena::shaping::testing {

inline constexpr std::uint8_t kPaddingByte = 0xA5;

// The bytes of one pixel for a letter at this pixel size.
inline std::vector<std::uint8_t> PixelBytes(char letter, int bytesPerPixel) {
  std::vector<std::uint8_t> pixel(static_cast<std::size_t>(bytesPerPixel),
                                  letter == 'K' ? std::uint8_t{255} : static_cast<std::uint8_t>(letter));
  return pixel;
}

inline PixelGrid GridFromText(const std::vector<std::string>& rows, int bytesPerPixel, int padding = 0) {
  PixelGrid grid;
  grid.height = static_cast<std::int32_t>(rows.size());
  grid.width = rows.empty() ? 0 : static_cast<std::int32_t>(rows[0].size());
  grid.bytesPerPixel = static_cast<std::uint8_t>(bytesPerPixel);
  grid.stride = grid.width * bytesPerPixel + padding;
  for (const std::string& row : rows) {
    for (char letter : row) {
      const std::vector<std::uint8_t> pixel = PixelBytes(letter, bytesPerPixel);
      grid.bytes.insert(grid.bytes.end(), pixel.begin(), pixel.end());
    }
    grid.bytes.insert(grid.bytes.end(), static_cast<std::size_t>(padding), kPaddingByte);
  }
  return grid;
}

}  // namespace kovrena::shaping::testing
