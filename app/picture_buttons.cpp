#include "app/picture_buttons.h"

#include "ui/mouse_buttons.h"

namespace kovrena::app {

void PictureButtons::show(PictureButton button, PictureState state) {
  view_.showPicture(button, PictureResource(button, state));
}

void PictureButtons::mouseDown(PictureButton button) {
  show(button, PictureState::Pressed);
  values_.highlight = true;
}

void PictureButtons::mouseMove(PictureButton button, int buttons) {
  // With the left button alone held, a pressed picture stays pressed.
  if (ui::IsLeftButtonAlone(buttons)) return;
  show(button, PictureState::Hovered);
  values_.highlight = true;
}

void PictureButtons::backgroundMouseMove() {
  if (!values_.highlight) return;
  show(PictureButton::Kapat, PictureState::Normal);
  show(PictureButton::Simge, PictureState::Normal);
  values_.highlight = false;
}

void PictureButtons::minimised() { values_.highlight = true; }

}  // namespace kovrena::app
