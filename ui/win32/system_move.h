#pragma once
// The window move through the system for a window's drag surfaces: the
// pointer the window shows meanwhile, and the system's own move loop.
#include <windows.h>

#include <functional>

#include "ui/win32/window.h"
#include "ui/window_move.h"

namespace kovrena::ui::win32 {

class SystemMove final : public WindowMoveView {
 public:
  // defaultPointer: what the window shows when no move runs; null leaves it
  // to the window's class and controls.
  SystemMove(const Window& window, HCURSOR defaultPointer);

  // The pointer the window is to show now (null: its own).
  HCURSOR pointer() const { return pointer_; }
  // WM_SETCURSOR: shows that pointer; false, for the window's own answer,
  // when there is none.
  bool showPointer() const;
  // Replaces what runs the system's move (WM_NCLBUTTONDOWN with HTCAPTION,
  // which returns when the button is released), so that what surrounds the
  // move can be observed without a real drag.
  void setMover(std::function<void(HWND)> mover) { mover_ = std::move(mover); }

  void setPointer(Pointer pointer) override;
  void releaseCapture() override;
  void runSystemMove() override;

 private:
  const Window& window_;
  HCURSOR defaultPointer_;
  HCURSOR pointer_;
  std::function<void(HWND)> mover_;
};

}  // namespace kovrena::ui::win32
