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
  if (u32(file, 2) != file.size()) throw std::runtime_error("file size field wrong");
  Bitmap b = parseDib(file.data() + 14, file.size() - 14);
  const std::size_t pixelsAt = 14 + 40 + 4 * b.palette.size();
  if (u32(file, 10) != pixelsAt) throw std::runtime_error("pixels not right behind the colour table");
  return b;
}

namespace {

// BI_RLE8: pairs of (count, index) runs; a zero count escapes to end of
// line (0), end of bitmap (1), a position jump (2) or an absolute run of
// 3 to 255 indices padded to a word.
void decodeRle8(const std::vector<std::uint8_t>& d, std::size_t at, Bitmap& b, std::vector<int>& index) {
  const std::size_t start = at;
  int x = 0, row = 0;  // row counts from the bottom
  auto put = [&](std::uint8_t i) {
    if (x >= b.width) throw std::runtime_error("run past the end of row " + std::to_string(row));
    if (static_cast<std::size_t>(i) >= b.palette.size()) throw std::runtime_error("index outside the colour table");
    index[static_cast<std::size_t>((b.height - 1 - row) * b.width + x++)] = i;
  };
  auto byte = [&]() {
    if (at >= d.size()) throw std::runtime_error("run-length data ends without end-of-bitmap");
    return d[at++];
  };
  for (;;) {
    if (row >= b.height) throw std::runtime_error("more rows than the height");
    const std::uint8_t count = byte();
    const std::uint8_t value = byte();
    if (count > 0) {
      for (int n = 0; n < count; ++n) put(value);
      continue;
    }
    if (value == 2) throw std::runtime_error("position jump leaves pixels undefined");
    if (value >= 3) {
      for (int n = 0; n < value; ++n) put(byte());
      if ((at - start) % 2 != 0 && byte() != 0) throw std::runtime_error("absolute run padding not zero");
      continue;
    }
    if (x != b.width) throw std::runtime_error("row " + std::to_string(row) + " not filled");
    x = 0;
    ++row;
    if (value == 1) break;
  }
  if (row != b.height) throw std::runtime_error("end-of-bitmap before the last row");
  if (at != d.size()) throw std::runtime_error("bytes after the end-of-bitmap");
}

}  // namespace

Bitmap parseDib(const std::uint8_t* dib, std::size_t size) {
  const std::vector<std::uint8_t> d(dib, dib + size);
  if (u32(d, 0) != 40) throw std::runtime_error("not a BITMAPINFOHEADER");
  Bitmap b;
  b.width = s32(d, 4);
  b.height = s32(d, 8);
  b.bitCount = u16(d, 14);
  b.compression = u32(d, 16);
  const std::uint32_t imageSize = u32(d, 20);
  const std::uint32_t coloursUsed = u32(d, 32);
  b.dibSize = size;
  if (u16(d, 12) != 1 || b.width <= 0 || b.height <= 0) throw std::runtime_error("not a bottom-up picture");
  const bool rgb24 = b.bitCount == 24 && b.compression == kBiRgb;
  const bool indexed = b.bitCount == 8 && (b.compression == kBiRgb || b.compression == kBiRle8);
  if (!rgb24 && !indexed) throw std::runtime_error("neither 24-bit nor 8-bit indices");
  std::size_t at = 40;
  if (indexed) {
    const std::size_t colours = coloursUsed == 0 ? 256 : coloursUsed;
    if (colours > 256) throw std::runtime_error("more than 256 colours");
    for (std::size_t c = 0; c < colours; ++c, at += 4) {
      if (at + 4 > d.size()) throw std::runtime_error("colour table truncated");
      b.palette.push_back(Rgb{d[at + 2], d[at + 1], d[at]});
    }
  } else if (coloursUsed != 0) {
    throw std::runtime_error("colour table on a 24-bit picture");
  }
  const std::size_t pixelCount = static_cast<std::size_t>(b.width) * static_cast<std::size_t>(b.height);
  b.pixels.resize(pixelCount);
  if (b.compression == kBiRle8) {
    if (imageSize != d.size() - at) throw std::runtime_error("image size is not the run-length data's");
    std::vector<int> index(pixelCount, -1);
    decodeRle8(d, at, b, index);
    for (std::size_t i = 0; i < pixelCount; ++i) b.pixels[i] = b.palette[static_cast<std::size_t>(index[i])];
    return b;
  }
  const std::size_t rowBytes = stride(b.width, b.bitCount);
  if (at + rowBytes * static_cast<std::size_t>(b.height) > d.size()) throw std::runtime_error("pixel data truncated");
  for (int y = 0; y < b.height; ++y) {
    const std::size_t row = at + rowBytes * static_cast<std::size_t>(b.height - 1 - y);
    for (int x = 0; x < b.width; ++x) {
      const auto ux = static_cast<std::size_t>(x);
      Rgb& out = b.pixels[static_cast<std::size_t>(y * b.width + x)];
      if (indexed) {
        if (static_cast<std::size_t>(d[row + ux]) >= b.palette.size()) throw std::runtime_error("index outside the colour table");
        out = b.palette[d[row + ux]];
      } else {
        out = Rgb{d[row + ux * 3 + 2], d[row + ux * 3 + 1], d[row + ux * 3]};
      }
    }
  }
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
