// The whole program under Wine, through its real windows: started as a user
// starts it, found and driven through its controls' classes and texts.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "app/ana_form_design.h"
#include "main_window_fixture.h"
#include "panel_outline.h"
#include "platform/win32/scoped.h"

namespace kovrena::testing {
namespace {

// The visible outline the window must have: the yellow panel of the picture
// as the generator describes it, row by row, shifted so that picture pixel
// (3, 3) lands on the first pixel of the client area.
win32::UniqueRegion expectedOutline(HWND window) {
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  const float frame = static_cast<float>((outer.right - outer.left) - client.right) / 2.0f;
  const float caption = static_cast<float>(outer.bottom - outer.top) - frame - static_cast<float>(client.bottom);
  const int x0 = static_cast<int>(std::nearbyint(frame - 3.0f));
  const int y0 = static_cast<int>(std::nearbyint(caption - 3.0f));
  win32::UniqueRegion outline(CreateRectRgn(0, 0, 0, 0));
  for (const resources::PanelRow& row : resources::kPanelRows) {
    const win32::UniqueRegion line(CreateRectRgn(x0 + row.first, y0 + row.y, x0 + row.last + 1, y0 + row.y + 1));
    CombineRgn(outline.get(), outline.get(), line.get(), RGN_OR);
  }
  return outline;
}

// Closed: no longer among the top-level windows. (IsWindow on another

TEST_F(MainWindow, StartsWithTheDesignedControlsAndState) {
  struct Expected {
    const wchar_t* windowClass;
    const wchar_t* text;
  };
  const Expected controls[] = {
      {L"Button", L"Gözat"},
      {L"Button", L"Uygula"},
      {L"Button", L"XP Tarzı görünüm desteği ver"},
      {L"Button", L"Önceden yapılmış değişikliği geri al"},
      {L"Static", L"Program :"},
      {L"Static", L"Windows XP altında denetimleri XP tarzı görünmeyen programı seçiniz:"},
      {L"Static", L"(Programın çalışmasında problem yaşadıysanız)"},
      {L"Static", L"Drenvik Electronics"},
  };
  for (const Expected& expected : controls) {
    EXPECT_NE(control(expected.windowClass, expected.text), nullptr) << "missing control";
  }
  ASSERT_NE(pathField(), nullptr);
  EXPECT_EQ(windowText(pathField()), L"");
  EXPECT_FALSE(IsWindowEnabled(control(L"Button", L"Uygula")));
  EXPECT_TRUE(IsWindowEnabled(control(L"Button", L"Gözat")));
  EXPECT_TRUE(checked(control(L"Button", L"XP Tarzı görünüm desteği ver")));
  EXPECT_FALSE(checked(control(L"Button", L"Önceden yapılmış değişikliği geri al")));
  EXPECT_TRUE(IsWindowEnabled(control(L"Button", L"Önceden yapılmış değişikliği geri al")));
  const LONG style = GetWindowLongW(window_, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  RECT client{};
  GetClientRect(window_, &client);
  EXPECT_EQ(client.right, 438);
  EXPECT_EQ(client.bottom, 333);
  saveScreenshot(window_, L"main-window");
}

TEST_F(MainWindow, OutlineIsExactlyThePanel) {
  const win32::UniqueRegion actual(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(window_, actual.get()), ERROR) << "the window has no region";
  const win32::UniqueRegion expected = expectedOutline(window_);
  EXPECT_TRUE(EqualRgn(actual.get(), expected.get()));
  RECT box{};
  GetRgnBox(actual.get(), &box);
  RECT client{};
  GetClientRect(window_, &client);
  POINT origin{0, 0};
  ClientToScreen(window_, &origin);
  RECT outer{};
  GetWindowRect(window_, &outer);
  // The frame and title bar are cut away: the region starts at the client area.
  EXPECT_EQ(box.left, origin.x - outer.left);
  EXPECT_EQ(box.top, origin.y - outer.top);
  EXPECT_EQ(box.right - box.left, 438);
  EXPECT_EQ(box.bottom - box.top, 333);
}

// The tool tips come in after the first paint: soon after start the window
// owns one tool-tip window with a tool for every control the design gives a
// tip.
TEST_F(MainWindow, OwnsATipForEveryControlWithOne) {
  LRESULT expected = 0;
  for (const app::ControlDesign& design : app::kAnaFormControls) expected += design.tooltip.empty() ? 0 : 1;
  LRESULT tools = 0;
  EXPECT_TRUE(waitUntil([&] {
    for (HWND tips = nullptr; (tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr)) != nullptr;) {
      if (GetWindow(tips, GW_OWNER) == window_) tools = SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0);
    }
    return tools == expected;
  })) << tools << " tools";
}

TEST_F(MainWindow, AppliesThenUndoesThroughTheWindow) {
  choose(target_);
  EXPECT_EQ(windowText(pathField()), target_);
  HWND apply = control(L"Button", L"Uygula");
  HWND applyOption = control(L"Button", L"XP Tarzı görünüm desteği ver");
  HWND undoOption = control(L"Button", L"Önceden yapılmış değişikliği geri al");
  EXPECT_TRUE(IsWindowEnabled(apply));
  EXPECT_TRUE(checked(applyOption));
  EXPECT_FALSE(IsWindowEnabled(undoOption));

  pressButton(apply);
  expectMessage(L"Seçtiğiniz programa (Örnek Program.exe) XP Görünüm Stili uygulandı");
  const std::wstring manifest = target_ + L".manifest";
  const DWORD attributes = GetFileAttributesW(manifest.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << "no manifest was written";
  EXPECT_EQ(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
            static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  EXPECT_FALSE(IsWindowEnabled(apply));

  choose(target_);
  EXPECT_TRUE(checked(undoOption));
  EXPECT_FALSE(IsWindowEnabled(applyOption));
  EXPECT_TRUE(IsWindowEnabled(apply));
  saveScreenshot(window_, L"main-window-undo-preselected");

  pressButton(apply);
  expectMessage(L"Seçtiğiniz programa yapılmış XP Stili Görünüm düzenlemesi geri alındı");
  EXPECT_EQ(GetFileAttributesW(manifest.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(IsWindowEnabled(apply));
}

TEST_F(MainWindow, RefusesMissingFilesAndItselfAndIgnoresCancel) {
  choose(target_);
  choose(L"", /*cancel=*/true);
  EXPECT_EQ(windowText(pathField()), target_) << "a cancel must keep the earlier selection";
  EXPECT_TRUE(IsWindowEnabled(control(L"Button", L"Uygula")));

  choose(folder_ + L"\\yok.exe");
  expectMessage(L"Belirttiğiniz dosya bulunamadı");
  EXPECT_EQ(windowText(pathField()), L"");
  EXPECT_FALSE(IsWindowEnabled(control(L"Button", L"Uygula")));

  choose(kKovrenaExe);
  expectMessage(
      L"Bu programa XP stili uygulamanıza gerek yoktur. Çünkü bu programın geliştirilme aşamasında "
      L"denetimlerine XP görünüm desteği verilmiştir");
  EXPECT_EQ(windowText(pathField()), L"");
  EXPECT_FALSE(IsWindowEnabled(control(L"Button", L"Uygula")));
}

TEST_F(MainWindow, ClosingTheWindowEndsTheProcess) {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(process_->waitForExit(10000));
}

}  // namespace
}  // namespace kovrena::testing
