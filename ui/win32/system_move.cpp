#include "ui/win32/system_move.h"

namespace kovrena::ui::win32 {

namespace {

void moveWithTheMouse(HWND window) {
  // As if the window's title bar were pressed; no cursor position is passed,
  // the system takes it from the mouse.
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace

SystemMove::SystemMove(const Window& window, HCURSOR defaultPointer)
    : window_(window), defaultPointer_(defaultPointer), pointer_(defaultPointer), mover_(moveWithTheMouse) {}

void SystemMove::setPointer(Pointer pointer) {
  pointer_ = pointer == Pointer::Move ? LoadCursorW(nullptr, IDC_SIZEALL) : defaultPointer_;
  SetCursor(pointer_ != nullptr ? pointer_ : LoadCursorW(nullptr, IDC_ARROW));
}

bool SystemMove::showPointer() const {
  if (pointer_ == nullptr) return false;
  SetCursor(pointer_);
  return true;
}

void SystemMove::releaseCapture() { ReleaseCapture(); }

void SystemMove::runSystemMove() { mover_(window_.handle()); }

}  // namespace kovrena::ui::win32
