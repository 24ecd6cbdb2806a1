#include "app/picture_buttons.h"

#include "app/mouse_buttons.h"

namespace kovrena::app {

std::string_view pictureResource(PictureButton button, PictureState state) {
  const bool simge = button == PictureButton::Simge;
  switch (state) {
    case PictureState::Normal:
      return simge ? "SIMGE" : "KAPAT";
    case PictureState::Hovered:
      return simge ? "SIMGEUST" : "KAPATUST";
    case PictureState::Pressed:
      return simge ? "SIMGEALT" : "KAPATALT";
  }
  return {};
}

void PictureButtons::show(PictureButton button, PictureState state) {
  view_.showPicture(button, pictureResource(button, state));
}

void PictureButtons::mouseDown(PictureButton button) {
  show(button, PictureState::Pressed);
  values_.highlight = true;
}

void PictureButtons::mouseMove(PictureButton button, int buttons) {
  // With the left button alone held, a pressed picture stays pressed.
  if (buttons == kLeftButton) return;
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
