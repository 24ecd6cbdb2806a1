#pragma once
// Readers for the generated picture files, just enough to check them: BMP
// (24 bits per pixel, or a palette of 8-bit indices, plain or run-length
// encoded), and the icon and cursor directories with their images' headers
// and masks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kovrena::resources_test {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

std::vector<std::uint8_t> readFile(const std::string& path);
// A file of the generated resources folder.
std::vector<std::uint8_t> readGenerated(const std::string& name);

inline constexpr std::uint32_t kBiRgb = 0, kBiRle8 = 1;

struct Bitmap {
  int width = 0;
  int height = 0;  // rows; only bottom-up pictures are read
  int bitCount = 0;
  std::uint32_t compression = 0;
  std::vector<Rgb> palette;  // 8-bit pictures: the colour table
  std::size_t dibSize = 0;   // what the resource holds: the file without its 14-byte header
  std::vector<Rgb> pixels;   // top-down
  Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};
// A BMP file: the DIB after the 14-byte file header, whose pixel offset must
// point right behind the colour table, where a resource's DIB has them.
Bitmap parseBitmap(const std::vector<std::uint8_t>& file);
// A DIB as a bitmap resource holds it. Reads 24-bit pictures without
// compression and 8-bit ones, plain or BI_RLE8. Run-length data is read as
// strictly as the strictest loader: every row filled to its last pixel and
// closed by an end-of-line, the last by the end-of-bitmap, no position
// jumps, absolute runs padded to a word, indices inside the colour table,
// the stated image size exact. Throws std::runtime_error otherwise.
Bitmap parseDib(const std::uint8_t* dib, std::size_t size);

struct DirectoryImage {
  int width = 0, height = 0;        // from the directory entry
  int field1 = 0, field2 = 0;       // planes and bit count; a cursor's hot spot
  std::uint32_t bytes = 0, offset = 0;
  // From the image's own BITMAPINFOHEADER:
  int headerWidth = 0, headerHeight = 0, bitCount = 0;
  std::uint32_t coloursUsed = 0;
  std::vector<Rgb> palette;
  std::vector<int> colour;  // palette index per pixel, top-down
  std::vector<bool> clear;  // AND mask bit per pixel, top-down
  bool clearAt(int x, int y) const { return clear[static_cast<std::size_t>(y * width + x)]; }
  Rgb colourAt(int x, int y) const {
    return palette.at(static_cast<std::size_t>(colour[static_cast<std::size_t>(y * width + x)]));
  }
};
struct IconDirectory {
  int type = 0;  // 1 icon, 2 cursor
  std::vector<DirectoryImage> images;
};
IconDirectory parseIconDirectory(const std::vector<std::uint8_t>& file);

double meanLuminance(const Bitmap& bitmap);

}  // namespace kovrena::resources_test
