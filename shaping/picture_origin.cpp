#include "shaping/picture_origin.h"

#include <cmath>
#include <limits>

namespace kovrena::shaping {

std::int32_t RoundHalfEven(float value) {
  if (std::isnan(value)) return 0;
  // Done in double, where every float and every 32-bit integer is exact.
  const double v = value;
  if (v <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
    return std::numeric_limits<std::int32_t>::min();
  }
  if (v >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return std::numeric_limits<std::int32_t>::max();
  }
  const double below = std::floor(v);
  const double fraction = v - below;
  double nearest = below;
  if (fraction > 0.5) {
    nearest = below + 1.0;
  } else if (fraction == 0.5 && std::fmod(below, 2.0) != 0.0) {
    nearest = below + 1.0;
  }
  return static_cast<std::int32_t>(nearest);
}

PictureOrigin ComputePictureOrigin(const WindowMeasures& window) {
  const float frame =
      static_cast<float>(std::int64_t{window.outerWidth} - window.clientWidth) / 2.0F;
  const float caption =
      static_cast<float>(window.outerHeight) - frame - static_cast<float>(window.clientHeight);
  return PictureOrigin{RoundHalfEven(window.pictureLeft + frame), RoundHalfEven(window.pictureTop + caption)};
}

}  // namespace kovrena::shaping
