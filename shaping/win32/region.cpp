#include "shaping/win32/region.h"

#include <utility>

namespace kovrena::shaping::win32 {

using kovrena::win32::UniqueRegion;

void RegionAssembly::add(const CutRect& rect) {
  UniqueRegion single(CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom));
  if (!single) return;
  if (!accumulated_) {
    accumulated_ = std::move(single);
    return;
  }
  CombineRgn(accumulated_.get(), accumulated_.get(), single.get(), RGN_OR);
}

bool SetWindowRegion(HWND window, UniqueRegion region) {
  if (SetWindowRgn(window, region.get(), TRUE) == 0) return false;  // still ours: deleted here
  static_cast<void>(region.release());  // the window's from now on
  return true;
}

bool ApplyCutRects(HWND window, const std::vector<CutRect>& rects) {
  RegionAssembly assembly;
  for (const CutRect& rect : rects) assembly.add(rect);
  return SetWindowRegion(window, assembly.take());
}

}  // namespace kovrena::shaping::win32
