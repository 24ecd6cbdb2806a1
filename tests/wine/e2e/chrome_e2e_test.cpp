// The window chrome with real mouse input: the picture buttons' pictures,
// dragging the shaped window, the "?" menu and the maker label.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/ana_form_design.h"
#include "platform/win32/scoped.h"
#include "main_window_fixture.h"
#include "mouse.h"

namespace kovrena::testing {
namespace {

// A pixel inside the coloured square of a 19 x 19 button picture, away from its symbol.
constexpr int kProbeX = 2, kProbeY = 2;

// The colour a picture-button bitmap has at the probe pixel, read from the
// program's own resources.
COLORREF resourceColour(const wchar_t* name) {
  HMODULE program = LoadLibraryExW(kKovrenaExe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  COLORREF colour = CLR_INVALID;
  {
    const win32::UniqueBitmap bitmap(
        static_cast<HBITMAP>(LoadImageW(program, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const win32::MemoryDC memory(nullptr);
    const win32::SelectedObject reading(memory.get(), bitmap.get());
    if (bitmap) colour = GetPixel(memory.get(), kProbeX, kProbeY);
  }
  FreeLibrary(program);
  return colour;
}

class Chrome : public MainWindow {
 protected:
  void SetUp() override {
    MainWindow::SetUp();
    simge_ = controlById(app::AnaFormControl::imgSimge);
    kapat_ = controlById(app::AnaFormControl::imgKapat);
    help_ = controlById(app::AnaFormControl::Image2);
    ASSERT_NE(simge_, nullptr);
    ASSERT_NE(kapat_, nullptr);
    SetForegroundWindow(window_);
  }

  HWND controlById(app::AnaFormControl id) {
    for (HWND child : descendants(window_)) {
      if (GetDlgCtrlID(child) == static_cast<int>(id)) return child;
    }
    return nullptr;
  }

  // The picture a button shows, read off the screen.
  std::wstring shownPicture(HWND button, const wchar_t* base) {
    RECT area{};
    GetWindowRect(button, &area);
    const COLORREF shown = GetPixel(win32::WindowDC(nullptr).get(), area.left + kProbeX, area.top + kProbeY);
    for (const wchar_t* suffix : {L"", L"UST", L"ALT"}) {
      const std::wstring name = std::wstring(base) + suffix;
      if (resourceColour(name.c_str()) == shown) return name;
    }
    return L"?";
  }

  bool showsEventually(HWND button, const wchar_t* base, const std::wstring& expected) {
    return waitUntil([&] { return shownPicture(button, base) == expected; }, std::chrono::seconds(5));
  }

  // A point of the background, away from every control.
  POINT background() { return onScreen(window_, 20, 200); }

  HWND simge_ = nullptr, kapat_ = nullptr, help_ = nullptr;
};

TEST_F(Chrome, HoverShowsTheLighterPictureAndTheBackgroundRestoresBoth) {
  moveMouseTo(background());
  EXPECT_TRUE(showsEventually(kapat_, L"KAPAT", L"KAPAT"));
  moveMouseTo(centreOf(kapat_));
  moveMouseTo({centreOf(kapat_).x + 1, centreOf(kapat_).y});
  EXPECT_TRUE(showsEventually(kapat_, L"KAPAT", L"KAPATUST"));
  EXPECT_EQ(shownPicture(simge_, L"SIMGE"), L"SIMGE");
  saveScreenshot(window_, L"chrome-kapat-hovered");

  moveMouseTo(background());
  moveMouseTo({background().x + 1, background().y});
  EXPECT_TRUE(showsEventually(kapat_, L"KAPAT", L"KAPAT"));
  EXPECT_EQ(shownPicture(simge_, L"SIMGE"), L"SIMGE");
}

TEST_F(Chrome, PressShowsTheDarkerPictureUntilTheMouseMovesElsewhere) {
  moveMouseTo(centreOf(simge_));
  pressMouse(MOUSEEVENTF_RIGHTDOWN);
  EXPECT_TRUE(showsEventually(simge_, L"SIMGE", L"SIMGEALT"));
  saveScreenshot(window_, L"chrome-simge-pressed");
  releaseMouse(MOUSEEVENTF_RIGHTUP);
  ASSERT_TRUE(WaitUntilHandled(window_, scaled(15000)));
  // No handling of the release: the pressed picture stays.
  EXPECT_EQ(shownPicture(simge_, L"SIMGE"), L"SIMGEALT");
  moveMouseTo(background());
  moveMouseTo({background().x + 1, background().y});
  EXPECT_TRUE(showsEventually(simge_, L"SIMGE", L"SIMGE"));
}

TEST_F(Chrome, DraggingTheBackgroundWithTheLeftButtonMovesTheWindow) {
  RECT before{};
  GetWindowRect(window_, &before);
  POINT at = background();
  moveMouseTo(at);
  pressMouse(MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 6; ++step) moveMouseTo({at.x + 10 * step, at.y + 5 * step});
  releaseMouse(MOUSEEVENTF_LEFTUP);
  // The drag begins with the first move while the button is held (10, 5):
  // from there on the window follows the mouse.
  RECT after{};
  ASSERT_TRUE(waitUntil([&] {
    GetWindowRect(window_, &after);
    return after.left == before.left + 50 && after.top == before.top + 25;
  }, std::chrono::seconds(5)))
      << "moved by " << (after.left - before.left) << ", " << (after.top - before.top);
}

TEST_F(Chrome, DraggingWithLeftAndRightHeldDoesNotMoveTheWindow) {
  RECT before{};
  GetWindowRect(window_, &before);
  POINT at = background();
  moveMouseTo(at);
  pressMouse(MOUSEEVENTF_RIGHTDOWN);
  pressMouse(MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 6; ++step) moveMouseTo({at.x + 10 * step, at.y + 5 * step});
  releaseMouse(MOUSEEVENTF_LEFTUP);
  releaseMouse(MOUSEEVENTF_RIGHTUP);
  ASSERT_TRUE(WaitUntilHandled(window_, scaled(15000)));
  RECT after{};
  GetWindowRect(window_, &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
}

TEST_F(Chrome, RightButtonOverTheQuestionMarkOpensTheMenuAndItsAboutItem) {
  ASSERT_NE(help_, nullptr);
  moveMouseTo(centreOf(help_));
  pressMouse(MOUSEEVENTF_RIGHTDOWN);
  releaseMouse(MOUSEEVENTF_RIGHTUP);
  HWND menu = waitFor([&] { return topLevelWindow(process_->id(), L"", L"#32768"); });
  ASSERT_NE(menu, nullptr) << "no popup menu";
  pressKey(VK_DOWN);
  pressKey(VK_DOWN);
  pressKey(VK_RETURN);
  HWND about = waitFor([&] { return topLevelWindow(process_->id(), L"Kovrena Hakkında "); });
  ASSERT_NE(about, nullptr) << "the about window did not open";
  EXPECT_FALSE(IsWindowEnabled(window_)) << "the about window must be modal";
  PostMessageW(about, WM_CLOSE, 0, 0);
  EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(window_) != FALSE; }));
}

TEST_F(Chrome, ClickingTheMakerLabelOpensTheAboutWindow) {
  HWND maker = control(L"Static", L"Drenvik Electronics");
  ASSERT_NE(maker, nullptr);
  moveMouseTo(centreOf(maker));
  pressMouse(MOUSEEVENTF_LEFTDOWN);
  releaseMouse(MOUSEEVENTF_LEFTUP);
  HWND about = waitFor([&] { return topLevelWindow(process_->id(), L"Kovrena Hakkında "); });
  ASSERT_NE(about, nullptr) << "the about window did not open";
  EXPECT_FALSE(IsWindowEnabled(window_));
  PostMessageW(about, WM_CLOSE, 0, 0);
}

TEST_F(Chrome, MinimisePictureMinimisesAndCloseEndsTheProcess) {
  moveMouseTo(centreOf(simge_));
  pressMouse(MOUSEEVENTF_LEFTDOWN);
  releaseMouse(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(waitUntil([&] { return IsIconic(window_) != FALSE; })) << "not minimised";
  ShowWindowAsync(window_, SW_RESTORE);
  ASSERT_TRUE(waitUntil([&] { return IsIconic(window_) == FALSE; }));
  // Restored (and repainted, which may take a moment): still the pressed picture.
  EXPECT_TRUE(showsEventually(simge_, L"SIMGE", L"SIMGEALT"));

  moveMouseTo(centreOf(kapat_));
  pressMouse(MOUSEEVENTF_LEFTDOWN);
  releaseMouse(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(process_->waitForExit(10000)) << "closing the window must end the process";
}

}  // namespace
}  // namespace kovrena::testing
