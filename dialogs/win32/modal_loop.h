#pragma once
// Showing a window modally: its owner takes no input until it is closed.
#include <windows.h>

#include <functional>

namespace kovrena::dialogs::win32 {

// Disables the owner, shows the window and runs its messages (keyboard
// navigation through IsDialogMessage) until closed() is true, then enables
// the owner again, before the caller destroys the window, so that the owner
// is the window that gets activated. A WM_QUIT ends the loop and is posted
// again for the loop outside.
void RunModal(HWND owner, HWND window, const std::function<bool()>& closed);

}  // namespace kovrena::dialogs::win32
