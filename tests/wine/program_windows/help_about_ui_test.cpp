// The help and about windows of the running program, reached and closed
// the way the user does it: the menu on "?", the maker label, Enter, Esc,
// the buttons and Alt+S. Only what the program's windows show is read.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/about.h"
#include "dialogs/about_design.h"
#include "dialogs/help_design.h"
#include "dialogs/help_text.h"
#include "dialogs/sys_info.h"
#include "platform/product.h"
#include "platform/win32/scoped.h"
#include "platform/win32/text.h"
#include "running_program.h"
#include "tests/wine/e2e/mouse.h"
#include "tests/wine/support/handled.h"
#include "tests/wine/wait_scale.h"

namespace kovrena::testing {
namespace {

using kovrena::win32::ToWide;

// A control's rectangle in its window's client coordinates.
RECT placeOf(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT rectOf(const ui::Rect& design) {
  return {design.left, design.top, design.left + design.width, design.top + design.height};
}

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The major and minor number of the version record the program carries.
std::pair<unsigned, unsigned> versionOf(const std::wstring& exe) {
  DWORD ignored = 0;
  std::vector<char> record(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  if (record.empty() || !GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(record.size()), record.data()) ||
      !VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &size) || fixed == nullptr) {
    return {0, 0};
  }
  return {HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS)};
}

HWND childWithClass(HWND window, const wchar_t* windowClass) {
  for (HWND child : descendants(window)) {
    if (_wcsicmp(className(child).c_str(), windowClass) == 0) return child;
  }
  return nullptr;
}

using HelpWindow = RunningProgram;

// What the help and the about window do alike, one suite run against each.
struct ProgramWindowCase {
  const char* name;
  int menuItem;  // in the "?" picture's menu
  int clientWidth;
  int clientHeight;
  // Done each time before it closes.
  void (*whileOpen)(HWND window);
};

class ProgramWindow : public RunningProgram, public ::testing::WithParamInterface<ProgramWindowCase> {};

TEST_P(ProgramWindow, OpensModalAtItsSizeAndClosesWithEscEnterOrTamam) {
  struct Row {
    const char* what;
    WORD key;  // 0: a click on Tamam
  };
  const Row rows[] = {{"Esc", VK_ESCAPE}, {"Enter", VK_RETURN}, {"Tamam", 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    HWND window = openFromMenu(GetParam().menuItem);
    ASSERT_NE(window, nullptr) << "the window did not open";
    EXPECT_FALSE(IsWindowEnabled(mainWindow())) << "modal: the main window takes no input";
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, GetParam().clientWidth);
    EXPECT_EQ(client.bottom, GetParam().clientHeight);
    if (GetParam().whileOpen != nullptr) GetParam().whileOpen(window);
    if (row.key != 0) {
      pressKey(row.key);
    } else {
      moveMouseTo(centreOf(findChild(window, L"Button", ToWide(dialogs::kOkCaption))));
      pressMouse(MOUSEEVENTF_LEFTDOWN);
      releaseMouse(MOUSEEVENTF_LEFTUP);
    }
    EXPECT_TRUE(closedAndMainEnabled(window)) << "the window stayed open";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Program, ProgramWindow,
    ::testing::Values(ProgramWindowCase{"Help", 1, dialogs::kHelpClientWidth, dialogs::kHelpClientHeight,
                                        // Scrolled down, a help window opened anew still starts at the top.
                                        [](HWND help) {
                                          HWND text = childWithClass(help, L"Edit");
                                          EXPECT_EQ(SendMessageW(text, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
                                          SendMessageW(text, EM_LINESCROLL, 0, 5);
                                          EXPECT_GT(SendMessageW(text, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
                                        }},
                      ProgramWindowCase{"About", 2, dialogs::kAboutClientWidth, dialogs::kAboutClientHeight, nullptr}),
    [](const ::testing::TestParamInfo<ProgramWindowCase>& tested) { return std::string(tested.param.name); });

TEST_F(HelpWindow, OpensFromTheMenuFramelessWithTheWholeText) {
  HWND help = openHelp();
  ASSERT_NE(help, nullptr) << "the help window did not open";
  EXPECT_EQ(windowText(help), ToWide(dialogs::kHelpWindowTitle));
  RECT outer{}, client{};
  GetWindowRect(help, &outer);
  GetClientRect(help, &client);
  EXPECT_EQ(outer.right - outer.left, client.right) << "no frame";
  EXPECT_EQ(outer.bottom - outer.top, client.bottom) << "no title bar";

  HWND title = findChild(help, L"Static", ToWide(dialogs::kHelpLabelCaption));
  HWND text = childWithClass(help, L"Edit");
  HWND ok = findChild(help, L"Button", ToWide(dialogs::kOkCaption));
  ASSERT_NE(title, nullptr);
  ASSERT_NE(text, nullptr);
  ASSERT_NE(ok, nullptr);
  EXPECT_TRUE(placeOf(title) == rectOf(dialogs::kHelpLabelRect));
  EXPECT_TRUE(placeOf(text) == rectOf(dialogs::kHelpTextRect));
  EXPECT_TRUE(placeOf(ok) == rectOf(dialogs::kHelpOkRect));
  EXPECT_EQ(windowText(text), ToWide(dialogs::HelpText()));
  EXPECT_NE(GetWindowLongW(text, GWL_STYLE) & ES_READONLY, 0);
  EXPECT_EQ(SendMessageW(text, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  saveScreenshot(help, L"help-window");
}

TEST_F(HelpWindow, DraggingTheTitleMovesTheWindowDraggingTheTextDoesNot) {
  struct Row {
    const char* what;
    bool onTitle;
    bool moves;
  };
  const Row rows[] = {{"title", true, true}, {"text box", false, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    HWND help = openHelp();
    ASSERT_NE(help, nullptr) << "the help window did not open";
    HWND part = row.onTitle ? findChild(help, L"Static", ToWide(dialogs::kHelpLabelCaption)) : childWithClass(help, L"Edit");
    RECT before{};
    GetWindowRect(help, &before);
    const POINT at = centreOf(part);
    moveMouseTo(at);
    pressMouse(MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 4; ++step) moveMouseTo({at.x + 10 * step, at.y + 5 * step});
    releaseMouse(MOUSEEVENTF_LEFTUP);
    RECT after{};
    if (row.moves) {
      // The window follows from the first move with the button held.
      EXPECT_TRUE(waitUntil([&] {
        GetWindowRect(help, &after);
        return after.left == before.left + 30 && after.top == before.top + 15;
      })) << "moved by " << (after.left - before.left) << ", " << (after.top - before.top);
    } else {
      ASSERT_TRUE(WaitUntilHandled(help, scaled(15000)));
      GetWindowRect(help, &after);
      EXPECT_EQ(after.left, before.left);
      EXPECT_EQ(after.top, before.top);
    }
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(closedAndMainEnabled(help));
  }
}

using AboutWindow = RunningProgram;

TEST_F(AboutWindow, OpensFromTheMenuAndTheMakerLabelWithItsDesign) {
  const auto [major, minor] = versionOf(exe());
  const dialogs::AboutTexts loaded = dialogs::AboutLoadTexts(kProgramTitle, major, minor);
  struct Row {
    const char* what;
    HWND (*open)();
  };
  const Row rows[] = {{"menu", [] { return openAbout(); }}, {"maker label", [] { return openAboutFromMakerLabel(); }}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    HWND about = row.open();
    ASSERT_NE(about, nullptr) << "the about window did not open";
    EXPECT_FALSE(IsWindowEnabled(mainWindow())) << "modal: the main window takes no input";
    EXPECT_EQ(windowText(about), ToWide(loaded.title));
    for (const dialogs::ControlDesign& design : dialogs::kAboutControls) {
      SCOPED_TRACE(static_cast<int>(design.id));
      std::wstring caption = ToWide(design.caption);
      if (design.id == dialogs::AboutControl::lblTitle) caption = ToWide(loaded.lblTitle);
      if (design.id == dialogs::AboutControl::lblVersion) caption = ToWide(loaded.lblVersion);
      const wchar_t* windowClass = design.kind == dialogs::ControlKind::PushButton ? L"Button" : L"Static";
      HWND control = nullptr;
      for (HWND child : descendants(about)) {
        if (control == nullptr && _wcsicmp(className(child).c_str(), windowClass) == 0 &&
            placeOf(child) == rectOf(design.rect)) {
          control = child;
        }
      }
      ASSERT_NE(control, nullptr) << "nothing at the designed place";
      if (design.kind != dialogs::ControlKind::Icon) {
        EXPECT_EQ(windowText(control), caption);
      }
    }
    if (&row == &rows[0]) saveScreenshot(about, L"about-window");
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(closedAndMainEnabled(about)) << "Esc did not close the about window";
  }
}

// True when the registry names the system-information tool to a program of
// either architecture.
bool toolNamed() {
  for (const dialogs::RegistryLookup& lookup :
       {dialogs::DefaultSysInfoLookups().programFile, dialogs::DefaultSysInfoLookups().folder}) {
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
      win32::UniqueKey key;
      if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, ToWide(lookup.keyPath).c_str(), 0, KEY_READ | view, key.put()) ==
              ERROR_SUCCESS &&
          RegQueryValueExW(key.get(), ToWide(lookup.valueName).c_str(), nullptr, nullptr, nullptr, nullptr) ==
              ERROR_SUCCESS) {
        return true;
      }
    }
  }
  return false;
}

// Where the registry names no system-information tool (as Wine's), Alt+S
// ends in the one message, modal to the about window.
TEST_F(AboutWindow, AltSShowsTheMessageOverTheAboutWindowWhenNoToolIsFound) {
  if (toolNamed()) GTEST_SKIP() << "this machine names the tool: it would start";
  HWND about = openAbout();
  ASSERT_NE(about, nullptr) << "the about window did not open";
  INPUT keys[4] = {};
  for (INPUT& key : keys) key.type = INPUT_KEYBOARD;
  keys[0].ki.wVk = VK_MENU;
  keys[1].ki.wVk = 'S';
  keys[2].ki.wVk = 'S';
  keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
  keys[3].ki.wVk = VK_MENU;
  keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, keys, sizeof(INPUT));
  HWND box = waitFor([] { return topLevelWindow(processId(), L"Kovrena", L"#32770"); });
  ASSERT_NE(box, nullptr) << "no message";
  EXPECT_EQ(GetWindow(box, GW_OWNER), about);
  EXPECT_FALSE(IsWindowEnabled(about));
  bool said = false;
  for (const std::wstring& text : staticTexts(box)) said = said || text == ToWide(dialogs::kSysInfoUnavailable);
  EXPECT_TRUE(said);
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(about) != FALSE; })) << "the message stayed";
  pressKey(VK_ESCAPE);
  EXPECT_TRUE(closedAndMainEnabled(about));
}

}  // namespace
}  // namespace kovrena::testing
