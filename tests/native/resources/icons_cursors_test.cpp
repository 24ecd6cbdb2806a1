// The icons and pointing-hand cursors: image sizes, colour depths, masks and
// hot spots.
#include <gtest/gtest.h>

#include <vector>

#include "resource_files.h"

namespace kovrena::resources_test {
namespace {

constexpr std::size_t stride(int width, int bits) {
  return static_cast<std::size_t>((width * bits + 31) / 32 * 4);
}

TEST(Icons, ImageSizesAndDepths) {
  struct Case { const char* file; std::vector<int> sizes; };
  const Case kCases[] = {
      {"kovrena.ico", {16, 32, 48}},
      {"hakkinda_pencere.ico", {32}},
      {"hakkinda_resim.ico", {32}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.file);
    const IconDirectory dir = parseIconDirectory(readGenerated(c.file));
    EXPECT_EQ(dir.type, 1);
    ASSERT_EQ(dir.images.size(), c.sizes.size());
    for (std::size_t i = 0; i < c.sizes.size(); ++i) {
      const DirectoryImage& img = dir.images[i];
      const int s = c.sizes[i];
      SCOPED_TRACE(s);
      EXPECT_EQ(img.width, s);
      EXPECT_EQ(img.height, s);
      EXPECT_EQ(img.headerWidth, s);
      EXPECT_EQ(img.headerHeight, 2 * s);  // colour image and AND mask
      EXPECT_EQ(img.field1, 1);            // planes
      EXPECT_EQ(img.field2, 8);            // 256 colours
      EXPECT_EQ(img.bitCount, 8);
      EXPECT_EQ(img.bytes, 40 + 256 * 4 + (stride(s, 8) + stride(s, 1)) * static_cast<std::size_t>(s));
    }
  }
}

// Under a set mask bit the colour image is XORed onto the screen: it must be
// black there, or the "transparent" pixels would scramble the desktop. And an
// icon shows something: it has both drawn and clear pixels.
TEST(Icons, ClearPixelsAreBlackAndEveryImageHasBoth) {
  for (const char* file : {"kovrena.ico", "hakkinda_pencere.ico", "hakkinda_resim.ico"}) {
    const IconDirectory dir = parseIconDirectory(readGenerated(file));
    for (const DirectoryImage& img : dir.images) {
      SCOPED_TRACE(std::string(file) + " " + std::to_string(img.width));
      int clear = 0, drawn = 0;
      for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
          if (img.clearAt(x, y)) {
            ++clear;
            ASSERT_EQ(img.colourAt(x, y), (Rgb{0, 0, 0})) << x << "," << y;
          } else {
            ++drawn;
          }
        }
      EXPECT_GT(drawn, img.width * img.height / 3);
      EXPECT_GT(clear, 0);
    }
  }
}

// The hot spot is the fingertip: a drawn pixel of the hand in its topmost
// row, nothing of the hand above it.
TEST(Cursors, MonochromeHandsWithTheHotSpotOnTheFingertip) {
  struct Case { const char* file; int hotX, hotY; };
  constexpr Case kCases[] = {{"el_ana.cur", 5, 0}, {"el_baglanti.cur", 7, 1}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.file);
    const IconDirectory dir = parseIconDirectory(readGenerated(c.file));
    EXPECT_EQ(dir.type, 2);
    ASSERT_EQ(dir.images.size(), 1u);
    const DirectoryImage& img = dir.images[0];
    EXPECT_EQ(img.width, 32);
    EXPECT_EQ(img.height, 32);
    EXPECT_EQ(img.headerHeight, 64);
    EXPECT_EQ(img.bitCount, 1);
    EXPECT_EQ(img.field1, c.hotX);
    EXPECT_EQ(img.field2, c.hotY);
    EXPECT_FALSE(img.clearAt(c.hotX, c.hotY));
    for (int y = 0; y < c.hotY; ++y)
      for (int x = 0; x < 32; ++x) EXPECT_TRUE(img.clearAt(x, y)) << x << "," << y;
    int drawn = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) drawn += img.clearAt(x, y) ? 0 : 1;
    EXPECT_GT(drawn, 150);  // a hand, not a dot
  }
}

// Under a clear mask bit a set colour bit inverts the screen; the hands use
// no inverted pixels.
TEST(Cursors, ClearPixelsCarryNoInversion) {
  for (const char* file : {"el_ana.cur", "el_baglanti.cur"}) {
    const DirectoryImage img = parseIconDirectory(readGenerated(file)).images.at(0);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        if (img.clearAt(x, y)) {
          ASSERT_EQ(img.colour[static_cast<std::size_t>(y * 32 + x)], 0) << file << " " << x << "," << y;
        }
  }
}

}  // namespace
}  // namespace kovrena::resources_test
