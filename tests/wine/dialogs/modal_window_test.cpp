// What the help and the about window do alike, shown modally as the main
// window shows them: one suite run against each.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "dialogs/backgrounds.h"
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
  // The control that has the focus when the window opens.
  HWND (*firstFocus)(HWND window);
  const PanelPicture* background;
  std::vector<POINT> backgroundPoints;  // client points no control covers
  std::vector<const wchar_t*> transparentLabels;
};
void PrintTo(const ModalWindow& window, std::ostream* out) { *out << window.name; }

class ModalWindowContract : public ::testing::TestWithParam<ModalWindow> {
 protected:
  HWND open() const { return FindWindowW(GetParam().windowClass, nullptr); }
};

TEST_P(ModalWindowContract, EnterAndEscCloseItFromItsFirstFocusAndItKeepsItsOwnerOutMeanwhile) {
  // One owner for all: hiding a window costs seconds under Wine without a
  // window manager.
  const kovrena::testing::OwnerWindow owner;
  for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    SCOPED_TRACE(key);
    bool ownerDisabled = false;
    bool focusFirst = false;
    WhileShown shown;
    shown.run([&] { GetParam().show(owner.get()); },
              [&] {
                const HWND focus = GetFocus();
                ownerDisabled = !IsWindowEnabled(owner.get());
                focusFirst = focus != nullptr && focus == GetParam().firstFocus(open());
                PostMessageW(focus, WM_KEYDOWN, key, 1);
              });
    EXPECT_FALSE(shown.timedOut()) << "the window did not close";
    EXPECT_TRUE(ownerDisabled) << "the owner takes no input while the window is open";
    EXPECT_TRUE(focusFirst);
    EXPECT_EQ(open(), nullptr) << "the window is discarded";
    EXPECT_TRUE(IsWindowEnabled(owner.get()));
  }
}

TEST_P(ModalWindowContract, DrawsItsPictureBehindTransparentLabels) {
  std::vector<std::pair<COLORREF, COLORREF>> drawnAndPicture;
  WhileShown shown;
  shown.run([] { GetParam().show(nullptr); },
            [&] {
              const HWND window = open();
              const ClientPicture drawn(window);
              for (const POINT& at : GetParam().backgroundPoints) {
                drawnAndPicture.emplace_back(drawn.at(at.x, at.y), panelPixel(*GetParam().background, at.x, at.y));
              }
              for (const wchar_t* caption : GetParam().transparentLabels) {
                const HWND label = FindWindowExW(window, nullptr, L"Static", caption);
                const RECT rect = childRect(label);
                drawnAndPicture.emplace_back(ClientPicture(label).at(1, 1),
                                             panelPixel(*GetParam().background, rect.left + 1, rect.top + 1));
              }
              PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
            });
  EXPECT_FALSE(shown.timedOut());
  ASSERT_EQ(drawnAndPicture.size(), GetParam().backgroundPoints.size() + GetParam().transparentLabels.size());
  for (std::size_t i = 0; i < drawnAndPicture.size(); ++i) {
    EXPECT_EQ(drawnAndPicture[i].first, drawnAndPicture[i].second) << "point or label " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, ModalWindowContract,
    ::testing::Values(
        ModalWindow{"Help", L"KovrenaFrmYardım", [](HWND owner) { ShowHelpWindow(owner); },
                    [](HWND window) { return FindWindowExW(window, nullptr, L"Edit", nullptr); }, &kHelpBackground,
                    {{5, 5}, {400, 290}}, {L"KOVRENA YARDIM VE UYARILAR"}},
        ModalWindow{"About", L"KovrenaFrmHakkında", [](HWND owner) { ShowAboutWindow(owner); },
                    [](HWND window) { return GetDlgItem(window, IDOK); }, &kAboutBackground, {{5, 5}},
                    {L"Kovrena", L"Drenvik Electronics", L"destek@drenvik.example"}}),
    [](const ::testing::TestParamInfo<ModalWindow>& tested) { return std::string(tested.param.name); });

}  // namespace
}  // namespace kovrena::dialogs::win32
