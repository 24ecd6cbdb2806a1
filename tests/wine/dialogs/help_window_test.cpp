#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "dialogs/help_design.h"
#include "dialogs/help_text.h"
#include "dialogs/win32/help_window.h"
#include "platform/win32/text.h"
#include "test_support.h"
#include "tests/wine/support/handled.h"

namespace kovrena::dialogs::win32 {
namespace {

using kovrena::testing::windowText;

TEST(frmYardım, LoadShowsTheTextsExactly) {
  frmYardım form;
  ASSERT_TRUE(form.create(nullptr));
  const std::wstring text = windowText(form.textBox());
  EXPECT_EQ(text, kovrena::win32::ToWide(HelpText()));
  EXPECT_EQ(text.size(), 1132u);
  EXPECT_EQ(windowText(form.handle()), L"Yardım ve Uyarılar");
  EXPECT_EQ(windowText(form.label()), L"KOVRENA YARDIM VE UYARILAR");
  EXPECT_EQ(windowText(form.okButton()), L"Tamam");
}

// The controls themselves come from the design table through the factory
// (tests/wine/ui): here what the window adds to them.
// Its size, Tamam as IDOK and the font: ModalWindowContract.
TEST(frmYardım, IsAFramelessPanel) {
  frmYardım form;
  ASSERT_TRUE(form.create(nullptr));
  RECT window{};
  GetWindowRect(form.handle(), &window);
  EXPECT_EQ(window.right - window.left, kHelpClientWidth) << "no frame";
  EXPECT_EQ(window.bottom - window.top, kHelpClientHeight) << "no title bar";
  const LONG style = GetWindowLongW(form.handle(), GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_BORDER), 0);
}

TEST(frmYardım, MovesTheWindowOnlyForTheLeftButtonAlone) {
  struct Row {
    const char* what;
    bool overLabel;
    WPARAM keys;
    bool moves;
  };
  const Row rows[] = {
      {"background, left", false, MK_LBUTTON, true},
      {"Label1, left", true, MK_LBUTTON, true},
      {"left with Shift", false, MK_LBUTTON | MK_SHIFT, true},
      {"no button", false, 0, false},
      {"right", false, MK_RBUTTON, false},
      {"middle", true, MK_MBUTTON, false},
      {"left and right", false, MK_LBUTTON | MK_RBUTTON, false},
      {"left and middle", true, MK_LBUTTON | MK_MBUTTON, false},
  };
  const HCURSOR moveArrow = LoadCursorW(nullptr, IDC_SIZEALL);
  const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    frmYardım form;
    ASSERT_TRUE(form.create(nullptr));
    std::vector<HCURSOR> pointersDuringMove;
    form.setMover([&](HWND window) {
      EXPECT_EQ(window, form.handle());
      pointersDuringMove.push_back(form.pointer());
    });
    const POINT at = row.overLabel ? POINT{200, 24} : POINT{10, 150};
    SendMessageW(form.handle(), WM_MOUSEMOVE, row.keys, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(pointersDuringMove, row.moves ? std::vector<HCURSOR>{moveArrow} : std::vector<HCURSOR>{});
    EXPECT_EQ(form.pointer(), arrow) << "the default pointer after the move";
  }
}

TEST(frmYardım, MouseOverLabelReachesTheWindowOverTheTextBoxItDoesNot) {
  frmYardım form;
  ASSERT_TRUE(form.create(nullptr));
  SetWindowPos(form.handle(), HWND_TOP, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
  int moves = 0;
  form.setMover([&](HWND) { ++moves; });
  struct Row {
    const char* what;
    POINT client;
    HWND receiver;
  };
  const Row rows[] = {
      {"Label1", {200, 24}, form.handle()},
      {"background", {10, 150}, form.handle()},
      {"txtYardım", {200, 140}, form.textBox()},
      {"cmdTamam", {200, 265}, form.okButton()},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    POINT screen = row.client;
    ClientToScreen(form.handle(), &screen);
    EXPECT_EQ(WindowFromPoint(screen), row.receiver);
  }
  // The text box handles its own moves: a drag there selects text.
  SendMessageW(form.textBox(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 20));
  EXPECT_EQ(moves, 0);
}

}  // namespace
}  // namespace kovrena::dialogs::win32

namespace kovrena::dialogs::win32 {
namespace {

void sendMouse(DWORD flags, POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

// The user's hand: a second thread presses, moves and releases, each step
// once the window's thread has handled the one before, while the test
// thread runs the window and the system's move loop.
void drag(HWND window, POINT start, bool withRightButton, std::atomic<bool>& done) {
  const POINT steps[] = {{start.x + 20, start.y + 10}, {start.x + 40, start.y + 30}, {start.x + 60, start.y + 50}};
  const auto handled = [window] { (void)kovrena::testing::WaitUntilHandled(window, 5000); };
  if (withRightButton) sendMouse(MOUSEEVENTF_RIGHTDOWN, start);
  sendMouse(MOUSEEVENTF_LEFTDOWN, start);
  for (const POINT& step : steps) {
    handled();
    sendMouse(MOUSEEVENTF_MOVE, step);
  }
  handled();
  sendMouse(MOUSEEVENTF_LEFTUP, steps[2]);
  if (withRightButton) sendMouse(MOUSEEVENTF_RIGHTUP, steps[2]);
  handled();
  done = true;
}

TEST(frmYardım, DragsWithTheRealMouse) {
  struct Row {
    const char* what;
    POINT start;  // client coordinates
    bool withRightButton;
    bool moves;
  };
  const Row rows[] = {
      {"background", {10, 150}, false, true},
      {"Label1", {200, 24}, false, true},
      {"text box", {200, 140}, false, false},
      // Ends on the background too: a right button released over the text
      // box would open its context menu.
      {"background with both buttons", {280, 246}, true, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    frmYardım form;
    ASSERT_TRUE(form.create(nullptr));
    SetWindowPos(form.handle(), HWND_TOP, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(form.handle());
    const POINT start{100 + row.start.x, 100 + row.start.y};
    SetCursorPos(start.x, start.y);
    kovrena::testing::pumpMessages();
    std::atomic<bool> done = false;
    std::thread hand(drag, form.handle(), start, row.withRightButton, std::ref(done));
    while (!done) {
      kovrena::testing::pumpMessages();
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    hand.join();
    kovrena::testing::pumpMessages();
    RECT moved{};
    GetWindowRect(form.handle(), &moved);
    if (row.moves) {
      // The window follows from the first move with the button held: it
      // keeps its distance to the pointer from there, so it travels the
      // rest of the way (40, 40), or (20, 20) if that first move and the
      // next reached the window as one.
      EXPECT_TRUE(moved.left == 140 || moved.left == 120) << moved.left;
      EXPECT_EQ(moved.top - 100, moved.left - 100);
    } else {
      EXPECT_EQ(moved.left, 100);
      EXPECT_EQ(moved.top, 100);
    }
    EXPECT_EQ(form.pointer(), LoadCursorW(nullptr, IDC_ARROW)) << "the default pointer after a move";
  }
}

}  // namespace
}  // namespace kovrena::dialogs::win32
