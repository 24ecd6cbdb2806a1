#include "dialogs/win32/modal_loop.h"

namespace kovrena::dialogs::win32 {

void RunModal(HWND owner, HWND window, const std::function<bool()>& closed) {
  const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG message{};
  while (!closed() && IsWindow(window)) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got == -1) break;
    if (!IsDialogMessageW(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  if (disableOwner) EnableWindow(owner, TRUE);
}

std::optional<LRESULT> HandleModalFormMessage(ModalFormState state, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state.font);
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_COMMAND:
      if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return std::nullopt;
      state.closed = true;
      return 0;
    case WM_CLOSE:
      state.closed = true;
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(state.window, focus)) state.lastFocus = focus;
      } else if (state.lastFocus != nullptr) {
        SetFocus(state.lastFocus);
      }
      return 0;
    case WM_DESTROY:
      state.closed = true;
      return DefWindowProcW(state.window, message, wParam, lParam);
    case WM_NCDESTROY: {
      const HWND window = state.window;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      state.window = nullptr;
      return DefWindowProcW(window, message, wParam, lParam);
    }
    default:
      return std::nullopt;
  }
}

}  // namespace kovrena::dialogs::win32
