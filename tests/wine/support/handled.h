#pragma once
// Waiting until a window's thread has handled what was sent to it, instead
// of sleeping for a guess: a thread paints only when it has no input and
// no posted message left, so once a pixel invalidated now has been painted,
// everything queued before it has been handled. The window may belong to
// another thread or process.
#include <windows.h>

namespace kovrena::testing {

// False when the window was not painted within the limit (hidden, hung).
// ownThread: the window is this thread's, so its messages are handled here
// while waiting.
inline bool WaitUntilHandled(HWND window, DWORD limitMs = 15000, bool ownThread = false) {
  RECT pixel{0, 0, 1, 1};
  if (!InvalidateRect(window, &pixel, FALSE)) return false;
  const DWORD start = GetTickCount();
  while (GetUpdateRect(window, nullptr, FALSE)) {
    if (GetTickCount() - start > limitMs) return false;
    if (ownThread) {
      MSG message{};
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

}  // namespace kovrena::testing
