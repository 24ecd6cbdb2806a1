#pragma once
// The cut as its rules read, one pixel at a time: the oracle that the fuzzer
// and the native property cases both hold the word-wise scan against.
#include <cstdint>
#include <vector>

#include "shaping/cut_rects.h"
#include "shaping/key_colour.h"
#include "shaping/pixel_grid.h"

namespace kovrena::shaping::oracle {

// Rows 0..height-2 only; each run of non-matching pixels (full scan) or the
// stretch from a row's first to its last non-matching pixel (peripheral)
// becomes one rectangle, cut short at column width-1.
inline std::vector<CutRect> PlainCut(const PixelGrid& grid, const KeyColour& key, ScanKind scan,
                                     PictureOrigin o) {
  std::vector<CutRect> rects;
  auto add = [&](std::int32_t y, std::int32_t start, std::int32_t end) {
    const std::int32_t right = end < grid.width ? o.x0 + end : o.x0 + grid.width - 1;
    rects.push_back({o.x0 + start, o.y0 + y, right, o.y0 + y + 1});
  };
  for (std::int32_t y = 0; y <= grid.height - 2; ++y) {
    if (scan == ScanKind::Peripheral) {
      std::int32_t c = 0;
      while (c < grid.width && Matches(grid, key, c, y)) ++c;
      if (c == grid.width) continue;
      std::int32_t z = grid.width - 1;
      while (z >= c && Matches(grid, key, z, y)) --z;
      add(y, c, z + 1);
      continue;
    }
    std::int32_t x = 0;
    while (x < grid.width) {
      while (x < grid.width && Matches(grid, key, x, y)) ++x;
      const std::int32_t start = x;
      while (x < grid.width && !Matches(grid, key, x, y)) ++x;
      if (start < grid.width) add(y, start, x);
    }
  }
  return rects;
}

}  // namespace kovrena::shaping::oracle
