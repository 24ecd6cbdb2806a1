#pragma once
// Turning rectangles into a window region and giving it to the window.
#include <windows.h>

#include <utility>
#include <vector>

#include "platform/win32/scoped.h"
#include "shaping/cut_rects.h"

namespace kovrena::shaping::win32 {

// The union of the rectangles it is handed, built as they come: each
// rectangle's region is merged and freed at once, so at most two region
// handles exist at any time. A rectangle whose region cannot be made adds
// nothing.
class RegionAssembly final : public CutRectSink {
 public:
  void add(const CutRect& rect) override;
  // The union so far; null when no rectangle was handed in (zero-width ones
  // count: they give an empty region, not a null one).
  kovrena::win32::UniqueRegion take() { return std::move(accumulated_); }

 private:
  kovrena::win32::UniqueRegion accumulated_;
};

// Makes region the window's visible outline and redraws it; a null region
// removes the window's region. On success the window owns the region; on
// failure it is deleted and the window keeps the outline it had.
[[nodiscard]] bool SetWindowRegion(HWND window, kovrena::win32::UniqueRegion region);

// The union of the rectangles as the window's region (none when the list is
// empty).
[[nodiscard]] bool ApplyCutRects(HWND window, const std::vector<CutRect>& rects);

}  // namespace kovrena::shaping::win32
