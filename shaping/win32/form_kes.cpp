#include "shaping/win32/form_kes.h"

#include <optional>
#include <utility>

#include "shaping/key_colour.h"
#include "shaping/win32/read_pixel_grid.h"
#include "shaping/win32/region.h"
#include "shaping/win32/window_origin.h"

namespace kovrena::shaping {
namespace win32 {

bool CutWindowFromBitmap(HBITMAP picture, HWND target, PictureOrigin origin, const CutMethod& method) {
  const std::optional<PixelGrid> grid = ReadPixelGrid(picture);
  if (!grid) return false;
  KeyColour key = WhiteKey(grid->bytesPerPixel);
  if (method.key == KeyChoice::ReferencePixel) {
    Result<KeyColour> reference = ReferenceKey(*grid, method.PixelIDx, method.PixelIDy);
    if (!reference) return false;
    key = reference.value();
  }
  RegionAssembly region;
  if (ScanCutRects(*grid, key, method.scan, origin, region)) return false;
  return SetWindowRegion(target, region.take());
}

bool CutWindow(PictureControl& picture, HWND target, const CutMethod& method) {
  if (!ShowSnapshot(picture)) return false;
  const std::optional<PictureOrigin> origin = PictureOriginFor(picture.window(), target);
  if (!origin) return false;
  return CutWindowFromBitmap(picture.image(), target, *origin, method);
}

}  // namespace win32

bool clsFormKes::FullBeyazKes(win32::PictureControl& ReferansObject, HWND HedefObject) const {
  return win32::CutWindow(ReferansObject, HedefObject, {win32::KeyChoice::White, ScanKind::Full, 0, 0});
}

bool clsFormKes::ÇevreselBeyazKes(win32::PictureControl& ReferansObject, HWND HedefObject) const {
  return win32::CutWindow(ReferansObject, HedefObject, {win32::KeyChoice::White, ScanKind::Peripheral, 0, 0});
}

bool clsFormKes::ReferansPixelFullKes(win32::PictureControl& ReferansObject, HWND HedefObject,
                                      std::uint8_t PixelIDx, std::uint8_t PixelIDy) const {
  return win32::CutWindow(ReferansObject, HedefObject,
                          {win32::KeyChoice::ReferencePixel, ScanKind::Full, PixelIDx, PixelIDy});
}

bool clsFormKes::ReferansPixelÇevreselKes(win32::PictureControl& ReferansObject, HWND HedefObject,
                                          std::uint8_t PixelIDx, std::uint8_t PixelIDy) const {
  return win32::CutWindow(ReferansObject, HedefObject,
                          {win32::KeyChoice::ReferencePixel, ScanKind::Peripheral, PixelIDx, PixelIDy});
}

}  // namespace kovrena::shaping
