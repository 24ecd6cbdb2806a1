#pragma once
// Where the picture's top-left pixel lies in the target window's own
// coordinates (whole window, frame and title bar included), the coordinates
// a window region is given in.
#include <cstdint>

namespace kovrena::shaping {

struct PictureOrigin {
  std::int32_t x0 = 0;
  std::int32_t y0 = 0;
  friend bool operator==(const PictureOrigin&, const PictureOrigin&) = default;
};

// Sizes of the target window in pixels and the picture's position in its
// client area (fractional where the position came from a finer unit).
struct WindowMeasures {
  std::int32_t outerWidth = 0;
  std::int32_t outerHeight = 0;
  std::int32_t clientWidth = 0;
  std::int32_t clientHeight = 0;
  float pictureLeft = 0.0F;
  float pictureTop = 0.0F;
};

// The nearest integer to value, ties to the even one (10.5 -> 10, 11.5 -> 12),
// clamped to the 32-bit range; NaN gives 0.
std::int32_t RoundHalfEven(float value);

// frame = (outer width - client width) / 2 and caption = outer height - frame
// - client height, both in single precision, so that a bottom frame as thick
// as a side frame is assumed; x0 = left + frame and y0 = top + caption, each
// rounded half to even.
PictureOrigin ComputePictureOrigin(const WindowMeasures& window);

}  // namespace kovrena::shaping
