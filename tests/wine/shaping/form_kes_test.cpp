#include "shaping/win32/form_kes.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "shaping/cut_rects.h"
#include "shaping/key_colour.h"
#include "shaping/win32/region.h"
#include "windows_for_tests.h"

namespace kovrena::shaping {
namespace {

using kovrena::win32::UniqueRegion;
using testing::BitmapFromDesign;
using testing::DescribeRegion;
using testing::GridFromDesign;
using testing::PictureOffsetInWindow;
using testing::TestWindow;
using win32::PictureControl;

// Magenta corners and margins, a yellow panel with a white and a magenta
// area inside, a cyan bottom-right pixel; row 5 reaches the right edge.
const std::vector<std::string> kDesign = {
    "MMMMMMMMMMMMMMMM",
    "MMMYYYYYYYYYYMMM",
    "MMYYYYYYYYYYYYMM",
    "MYYYWWYYYYMMYYYM",
    "MYYYWWYYYYMMYYYM",
    "MYYYYYYYYYYYYYYY",
    "MMYYYYYWYYYYYYMM",
    "MMMYYYYYYYYYYMMM",
    "MMMMMMMMMMMMMMMM",
    "MMMMMMMMMMMMMMMC",
};

enum class Method { FullBeyaz, ÇevreselBeyaz, ReferansFull, ReferansÇevresel };

bool Call(Method method, PictureControl& picture, HWND window, std::uint8_t idx, std::uint8_t idy) {
  const clsFormKes kes;
  switch (method) {
    case Method::FullBeyaz: return kes.FullBeyazKes(picture, window);
    case Method::ÇevreselBeyaz: return kes.ÇevreselBeyazKes(picture, window);
    case Method::ReferansFull: return kes.ReferansPixelFullKes(picture, window, idx, idy);
    case Method::ReferansÇevresel: return kes.ReferansPixelÇevreselKes(picture, window, idx, idy);
  }
  return false;
}

// The region the window should get, from the pure scan of the design.
std::vector<CutRect> Expected(const std::vector<std::string>& design, Method method, std::uint8_t idx,
                              std::uint8_t idy, PictureOrigin origin) {
  const PixelGrid grid = GridFromDesign(design);
  const bool white = method == Method::FullBeyaz || method == Method::ÇevreselBeyaz;
  const KeyColour key = white ? WhiteKey(4) : ReferenceKey(grid, idx, idy).value();
  const ScanKind scan =
      method == Method::FullBeyaz || method == Method::ReferansFull ? ScanKind::Full : ScanKind::Peripheral;
  return ComputeCutRects(grid, key, scan, origin).value();
}

UniqueRegion RegionOf(const std::vector<CutRect>& rects) {
  UniqueRegion all(CreateRectRgn(0, 0, 0, 0));
  for (const CutRect& r : rects) {
    UniqueRegion one(CreateRectRgn(r.left, r.top, r.right, r.bottom));
    CombineRgn(all.get(), all.get(), one.get(), RGN_OR);
  }
  return all;
}

UniqueRegion WindowRegion(HWND window, int* kind = nullptr) {
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  const int result = GetWindowRgn(window, region.get());
  if (kind != nullptr) *kind = result;
  return region;
}

TEST(ClsFormKes, EachMethodSetsTheRegionOfItsScan) {
  const struct {
    Method method;
    std::uint8_t idx;
    std::uint8_t idy;
  } methods[] = {
      {Method::FullBeyaz, 0, 0},        {Method::ÇevreselBeyaz, 0, 0},     {Method::ReferansFull, 0, 0},
      {Method::ReferansÇevresel, 0, 0}, {Method::ReferansFull, 1, 1},      {Method::ReferansÇevresel, 1, 0},
      {Method::ReferansFull, 0, 1},     {Method::ReferansÇevresel, 5, 200},
  };
  const DWORD styles[] = {WS_OVERLAPPEDWINDOW, WS_POPUP, WS_CAPTION | WS_SYSMENU, WS_POPUP | WS_THICKFRAME};
  const POINT positions[] = {{-3, -3}, {5, 7}};
  for (const auto& m : methods) {
    for (DWORD style : styles) {
      for (POINT at : positions) {
        SCOPED_TRACE(::testing::Message() << "method " << static_cast<int>(m.method) << " ids " << int{m.idx}
                                          << "," << int{m.idy} << " style " << std::hex << style << std::dec
                                          << " at " << at.x << "," << at.y);
        TestWindow window(style, at.x, at.y);
        PictureControl picture(window.picture());
        ASSERT_TRUE(picture.show(BitmapFromDesign(kDesign)));
        const POINT offset = PictureOffsetInWindow(window.window(), window.picture());

        ASSERT_TRUE(Call(m.method, picture, window.window(), m.idx, m.idy));

        const std::vector<CutRect> expected = Expected(kDesign, m.method, m.idx, m.idy, {offset.x, offset.y});
        ASSERT_FALSE(expected.empty());
        int kind = 0;
        const UniqueRegion actual = WindowRegion(window.window(), &kind);
        ASSERT_NE(kind, ERROR);
        const UniqueRegion wanted = RegionOf(expected);
        EXPECT_TRUE(EqualRgn(actual.get(), wanted.get()))
            << "got " << DescribeRegion(actual.get()) << "\nwanted " << DescribeRegion(wanted.get());
      }
    }
  }
}

TEST(ClsFormKes, MethodsDifferWhereTheDesignSaysSo) {
  // Spot checks on the window itself, picture at (-3, -3): pixel (x, y) of
  // the picture is at offset + (x, y) in the window.
  const struct {
    Method method;
    std::uint8_t idx;
    std::uint8_t idy;
    POINT pixel;
    bool visible;
  } cases[] = {
      {Method::FullBeyaz, 0, 0, {4, 3}, false},         // white hole cut
      {Method::ÇevreselBeyaz, 0, 0, {4, 3}, true},      // kept inside the outline
      {Method::ÇevreselBeyaz, 0, 0, {0, 0}, true},      // magenta is not white
      {Method::ReferansFull, 0, 0, {0, 0}, false},      // magenta corner cut
      {Method::ReferansFull, 0, 0, {10, 3}, false},     // and the magenta hole
      {Method::ReferansÇevresel, 0, 0, {10, 3}, true},  // hole kept
      {Method::ReferansÇevresel, 0, 0, {3, 1}, true},
      {Method::ReferansÇevresel, 0, 0, {2, 1}, false},
      {Method::ReferansÇevresel, 0, 0, {14, 5}, true},   // run to the last column keeps all but it
      {Method::ReferansÇevresel, 0, 0, {15, 5}, false},  // last column never
      {Method::ReferansÇevresel, 0, 0, {5, 9}, false},   // bottom row never
      {Method::ReferansFull, 1, 1, {0, 0}, true},        // cyan key: magenta stays
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "method " << static_cast<int>(c.method) << " pixel " << c.pixel.x << ","
                                      << c.pixel.y);
    TestWindow window(WS_OVERLAPPEDWINDOW);
    PictureControl picture(window.picture());
    ASSERT_TRUE(picture.show(BitmapFromDesign(kDesign)));
    ASSERT_TRUE(Call(c.method, picture, window.window(), c.idx, c.idy));
    const POINT offset = PictureOffsetInWindow(window.window(), window.picture());
    const UniqueRegion region = WindowRegion(window.window());
    EXPECT_EQ(PtInRegion(region.get(), offset.x + c.pixel.x, offset.y + c.pixel.y) != 0, c.visible);
  }
}

TEST(ClsFormKes, NoRectangleRemovesTheRegion) {
  const std::vector<std::vector<std::string>> designs = {
      {"YYYYYYYY"},              // one row: nothing is scanned
      {"WWWWWW", "WWWWWW", "YYYYYY"},  // white rows only (also the reference), bottom row aside
  };
  for (const auto& design : designs) {
    for (Method method : {Method::FullBeyaz, Method::ÇevreselBeyaz, Method::ReferansFull,
                          Method::ReferansÇevresel}) {
      TestWindow window(WS_OVERLAPPEDWINDOW);
      UniqueRegion earlier(CreateEllipticRgn(0, 0, 100, 80));
      ASSERT_TRUE(SetWindowRgn(window.window(), earlier.release(), FALSE));
      PictureControl picture(window.picture());
      ASSERT_TRUE(picture.show(BitmapFromDesign(design)));
      EXPECT_TRUE(Call(method, picture, window.window(), 0, 0));
      int kind = 0;
      WindowRegion(window.window(), &kind);
      EXPECT_EQ(kind, ERROR) << "the window should have no region left";
    }
  }
}

TEST(ClsFormKes, ZeroWidthRectanglesOnlyLeaveAnEmptyRegion) {
  // Only the last column differs from white: one zero-width rectangle per row.
  const std::vector<std::string> design = {"WWWWWY", "WWWWWY", "WWWWWW"};
  for (Method method : {Method::FullBeyaz, Method::ÇevreselBeyaz}) {
    TestWindow window(WS_OVERLAPPEDWINDOW);
    PictureControl picture(window.picture());
    ASSERT_TRUE(picture.show(BitmapFromDesign(design)));
    ASSERT_TRUE(Call(method, picture, window.window(), 0, 0));
    int kind = 0;
    WindowRegion(window.window(), &kind);
    EXPECT_EQ(kind, NULLREGION) << "an empty region, not none";
  }
}

TEST(ClsFormKes, SecondCutReplacesTheFirst) {
  TestWindow window(WS_OVERLAPPEDWINDOW);
  PictureControl picture(window.picture());
  ASSERT_TRUE(picture.show(BitmapFromDesign(kDesign)));
  const clsFormKes kes;
  ASSERT_TRUE(kes.FullBeyazKes(picture, window.window()));
  ASSERT_TRUE(kes.ReferansPixelÇevreselKes(picture, window.window(), 0, 0));
  const POINT offset = PictureOffsetInWindow(window.window(), window.picture());
  const UniqueRegion wanted = RegionOf(Expected(kDesign, Method::ReferansÇevresel, 0, 0, {offset.x, offset.y}));
  const UniqueRegion actual = WindowRegion(window.window());
  EXPECT_TRUE(EqualRgn(actual.get(), wanted.get())) << DescribeRegion(actual.get());
}

TEST(ClsFormKes, UnreadablePictureLeavesTheRegionAsItWas) {
  // Four and one bits per pixel, a deleted bitmap and none at all.
  const std::vector<std::uint8_t> bits(64, 0x5A);
  HBITMAP deleted = CreateBitmap(8, 8, 1, 32, nullptr);
  DeleteObject(deleted);
  kovrena::win32::UniqueBitmap four(CreateBitmap(8, 8, 1, 4, bits.data()));
  kovrena::win32::UniqueBitmap one(CreateBitmap(8, 8, 1, 1, bits.data()));
  const struct {
    const char* name;
    HBITMAP bitmap;
  } cases[] = {{"4 bits per pixel", four.get()}, {"1 bit per pixel", one.get()}, {"deleted", deleted}, {"null", nullptr}};
  TestWindow window(WS_OVERLAPPEDWINDOW);
  UniqueRegion earlier(CreateEllipticRgn(0, 0, 100, 80));
  ASSERT_TRUE(SetWindowRgn(window.window(), earlier.release(), FALSE));
  const UniqueRegion before = WindowRegion(window.window());
  for (const auto& c : cases) {
    for (ScanKind scan : {ScanKind::Full, ScanKind::Peripheral}) {
      for (win32::KeyChoice key : {win32::KeyChoice::White, win32::KeyChoice::ReferencePixel}) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(win32::CutWindowFromBitmap(c.bitmap, window.window(), {0, 0}, {key, scan, 1, 1}));
        const UniqueRegion after = WindowRegion(window.window());
        EXPECT_TRUE(EqualRgn(after.get(), before.get())) << DescribeRegion(after.get());
      }
    }
  }
}

TEST(ClsFormKes, GoneWindowsGiveFalse) {
  const clsFormKes kes;
  {
    // Target destroyed, picture control with it.
    TestWindow window(WS_OVERLAPPEDWINDOW);
    PictureControl picture(window.picture());
    ASSERT_TRUE(picture.show(BitmapFromDesign(kDesign)));
    DestroyWindow(window.window());
    EXPECT_FALSE(kes.FullBeyazKes(picture, window.window()));
    EXPECT_FALSE(kes.ReferansPixelÇevreselKes(picture, window.window(), 0, 0));
  }
  {
    // A living picture control, a target that is gone: no region to set.
    TestWindow window(WS_OVERLAPPEDWINDOW);
    PictureControl picture(window.picture());
    ASSERT_TRUE(picture.show(BitmapFromDesign(kDesign)));
    TestWindow other(WS_OVERLAPPEDWINDOW);
    const HWND gone = other.window();
    DestroyWindow(gone);
    EXPECT_FALSE(kes.ÇevreselBeyazKes(picture, gone));
    int kind = 0;
    WindowRegion(window.window(), &kind);
    EXPECT_EQ(kind, ERROR);
  }
}

TEST(ClsFormKes, PaddedEightBitPictureKeyFromBottomRight) {
  // Odd width at 8 bits per pixel: every row carries a padding byte. The
  // key is the last pixel of the last row, never the padding after it.
  const int width = 5;
  const int height = 4;
  const int stride = 6;
  const std::vector<std::uint8_t> rows = {
      7, 7, 1, 2, 7, 0xEE,  //
      7, 3, 7, 4, 7, 0xEE,  //
      1, 1, 1, 1, 1, 0xEE,  //
      2, 2, 2, 2, 7, 0xEE,
  };
  kovrena::win32::UniqueBitmap bitmap(CreateBitmap(width, height, 1, 8, rows.data()));
  ASSERT_TRUE(bitmap);
  PixelGrid grid{width, height, stride, 1, rows};
  for (ScanKind scan : {ScanKind::Full, ScanKind::Peripheral}) {
    TestWindow window(WS_POPUP);
    ASSERT_TRUE(win32::CutWindowFromBitmap(bitmap.get(), window.window(), {2, 3},
                                           {win32::KeyChoice::ReferencePixel, scan, 1, 1}));
    const UniqueRegion wanted = RegionOf(ComputeCutRects(grid, KeyColour{{7, 0, 0}, 1}, scan, {2, 3}).value());
    const UniqueRegion actual = WindowRegion(window.window());
    EXPECT_TRUE(EqualRgn(actual.get(), wanted.get())) << DescribeRegion(actual.get());
  }
}

}  // namespace
}  // namespace kovrena::shaping

namespace kovrena::shaping {
namespace {

// The main window's own use: a shown framed window, a 444 x 339 yellow panel
// with rounded corners on white at (-3, -3), the top-left pixel as key.
TEST(ClsFormKes, MainWindowCutOnAShownWindow) {
  std::vector<std::string> design(339, std::string(444, 'W'));
  const int radius = 24;
  for (int y = 0; y < 339; ++y) {
    for (int x = 0; x < 444; ++x) {
      const int cx = std::clamp(x, 3 + radius, 440 - radius);
      const int cy = std::clamp(y, 3 + radius, 335 - radius);
      const bool inPanel = x >= 3 && x <= 440 && y >= 3 && y <= 335 &&
                           (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
      if (inPanel) design[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = (x + y) % 97 ? 'Y' : 'W';
    }
  }
  TestWindow window(WS_OVERLAPPEDWINDOW, -3, -3, SS_BITMAP, true);
  PictureControl picture(window.picture());
  ASSERT_TRUE(picture.show(BitmapFromDesign(design)));
  LARGE_INTEGER frequency{};
  LARGE_INTEGER start{};
  LARGE_INTEGER end{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  ASSERT_TRUE(clsFormKes{}.ReferansPixelÇevreselKes(picture, window.window(), 0, 0));
  QueryPerformanceCounter(&end);
  std::printf("[ cut     ] 444 x 339 picture, whole ReferansPixelÇevreselKes: %.3f ms\n",
              static_cast<double>(end.QuadPart - start.QuadPart) * 1e3 / static_cast<double>(frequency.QuadPart));

  const POINT offset = PictureOffsetInWindow(window.window(), window.picture());
  const std::vector<CutRect> expected = Expected(design, Method::ReferansÇevresel, 0, 0, {offset.x, offset.y});
  EXPECT_EQ(expected.size(), 333U);  // rows 3 to 335 of the panel
  const UniqueRegion wanted = RegionOf(expected);
  const UniqueRegion actual = WindowRegion(window.window());
  EXPECT_TRUE(EqualRgn(actual.get(), wanted.get())) << DescribeRegion(actual.get());
  // The frame and title bar are gone: the window's own top-left corner too.
  EXPECT_FALSE(PtInRegion(actual.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(actual.get(), offset.x + 222, offset.y + 170));
}

}  // namespace
}  // namespace kovrena::shaping
