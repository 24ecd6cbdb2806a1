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

}  // namespace kovrena::dialogs::win32
