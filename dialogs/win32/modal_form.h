#pragma once
// What the help and about windows are alike in: shown modally (the owner
// takes no input until they are closed), closed by OK, Cancel (Enter, Esc)
// or the system, the window font shared by controls without their own, the
// focus kept across deactivation, and a client area they draw themselves.
#include <windows.h>

#include "ui/win32/window.h"

namespace kovrena::dialogs::win32 {

class ModalForm : public ui::win32::Window {
 public:
  bool closed() const { return closed_; }
  // Centres the window over owner (which may be null), disables owner, shows
  // the window and runs the messages until it is closed, then enables owner
  // again, before the caller destroys the window, so that the owner is the
  // window that gets activated. A WM_QUIT ends the loop and is posted again
  // for the loop outside.
  void showModal(HWND owner);

 protected:
  // The common answers; anything else goes to DefWindowProc.
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The whole client area, background first.
  virtual void paint(HDC dc) = 0;
  void setWindowFont(HFONT font) { font_ = font; }
  // The control that has the focus when the window is first activated.
  void setFirstFocus(HWND control) { lastFocus_ = control; }

 private:
  HFONT font_ = nullptr;
  HWND lastFocus_ = nullptr;  // the control that had the focus when the window was left
  bool closed_ = false;       // set by OK, Cancel, closing or destroying
};

}  // namespace kovrena::dialogs::win32
