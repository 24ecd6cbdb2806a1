// Random small pictures at every pixel size, with padded rows, checked
// against a per-pixel oracle that knows nothing of runs or words.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "shaping/cut_rects.h"

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

bool OracleMatch(const Picture& p, const std::vector<std::uint8_t>& key, int x, int y) {
  const int compared = p.bpp == 4 ? 3 : p.bpp;
  for (int k = 0; k < compared; ++k) {
    if (p.bytes[static_cast<std::size_t>(y * p.stride + x * p.bpp + k)] != key[static_cast<std::size_t>(k)]) {
      return false;
    }
  }
  return true;
}

// Pixel (x, y) is visible when it lies in rows 0..h-2 and columns 0..w-2 and,
// full: does not match; peripheral: lies between the row's first and last
// non-matching pixels.
bool OracleVisible(const Picture& p, const std::vector<std::uint8_t>& key, ScanKind scan, int x, int y) {
  if (y > p.height - 2 || x > p.width - 2) return false;
  if (scan == ScanKind::Full) return !OracleMatch(p, key, x, y);
  int first = -1;
  int last = -1;
  for (int i = 0; i < p.width; ++i) {
    if (!OracleMatch(p, key, i, y)) {
      if (first < 0) first = i;
      last = i;
    }
  }
  return first >= 0 && x >= first && x <= last;
}

int NonMatchingRuns(const Picture& p, const std::vector<std::uint8_t>& key, int y) {
  int runs = 0;
  for (int x = 0; x < p.width; ++x) {
    if (!OracleMatch(p, key, x, y) && (x == 0 || OracleMatch(p, key, x - 1, y))) ++runs;
  }
  return runs;
}

TEST(ComputeCutRectsProperty, UnionEqualsPerPixelOracle) {
  std::mt19937 random(20240611);
  int checked = 0;
  for (int round = 0; round < 6000; ++round) {
    // The key: white, or a reference corner with any PixelID values.
    const bool white = round % 2 == 0;
    std::vector<std::uint8_t> near(4);
    for (std::uint8_t& b : near) b = white ? 255 : static_cast<std::uint8_t>(random() & 0xFF);
    const Picture p = RandomPicture(random, near);
    const std::uint8_t idx = static_cast<std::uint8_t>(random() % 3 == 0 ? 0 : random() % 256);
    const std::uint8_t idy = static_cast<std::uint8_t>(random() % 3 == 0 ? 0 : random() % 256);
    std::vector<std::uint8_t> key(3, 255);
    if (!white) {
      const int rx = idx != 0 ? p.width - 1 : 0;
      const int ry = idy != 0 ? p.height - 1 : 0;
      for (int k = 0; k < 3 && k < p.bpp; ++k) {
        key[static_cast<std::size_t>(k)] = p.bytes[static_cast<std::size_t>(ry * p.stride + rx * p.bpp + k)];
      }
    }
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
      const std::vector<CutRect>& rects = result.value();
      // Handed on one by one, the rectangles are the same and in the same order.
      Recorder recorder;
      ASSERT_FALSE(ScanCutRects(grid, keyColour, scan, origin, recorder));
      ASSERT_EQ(recorder.rects, rects);

      std::set<std::pair<int, int>> covered;
      std::vector<int> perRow(static_cast<std::size_t>(p.height), 0);
      const CutRect* previous = nullptr;
      for (const CutRect& r : rects) {
        ASSERT_EQ(r.bottom, r.top + 1);
        ASSERT_LE(r.left, r.right);
        const int y = r.top - origin.y0;
        ASSERT_GE(y, 0);
        ASSERT_LE(y, p.height - 2);
        ASSERT_LE(r.right - origin.x0, p.width - 1);
        if (previous != nullptr) {
          // Row order, then left to right without overlap.
          ASSERT_TRUE(previous->top < r.top || (previous->top == r.top && previous->right < r.left));
        }
        previous = &r;
        ++perRow[static_cast<std::size_t>(y)];
        for (int x = r.left; x < r.right; ++x) covered.insert({x - origin.x0, y});
      }
      for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
          ASSERT_EQ(covered.count({x, y}) == 1, OracleVisible(p, key, scan, x, y)) << "pixel " << x << "," << y;
        }
      }
      for (int y = 0; y + 1 < p.height; ++y) {
        const int runs = NonMatchingRuns(p, key, y);
        const int expected = scan == ScanKind::Full ? runs : (runs > 0 ? 1 : 0);
        ASSERT_EQ(perRow[static_cast<std::size_t>(y)], expected) << "row " << y;
      }
      ++checked;
    }
  }
  EXPECT_EQ(checked, 12000);
}

}  // namespace
}  // namespace kovrena::shaping
