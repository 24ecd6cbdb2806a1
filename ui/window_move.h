#pragma once
// The window move by dragging, shared by the main window and the help
// window: a mouse move with the left button alone held over a drag surface
// hands the window to the system's own move.
namespace kovrena::ui {

// A window's mouse pointer: 0 its default, 15 the move pointer (the
// four-headed arrow).
enum class Pointer { Default = 0, Move = 15 };

class WindowMoveView {
 public:
  virtual ~WindowMoveView() = default;
  virtual void setPointer(Pointer pointer) = 0;
  // Gives up the mouse capture that the pressed button gave the surface.
  virtual void releaseCapture() = 0;
  // WM_NCLBUTTONDOWN with HTCAPTION: the system moves the window with the
  // mouse as if its title bar were pressed, and returns when the button is
  // released.
  virtual void runSystemMove() = 0;
};

// A mouse move with this button set over a drag surface: with the left
// button alone, the move pointer, the release of the capture, the system's
// move and the default pointer again, in this order; nothing otherwise.
// True when the window was handed to the move.
bool DragOnMouseMove(int buttonSet, WindowMoveView& view);

}  // namespace kovrena::ui
