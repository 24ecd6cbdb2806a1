#include "shaping/win32/picture_control.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "shaping/win32/read_pixel_grid.h"
#include "windows_for_tests.h"

namespace kovrena::shaping {
namespace {

using kovrena::win32::UniqueBitmap;
using testing::BitmapFromDesign;
using testing::GridFromDesign;
using testing::TestWindow;
using win32::PictureControl;

bool Alive(HBITMAP bitmap) { return GetObjectType(bitmap) == OBJ_BITMAP; }

const std::vector<std::string> kDesign = {"WWYYYYWW", "WYYMMYYW", "YYYYYYYY", "WYYYYYYC"};

TEST(PictureControl, DeletesExactlyTheBitmapsItWasGiven) {
  TestWindow window(WS_OVERLAPPEDWINDOW);
  UniqueBitmap foreign = BitmapFromDesign(kDesign);
  UniqueBitmap first = BitmapFromDesign(kDesign);
  UniqueBitmap second = BitmapFromDesign(kDesign);
  const HBITMAP foreignHandle = foreign.get();
  const HBITMAP firstHandle = first.get();
  const HBITMAP secondHandle = second.get();
  // Someone else's picture first, set straight on the control.
  SendMessageW(window.picture(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(foreignHandle));
  {
    PictureControl picture(window.picture());
    EXPECT_EQ(picture.image(), foreignHandle);
    ASSERT_TRUE(picture.show(std::move(first)));
    EXPECT_EQ(picture.image(), firstHandle);
    EXPECT_TRUE(Alive(foreignHandle)) << "not ours to delete";
    ASSERT_TRUE(picture.show(std::move(second)));
    EXPECT_EQ(picture.image(), secondHandle);
    EXPECT_FALSE(Alive(firstHandle)) << "ours, and replaced";
    EXPECT_TRUE(Alive(secondHandle));
  }
  // Gone with its owner, and no longer shown by a control that outlives it.
  EXPECT_FALSE(Alive(secondHandle));
  EXPECT_EQ(SendMessageW(window.picture(), STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
  EXPECT_TRUE(Alive(foreignHandle));
}

TEST(PictureControl, ControlThatTakesNoBitmap) {
  TestWindow window(WS_OVERLAPPEDWINDOW, 0, 0, SS_LEFT);
  PictureControl picture(window.picture());
  UniqueBitmap bitmap = BitmapFromDesign(kDesign);
  const HBITMAP handle = bitmap.get();
  EXPECT_FALSE(picture.show(std::move(bitmap)));
  EXPECT_FALSE(Alive(handle)) << "refused, so deleted rather than leaked";
}

TEST(ShowSnapshot, ControlShowsAFrozenCopyAtTheDisplayDepth) {
  TestWindow window(WS_OVERLAPPEDWINDOW);
  PictureControl picture(window.picture());
  UniqueBitmap original = BitmapFromDesign(kDesign);
  const HBITMAP originalHandle = original.get();
  ASSERT_TRUE(picture.show(std::move(original)));
  ASSERT_TRUE(win32::ShowSnapshot(picture));

  const HBITMAP snapshot = picture.image();
  EXPECT_NE(snapshot, originalHandle);
  EXPECT_FALSE(Alive(originalHandle)) << "the control's earlier picture was ours";
  DIBSECTION dib{};
  EXPECT_EQ(GetObjectW(snapshot, sizeof dib, &dib), static_cast<int>(sizeof(BITMAP))) << "a DDB, not a DIB section";

  const kovrena::win32::WindowDC screen(nullptr);
  const auto grid = win32::ReadPixelGrid(snapshot);
  ASSERT_TRUE(grid.has_value());
  EXPECT_EQ(grid->bytesPerPixel * 8, GetDeviceCaps(screen.get(), BITSPIXEL));
  ASSERT_EQ(grid->width, 8);
  ASSERT_EQ(grid->height, 4);
  // Same colours, pixel for pixel (the display here is true colour).
  const PixelGrid design = GridFromDesign(kDesign);
  ASSERT_EQ(grid->bytesPerPixel, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 8; ++x) {
      for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(grid->bytes[static_cast<std::size_t>(y * grid->stride + x * 4 + k)],
                  design.bytes[static_cast<std::size_t>(y * design.stride + x * 4 + k)])
            << x << "," << y << " byte " << k;
      }
    }
  }
  // A second snapshot replaces (and deletes) the first.
  ASSERT_TRUE(win32::ShowSnapshot(picture));
  EXPECT_FALSE(Alive(snapshot));
}

TEST(ShowSnapshot, NothingToFreeze) {
  // A control without a client area (zero size), and one that is gone.
  TestWindow window(WS_OVERLAPPEDWINDOW);
  SetWindowPos(window.picture(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER);
  PictureControl empty(window.picture());
  EXPECT_FALSE(win32::ShowSnapshot(empty));
  DestroyWindow(window.picture());
  EXPECT_FALSE(win32::ShowSnapshot(empty));
}

}  // namespace
}  // namespace kovrena::shaping
