#include "shaping/picture_origin.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace kovrena::shaping {
namespace {

TEST(RoundHalfEven, NearestWithTiesToEven) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const struct {
    float value;
    std::int32_t expected;
  } cases[] = {
      {10.5F, 10}, {11.5F, 12}, {0.5F, 0}, {1.5F, 2}, {2.5F, 2}, {-0.5F, 0}, {-1.5F, -2}, {-2.5F, -2},
      {10.4F, 10}, {10.6F, 11}, {-10.6F, -11}, {7.0F, 7}, {0.0F, 0}, {-3.0F, -3},
      {3e9F, kMax}, {-3e9F, kMin}, {std::numeric_limits<float>::infinity(), kMax},
      {std::numeric_limits<float>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.value;
}

TEST(ComputePictureOrigin, FrameAndCaptionFromWindowSizes) {
  const struct {
    const char* name;
    WindowMeasures window;
    PictureOrigin expected;
  } cases[] = {
      {"borderless", {200, 100, 200, 100, 7, 9}, {7, 9}},
      {"borderless, left 10.5", {200, 100, 200, 100, 10.5F, 11.5F}, {10, 12}},
      {"frame 4, title 23, picture at client origin", {208, 131, 200, 100, 0, 0}, {4, 27}},
      {"frame 4, title 23, picture at (-3, -3)", {208, 131, 200, 100, -3, -3}, {1, 24}},
      {"frame 3, title 19, picture at (-3, -3)", {206, 122, 200, 100, -3, -3}, {0, 16}},
      // An odd frame width gives a half pixel on each side: ties go to even.
      {"frame 3.5", {207, 130, 200, 100, 0, 0}, {4, 26}},
      {"frame 3.5, left 1", {207, 130, 200, 100, 1, 1}, {4, 28}},
      {"frame 2.5", {205, 130, 200, 100, 0, 0}, {2, 28}},
  };
  for (const auto& c : cases) EXPECT_EQ(ComputePictureOrigin(c.window), c.expected) << c.name;
}

}  // namespace
}  // namespace kovrena::shaping
