#pragma once
// Design data (ui/design.h) turned into GDI objects and window calls.
#include <windows.h>

#include <string_view>

#include "platform/win32/scoped.h"
#include "ui/design.h"

namespace kovrena::ui::win32 {

inline COLORREF ColorRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

// The static-control style of a text alignment (SS_LEFT, SS_RIGHT, SS_CENTER).
DWORD StaticAlignment(Align align);

// A font of the design at its pixel height, whatever the display's DPI: the
// places and pictures are fixed pixels, so a font grown with a large-font
// setting would be cut off by them.
kovrena::win32::UniqueFont CreateDesignFont(const FontDesign& design, bool underline = false);

// A child control at a design position; the font is set without a redraw.
HWND CreateControl(HWND parent, const wchar_t* windowClass, std::wstring_view text, DWORD style,
                   const Rect& rect, int id, HFONT font, DWORD exStyle = 0);

// Places a window centred over its owner, or over the work area without one,
// kept inside the work area.
void CentreOver(HWND window, HWND owner);

}  // namespace kovrena::ui::win32
