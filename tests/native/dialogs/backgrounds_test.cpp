// The help and about windows' backgrounds as the program draws them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "dialogs/backgrounds.h"

namespace kovrena::dialogs {
namespace {

struct Rgb {
  int r, g, b;
};

class Drawn {
 public:
  explicit Drawn(const PanelPicture& picture)
      : width_(picture.width), pixels_(static_cast<std::size_t>(picture.width * picture.height) + 1, kUntouched) {
    picture.draw(pixels_.data());
  }
  Rgb at(int x, int y) const {
    const std::uint32_t p = pixels_[static_cast<std::size_t>(y * width_ + x)];
    return {static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF), static_cast<int>(p & 0xFF)};
  }
  // The word after the picture: a picture that draws past its end would
  // overwrite memory of the window's bitmap that is not its own.
  bool stayedInside() const { return pixels_.back() == kUntouched; }

 private:
  static constexpr std::uint32_t kUntouched = 0xA5A5A5A5;
  int width_;
  std::vector<std::uint32_t> pixels_;
};

int luminance(Rgb c) { return (299 * c.r + 587 * c.g + 114 * c.b) / 1000; }

struct Case {
  const char* name;
  const PanelPicture& picture;
  int width, height, rim;
};
const Case kCases[] = {
    {"help", kHelpBackground, 410, 300, 4},
    {"about", kAboutBackground, 378, 281, 5},
};

TEST(PanelPictures, FillTheirWindowsExactly) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.picture.width, c.width);
    EXPECT_EQ(c.picture.height, c.height);
    const Drawn drawn(c.picture);
    EXPECT_TRUE(drawn.stayedInside());
  }
}

// Inside the lighter rims the gradient steps by no more than a few units
// from one pixel to the next: a coarser step shows as a contour line.
TEST(PanelPictures, ChangeSmoothlyInsideTheirRims) {
  constexpr int kMaxStep = 8;
  auto step = [](Rgb a, Rgb b) { return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)}); };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const Drawn drawn(c.picture);
    for (int y = c.rim; y < c.height - c.rim - 1; ++y)
      for (int x = c.rim; x < c.width - c.rim - 1; ++x) {
        ASSERT_LE(step(drawn.at(x, y), drawn.at(x + 1, y)), kMaxStep) << x << "," << y;
        ASSERT_LE(step(drawn.at(x, y), drawn.at(x, y + 1)), kMaxStep) << x << "," << y;
      }
  }
}

// Both panels look lit: each edge is lighter than the panel just inside it.
TEST(PanelPictures, EdgesAreLighterThanJustInside) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const Drawn drawn(c.picture);
    const int midX = c.width / 2, midY = c.height / 2;
    struct Edge { int x, y, inX, inY; };
    const Edge edges[] = {{0, midY, c.rim, midY},
                          {c.width - 1, midY, c.width - 1 - c.rim, midY},
                          {midX, c.height - 1, midX, c.height - 1 - c.rim}};
    for (const Edge& e : edges) {
      EXPECT_GT(luminance(drawn.at(e.x, e.y)), luminance(drawn.at(e.inX, e.inY)) + 20) << e.x << "," << e.y;
    }
  }
}

// The help panel is pink from top to bottom, deeper below; the about panel
// goes from light cyan at the top left to deep blue at the bottom right.
TEST(PanelPictures, CarryTheirColours) {
  const Drawn help(kHelpBackground);
  for (const int y : {20, 150, 280}) {
    const Rgb c = help.at(200, y);
    EXPECT_GT(c.r, c.b + 40) << y;
    EXPECT_GT(c.b, c.g + 40) << y;
  }
  EXPECT_GT(luminance(help.at(200, 20)), luminance(help.at(200, 280)) + 20);

  const Drawn about(kAboutBackground);
  const Rgb light = about.at(8, 8), deep = about.at(370, 273);
  EXPECT_GT(light.g, 200);
  EXPECT_GT(light.b, 230);
  EXPECT_LT(deep.r + deep.g, 80);
  EXPECT_GT(deep.b, 100);
  EXPECT_GT(luminance(light), luminance(deep) + 120);
}

}  // namespace
}  // namespace kovrena::dialogs
