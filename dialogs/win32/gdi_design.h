#pragma once
// Design data (dialogs/design.h) turned into GDI objects and window calls.
#include <windows.h>

#include <string_view>

#include "dialogs/design.h"
#include "platform/win32/scoped.h"

namespace kovrena::dialogs::win32 {

inline COLORREF colorRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

// A font of the design at the screen's resolution (8.25 pt is 11 pixels at 96 dpi).
kovrena::win32::UniqueFont createDesignFont(const FontDesign& design, bool underline = false);

// A child control at a design position; the font is set without a redraw.
HWND createControl(HWND parent, const wchar_t* windowClass, std::wstring_view text, DWORD style,
                   const Rect& rect, int id, HFONT font, DWORD exStyle = 0);

// Places a window centred over its owner, or over the work area without one,
// kept inside the work area.
void centreOver(HWND window, HWND owner);

}  // namespace kovrena::dialogs::win32
