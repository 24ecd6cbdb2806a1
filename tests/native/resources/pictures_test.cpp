// The named bitmaps: their sizes and formats, the three states of the two
// picture buttons, and the pictures that must blend into the yellow panel.
#include <gtest/gtest.h>

#include <string>

#include "resource_files.h"

namespace kovrena::resources_test {
namespace {

constexpr Rgb kYellow{255, 255, 38};
constexpr Rgb kWhite{255, 255, 255};

// The large pictures are palette bitmaps with run-length encoded rows: as
// 24-bit pictures the three backgrounds alone came to 1.1 MB of the
// program. Each has a ceiling for what its resource may hold, so that a
// redrawn picture cannot quietly blow the executable up again.
TEST(Pictures, SizesFormatsAndResourceCeilings) {
  struct Case { const char* file; int width, height, bitCount; std::uint32_t compression; std::size_t maxDib; };
  constexpr Case kCases[] = {
      {"zemin.bmp", 444, 339, 8, kBiRle8, 6 * 1024},
      {"baslik.bmp", 163, 24, 8, kBiRle8, 4 * 1024},
      {"yardimisareti.bmp", 17, 17, 8, kBiRle8, 1024},
      {"kapat.bmp", 19, 19, 24, kBiRgb, 1180},     {"kapatalt.bmp", 19, 19, 24, kBiRgb, 1180},
      {"kapatust.bmp", 19, 19, 24, kBiRgb, 1180},  {"simge.bmp", 19, 19, 24, kBiRgb, 1180},
      {"simgealt.bmp", 19, 19, 24, kBiRgb, 1180},  {"simgeust.bmp", 19, 19, 24, kBiRgb, 1180},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.file);
    const Bitmap b = parseBitmap(readGenerated(c.file));
    EXPECT_EQ(b.width, c.width);
    EXPECT_EQ(b.height, c.height);
    EXPECT_EQ(b.bitCount, c.bitCount);
    EXPECT_EQ(b.compression, c.compression);
    EXPECT_LE(b.dibSize, c.maxDib);
  }
}

// The resource holds the DIB: header and rows of 57 bytes padded to 60.
TEST(Pictures, ButtonBitmapsAreDibsOf1180Bytes) {
  for (const char* file : {"kapat.bmp", "kapatalt.bmp", "kapatust.bmp", "simge.bmp",
                           "simgealt.bmp", "simgeust.bmp"}) {
    EXPECT_EQ(parseBitmap(readGenerated(file)).dibSize, 1180u) << file;
  }
}

TEST(Pictures, PressedIsDarkerAndHoveredLighterThanNormal) {
  struct Case { const char* normal; const char* pressed; const char* hovered; };
  constexpr Case kCases[] = {{"kapat.bmp", "kapatalt.bmp", "kapatust.bmp"},
                             {"simge.bmp", "simgealt.bmp", "simgeust.bmp"}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.normal);
    const double normal = meanLuminance(parseBitmap(readGenerated(c.normal)));
    const double pressed = meanLuminance(parseBitmap(readGenerated(c.pressed)));
    const double hovered = meanLuminance(parseBitmap(readGenerated(c.hovered)));
    // Clearly visible steps, not rounding noise.
    EXPECT_LT(pressed, normal - 10);
    EXPECT_GT(hovered, normal + 10);
  }
}

// Close: a red face crossed by a white X through the middle. Minimise: a
// blue face with a white bar in its lower part and nothing white above.
TEST(Pictures, ButtonFacesShowTheirSymbol) {
  struct Case { const char* file; bool red; bool whiteCentre; int barFromRow; };
  constexpr Case kCases[] = {
      {"kapat.bmp", true, true, 0},     {"kapatalt.bmp", true, true, 0},
      {"kapatust.bmp", true, true, 0},  {"simge.bmp", false, false, 11},
      {"simgealt.bmp", false, false, 11}, {"simgeust.bmp", false, false, 11},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.file);
    const Bitmap b = parseBitmap(readGenerated(c.file));
    const Rgb face = b.at(3, 3);
    if (c.red) {
      EXPECT_GT(face.r, face.g + 60);
      EXPECT_GT(face.r, face.b + 60);
    } else {
      EXPECT_GT(face.b, face.r + 60);
      EXPECT_GT(face.b, face.g + 40);
    }
    EXPECT_EQ(b.at(9, 9) == kWhite, c.whiteCentre);
    if (c.barFromRow > 0) {
      int whiteAbove = 0, whiteBelow = 0;
      for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 19; ++x)
          if (b.at(x, y) == kWhite) ++(y < c.barFromRow ? whiteAbove : whiteBelow);
      EXPECT_EQ(whiteAbove, 0);
      EXPECT_GE(whiteBelow, 10);
    }
  }
}

// Bitmaps have no transparency: the title and the help mark are drawn on the
// panel yellow, so their edges must be exactly that yellow.
TEST(Pictures, TitleAndHelpMarkEdgesAreThePanelYellow) {
  struct Case { const char* file; bool wholeBorder; };
  constexpr Case kCases[] = {{"baslik.bmp", true}, {"yardimisareti.bmp", false}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.file);
    const Bitmap b = parseBitmap(readGenerated(c.file));
    const int w = b.width, h = b.height;
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
      EXPECT_EQ(b.at(x, y), kYellow) << x << "," << y;
    if (!c.wholeBorder) continue;
    for (int x = 0; x < w; ++x) {
      ASSERT_EQ(b.at(x, 0), kYellow) << x;
      ASSERT_EQ(b.at(x, h - 1), kYellow) << x;
    }
    for (int y = 0; y < h; ++y) {
      ASSERT_EQ(b.at(0, y), kYellow) << y;
      ASSERT_EQ(b.at(w - 1, y), kYellow) << y;
    }
  }
}

TEST(Pictures, TitleHasWhiteLettersAndGreyShading) {
  const Bitmap b = parseBitmap(readGenerated("baslik.bmp"));
  int white = 0, grey = 0;
  for (const Rgb& p : b.pixels) {
    if (p == kWhite) ++white;
    const bool neutral = p.r == p.g && p.g == p.b;
    if (neutral && p.r >= 64 && p.r <= 200) ++grey;
  }
  EXPECT_GE(white, 100);
  EXPECT_GE(grey, 50);
}

TEST(Pictures, HelpMarkIsAWhiteMarkOnABlueDisc) {
  const Bitmap b = parseBitmap(readGenerated("yardimisareti.bmp"));
  int white = 0;
  for (const Rgb& p : b.pixels) white += p == kWhite ? 1 : 0;
  EXPECT_GE(white, 12);
  for (auto [x, y] : {std::pair{2, 8}, {14, 8}, {8, 15}}) {
    const Rgb disc = b.at(x, y);
    EXPECT_GT(disc.b, disc.r + 60) << x << "," << y;
  }
}

}  // namespace
}  // namespace kovrena::resources_test
