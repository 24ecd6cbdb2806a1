#include "ui/win32/gdi_design.h"

#include <string>

#include "platform/win32/text.h"

namespace kovrena::ui::win32 {

DWORD StaticAlignment(Align align) {
  switch (align) {
    case Align::Right:
      return SS_RIGHT;
    case Align::Centre:
      return SS_CENTER;
    case Align::Left:
      break;
  }
  return SS_LEFT;
}

kovrena::win32::UniqueFont CreateDesignFont(const FontDesign& design, bool underline) {
  LOGFONTW font{};
  font.lfHeight = -DesignPixelHeight(design);
  font.lfWeight = design.weight;
  font.lfItalic = design.italic ? TRUE : FALSE;
  font.lfUnderline = underline ? TRUE : FALSE;
  font.lfCharSet = static_cast<BYTE>(design.charset);
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily =
      static_cast<BYTE>(DEFAULT_PITCH | (design.family == FontFamily::Swiss ? FF_SWISS : FF_DONTCARE));
  const std::wstring face = kovrena::win32::ToWide(design.face);
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return kovrena::win32::UniqueFont(CreateFontIndirectW(&font));
}

HWND CreateControl(HWND parent, const wchar_t* windowClass, std::wstring_view text, DWORD style,
                   const Rect& rect, int id, HFONT font, DWORD exStyle) {
  const std::wstring caption(text);
  HWND control = CreateWindowExW(exStyle, windowClass, caption.c_str(), WS_CHILD | WS_VISIBLE | style,
                                 rect.left, rect.top, rect.width, rect.height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (control != nullptr && font != nullptr) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  return control;
}

void CentreOver(HWND window, HWND owner) {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  RECT around = area;
  if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &around);
  RECT own{};
  GetWindowRect(window, &own);
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  int left = around.left + (around.right - around.left - width) / 2;
  int top = around.top + (around.bottom - around.top - height) / 2;
  if (left + width > area.right) left = area.right - width;
  if (top + height > area.bottom) top = area.bottom - height;
  if (left < area.left) left = area.left;
  if (top < area.top) top = area.top;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace kovrena::ui::win32
