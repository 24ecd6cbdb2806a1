#pragma once
// From a picture's pixels to the one-row rectangles that stay visible.
#include <cstdint>
#include <vector>

#include "platform/error.h"
#include "shaping/key_colour.h"
#include "shaping/picture_origin.h"
#include "shaping/pixel_grid.h"

namespace kovrena::shaping {

// Full: every key pixel of a row is cut, holes included.
// Peripheral: only the key margins at both ends of a row are cut.
enum class ScanKind { Full, Peripheral };

// One retained rectangle in window coordinates; right and bottom exclusive,
// always one row high.
struct CutRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const CutRect&, const CutRect&) = default;
};

// Receives the rectangles one by one as the scan finds them, so that a
// region can be built while the picture is scanned.
class CutRectSink {
 public:
  virtual void add(const CutRect& rect) = 0;

 protected:
  ~CutRectSink() = default;
};

// Rows 0 to height - 2 only (the bottom row is never part of the region); a
// run that reaches the last column ends at width - 1, so that column never is
// either, and a run of that column alone still gives a zero-width rectangle.
// Rectangles come in row order, left to right within a row.
//
// Refused (an error, nothing read) when CheckPixelGrid refuses the grid, the
// key does not fit its pixel size, or the picture placed at the origin would
// leave the 32-bit coordinate range.
Result<std::vector<CutRect>> ComputeCutRects(const PixelGrid& grid, const KeyColour& key, ScanKind scan,
                                             PictureOrigin origin);

// The same rectangles handed to sink in the same order; a refused picture
// reaches the sink with nothing.
Status ScanCutRects(const PixelGrid& grid, const KeyColour& key, ScanKind scan, PictureOrigin origin,
                    CutRectSink& sink);

}  // namespace kovrena::shaping
