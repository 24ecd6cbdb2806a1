#include "app/chrome.h"

namespace kovrena::app {

void Chrome::backgroundMouseMove(int buttonSet) {
  ui::DragOnMouseMove(buttonSet, move_);
  pictures_.backgroundMouseMove();
}

void Chrome::mouseMove(AnaFormControl control, int buttonSet) {
  if (const std::optional<PictureButton> button = PictureButtonAt(control)) pictures_.mouseMove(*button, buttonSet);
}

void Chrome::buttonDown(AnaFormControl control, MouseButton button, bool doubleClick) {
  if (const std::optional<PictureButton> picture = PictureButtonAt(control)) pictures_.mouseDown(*picture);
  if (button != MouseButton::Left) return;
  // Label2's DblClick: the second press of a double click opens the about
  // window at once; its release clicks nothing more.
  if (control == AnaFormControl::Label2 && doubleClick) {
    view_.showAbout();
    return;
  }
  click_.press(control);
  view_.captureMouse(control);
}

void Chrome::buttonUp(AnaFormControl control, MouseButton button, bool over) {
  if (button != MouseButton::Left) {
    if (control == AnaFormControl::Image2) view_.showPopupMenu(MenuPlace::Pointer);
    return;
  }
  const std::optional<AnaFormControl> clicked = click_.release(over ? std::optional(control) : std::nullopt);
  view_.releaseMouse(control);
  // Image2 answers the release itself, wherever the press was.
  if (control == AnaFormControl::Image2) {
    view_.showPopupMenu(MenuPlace::Pointer);
    return;
  }
  if (!clicked) return;
  switch (*clicked) {
    case AnaFormControl::imgSimge:
      view_.minimise();
      pictures_.minimised();
      break;
    case AnaFormControl::imgKapat:
      view_.close();
      break;
    case AnaFormControl::Label2:
      view_.showAbout();
      break;
    default:
      break;
  }
}

void Chrome::menuClick(MenuItem item) {
  switch (item) {
    case MenuItem::mnuYardım:
      view_.showHelp();
      break;
    case MenuItem::mnuHakkında:
      view_.showAbout();
      break;
  }
}

void Chrome::keyPressed(ChromeKey key) {
  switch (key) {
    case ChromeKey::Help:
      view_.showHelp();
      break;
    case ChromeKey::Menu:
      view_.showPopupMenu(MenuPlace::QuestionMark);
      break;
  }
}

}  // namespace kovrena::app
