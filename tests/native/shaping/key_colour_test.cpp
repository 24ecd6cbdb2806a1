#include "shaping/key_colour.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "grid_maker.h"

namespace kovrena::shaping {
namespace {

using testing::GridFromText;

TEST(WhiteKey, OneValuePerComparedByte) {
  const struct {
    std::uint8_t bytesPerPixel;
    KeyColour key;
  } cases[] = {
      {1, {{255, 0, 0}, 1}}, {2, {{255, 255, 0}, 2}}, {3, {{255, 255, 255}, 3}}, {4, {{255, 255, 255}, 3}},
      {0, {{0, 0, 0}, 0}},   {7, {{0, 0, 0}, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(WhiteKey(c.bytesPerPixel), c.key) << int{c.bytesPerPixel};
}

// A 3 x 2 picture whose four corners differ; the reference pixel is picked
// by PixelIDx/PixelIDy, any non-zero value counting as 1.
TEST(ReferenceKey, CornerChosenByPixelIds) {
  const struct {
    std::uint8_t idx;
    std::uint8_t idy;
    char corner;
  } cases[] = {
      {0, 0, 'P'}, {1, 0, 'Q'}, {0, 1, 'R'}, {1, 1, 'S'}, {2, 0, 'Q'}, {0, 255, 'R'}, {7, 9, 'S'},
  };
  for (int bpp = 1; bpp <= 4; ++bpp) {
    // Odd width: at one byte per pixel each row is padded; the key must come
    // from the last pixel, not from the padding.
    for (int padding : {0, 1, 2}) {
      const PixelGrid grid = GridFromText({"PAQ", "RBS"}, bpp, padding);
      for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "bpp " << bpp << " pad " << padding << " ids " << int{c.idx} << ","
                                          << int{c.idy});
        Result<KeyColour> key = ReferenceKey(grid, c.idx, c.idy);
        ASSERT_TRUE(key.ok());
        const std::uint8_t compared = ComparedBytes(grid.bytesPerPixel);
        KeyColour expected;
        expected.count = compared;
        for (std::uint8_t k = 0; k < compared; ++k) expected.values[k] = static_cast<std::uint8_t>(c.corner);
        EXPECT_EQ(key.value(), expected);
      }
    }
  }
}

TEST(ReferenceKey, FourthByteIsNotPartOfTheKey) {
  PixelGrid grid = GridFromText({"AB", "CD"}, 4);
  grid.bytes[3] = 0x99;
  const KeyColour key = ReferenceKey(grid, 0, 0).value();
  EXPECT_EQ(key, (KeyColour{{'A', 'A', 'A'}, 3}));
}

TEST(Matches, ComparedBytesAndBounds) {
  PixelGrid grid = GridFromText({"KAK", "AKA"}, 4, 1);
  grid.bytes[3] = 0;  // fourth byte of (0, 0)
  const KeyColour white = WhiteKey(4);
  const struct {
    std::int32_t x;
    std::int32_t y;
    KeyColour key;
    bool expected;
  } cases[] = {
      {0, 0, white, true},  {1, 0, white, false}, {2, 0, white, true},       {1, 1, white, true},
      {0, 1, white, false}, {-1, 0, white, false}, {3, 0, white, false},     {0, 2, white, false},
      {0, -1, white, false}, {0, 0, WhiteKey(1), false},                     {1, 0, KeyColour{{'A', 'A', 'A'}, 3}, true},
      {1, 0, KeyColour{{'A', 'A', 'B'}, 3}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Matches(grid, c.key, c.x, c.y), c.expected) << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace kovrena::shaping
