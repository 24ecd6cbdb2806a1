#include "dialogs/win32/picture_background.h"

#include "ui/win32/gdi_design.h"

namespace kovrena::dialogs::win32 {

PictureBackground::PictureBackground(const wchar_t* resourceName, ui::Rgb plainColour)
    : picture_(static_cast<HBITMAP>(
          LoadImageW(GetModuleHandleW(nullptr), resourceName, IMAGE_BITMAP, 0, 0, 0))),
      plain_(CreateSolidBrush(ui::win32::ColorRef(plainColour))) {
  if (!picture_) return;
  BITMAP info{};
  if (GetObjectW(picture_.get(), sizeof info, &info) != 0) size_ = {info.bmWidth, info.bmHeight};
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
