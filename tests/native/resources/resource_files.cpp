#include "resource_files.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kovrena::resources_test {
namespace {

std::uint32_t u32(const std::vector<std::uint8_t>& d, std::size_t at) {
  if (at + 4 > d.size()) throw std::runtime_error("truncated at " + std::to_string(at));
  return static_cast<std::uint32_t>(d[at]) | static_cast<std::uint32_t>(d[at + 1]) << 8 |
         static_cast<std::uint32_t>(d[at + 2]) << 16 | static_cast<std::uint32_t>(d[at + 3]) << 24;
}
int u16(const std::vector<std::uint8_t>& d, std::size_t at) {
  if (at + 2 > d.size()) throw std::runtime_error("truncated at " + std::to_string(at));
  return d[at] | d[at + 1] << 8;
}
int s32(const std::vector<std::uint8_t>& d, std::size_t at) { return static_cast<std::int32_t>(u32(d, at)); }

std::size_t stride(int width, int bits) { return static_cast<std::size_t>((width * bits + 31) / 32 * 4); }

}  // namespace

std::vector<std::uint8_t> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> readGenerated(const std::string& name) {
  return readFile(std::string(KOVRENA_GENERATED_RESOURCES) + "/" + name);
}

Bitmap parseBitmap(const std::vector<std::uint8_t>& file) {
  if (file.size() < 54 || file[0] != 'B' || file[1] != 'M') throw std::runtime_error("not a BMP");
  Bitmap b;
  const std::size_t dataOffset = u32(file, 10);
  if (u32(file, 14) != 40) throw std::runtime_error("not a BITMAPINFOHEADER");
  b.width = s32(file, 18);
  b.height = s32(file, 22);
  b.bitCount = u16(file, 28);
  b.compression = u32(file, 30);
  b.dibSize = file.size() - 14;
  if (b.bitCount != 24 || b.compression != 0 || b.width <= 0 || b.height == 0)
    throw std::runtime_error("not an uncompressed 24-bit BMP");
  const int rows = b.height < 0 ? -b.height : b.height;
  const std::size_t rowBytes = stride(b.width, 24);
  if (dataOffset + rowBytes * static_cast<std::size_t>(rows) > file.size())
    throw std::runtime_error("pixel data truncated");
  b.pixels.resize(static_cast<std::size_t>(b.width * rows));
  for (int y = 0; y < rows; ++y) {
    const int stored = b.height > 0 ? rows - 1 - y : y;
    const std::size_t row = dataOffset + rowBytes * static_cast<std::size_t>(stored);
    for (int x = 0; x < b.width; ++x) {
      const std::size_t p = row + static_cast<std::size_t>(x) * 3;
      b.pixels[static_cast<std::size_t>(y * b.width + x)] = Rgb{file[p + 2], file[p + 1], file[p]};
    }
  }
  b.height = rows;
  return b;
}

IconDirectory parseIconDirectory(const std::vector<std::uint8_t>& file) {
  IconDirectory dir;
  if (u16(file, 0) != 0) throw std::runtime_error("reserved field not zero");
  dir.type = u16(file, 2);
  const int count = u16(file, 4);
  for (int i = 0; i < count; ++i) {
    const std::size_t e = 6 + 16 * static_cast<std::size_t>(i);
    if (e + 16 > file.size()) throw std::runtime_error("directory truncated");
    DirectoryImage img;
    img.width = file[e] == 0 ? 256 : file[e];
    img.height = file[e + 1] == 0 ? 256 : file[e + 1];
    img.field1 = u16(file, e + 4);
    img.field2 = u16(file, e + 6);
    img.bytes = u32(file, e + 8);
    img.offset = u32(file, e + 12);
    if (static_cast<std::size_t>(img.offset) + img.bytes > file.size())
      throw std::runtime_error("image outside the file");
    const std::size_t h = img.offset;
    if (u32(file, h) != 40) throw std::runtime_error("image without BITMAPINFOHEADER");
    img.headerWidth = s32(file, h + 4);
    img.headerHeight = s32(file, h + 8);
    img.bitCount = u16(file, h + 14);
    img.coloursUsed = u32(file, h + 32);
    if (img.bitCount != 1 && img.bitCount != 8) throw std::runtime_error("unexpected bit count");
    const std::size_t paletteSize = img.coloursUsed ? img.coloursUsed : (1u << img.bitCount);
    for (std::size_t c = 0; c < paletteSize; ++c) {
      const std::size_t p = h + 40 + 4 * c;
      img.palette.push_back(Rgb{file[p + 2], file[p + 1], file[p]});
    }
    // The colour image, then the AND mask, both bottom-up.
    const std::size_t colourAt = h + 40 + 4 * paletteSize;
    const std::size_t maskAt = colourAt + stride(img.width, img.bitCount) * static_cast<std::size_t>(img.height);
    if (maskAt + stride(img.width, 1) * static_cast<std::size_t>(img.height) > h + img.bytes)
      throw std::runtime_error("masks larger than the image");
    img.colour.resize(static_cast<std::size_t>(img.width * img.height));
    img.clear.resize(static_cast<std::size_t>(img.width * img.height));
    for (int y = 0; y < img.height; ++y) {
      const std::size_t stored = static_cast<std::size_t>(img.height - 1 - y);
      const std::size_t colourRow = colourAt + stride(img.width, img.bitCount) * stored;
      const std::size_t maskRow = maskAt + stride(img.width, 1) * stored;
      for (int x = 0; x < img.width; ++x) {
        const auto at = static_cast<std::size_t>(y * img.width + x);
        const auto ux = static_cast<std::size_t>(x);
        img.colour[at] = img.bitCount == 8 ? file[colourRow + ux]
                                          : (file[colourRow + ux / 8] >> (7 - ux % 8)) & 1;
        img.clear[at] = ((file[maskRow + ux / 8] >> (7 - ux % 8)) & 1) != 0;
      }
    }
    dir.images.push_back(std::move(img));
  }
  return dir;
}

double meanLuminance(const Bitmap& bitmap) {
  double sum = 0;
  for (const Rgb& p : bitmap.pixels) sum += 0.299 * p.r + 0.587 * p.g + 0.114 * p.b;
  return sum / static_cast<double>(bitmap.pixels.size());
}

}  // namespace kovrena::resources_test
