#include "shaping/win32/read_pixel_grid.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/win32/scoped.h"

namespace kovrena::shaping {
namespace {

using kovrena::win32::UniqueBitmap;

// Device-dependent bitmaps keep rows padded to two bytes.
int WordAlignedStride(int width, int bits) { return (width * bits + 15) / 16 * 2; }

TEST(ReadPixelGrid, EverySupportedDepthWithItsRowPadding) {
  const struct {
    int bits;
    std::uint8_t bytesPerPixel;
  } depths[] = {{8, 1}, {16, 2}, {24, 3}, {32, 4}};
  for (const auto& depth : depths) {
    for (int width : {1, 3, 5, 8}) {
      SCOPED_TRACE(::testing::Message() << depth.bits << " bits, width " << width);
      const int height = 3;
      const int stride = WordAlignedStride(width, depth.bits);
      std::vector<std::uint8_t> bits(static_cast<std::size_t>(stride * height));
      for (std::size_t i = 0; i < bits.size(); ++i) bits[i] = static_cast<std::uint8_t>(i * 29 + 3);
      UniqueBitmap bitmap(CreateBitmap(width, height, 1, static_cast<UINT>(depth.bits), bits.data()));
      ASSERT_TRUE(bitmap);
      const auto grid = win32::ReadPixelGrid(bitmap.get());
      ASSERT_TRUE(grid.has_value());
      EXPECT_EQ(grid->width, width);
      EXPECT_EQ(grid->height, height);
      EXPECT_EQ(grid->stride, stride);
      EXPECT_EQ(grid->bytesPerPixel, depth.bytesPerPixel);
      ASSERT_EQ(grid->bytes.size(), bits.size());
      // Every pixel byte as written, top row first (padding is the system's).
      for (int y = 0; y < height; ++y) {
        for (int i = 0; i < width * depth.bytesPerPixel; ++i) {
          const std::size_t at = static_cast<std::size_t>(y * stride + i);
          EXPECT_EQ(grid->bytes[at], bits[at]) << "row " << y << " byte " << i;
        }
      }
    }
  }
}

TEST(ReadPixelGrid, UnsupportedOrUnreadable) {
  const std::vector<std::uint8_t> bits(64, 0xC3);
  HBITMAP deleted = CreateBitmap(4, 4, 1, 32, nullptr);
  DeleteObject(deleted);
  UniqueBitmap one(CreateBitmap(8, 8, 1, 1, bits.data()));
  UniqueBitmap four(CreateBitmap(8, 8, 1, 4, bits.data()));
  const struct {
    const char* name;
    HBITMAP bitmap;
  } cases[] = {{"1 bit", one.get()}, {"4 bits", four.get()}, {"deleted", deleted}, {"null", nullptr}};
  for (const auto& c : cases) EXPECT_FALSE(win32::ReadPixelGrid(c.bitmap).has_value()) << c.name;
}

TEST(ReadPixelGrid, BitsThatCannotAllBeCopied) {
  // An 8-bit DIB section of odd width describes its rows four-byte aligned,
  // while its bits come out in two-byte aligned rows: fewer bytes than the
  // description promises. Taking the shortfall for pixels would shape a
  // window from rows that are not there.
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = 5;
  info.header.biHeight = -3;
  info.header.biPlanes = 1;
  info.header.biBitCount = 8;
  info.header.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap dib(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
  ASSERT_TRUE(dib);
  BITMAP description{};
  GetObjectW(dib.get(), sizeof description, &description);
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(description.bmWidthBytes * description.bmHeight));
  const LONG copied = GetBitmapBits(dib.get(), static_cast<LONG>(buffer.size()), buffer.data());
  if (copied == static_cast<LONG>(buffer.size())) GTEST_SKIP() << "this system copies the whole description";
  EXPECT_FALSE(win32::ReadPixelGrid(dib.get()).has_value());
}

}  // namespace
}  // namespace kovrena::shaping
