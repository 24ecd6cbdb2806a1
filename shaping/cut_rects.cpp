#include "shaping/cut_rects.h"

#include <cstddef>
#include <limits>
#include <utility>

#include "shaping/row_scan.h"

namespace kovrena::shaping {
namespace {

bool fitsInt32(std::int64_t value) {
  return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

class ListSink final : public CutRectSink {
 public:
  void add(const CutRect& rect) override { rects.push_back(rect); }
  std::vector<CutRect> rects;
};

template <int Bpp>
void scanRows(const PixelGrid& grid, const KeyColour& key, ScanKind scan, PictureOrigin origin,
              CutRectSink& sink) {
  const std::int32_t width = grid.width;
  detail::RowScan<Bpp> row(key, width);
  auto emit = [&](std::int32_t y, std::int32_t start, std::int32_t end) {
    // The last column never belongs to the region, so a run reaching it ends one short.
    const std::int32_t right = end < width ? origin.x0 + end : origin.x0 + width - 1;
    sink.add(CutRect{origin.x0 + start, origin.y0 + y, right, origin.y0 + y + 1});
  };
  // The bottom row is never scanned.
  for (std::int32_t y = 0; y + 1 < grid.height; ++y) {
    row.setRow(grid.bytes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(grid.stride));
    if (scan == ScanKind::Peripheral) {
      const std::int32_t c = row.skipMatching(0);
      if (c == width) continue;  // a row of key pixels only is cut whole
      emit(y, c, row.lastNonMatching(c) + 1);
      continue;
    }
    std::int32_t x = 0;
    while (x < width) {
      const std::int32_t start = row.skipMatching(x);
      if (start == width) break;
      x = row.skipNonMatching(start);
      emit(y, start, x);
    }
  }
}

}  // namespace

Status ScanCutRects(const PixelGrid& grid, const KeyColour& key, ScanKind scan, PictureOrigin origin,
                    CutRectSink& sink) {
  if (Status refused = CheckPixelGrid(grid)) return *refused;
  if (key.count != ComparedBytes(grid.bytesPerPixel)) {
    return Error{kErrBadPicture, "Anahtar renk resmin piksel boyuna uymuyor"};
  }
  if (!fitsInt32(std::int64_t{origin.x0} + grid.width) || !fitsInt32(std::int64_t{origin.y0} + grid.height)) {
    return Error{kErrBadPicture, "Resim pencere koordinatlarının dışına taşıyor"};
  }
  switch (grid.bytesPerPixel) {
    case 1: scanRows<1>(grid, key, scan, origin, sink); break;
    case 2: scanRows<2>(grid, key, scan, origin, sink); break;
    case 3: scanRows<3>(grid, key, scan, origin, sink); break;
    default: scanRows<4>(grid, key, scan, origin, sink); break;
  }
  return std::nullopt;
}

Result<std::vector<CutRect>> ComputeCutRects(const PixelGrid& grid, const KeyColour& key, ScanKind scan,
                                             PictureOrigin origin) {
  ListSink list;
  if (Status refused = ScanCutRects(grid, key, scan, origin, list)) return *refused;
  return std::move(list.rects);
}

}  // namespace kovrena::shaping
