#include "dialogs/win32/picture_background.h"

#include "ui/win32/gdi_design.h"

namespace kovrena::dialogs::win32 {

PictureBackground::PictureBackground(const PanelPicture& picture, ui::Rgb plainColour)
    : plain_(CreateSolidBrush(ui::win32::ColorRef(plainColour))) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = picture.width;
  format.bmiHeader.biHeight = -picture.height;  // top-down, as the picture is drawn
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  picture_.reset(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!picture_ || !bits) {
    picture_.reset();
    return;
  }
  picture.draw(static_cast<std::uint32_t*>(bits));
  size_ = {picture.width, picture.height};
  pattern_.reset(CreatePatternBrush(picture_.get()));
}

void PictureBackground::paint(HDC dc, const RECT& client) const {
  FillRect(dc, &client, plain_.get());
  if (!picture_) return;
  const kovrena::win32::MemoryDC source(dc);
  const kovrena::win32::SelectedObject selected(source.get(), picture_.get());
  BitBlt(dc, 0, 0, size_.cx, size_.cy, source.get(), 0, 0, SRCCOPY);
}

HBRUSH PictureBackground::brushFor(HDC childDc, HWND child) const {
  if (!pattern_) return plain_.get();
  POINT origin{0, 0};
  MapWindowPoints(child, GetParent(child), &origin, 1);
  SetBrushOrgEx(childDc, -origin.x, -origin.y, nullptr);
  return pattern_.get();
}

}  // namespace kovrena::dialogs::win32
