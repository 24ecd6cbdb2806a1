// Any grid shape, stride, bytes, key and origin: the scan must refuse or
// answer without reading outside the bytes, and its answer must equal the
// plain pixel-by-pixel cut built from Matches() (tests/oracles).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "shaping/cut_rects.h"
#include "shaping/key_colour.h"
#include "shaping/pixel_grid.h"
#include "tests/oracles/plain_cut.h"

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
  if (rects.value() != oracle::PlainCut(grid, key, scan, origin)) std::abort();
  return 0;
}
