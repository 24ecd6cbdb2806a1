// The three windows as a screen reader and a keyboard user meet them: the
// name (and access key) the system's accessibility gives each control a
// user can reach, read back through oleacc; the tab order; and the system
// menu, which the frameless main window still offers with Alt+Space.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "app/ana_form_design.h"
#include "dialogs/about_design.h"
#include "dialogs/help_design.h"
#include "platform/win32/text.h"
#include "running_program.h"
#include "tests/wine/e2e/mouse.h"
#include "tests/wine/wait_scale.h"

namespace kovrena::testing {
namespace {

using app::AnaFormControl;
using dialogs::AboutControl;
using dialogs::HelpControl;
using kovrena::win32::ToUtf8;
using kovrena::win32::ToWide;

struct Accessible {
  std::wstring name, shortcut;
  long role = 0;
};

Accessible accessibleOf(HWND control) {
  Accessible found;
  IAccessible* object = nullptr;
  // By __uuidof: the import library's IID_IAccessible is an import of data
  // that Wine's oleacc does not export, and reads as another interface.
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object)))) {
    return found;
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  const auto take = [](BSTR text) {
    std::wstring taken = text != nullptr ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return taken;
  };
  BSTR text = nullptr;
  if (object->get_accName(self, &text) == S_OK) found.name = take(text);
  text = nullptr;
  if (object->get_accKeyboardShortcut(self, &text) == S_OK) found.shortcut = take(text);
  VARIANT role{};
  if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4) found.role = role.lVal;
  object->Release();
  return found;
}

// A caption as a screen reader says it: without the access key's mark.
std::wstring spoken(std::string_view caption) {
  std::wstring text = ToWide(caption);
  if (const std::size_t mark = text.find(L'&'); mark != std::wstring::npos) text.erase(mark, 1);
  return text;
}

// The keyboard focus in the program.
HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

using Access = RunningProgram;

TEST_F(Access, EveryReachableControlHasANameAndTabFollowsTheReadingOrder) {
  ASSERT_EQ(CoInitialize(nullptr), S_OK);
  struct Named {
    ui::EnumNumber control;
    ui::EnumNumber namedBy;  // whose caption names it: a label before it, or its own
    const wchar_t* shortcut;
  };
  struct Window {
    const char* name;
    HWND (*open)();
    std::span<const ui::ControlDesign> design;
    std::vector<Named> named;
    std::vector<int> tabOrder;  // one round, from any of them
  };
  const auto id = [](auto control) { return static_cast<int>(control); };
  const Window windows[] = {
      {"main", [] { return mainWindow(); }, app::kAnaFormControls,
       {{AnaFormControl::txtExeYolu, AnaFormControl::Label1, L""},
        {AnaFormControl::cmdGözat, AnaFormControl::cmdGözat, L""},
        {AnaFormControl::optXPUygula, AnaFormControl::optXPUygula, L""},
        {AnaFormControl::optGeriAl, AnaFormControl::optGeriAl, L""},
        {AnaFormControl::cmdUygula, AnaFormControl::cmdUygula, L""},
        {AnaFormControl::Label2, AnaFormControl::Label2, L""},
        {AnaFormControl::Image2, AnaFormControl::Image2, L""},
        {AnaFormControl::imgSimge, AnaFormControl::imgSimge, L""},
        {AnaFormControl::imgKapat, AnaFormControl::imgKapat, L""}},
       // "Uygula" is disabled until a program is chosen.
       {id(AnaFormControl::txtExeYolu), id(AnaFormControl::cmdGözat), id(AnaFormControl::optXPUygula)}},
      {"help", [] { return openHelp(); }, dialogs::kHelpControls,
       {{HelpControl::txtYardım, HelpControl::Label1, L""},
        {HelpControl::cmdTamam, HelpControl::cmdTamam, L""}},
       {id(HelpControl::txtYardım), id(HelpControl::cmdTamam)}},
      {"about", [] { return openAbout(); }, dialogs::kAboutControls,
       {{AboutControl::lblDrenvikElectronics, AboutControl::lblDrenvikElectronics, L""},
        {AboutControl::emailgönder, AboutControl::emailgönder, L""},
        {AboutControl::cmdOK, AboutControl::cmdOK, L""},
        {AboutControl::cmdSysInfo, AboutControl::cmdSysInfo, L"Alt+S"}},
       {id(AboutControl::lblDrenvikElectronics), id(AboutControl::emailgönder), id(AboutControl::cmdOK),
        id(AboutControl::cmdSysInfo)}},
  };
  std::ofstream record(std::string(getenv("KOVRENA_ARTIFACTS") ? getenv("KOVRENA_ARTIFACTS") : ".") +
                       "/accessible-names.txt");
  for (const Window& window : windows) {
    SCOPED_TRACE(window.name);
    const HWND shown = window.open();
    ASSERT_NE(shown, nullptr) << "the window did not open";
    const auto control = [&](int number) {
      for (HWND child : descendants(shown)) {
        if (GetDlgCtrlID(child) == number) return child;
      }
      return HWND{};
    };
    for (const Named& named : window.named) {
      SCOPED_TRACE(static_cast<int>(named.control));
      const Accessible read = accessibleOf(control(static_cast<int>(named.control)));
      record << window.name << "\t" << static_cast<int>(named.control) << "\t" << ToUtf8(read.name) << "\t" << ToUtf8(read.shortcut)
             << "\trole " << read.role << "\n";
      EXPECT_EQ(read.name, spoken(ui::DesignOf(window.design, named.namedBy)->caption));
      EXPECT_EQ(read.shortcut, named.shortcut);
    }
    // Tab walks the round twice, in order, whichever control it starts from.
    SetForegroundWindow(shown);
    std::vector<int> walked;
    for (std::size_t press = 0; press <= 2 * window.tabOrder.size(); ++press) {
      pressKey(VK_TAB);
      waitUntil([&] { return focusOf(shown) != nullptr; });
      walked.push_back(GetDlgCtrlID(focusOf(shown)));
    }
    const std::size_t start = std::find(window.tabOrder.begin(), window.tabOrder.end(), walked[0]) -
                              window.tabOrder.begin();
    ASSERT_LT(start, window.tabOrder.size()) << "Tab went to " << walked[0];
    for (std::size_t i = 0; i < walked.size(); ++i) {
      EXPECT_EQ(walked[i], window.tabOrder[(start + i) % window.tabOrder.size()]) << "press " << i;
    }
    if (shown != mainWindow()) {
      pressKey(VK_ESCAPE);
      EXPECT_TRUE(closedAndMainEnabled(shown));
    }
  }
  CoUninitialize();
}

// The access key of a system-menu item in the system's language, read from
// a window of the test's own with the main window's frame.
wchar_t systemMenuKey(UINT command) {
  const HWND own = CreateWindowW(L"STATIC", L"", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 10,
                                 10, nullptr, nullptr, nullptr, nullptr);
  wchar_t text[128] = {};
  GetMenuStringW(GetSystemMenu(own, FALSE), command, text, 128, MF_BYCOMMAND);
  DestroyWindow(own);
  const wchar_t* mark = wcschr(text, L'&');
  return mark != nullptr ? mark[1] : L'\0';
}

// Types a letter as the keyboard does, whichever layout has it (Turkish
// "Kü&çült" has a letter a US layout lacks).
void typeLetter(wchar_t letter) {
  INPUT keys[2] = {};
  for (INPUT& key : keys) {
    key.type = INPUT_KEYBOARD;
    key.ki.wScan = letter;
    key.ki.dwFlags = KEYEVENTF_UNICODE;
  }
  keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

// Alt+Space opens the system menu of the frameless window, and its items'
// access keys minimise and close it, as on any window.
TEST_F(Access, AltSpaceOffersMinimiseAndCloseWithoutAMouse) {
  struct Row {
    const char* item;
    UINT command;
  };
  const Row rows[] = {{"Minimise", SC_MINIMIZE}, {"Close", SC_CLOSE}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.item);
    const wchar_t key = systemMenuKey(row.command);
    ASSERT_NE(key, L'\0') << "the system's menu item has no access key";
    SetForegroundWindow(mainWindow());
    ASSERT_TRUE(waitUntil([] { return GetForegroundWindow() == mainWindow(); }));
    pressChord({VK_MENU, VK_SPACE});
    ASSERT_NE(waitFor([] { return topLevelWindow(processId(), L"", L"#32768"); }), nullptr) << "no system menu";
    typeLetter(key);
    if (row.command == SC_CLOSE) {
      EXPECT_EQ(WaitForSingleObject(process(), static_cast<DWORD>(scaled(15000))), WAIT_OBJECT_0)
          << "the program did not end";
    } else {
      EXPECT_TRUE(waitUntil([] { return IsIconic(mainWindow()) != FALSE; })) << "the window was not minimised";
    }
    // The next test finds the window as it was at the start.
    ASSERT_TRUE(restart());
  }
}

}  // namespace
}  // namespace kovrena::testing
