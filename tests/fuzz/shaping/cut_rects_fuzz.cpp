// Any grid shape, stride, bytes, key and origin: the scan must refuse or
// answer without reading outside the bytes, and its answer must equal the
// plain pixel-by-pixel cut built from Matches().
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "shaping/cut_rects.h"
#include "shaping/key_colour.h"
#include "shaping/pixel_grid.h"

using kovrena::Result;
using namespace kovrena::shaping;

namespace {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  template <class T>
  T take() {
    T value{};
    const std::size_t n = sizeof(T) < size_ ? sizeof(T) : size_;
    std::memcpy(&value, data_, n);
    data_ += n;
    size_ -= n;
    return value;
  }
  std::vector<std::uint8_t> rest() { return {data_, data_ + size_}; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// The cut as its rules read, one pixel at a time.
std::vector<CutRect> PlainCut(const PixelGrid& grid, const KeyColour& key, ScanKind scan, PictureOrigin o) {
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  const auto flags = in.take<std::uint8_t>();
  PixelGrid grid;
  if (flags & 0x80) {
    // Raw shape: anything at all, overflowing products included.
    grid.width = in.take<std::int32_t>();
    grid.height = in.take<std::int32_t>();
    grid.stride = in.take<std::int32_t>();
    grid.bytesPerPixel = in.take<std::uint8_t>();
  } else {
    // A plausible shape with a small padding that may also be negative.
    grid.bytesPerPixel = static_cast<std::uint8_t>((flags & 0x03) + 1);
    grid.width = in.take<std::uint8_t>();
    grid.height = in.take<std::uint8_t>() % 16;
    grid.stride = grid.width * grid.bytesPerPixel + in.take<std::int8_t>() % 8;
  }
  const ScanKind scan = (flags & 0x04) ? ScanKind::Peripheral : ScanKind::Full;
  PictureOrigin origin;
  if (flags & 0x08) {
    origin.x0 = in.take<std::int32_t>();
    origin.y0 = in.take<std::int32_t>();
  } else {
    origin.x0 = in.take<std::int8_t>();
    origin.y0 = in.take<std::int8_t>();
  }
  KeyColour key;
  const auto keyChoice = in.take<std::uint8_t>();
  const auto idx = in.take<std::uint8_t>();
  const auto idy = in.take<std::uint8_t>();
  if (flags & 0x10) {
    key.count = static_cast<std::uint8_t>(keyChoice % 5);  // counts that fit no pixel size too
    key.values = {idx, idy, keyChoice};
  }
  grid.bytes = in.rest();

  const bool accepted = !CheckPixelGrid(grid);
  if (!(flags & 0x10)) {
    Result<KeyColour> reference = ReferenceKey(grid, idx, idy);
    if (reference.ok() != accepted) std::abort();
    key = (keyChoice & 1) && reference.ok() ? reference.value() : WhiteKey(grid.bytesPerPixel);
  }

  Result<std::vector<CutRect>> rects = ComputeCutRects(grid, key, scan, origin);
  if (!accepted) {
    if (rects.ok()) std::abort();
    return 0;
  }
  if (!rects.ok()) return 0;  // a key that fits no pixel, or an origin off the coordinate range
  if (rects.value() != PlainCut(grid, key, scan, origin)) std::abort();
  return 0;
}
