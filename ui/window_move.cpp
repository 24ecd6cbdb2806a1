#include "ui/window_move.h"

#include "ui/mouse_buttons.h"

namespace kovrena::ui {

bool DragOnMouseMove(int buttonSet, WindowMoveView& view) {
  if (!IsLeftButtonAlone(buttonSet)) return false;
  view.setPointer(Pointer::Move);
  view.releaseCapture();
  view.runSystemMove();
  view.setPointer(Pointer::Default);
  return true;
}

}  // namespace kovrena::ui
