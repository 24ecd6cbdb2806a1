#include "dialogs/win32/modal_form.h"

#include <optional>

#include "ui/win32/gdi_design.h"

namespace kovrena::dialogs::win32 {

void ModalForm::showModal(HWND owner) {
  ui::win32::CentreOver(handle(), owner);
  const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  ShowWindow(handle(), SW_SHOW);
  UpdateWindow(handle());
  const std::optional<int> quit =
      ui::win32::RunMessages(*this, [this] { return closed_ || handle() == nullptr; });
  if (quit) PostQuitMessage(*quit);
  if (disableOwner) EnableWindow(owner, TRUE);
}

LRESULT ModalForm::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const std::optional<LRESULT> painted =
          ui::win32::AnswerPaint(handle(), message, wParam, [this](HDC dc, bool) { paint(dc); })) {
    return *painted;
  }
  switch (message) {
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_COMMAND:
      if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) break;
      closed_ = true;
      return 0;
    case WM_CLOSE:
      closed_ = true;
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(handle(), focus)) lastFocus_ = focus;
      } else if (lastFocus_ != nullptr) {
        SetFocus(lastFocus_);
      }
      return 0;
    case WM_DESTROY:
      closed_ = true;
      break;
    default:
      break;
  }
  return defaultAnswer(message, wParam, lParam);
}

}  // namespace kovrena::dialogs::win32
