#include "shaping/cut_rects.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "grid_maker.h"

namespace kovrena::shaping {
namespace {

using testing::GridFromText;

std::vector<CutRect> Cut(const PixelGrid& grid, const KeyColour& key, ScanKind scan, PictureOrigin origin = {}) {
  Result<std::vector<CutRect>> rects = ComputeCutRects(grid, key, scan, origin);
  EXPECT_TRUE(rects.ok()) << (rects.ok() ? "" : rects.error().description);
  return rects.ok() ? rects.value() : std::vector<CutRect>{};
}

// [left, right) of each rectangle of row 0.
using Spans = std::vector<std::pair<std::int32_t, std::int32_t>>;

Spans SpansOf(const std::vector<CutRect>& rects) {
  Spans spans;
  for (const CutRect& r : rects) {
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.bottom, 1);
    spans.emplace_back(r.left, r.right);
  }
  return spans;
}

struct RowCase {
  std::string row;
  Spans full;
  Spans peripheral;
};

// One scanned row over a bottom row that is never scanned; the same letters
// give the same cut at every pixel size, padded stride or not.
TEST(ComputeCutRects, OneRowAtEveryDepth) {
  const RowCase cases[] = {
      {"KKAKBK", {{2, 3}, {4, 5}}, {{2, 5}}},
      {"AKKKKB", {{0, 1}, {5, 5}}, {{0, 5}}},  // B in the last column is lost
      {"KKKKKK", {}, {}},                      // a key row is cut whole
      {"AKKKKK", {{0, 1}}, {{0, 1}}},          // only the first pixel kept
      {"KKKKKA", {{5, 5}}, {{5, 5}}},          // only the last: zero width
      {"AAAAAA", {{0, 5}}, {{0, 5}}},
      {"KAKAKA", {{1, 2}, {3, 4}, {5, 5}}, {{1, 5}}},
      {"A", {{0, 0}}, {{0, 0}}},
      {"K", {}, {}},
      {"KKKKKKKKKKKKAAAAAAAAAAAAAAAAAAAAAKAAAAAAKKKKKKKKKKKKKK",
       {{12, 33}, {34, 40}},
       {{12, 40}}},
      // Runs longer than a word, ending at or just before the last column.
      {std::string(65, 'A') + "K", {{0, 65}}, {{0, 65}}},
      {std::string(65, 'K') + "A", {{65, 65}}, {{65, 65}}},
      {"B" + std::string(65, 'K'), {{0, 1}}, {{0, 1}}},
      {std::string(66, 'A'), {{0, 65}}, {{0, 65}}},
  };
  for (const RowCase& c : cases) {
    const std::string& row = c.row;
    for (int bpp = 1; bpp <= 4; ++bpp) {
      for (int padding : {0, 1, 3}) {
        SCOPED_TRACE(row + " bpp " + std::to_string(bpp) + " padding " + std::to_string(padding));
        const PixelGrid grid = GridFromText({row, std::string(row.size(), 'A')}, bpp, padding);
        const KeyColour white = WhiteKey(grid.bytesPerPixel);
        EXPECT_EQ(SpansOf(Cut(grid, white, ScanKind::Full)), c.full);
        EXPECT_EQ(SpansOf(Cut(grid, white, ScanKind::Peripheral)), c.peripheral);
      }
    }
  }
}

TEST(ComputeCutRects, InnerKeyAreaStaysOnlyInPeripheralScan) {
  const PixelGrid grid = GridFromText({"KKKKKKKK",
                                       "KAAAAAAK",
                                       "KAKKKKAK",
                                       "KAAKKAAK",
                                       "KKAAAAKK",
                                       "AAAAAAAA"},  // bottom row: never part of the region
                                      1);
  const KeyColour white = WhiteKey(1);
  const std::vector<CutRect> full = {{1, 1, 7, 2}, {1, 2, 2, 3}, {6, 2, 7, 3}, {1, 3, 3, 4},
                                     {5, 3, 7, 4}, {2, 4, 6, 5}};
  const std::vector<CutRect> peripheral = {{1, 1, 7, 2}, {1, 2, 7, 3}, {1, 3, 7, 4}, {2, 4, 6, 5}};
  EXPECT_EQ(Cut(grid, white, ScanKind::Full), full);
  EXPECT_EQ(Cut(grid, white, ScanKind::Peripheral), peripheral);
}

TEST(ComputeCutRects, OriginMovesEveryEdge) {
  const PixelGrid grid = GridFromText({"KAAK", "AAAA", "AAAA"}, 1);
  const KeyColour white = WhiteKey(1);
  struct Case {
    PictureOrigin origin;
    std::vector<CutRect> expected;
  };
  const Case cases[] = {
      {{0, 0}, {{1, 0, 3, 1}, {0, 1, 3, 2}}},
      {{4, 27}, {{5, 27, 7, 28}, {4, 28, 7, 29}}},
      {{-3, -3}, {{-2, -3, 0, -2}, {-3, -2, 0, -1}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Cut(grid, white, ScanKind::Full, c.origin), c.expected);
  }
}

TEST(ComputeCutRects, PictureOfOneRowGivesNoRectangles) {
  for (int bpp = 1; bpp <= 4; ++bpp) {
    const PixelGrid grid = GridFromText({"AAKAA"}, bpp, 1);
    for (ScanKind scan : {ScanKind::Full, ScanKind::Peripheral}) {
      EXPECT_TRUE(Cut(grid, WhiteKey(grid.bytesPerPixel), scan).empty());
      EXPECT_TRUE(Cut(grid, ReferenceKey(grid, 0, 0).value(), scan).empty());
    }
  }
}

// Pixels given as raw bytes, each row over an unscanned bottom row.
struct RawCase {
  const char* name;
  std::uint8_t bytesPerPixel;
  std::vector<std::uint8_t> row;  // one scanned row, width = size / bytesPerPixel
  KeyColour key;
  Spans full;
};

TEST(ComputeCutRects, ComparedBytesOnly) {
  const KeyColour white2 = WhiteKey(2);
  const KeyColour white3 = WhiteKey(3);
  const KeyColour white4 = WhiteKey(4);
  const RawCase cases[] = {
      // 16-bit: white is the value 65535 and nothing else.
      {"16-bit FFFF", 2, {0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x7F, 0xFF, 0x00, 0xFF, 0xFF}, white2,
       {{1, 5}}},
      {"16-bit all but one", 2, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF},
       white2, {{5, 6}}},
      // 24-bit: blue, green and red all count.
      {"24-bit", 3, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF},
       white3, {{1, 4}}},
      // 32-bit: the fourth byte never counts.
      {"32-bit fourth byte",
       4,
       {0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF,
        0xFF, 0x12, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xAB},
       white4,
       {{3, 4}, {5, 6}}},
      {"32-bit coloured key", 4, {10, 20, 30, 0, 10, 20, 30, 99, 10, 20, 31, 0, 10, 20, 30, 255},
       KeyColour{{10, 20, 30}, 3}, {{2, 3}}},
  };
  for (const RawCase& c : cases) {
    SCOPED_TRACE(c.name);
    PixelGrid grid;
    grid.bytesPerPixel = c.bytesPerPixel;
    grid.width = static_cast<std::int32_t>(c.row.size() / c.bytesPerPixel);
    grid.height = 2;
    grid.stride = static_cast<std::int32_t>(c.row.size());
    grid.bytes = c.row;
    grid.bytes.insert(grid.bytes.end(), c.row.size(), 0);
    EXPECT_EQ(SpansOf(Cut(grid, c.key, ScanKind::Full)), c.full);
  }
}

TEST(ComputeCutRects, FourthByteNeverDecidesAMatch) {
  // Two pictures that differ only in the fourth byte of every pixel cut alike.
  PixelGrid plain = GridFromText({"KKAKKAKA", "AKKKAKKK", "KAKAKAKA"}, 4);
  PixelGrid marked = plain;
  for (std::size_t i = 3; i < marked.bytes.size(); i += 4) marked.bytes[i] = static_cast<std::uint8_t>(i * 37);
  for (ScanKind scan : {ScanKind::Full, ScanKind::Peripheral}) {
    EXPECT_EQ(Cut(plain, WhiteKey(4), scan), Cut(marked, WhiteKey(4), scan));
    EXPECT_EQ(Cut(plain, ReferenceKey(plain, 1, 0).value(), scan),
              Cut(marked, ReferenceKey(marked, 1, 0).value(), scan));
  }
}

TEST(ComputeCutRects, ReferenceColourInsideTheShape) {
  // The corner's colour C also lies inside the outline: the full scan makes a
  // hole there, the peripheral scan does not.
  const PixelGrid grid = GridFromText({"CCCCCC", "CAACAC", "CCAAAC", "CCCCCC"}, 3, 2);
  const KeyColour corner = ReferenceKey(grid, 0, 0).value();
  const std::vector<CutRect> full = {{1, 1, 3, 2}, {4, 1, 5, 2}, {2, 2, 5, 3}};
  const std::vector<CutRect> peripheral = {{1, 1, 5, 2}, {2, 2, 5, 3}};
  EXPECT_EQ(Cut(grid, corner, ScanKind::Full), full);
  EXPECT_EQ(Cut(grid, corner, ScanKind::Peripheral), peripheral);
}

TEST(ComputeCutRects, PaddingBytesAreNeverPixels) {
  // Padding equal to the key right after the last pixel must not extend a
  // key run, and padding unlike the key must not cut a run short.
  for (int bpp = 1; bpp <= 4; ++bpp) {
    PixelGrid grid = GridFromText({"AAAKKKKKKKKKK", "KKKKKKKKKKKKA", "AAAAAAAAAAAAA"}, bpp, 5);
    const std::size_t rowBytes = static_cast<std::size_t>(13 * bpp);
    for (std::uint8_t pad : {std::uint8_t{0xFF}, std::uint8_t{0x00}}) {
      for (int y = 0; y < 3; ++y) {
        for (std::size_t i = 0; i < 5; ++i) grid.bytes[static_cast<std::size_t>(y) * (rowBytes + 5) + rowBytes + i] = pad;
      }
      const std::vector<CutRect> expected = {{0, 0, 3, 1}, {12, 1, 12, 2}};
      EXPECT_EQ(Cut(grid, WhiteKey(grid.bytesPerPixel), ScanKind::Peripheral), expected) << bpp;
      EXPECT_EQ(Cut(grid, WhiteKey(grid.bytesPerPixel), ScanKind::Full), expected) << bpp;
    }
  }
}

TEST(ComputeCutRects, RefusesWhatCannotBeCut) {
  const PixelGrid good = GridFromText({"AKA", "AAA"}, 2);
  struct Case {
    const char* name;
    PixelGrid grid;
    KeyColour key;
    PictureOrigin origin;
  };
  auto with = [&](auto change) {
    PixelGrid grid = good;
    change(grid);
    return grid;
  };
  const Case cases[] = {
      {"key of 1 byte for 2-byte pixels", good, WhiteKey(1), {}},
      {"key of no bytes", good, KeyColour{}, {}},
      {"unsupported pixel size", with([](PixelGrid& g) { g.bytesPerPixel = 5; }), WhiteKey(4), {}},
      {"short bytes", with([](PixelGrid& g) { g.bytes.pop_back(); }), WhiteKey(2), {}},
      {"right edge past the coordinate range", good, WhiteKey(2),
       {std::numeric_limits<std::int32_t>::max() - 2, 0}},
      {"bottom edge past the coordinate range", good, WhiteKey(2),
       {0, std::numeric_limits<std::int32_t>::max() - 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (ScanKind scan : {ScanKind::Full, ScanKind::Peripheral}) {
      Result<std::vector<CutRect>> rects = ComputeCutRects(c.grid, c.key, scan, c.origin);
      ASSERT_FALSE(rects.ok());
      EXPECT_EQ(rects.error().number, kErrBadPicture);
    }
  }
  // The last origin that still fits is accepted.
  EXPECT_TRUE(
      ComputeCutRects(good, WhiteKey(2), ScanKind::Full, {std::numeric_limits<std::int32_t>::max() - 3, 0}).ok());
}

}  // namespace
}  // namespace kovrena::shaping
