// The run-length reader is the judge of the bytes Kovrena.exe carries, and
// Wine's loader forgives what Windows XP may not: it must turn down every
// stream that leaves a pixel undefined or runs past the picture.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "resource_files.h"

namespace kovrena::resources_test {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A 3 x 2 picture with black and red in its table; `imageSize` of -1 means
// the length of `data`.
std::vector<std::uint8_t> rleDib(std::initializer_list<std::uint8_t> data, long imageSize = -1) {
  std::vector<std::uint8_t> d;
  putU32(d, 40);
  putU32(d, 3);
  putU32(d, 2);
  d.insert(d.end(), {1, 0, 8, 0});
  putU32(d, kBiRle8);
  putU32(d, imageSize < 0 ? static_cast<std::uint32_t>(data.size()) : static_cast<std::uint32_t>(imageSize));
  for (int i = 0; i < 4; ++i) putU32(d, i == 2 ? 2 : 0);  // resolution, resolution, 2 colours, 0
  d.insert(d.end(), {0, 0, 0, 0, 0, 0, 255, 0});
  d.insert(d.end(), data);
  return d;
}

TEST(RunLengthReader, ReadsRowsBottomUp) {
  // Bottom row: three red by one run; top row: black, red, black absolute.
  const std::vector<std::uint8_t> dib = rleDib({3, 1, 0, 0, 0, 3, 0, 1, 0, 0, 0, 1});
  const Bitmap b = parseDib(dib.data(), dib.size());
  const std::vector<Rgb> want = {kBlack, kRed, kBlack, kRed, kRed, kRed};
  EXPECT_EQ(b.pixels, want);
}

TEST(RunLengthReader, TurnsDownStreamsThatLeavePixelsUndefined) {
  struct Case { const char* what; std::vector<std::uint8_t> dib; };
  const Case kCases[] = {
      {"row closed early", rleDib({2, 1, 0, 0, 3, 0, 0, 1})},
      {"run past the row", rleDib({4, 1, 0, 0, 3, 0, 0, 1})},
      {"no end-of-bitmap", rleDib({3, 1, 0, 0, 3, 0})},
      {"end-of-bitmap early", rleDib({3, 1, 0, 1})},
      {"bytes after the end", rleDib({3, 1, 0, 0, 3, 0, 0, 1, 0, 0})},
      {"more rows than the height", rleDib({3, 1, 0, 0, 3, 0, 0, 0, 3, 0, 0, 1})},
      {"position jump", rleDib({0, 2, 0, 1, 3, 0, 0, 1})},
      {"index outside the table", rleDib({3, 2, 0, 0, 3, 0, 0, 1})},
      {"absolute run without its pad", rleDib({3, 1, 0, 0, 0, 3, 0, 1, 0, 0, 1})},
      {"image size not the data's", rleDib({3, 1, 0, 0, 3, 0, 0, 1}, 10)},
  };
  for (const Case& c : kCases) {
    EXPECT_THROW(parseDib(c.dib.data(), c.dib.size()), std::runtime_error) << c.what;
  }
}

}  // namespace
}  // namespace kovrena::resources_test
