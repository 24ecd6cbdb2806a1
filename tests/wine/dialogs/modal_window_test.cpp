// What the help and the about window do alike, shown modally as the main
// window shows them: one suite run against each.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/about_design.h"
#include "dialogs/backgrounds.h"
#include "dialogs/help_design.h"
#include "dialogs/win32/about_window.h"
#include "dialogs/win32/help_window.h"
#include "test_support.h"

namespace kovrena::dialogs::win32 {
namespace {

using kovrena::testing::childRect;
using kovrena::testing::ClientPicture;
using kovrena::testing::panelPixel;
using kovrena::testing::WhileShown;

struct ModalWindow {
  const char* name;
  const wchar_t* windowClass;
  void (*show)(HWND owner);
  SIZE client;
  // The control that has the focus when the window opens.
  HWND (*firstFocus)(HWND window);
  const PanelPicture* background;
  std::vector<POINT> backgroundPoints;  // client points no control covers
  std::vector<const wchar_t*> transparentLabels;
  // What the user changes in an open window, and whether it is as it opens.
  void (*change)(HWND window);
  bool (*asOpened)(HWND window);
};

class ModalWindowContract : public ::testing::TestWithParam<ModalWindow> {
 protected:
  HWND open() const { return FindWindowW(GetParam().windowClass, nullptr); }
};

// Tamam is the IDOK button of each, and both draw in the window font.
TEST_P(ModalWindowContract, EnterEscOrTamamCloseItAndItKeepsItsOwnerOutMeanwhile) {
  const struct {
    const char* what;
    bool onTamam;
    UINT message;
    WPARAM key;
  } rows[] = {{"Enter at the first focus", false, WM_KEYDOWN, VK_RETURN},
              {"Esc at the first focus", false, WM_KEYDOWN, VK_ESCAPE},
              {"Enter on Tamam", true, WM_KEYDOWN, VK_RETURN},
              {"Esc on Tamam", true, WM_KEYDOWN, VK_ESCAPE},
              {"click on Tamam", true, BM_CLICK, 0}};
  // One owner for all: hiding a window costs seconds under Wine without a
  // window manager.
  const kovrena::testing::OwnerWindow owner;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    WhileShown shown;
    shown.run([&] { GetParam().show(owner.get()); },
              [&] {
                const HWND focus = GetFocus();
                EXPECT_FALSE(IsWindowEnabled(owner.get())) << "the owner takes no input while the window is open";
                EXPECT_TRUE(focus != nullptr && focus == GetParam().firstFocus(open()));
                RECT client{};
                GetClientRect(open(), &client);
                EXPECT_TRUE(client.right == GetParam().client.cx && client.bottom == GetParam().client.cy);
                EXPECT_STREQ(kovrena::testing::fontOf(open()).lfFaceName, L"Tahoma");
                const HWND target = row.onTamam ? GetDlgItem(open(), IDOK) : focus;
                SetFocus(target);
                PostMessageW(target, row.message, row.key, 1);
              });
    EXPECT_FALSE(shown.timedOut()) << "the window did not close";
    EXPECT_EQ(open(), nullptr) << "the window is discarded";
    EXPECT_TRUE(IsWindowEnabled(owner.get()));
  }
}

// Checked inside the modal loop, where the window is drawn as the user sees it.
TEST_P(ModalWindowContract, DrawsItsPictureBehindTransparentLabels) {
  const PanelPicture& picture = *GetParam().background;
  WhileShown shown;
  shown.run([] { GetParam().show(nullptr); },
            [&] {
              const ClientPicture drawn(open());
              for (const POINT& at : GetParam().backgroundPoints) {
                EXPECT_EQ(drawn.at(at.x, at.y), panelPixel(picture, at.x, at.y)) << at.x << ", " << at.y;
              }
              for (const wchar_t* caption : GetParam().transparentLabels) {
                const HWND label = FindWindowExW(open(), nullptr, L"Static", caption);
                const RECT rect = childRect(label);
                EXPECT_EQ(ClientPicture(label).at(1, 1), panelPixel(picture, rect.left + 1, rect.top + 1)) << caption;
              }
              PostMessageW(open(), WM_COMMAND, IDCANCEL, 0);
            });
  EXPECT_FALSE(shown.timedOut());
}

TEST_P(ModalWindowContract, EachOpeningStartsAsItFirstOpened) {
  for (int opening = 0; opening < 2; ++opening) {
    SCOPED_TRACE(opening);
    WhileShown shown;
    shown.run([] { GetParam().show(nullptr); },
              [&] {
                EXPECT_TRUE(GetParam().asOpened(open()));
                GetParam().change(open());
                EXPECT_FALSE(GetParam().asOpened(open())) << "the change shows";
                PostMessageW(open(), WM_COMMAND, IDCANCEL, 0);
              });
    EXPECT_FALSE(shown.timedOut());
  }
}

HWND textBoxOf(HWND help) { return FindWindowExW(help, nullptr, L"Edit", nullptr); }
HWND emailOf(HWND about) { return FindWindowExW(about, nullptr, L"Static", L"destek@drenvik.example"); }

INSTANTIATE_TEST_SUITE_P(
    Dialogs, ModalWindowContract,
    ::testing::Values(
        // Scrolled down, the help text starts at the top again.
        ModalWindow{"Help", L"KovrenaFrmYardım", [](HWND owner) { ShowHelpWindow(owner); },
                    {kHelpClientWidth, kHelpClientHeight}, textBoxOf, &kHelpBackground, {{5, 5}, {400, 290}},
                    {L"KOVRENA YARDIM VE UYARILAR"},
                    [](HWND help) { SendMessageW(textBoxOf(help), EM_LINESCROLL, 0, 5); },
                    [](HWND help) { return SendMessageW(textBoxOf(help), EM_GETFIRSTVISIBLELINE, 0, 0) == 0; }},
        // Underlined under the mouse, the links are plain again.
        ModalWindow{"About", L"KovrenaFrmHakkında", [](HWND owner) { ShowAboutWindow(owner); },
                    {kAboutClientWidth, kAboutClientHeight}, [](HWND about) { return GetDlgItem(about, IDOK); },
                    &kAboutBackground, {{5, 5}},
                    {L"Kovrena", L"Drenvik Electronics", L"destek@drenvik.example"},
                    [](HWND about) { SendMessageW(about, WM_MOUSEMOVE, 0, MAKELPARAM(150, 165)); },
                    [](HWND about) { return kovrena::testing::fontOf(emailOf(about)).lfUnderline == 0; }}),
    [](const ::testing::TestParamInfo<ModalWindow>& tested) { return std::string(tested.param.name); });

}  // namespace
}  // namespace kovrena::dialogs::win32
