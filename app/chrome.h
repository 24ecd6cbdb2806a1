#pragma once
// AnaForm's window chrome, which stands in for the frame and title bar the
// outline cuts away: what the mouse does over the background, the picture
// buttons, the "?" picture and the maker label, and what the items of the
// popup menu open. The window hands its mouse messages to these calls and
// turns the calls on ChromeView into Win32 calls.
#include "app/ana_form_design.h"
#include "app/ana_form_values.h"
#include "app/picture_buttons.h"
#include "ui/click.h"
#include "ui/window_move.h"

namespace kovrena::app {

enum class MouseButton { Left, Right, Middle };

// Where the popup menu opens: under the mouse that asked for it, or at the
// "?" picture when a key did.
enum class MenuPlace { Pointer, QuestionMark };

// The window's own keys: the pictures take no focus, so the keyboard reaches
// what the "?" picture offers this way (F1; Shift+F10 and the menu key).
enum class ChromeKey { Help, Menu };

class ChromeView : public PictureButtonView {
 public:
  // The control keeps the mouse until the button is released.
  virtual void captureMouse(AnaFormControl control) = 0;
  // The control gives the mouse back, if it has it.
  virtual void releaseMouse(AnaFormControl control) = 0;
  virtual void minimise() = 0;       // window state 1
  virtual void close() = 0;          // unloads the window, which ends the program
  virtual void showPopupMenu(MenuPlace place) = 0;  // mnuPop
  virtual void showHelp() = 0;       // frmYardım, modally
  virtual void showAbout() = 0;      // frmHakkında, modally
};

// The controls on PictureZemin whose mouse events have handlers here; the
// mouse events of all others are the controls' own.
constexpr bool HasMouseHandlers(AnaFormControl control) {
  return control == AnaFormControl::Image2 || control == AnaFormControl::imgSimge ||
         control == AnaFormControl::imgKapat || control == AnaFormControl::Label2;
}

class Chrome {
 public:
  Chrome(AnaFormValues& values, ChromeView& view, ui::WindowMoveView& move)
      : view_(view), move_(move), pictures_(values, view) {}

  // PictureZemin's MouseMove: the drag, then the normal pictures again.
  void backgroundMouseMove(int buttonSet);
  void mouseMove(AnaFormControl control, int buttonSet);
  void buttonDown(AnaFormControl control, MouseButton button, bool doubleClick);
  // over: the pointer is over the control as the button comes up.
  void buttonUp(AnaFormControl control, MouseButton button, bool over);
  // The control that held the mouse lost it to another window.
  void captureLost() { click_.captureLost(); }
  void menuClick(MenuItem item);
  void keyPressed(ChromeKey key);

 private:
  ChromeView& view_;
  ui::WindowMoveView& move_;
  PictureButtons pictures_;
  ui::ClickTracker<AnaFormControl> click_;
};

}  // namespace kovrena::app
