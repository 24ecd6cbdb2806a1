// Random small pictures at every pixel size, with padded rows and colours
// next to the key, checked against the plain pixel-by-pixel cut.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "shaping/cut_rects.h"
#include "tests/oracles/plain_cut.h"

namespace kovrena::shaping {
namespace {

struct Picture {
  int width;
  int height;
  int bpp;
  int stride;
  std::vector<std::uint8_t> bytes;
};

// Colours close to the key are the interesting ones: one compared byte off,
// or only the fourth byte off.
Picture RandomPicture(std::mt19937& random, const std::vector<std::uint8_t>& near) {
  Picture p;
  p.bpp = std::uniform_int_distribution<int>(1, 4)(random);
  p.width = std::uniform_int_distribution<int>(1, 70)(random);
  p.height = std::uniform_int_distribution<int>(1, 5)(random);
  p.stride = p.width * p.bpp + std::uniform_int_distribution<int>(0, 5)(random);
  p.bytes.resize(static_cast<std::size_t>(p.stride * p.height));
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> choice(0, 9);
  for (std::uint8_t& b : p.bytes) b = static_cast<std::uint8_t>(byte(random));  // padding stays random
  // Long same-colour stretches, so that runs span several words.
  const int stretch = std::uniform_int_distribution<int>(1, 12)(random);
  for (int y = 0; y < p.height; ++y) {
    int kind = 0;
    for (int x = 0; x < p.width; ++x) {
      if (x % stretch == 0 || choice(random) == 0) kind = choice(random);
      for (int k = 0; k < p.bpp; ++k) {
        std::uint8_t value = near[static_cast<std::size_t>(k)];
        if (kind >= 6 && kind - 6 == k) value = static_cast<std::uint8_t>(value ^ (1U << (x % 8)));
        if (kind == 5) value = static_cast<std::uint8_t>(byte(random));
        p.bytes[static_cast<std::size_t>(y * p.stride + x * p.bpp + k)] = value;
      }
    }
  }
  return p;
}

struct Recorder final : CutRectSink {
  void add(const CutRect& rect) override { rects.push_back(rect); }
  std::vector<CutRect> rects;
};

// A few hundred seeded pictures are enough here: the fuzzer explores the
// rest against the same oracle.
TEST(ComputeCutRectsProperty, EqualsThePlainCut) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 400; ++round) {
    // The key: white, or a reference corner with any PixelID values.
    const bool white = round % 2 == 0;
    std::vector<std::uint8_t> near(4);
    for (std::uint8_t& b : near) b = white ? 255 : static_cast<std::uint8_t>(random() & 0xFF);
    const Picture p = RandomPicture(random, near);
    const std::uint8_t idx = static_cast<std::uint8_t>(random() % 3 == 0 ? 0 : random() % 256);
    const std::uint8_t idy = static_cast<std::uint8_t>(random() % 3 == 0 ? 0 : random() % 256);
    const PictureOrigin origin{static_cast<std::int32_t>(random() % 41) - 20,
                               static_cast<std::int32_t>(random() % 41) - 20};

    PixelGrid grid{p.width, p.height, p.stride, static_cast<std::uint8_t>(p.bpp), p.bytes};
    const KeyColour keyColour = white ? WhiteKey(grid.bytesPerPixel) : ReferenceKey(grid, idx, idy).value();

    for (ScanKind scan : {ScanKind::Full, ScanKind::Peripheral}) {
      SCOPED_TRACE(::testing::Message() << "round " << round << " bpp " << p.bpp << " " << p.width << "x"
                                        << p.height << " stride " << p.stride
                                        << (scan == ScanKind::Full ? " full" : " peripheral"));
      Result<std::vector<CutRect>> result = ComputeCutRects(grid, keyColour, scan, origin);
      ASSERT_TRUE(result.ok());
      ASSERT_EQ(result.value(), oracle::PlainCut(grid, keyColour, scan, origin));
      // Handed on one by one, the rectangles are the same and in the same order.
      Recorder recorder;
      ASSERT_FALSE(ScanCutRects(grid, keyColour, scan, origin, recorder));
      ASSERT_EQ(recorder.rects, result.value());
    }
  }
}

}  // namespace
}  // namespace kovrena::shaping
