#include "app/chrome.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kovrena::app {
namespace {

using C = AnaFormControl;

// What the window is asked to do, in order, as text.
class RecordingChrome : public ChromeView, public ui::WindowMoveView {
 public:
  void showPicture(PictureButton, std::string_view resourceName) override { calls.push_back(std::string(resourceName)); }
  void captureMouse(AnaFormControl control) override { calls.push_back("capture " + name(control)); }
  void releaseMouse(AnaFormControl control) override { calls.push_back("release " + name(control)); }
  void minimise() override { calls.push_back("minimise"); }
  void close() override { calls.push_back("close"); }
  void showPopupMenu(MenuPlace place) override {
    calls.push_back(place == MenuPlace::Pointer ? "popup menu" : "popup menu at ?");
  }
  void showHelp() override { calls.push_back("help"); }
  void showAbout() override { calls.push_back("about"); }
  void setPointer(ui::Pointer pointer) override { calls.push_back(pointer == ui::Pointer::Move ? "move pointer" : "default pointer"); }
  void releaseCapture() override { calls.push_back("release capture"); }
  void runSystemMove() override { calls.push_back("system move"); }

  static std::string name(AnaFormControl control) {
    switch (control) {
      case C::Image2: return "Image2";
      case C::imgSimge: return "imgSimge";
      case C::imgKapat: return "imgKapat";
      case C::Label2: return "Label2";
      default: return "other";
    }
  }
  std::vector<std::string> calls;
};

struct Event {
  enum Kind { Background, Move, Down, DoubleClick, Up, CaptureLost, Menu, Key } kind;
  C control = C::PictureZemin;
  MouseButton button = MouseButton::Left;
  int buttons = 0;    // moves: the button set
  bool over = true;   // releases: over the control
  MenuItem item = MenuItem::mnuYardım;
  ChromeKey key = ChromeKey::Help;
};

Event background(int buttons) { return {Event::Background, C::PictureZemin, MouseButton::Left, buttons}; }
Event down(C control, MouseButton button = MouseButton::Left) { return {Event::Down, control, button}; }
Event doubleClick(C control) { return {Event::DoubleClick, control}; }
Event up(C control, MouseButton button = MouseButton::Left, bool over = true) {
  return {Event::Up, control, button, 0, over};
}
Event menu(MenuItem item) { return {Event::Menu, C::PictureZemin, MouseButton::Left, 0, true, item}; }
Event key(ChromeKey pressed) {
  return {Event::Key, C::PictureZemin, MouseButton::Left, 0, true, MenuItem::mnuYardım, pressed};
}

TEST(Chrome, EachControlDoesWhatItsHandlersSay) {
  struct Row {
    const char* name;
    std::vector<Event> events;
    std::vector<std::string> calls;
  };
  const std::vector<std::string> drag = {"move pointer", "release capture", "system move", "default pointer"};
  const Row rows[] = {
      {"a drag with the left button alone", {background(1)}, drag},
      {"no drag with left and right, nor without a button", {background(3), background(0), background(2)}, {}},
      {"a drag first, then the normal pictures",
       {{Event::Move, C::imgKapat}, background(1)},
       {"KAPATUST", "move pointer", "release capture", "system move", "default pointer", "KAPAT", "SIMGE"}},
      {"click on imgSimge minimises",
       {down(C::imgSimge), up(C::imgSimge)},
       {"SIMGEALT", "capture imgSimge", "release imgSimge", "minimise"}},
      {"imgKapat released elsewhere does not close",
       {down(C::imgKapat), up(C::imgKapat, MouseButton::Left, false)},
       {"KAPATALT", "capture imgKapat", "release imgKapat"}},
      {"click on imgKapat closes",
       {down(C::imgKapat), up(C::imgKapat)},
       {"KAPATALT", "capture imgKapat", "release imgKapat", "close"}},
      {"the right button presses the picture but clicks nothing",
       {down(C::imgKapat, MouseButton::Right), up(C::imgKapat, MouseButton::Right)},
       {"KAPATALT"}},
      {"the mouse lost while pressed: no click",
       {down(C::imgSimge), {Event::CaptureLost}, up(C::imgSimge)},
       {"SIMGEALT", "capture imgSimge", "release imgSimge"}},
      {"a release of any button over Image2 opens the menu",
       {up(C::Image2, MouseButton::Right), up(C::Image2, MouseButton::Middle), up(C::Image2, MouseButton::Left, false)},
       {"popup menu", "popup menu", "release Image2", "popup menu"}},
      {"click and double click on Label2 open the about window each",
       {down(C::Label2), up(C::Label2), doubleClick(C::Label2), up(C::Label2)},
       {"capture Label2", "release Label2", "about", "about", "release Label2"}},
      {"the menu items", {menu(MenuItem::mnuYardım), menu(MenuItem::mnuHakkında)}, {"help", "about"}},
      {"the keys: help, and the menu at the picture, not at the mouse",
       {key(ChromeKey::Help), key(ChromeKey::Menu)}, {"help", "popup menu at ?"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    AnaFormValues values;
    RecordingChrome view;
    Chrome chrome(values, view, view);
    for (const Event& event : row.events) {
      switch (event.kind) {
        case Event::Background: chrome.backgroundMouseMove(event.buttons); break;
        case Event::Move: chrome.mouseMove(event.control, event.buttons); break;
        case Event::Down: chrome.buttonDown(event.control, event.button, false); break;
        case Event::DoubleClick: chrome.buttonDown(event.control, event.button, true); break;
        case Event::Up: chrome.buttonUp(event.control, event.button, event.over); break;
        case Event::CaptureLost: chrome.captureLost(); break;
        case Event::Menu: chrome.menuClick(event.item); break;
        case Event::Key: chrome.keyPressed(event.key); break;
      }
    }
    EXPECT_EQ(view.calls, row.calls);
  }
}

}  // namespace
}  // namespace kovrena::app
