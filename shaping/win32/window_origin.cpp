#include "shaping/win32/window_origin.h"

namespace kovrena::shaping::win32 {

std::optional<WindowMeasures> MeasureWindow(HWND picture, HWND target) {
  // A Win32 window measures itself in pixels already, so there is no unit to
  // switch to and twips to pixels is the identity here.
  RECT outer{};
  RECT client{};
  if (!IsWindow(picture) || !GetWindowRect(target, &outer) || !GetClientRect(target, &client)) {
    return std::nullopt;
  }
  // The picture is drawn from the control's client origin, which is its
  // position unless the control has a border of its own.
  POINT position{0, 0};
  MapWindowPoints(picture, target, &position, 1);
  WindowMeasures measures;
  measures.outerWidth = outer.right - outer.left;
  measures.outerHeight = outer.bottom - outer.top;
  measures.clientWidth = client.right;
  measures.clientHeight = client.bottom;
  measures.pictureLeft = static_cast<float>(position.x);
  measures.pictureTop = static_cast<float>(position.y);
  return measures;
}

std::optional<PictureOrigin> PictureOriginFor(HWND picture, HWND target) {
  const std::optional<WindowMeasures> measures = MeasureWindow(picture, target);
  if (!measures) return std::nullopt;
  return ComputePictureOrigin(*measures);
}

}  // namespace kovrena::shaping::win32
