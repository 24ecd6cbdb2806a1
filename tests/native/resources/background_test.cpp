// The main window's outline is cut from this picture by the colour of its
// top-left pixel, scanning each row from both ends; so the picture's
// geometry is the window's shape, checked here pixel by pixel.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/ana_form_design.h"
#include "panel_outline.h"
#include "resource_files.h"

namespace kovrena::resources_test {
namespace {

constexpr Rgb kSurround{255, 0, 128};
constexpr Rgb kYellow{255, 255, 38};
constexpr int kWidth = 444, kHeight = 339;
using resources::kPanelBottom;
using resources::kPanelTop;

const Bitmap& zemin() {
  static const Bitmap b = parseBitmap(readGenerated("zemin.bmp"));
  return b;
}

// First and last panel column of a panel row, as the generator describes
// the panel with its corners.
std::pair<int, int> expectedSpan(int y) {
  const resources::PanelRow& row = resources::kPanelRows[y - kPanelTop];
  return {row.first, row.last};
}

// A palette picture whose entries are the drawn colours themselves: the
// pixels read below are exactly what the loader gets.
TEST(Background, IsTheStatedSizeAsAPalettePicture) {
  EXPECT_EQ(zemin().width, kWidth);
  EXPECT_EQ(zemin().height, kHeight);
  EXPECT_EQ(zemin().bitCount, 8);
}

TEST(Background, SurroundFillsTheOuterRowsColumnsAndCorners) {
  const Bitmap& b = zemin();
  for (int y : {0, 1, 2, 336, 337, 338})
    for (int x = 0; x < kWidth; ++x) ASSERT_EQ(b.at(x, y), kSurround) << x << "," << y;
  for (int x : {0, 1, 2, 441, 442, 443})
    for (int y = 0; y < kHeight; ++y) ASSERT_EQ(b.at(x, y), kSurround) << x << "," << y;
  EXPECT_EQ(b.at(0, 0), kSurround);  // the reference pixel of the cut
}

TEST(Background, EveryRowKeepsThePanelBetweenTheExpectedColumns) {
  const Bitmap& b = zemin();
  for (int y = kPanelTop; y <= kPanelBottom; ++y) {
    int first = 0;
    while (first < kWidth && b.at(first, y) == kSurround) ++first;
    int last = kWidth - 1;
    while (last >= 0 && b.at(last, y) == kSurround) --last;
    const auto [wantFirst, wantLast] = expectedSpan(y);
    EXPECT_EQ(first, wantFirst) << "row " << y;
    EXPECT_EQ(last, wantLast) << "row " << y;
  }
}

TEST(Background, NoSurroundColourInsideThePanel) {
  const Bitmap& b = zemin();
  for (int y = kPanelTop; y <= kPanelBottom; ++y) {
    const auto [first, last] = expectedSpan(y);
    for (int x = first; x <= last; ++x) ASSERT_NE(b.at(x, y), kSurround) << x << "," << y;
  }
}

// At 16 bits per pixel the cut compares reduced colours: a panel colour that
// falls together with the surround would cut a hole into the window.
TEST(Background, PanelColoursStayApartFromTheSurroundAtSixteenBits) {
  struct Format { const char* name; int r, g, b; };
  constexpr Format kFormats[] = {{"5-6-5", 5, 6, 5}, {"5-5-5", 5, 5, 5}};
  const Bitmap& b = zemin();
  for (const Format& f : kFormats) {
    auto reduce = [&](Rgb c) {
      return std::array<int, 3>{c.r >> (8 - f.r), c.g >> (8 - f.g), c.b >> (8 - f.b)};
    };
    const auto surround = reduce(kSurround);
    for (int y = kPanelTop; y <= kPanelBottom; ++y) {
      const auto [first, last] = expectedSpan(y);
      for (int x = first; x <= last; ++x)
        ASSERT_NE(reduce(b.at(x, y)), surround) << f.name << " " << x << "," << y;
    }
  }
}

// The controls on the panel paint their backgrounds in the panel yellow or
// show the picture through; under each of them the picture must be that
// yellow too.
TEST(Background, PanelIsPlainYellowUnderTheControls) {
  const Bitmap& b = zemin();
  for (const app::ControlDesign& c : app::kAnaFormControls)
    for (int y = c.rect.top; y < c.rect.top + c.rect.height; ++y)
      for (int x = c.rect.left; x < c.rect.left + c.rect.width; ++x)
        EXPECT_EQ(b.at(x, y), kYellow) << static_cast<int>(c.id) << " " << x << "," << y;
}

}  // namespace
}  // namespace kovrena::resources_test
