#include "shaping/win32/region.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "windows_for_tests.h"

namespace kovrena::shaping {
namespace {

using kovrena::win32::UniqueRegion;
using testing::TestWindow;

TEST(ApplyCutRects, KindOfRegionTheWindowGets) {
  const struct {
    const char* name;
    std::vector<CutRect> rects;
    int kind;  // what GetWindowRgn reports afterwards
    RECT box;  // its bounding box
  } cases[] = {
      {"no rectangles: no region at all", {}, ERROR, {0, 0, 0, 0}},
      {"zero-width only: an empty region", {{5, 0, 5, 1}, {9, 3, 9, 4}}, NULLREGION, {0, 0, 0, 0}},
      {"one rectangle", {{2, 3, 10, 4}}, SIMPLEREGION, {2, 3, 10, 4}},
      {"rows that join into one rectangle", {{2, 3, 10, 4}, {2, 4, 10, 5}}, SIMPLEREGION, {2, 3, 10, 5}},
      {"two runs of a row", {{1, 0, 3, 1}, {4, 0, 5, 1}}, COMPLEXREGION, {1, 0, 5, 1}},
      {"zero-width beside a real one", {{1, 0, 3, 1}, {7, 0, 7, 1}}, SIMPLEREGION, {1, 0, 3, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow window(WS_OVERLAPPEDWINDOW);
    UniqueRegion earlier(CreateEllipticRgn(0, 0, 50, 50));
    ASSERT_TRUE(SetWindowRgn(window.window(), earlier.release(), FALSE));
    ASSERT_TRUE(win32::ApplyCutRects(window.window(), c.rects));
    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(window.window(), region.get()), c.kind);
    if (c.kind != ERROR) {
      RECT box{};
      GetRgnBox(region.get(), &box);
      EXPECT_TRUE(EqualRect(&box, &c.box)) << box.left << "," << box.top << "," << box.right << "," << box.bottom;
    }
  }
}

TEST(ApplyCutRects, WindowThatIsGone) {
  TestWindow window(WS_OVERLAPPEDWINDOW);
  const HWND gone = window.window();
  DestroyWindow(gone);
  EXPECT_FALSE(win32::ApplyCutRects(gone, {{0, 0, 4, 1}}));
  EXPECT_FALSE(win32::SetWindowRegion(gone, UniqueRegion{}));
}

TEST(ApplyCutRects, SetsAMainWindowSizedRegionWhole) {
  // The main window's panel with rounded corners: one rectangle per panel
  // row (333) as the peripheral scan gives it. What it costs is measured by
  // the start-up measurement, not here.
  std::vector<CutRect> rects;
  for (int y = 0; y < 333; ++y) {
    const int fromEdge = std::min(y, 332 - y);
    const int inset = fromEdge < 12 ? 12 - fromEdge : 0;
    rects.push_back({3 + inset, 3 + y, 3 + 437 - inset, 4 + y});
  }
  TestWindow window(WS_OVERLAPPEDWINDOW, -3, -3, SS_BITMAP, true);
  ASSERT_TRUE(win32::ApplyCutRects(window.window(), rects));
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window.window(), region.get()), COMPLEXREGION);
  RECT box{};
  GetRgnBox(region.get(), &box);
  const RECT expected{3, 3, 440, 336};
  EXPECT_TRUE(EqualRect(&box, &expected)) << box.left << "," << box.top << "," << box.right << "," << box.bottom;
}

}  // namespace
}  // namespace kovrena::shaping
