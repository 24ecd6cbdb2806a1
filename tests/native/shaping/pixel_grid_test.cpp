#include "shaping/pixel_grid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "shaping/cut_rects.h"
#include "shaping/key_colour.h"

namespace kovrena::shaping {
namespace {

struct CountingSink final : CutRectSink {
  void add(const CutRect&) override { ++count; }
  int count = 0;
};

TEST(DepthTable, SupportedDepthsOnly) {
  const struct {
    std::int32_t bits;
    std::optional<std::uint8_t> bytesPerPixel;
    std::uint8_t compared;
  } cases[] = {
      {8, 1, 1}, {16, 2, 2}, {24, 3, 3}, {32, 4, 3}, {0, std::nullopt, 0}, {1, std::nullopt, 0},
      {4, std::nullopt, 0}, {15, std::nullopt, 0}, {48, std::nullopt, 0}, {-8, std::nullopt, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BytesPerPixelForDepth(c.bits), c.bytesPerPixel) << c.bits;
    if (c.bytesPerPixel) {
      EXPECT_EQ(ComparedBytes(*c.bytesPerPixel), c.compared) << c.bits;
    }
  }
  EXPECT_EQ(ComparedBytes(0), 0);
  EXPECT_EQ(ComparedBytes(5), 0);
}

// A grid shape with bytes allocated as given (bytes kept small: a claim of a
// huge picture over a few bytes is exactly what must be refused).
PixelGrid Shape(std::int32_t width, std::int32_t height, std::int32_t stride, std::uint8_t bpp,
                std::size_t byteCount) {
  PixelGrid grid;
  grid.width = width;
  grid.height = height;
  grid.stride = stride;
  grid.bytesPerPixel = bpp;
  grid.bytes.assign(byteCount, 0x11);
  return grid;
}

TEST(CheckPixelGrid, RefusesEveryShapeThatWouldReadOutside) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const struct {
    const char* name;
    PixelGrid grid;
    bool accepted;
  } cases[] = {
      {"exact", Shape(3, 2, 3, 1, 6), true},
      {"odd width, even stride", Shape(3, 2, 4, 1, 8), true},
      {"bytes beyond the last row", Shape(3, 2, 4, 1, 100), true},
      {"one row", Shape(5, 1, 20, 4, 20), true},
      {"one byte short", Shape(3, 2, 4, 1, 7), false},
      {"zero width", Shape(0, 2, 4, 1, 8), false},
      {"zero height", Shape(3, 0, 4, 1, 8), false},
      {"negative width", Shape(-3, 2, 4, 1, 8), false},
      {"negative height", Shape(3, -2, 4, 1, 8), false},
      {"negative stride", Shape(3, 2, -4, 1, 8), false},
      {"zero stride", Shape(3, 2, 0, 1, 8), false},
      {"stride shorter than the pixels", Shape(3, 2, 5, 2, 10), false},
      {"no pixel size", Shape(3, 2, 4, 0, 8), false},
      {"pixel size 5", Shape(3, 2, 15, 5, 30), false},
      // Products that would wrap in 32 bits.
      {"stride x height past 4 GiB", Shape(1, 65536, 65536, 1, 16), false},
      {"stride x height wraps to a small number", Shape(1, 65537, 65537, 1, 65537 * 2), false},
      {"width x pixel size past the 32-bit range", Shape(kMax, 1, kMax, 4, 16), false},
      {"largest width, stride too small", Shape(kMax / 2, 1, kMax, 4, 16), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Status refused = CheckPixelGrid(c.grid);
    EXPECT_EQ(!refused, c.accepted);
    if (refused) {
      EXPECT_EQ(refused->number, kErrBadPicture);
      // Nothing else reads a refused grid either.
      EXPECT_FALSE(ReferenceKey(c.grid, 1, 1).ok());
      EXPECT_FALSE(Matches(c.grid, WhiteKey(c.grid.bytesPerPixel), 0, 0));
      EXPECT_FALSE(ComputeCutRects(c.grid, WhiteKey(c.grid.bytesPerPixel), ScanKind::Full, {}).ok());
      EXPECT_FALSE(ComputeCutRects(c.grid, WhiteKey(c.grid.bytesPerPixel), ScanKind::Peripheral, {}).ok());
      CountingSink sink;
      EXPECT_TRUE(ScanCutRects(c.grid, WhiteKey(c.grid.bytesPerPixel), ScanKind::Full, {}, sink));
      EXPECT_EQ(sink.count, 0);
    }
  }
}

}  // namespace
}  // namespace kovrena::shaping
