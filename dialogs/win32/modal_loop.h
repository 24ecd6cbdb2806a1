#pragma once
// Showing a window modally: its owner takes no input until it is closed.
#include <windows.h>

#include <functional>
#include <optional>

namespace kovrena::dialogs::win32 {

// Disables the owner, shows the window and runs its messages (keyboard
// navigation through IsDialogMessage) until closed() is true, then enables
// the owner again, before the caller destroys the window, so that the owner
// is the window that gets activated. A WM_QUIT ends the loop and is posted
// again for the loop outside.
void RunModal(HWND owner, HWND window, const std::function<bool()>& closed);

// What a modal form keeps to answer the messages every modal form answers
// alike; the fields belong to the form.
struct ModalFormState {
  HWND& window;     // cleared when the window is gone
  HWND& lastFocus;  // the control that had the focus when the form was left
  bool& closed;     // set by OK, Cancel (Enter, Esc), closing or destroying
  HFONT font;       // the window font that controls without their own share
};

// Answers the messages common to the modal forms: the window font, the
// default button (OK), OK and Cancel, closing, keeping the focus across
// deactivation, and destruction. Anything else: nullopt, for the form.
std::optional<LRESULT> HandleModalFormMessage(ModalFormState state, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kovrena::dialogs::win32
