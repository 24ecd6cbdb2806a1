// The main window without a mouse, with real key input: what the "?"
// picture offers is reached by keys too, and the focus never rests on a
// disabled button.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <string>

#include "app/ana_form_design.h"
#include "dialogs/help_text.h"
#include "main_window_fixture.h"
#include "mouse.h"

namespace kovrena::testing {
namespace {

constexpr wchar_t kHelpClass[] = L"KovrenaFrmYardım";

class Keyboard : public MainWindow {
 protected:
  void SetUp() override {
    MainWindow::SetUp();
    SetForegroundWindow(window_);
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == window_; })) << "the window is not in front";
  }

  HWND focus() { return focusOf(window_); }
  // Tabs through the controls until this one has the focus.
  bool tabTo(HWND control) {
    for (int press = 0; press < 8 && focus() != control; ++press) pressKey(VK_TAB);
    return focus() == control;
  }
  HWND questionMark() {
    for (HWND child : descendants(window_)) {
      if (GetDlgCtrlID(child) == static_cast<int>(app::AnaFormControl::Image2)) return child;
    }
    return nullptr;
  }
  HWND help() {
    return waitFor([&] { return topLevelWindow(process_->id(), win32::ToWide(dialogs::kHelpWindowTitle), kHelpClass); });
  }
  HWND menu() { return waitFor([&] { return topLevelWindow(process_->id(), L"", L"#32768"); }); }
};

TEST_F(Keyboard, F1OpensTheHelpAndTheMenuKeysOpenTheMenuAtTheQuestionMark) {
  struct Row {
    const char* keys;
    std::initializer_list<WORD> chord;
    const wchar_t* focusOn;  // a button's caption; null: the path field
    bool opensMenu;          // else the help
  };
  const Row rows[] = {
      {"F1", {VK_F1}, L"Gözat", false},
      {"F1 in the path field", {VK_F1}, nullptr, false},
      {"Shift+F10", {VK_SHIFT, VK_F10}, L"Gözat", true},
      {"the menu key", {VK_APPS}, L"XP Tarzı görünüm desteği ver", true},
      // Not the path field's own menu.
      {"the menu key in the path field", {VK_APPS}, nullptr, true},
      {"Shift+F10 in the path field", {VK_SHIFT, VK_F10}, nullptr, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.keys);
    const HWND target = row.focusOn != nullptr ? control(L"Button", row.focusOn) : pathField();
    ASSERT_TRUE(tabTo(target)) << "the focus does not reach the control";
    pressChord(row.chord);
    const HWND opened = row.opensMenu ? menu() : help();
    ASSERT_NE(opened, nullptr) << "nothing opened";
    if (row.opensMenu) {
      // At the "?" picture, hanging from its lower left corner.
      RECT menu{}, mark{};
      GetWindowRect(opened, &menu);
      GetWindowRect(questionMark(), &mark);
      EXPECT_LE(std::abs(menu.left - mark.left), 2) << menu.left << " against " << mark.left;
      EXPECT_LE(std::abs(menu.top - mark.bottom), 2) << menu.top << " against " << mark.bottom;
      // Its first item by keys, as the mouse-opened one.
      pressKey(VK_DOWN);
      pressKey(VK_RETURN);
      ASSERT_NE(help(), nullptr) << "the menu's first item did not open the help";
    }
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(window_) != FALSE; })) << "the help did not close";
    waitUntilProgramIdle();
  }
}

TEST_F(Keyboard, AfterUygulaTheFocusIsOnGozat) {
  choose(target_);
  HWND apply = control(L"Button", L"Uygula");
  ASSERT_TRUE(tabTo(apply));
  pressKey(VK_SPACE);
  HWND box = dialogTitled(L"Kovrena");
  ASSERT_NE(box, nullptr) << "no message box";
  pressKey(VK_RETURN);
  ASSERT_TRUE(waitUntil([&] { return gone(box); }));
  waitUntilProgramIdle();
  EXPECT_FALSE(IsWindowEnabled(apply));
  EXPECT_EQ(focus(), control(L"Button", L"Gözat"));
  // And the keyboard goes on from there.
  pressKey(VK_TAB);
  EXPECT_NE(focus(), apply);
  EXPECT_NE(focus(), nullptr);
}

}  // namespace
}  // namespace kovrena::testing
