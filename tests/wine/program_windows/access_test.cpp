// The three windows as a screen reader and a keyboard user meet them: the
// names (and access keys) oleacc reads back for every control a user can
// reach, the tab order, and the frameless main window's system menu.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <cwchar>
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

// Name and keyboard shortcut. By __uuidof: the import library's
// IID_IAccessible is data Wine's oleacc does not export.
std::wstring accessible(HWND control) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object)))) {
    return L"(none)";
  }
  VARIANT self{};
  self.vt = VT_I4;
  std::wstring read;
  for (auto get : {&IAccessible::get_accName, &IAccessible::get_accKeyboardShortcut}) {
    BSTR text = nullptr;
    if ((object->*get)(self, &text) == S_OK && text != nullptr) read += std::wstring(text, SysStringLen(text));
    SysFreeString(text);
    read += L"|";
  }
  object->Release();
  return read;
}

HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

using Access = RunningProgram;

// What a user reaches: the tab stops, the options (by the arrows) and the
// pictures with a tip. A text field is named by the label before it, all
// else by its caption, whose marked letter is its access key.
TEST_F(Access, EveryReachableControlHasItsNameAndTabFollowsTheReadingOrder) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  const std::pair<HWND (*)(), std::span<const ui::ControlDesign>> windows[] = {
      {[] { return mainWindow(); }, app::kAnaFormControls},
      {openHelp, dialogs::kHelpControls},
      {openAbout, dialogs::kAboutControls}};
  for (const auto& [open, design] : windows) {
    const HWND shown = open();
    ASSERT_NE(shown, nullptr) << "the window did not open";
    std::vector<HWND> round;  // the enabled tab stops, in the design's reading order
    for (std::size_t i = 0; i < design.size(); ++i) {
      const ui::ControlDesign& row = design[i];
      const bool field = row.kind == ui::ControlKind::TextField;
      if (!row.tabStop && row.kind != ui::ControlKind::OptionButton && row.tooltip.empty()) continue;
      HWND control = nullptr;
      for (HWND child : descendants(shown)) control = GetDlgCtrlID(child) == int(row.id) ? child : control;
      std::wstring name = win32::ToWide(field ? design[i - 1].caption : row.caption), key;
      if (const std::size_t mark = name.find(L'&'); mark != std::wstring::npos) {
        key = std::wstring(L"Alt+") + static_cast<wchar_t>(std::towupper(name[mark + 1]));
        name.erase(mark, 1);
      }
      const std::wstring read = accessible(control);
      std::printf("%d: %s\n", int(row.id), win32::ToUtf8(read).c_str());
      EXPECT_EQ(read, name + L"|" + key + L"|") << int(row.id);
      if (row.tabStop && row.enabled) round.push_back(control);
    }
    // Twice round, from wherever the focus starts.
    SetForegroundWindow(shown);
    std::size_t at = round.size();
    for (std::size_t press = 0; press <= 2 * round.size(); ++press) {
      pressKey(VK_TAB);
      waitUntil([&] { return at < round.size() && focusOf(shown) == round[(at + 1) % round.size()]; },
                std::chrono::seconds(2));
      const std::size_t next = std::find(round.begin(), round.end(), focusOf(shown)) - round.begin();
      if (at != round.size()) {
        EXPECT_EQ(next, (at + 1) % round.size()) << "Tab from " << at;
      }
      at = next;
    }
    if (shown == mainWindow()) continue;
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(closedAndMainEnabled(shown));
  }
  CoUninitialize();
}

// Alt+Space opens the system menu, whose items' access keys (read from a
// window of the test's own, in the system's language) minimise and close.
TEST_F(Access, AltSpaceOffersMinimiseAndCloseWithoutAMouse) {
  const HWND own = CreateWindowW(L"STATIC", L"", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 9, 9, nullptr,
                                 nullptr, nullptr, nullptr);
  for (const UINT command : {SC_MINIMIZE, SC_CLOSE}) {
    wchar_t item[64] = {};
    GetMenuStringW(GetSystemMenu(own, FALSE), command, item, 64, MF_BYCOMMAND);
    const wchar_t* key = std::wcschr(item, L'&');
    ASSERT_NE(key, nullptr) << command;
    SetForegroundWindow(mainWindow());
    ASSERT_TRUE(waitUntil([] { return GetForegroundWindow() == mainWindow(); }));
    pressChord({VK_MENU, VK_SPACE});
    ASSERT_NE(waitFor([] { return topLevelWindow(processId(), L"", L"#32768"); }), nullptr) << "no system menu";
    // Typed as the letter it is: Turkish "Kü&çült" has one a US layout lacks.
    INPUT letter[2] = {};
    for (INPUT& input : letter) {
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = key[1];
      input.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    letter[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, letter, sizeof(INPUT));
    EXPECT_TRUE(command == SC_CLOSE ? WaitForSingleObject(process(), scaled(15000)) == WAIT_OBJECT_0
                                    : waitUntil([] { return IsIconic(mainWindow()) != FALSE; }))
        << command;
    ASSERT_TRUE(restart());
  }
  DestroyWindow(own);
}

}  // namespace
}  // namespace kovrena::testing
