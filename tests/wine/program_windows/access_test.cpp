// The three windows as a screen reader and a keyboard user meet them.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "app/ana_form_design.h"
#include "dialogs/about_design.h"
#include "dialogs/help_design.h"
#include "platform/win32/text.h"
#include "running_program.h"
#include "tests/wine/e2e/mouse.h"

namespace kovrena::testing {
namespace {

// "name|shortcut" as oleacc reads them. By __uuidof: the import library's
// IID_IAccessible is data that Wine's oleacc does not export.
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

using Access = RunningProgram;

// Reached by the user: the tab stops, the options (by the arrows) and the
// pictures with a tip. A text field is named by the label before it, all
// else by its caption, whose marked letter is its access key. Tab walks the
// enabled tab stops in the design's reading order.
TEST_F(Access, EveryReachableControlHasItsNameAndTabFollowsTheReadingOrder) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  const std::pair<HWND (*)(), std::span<const ui::ControlDesign>> windows[] = {
      {[] { return mainWindow(); }, app::kAnaFormControls},
      {openHelp, dialogs::kHelpControls},
      {openAbout, dialogs::kAboutControls}};
  for (const auto& [open, design] : windows) {
    const HWND shown = open();
    ASSERT_NE(shown, nullptr) << "the window did not open";
    std::vector<HWND> round;
    for (std::size_t i = 0; i < design.size(); ++i) {
      const ui::ControlDesign& row = design[i];
      if (!row.tabStop && row.kind != ui::ControlKind::OptionButton && row.tooltip.empty()) continue;
      HWND control = nullptr;
      for (HWND child : descendants(shown)) control = GetDlgCtrlID(child) == int(row.id) ? child : control;
      std::wstring name = win32::ToWide(row.kind == ui::ControlKind::TextField ? design[i - 1].caption : row.caption);
      std::wstring key;
      if (const std::size_t mark = name.find(L'&'); mark != std::wstring::npos) {
        key = std::wstring(L"Alt+") + static_cast<wchar_t>(std::towupper(name[mark + 1]));
        name.erase(mark, 1);
      }
      EXPECT_EQ(accessible(control), name + L"|" + key + L"|") << int(row.id);
      if (row.tabStop && row.enabled) round.push_back(control);
    }
    SetForegroundWindow(shown);
    std::vector<HWND> walked;
    for (std::size_t press = 0; press <= round.size(); ++press) {
      pressKey(VK_TAB);
      waitUntil([&] { return walked.empty() || focusOf(shown) != walked.back(); }, std::chrono::seconds(2));
      walked.push_back(focusOf(shown));
    }
    const auto start = std::find(round.begin(), round.end(), walked[0]) - round.begin();
    for (std::size_t i = 0; i < walked.size(); ++i) EXPECT_EQ(walked[i], round[(start + i) % round.size()]) << i;
    if (shown == mainWindow()) continue;
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(closedAndMainEnabled(shown));
  }
  CoUninitialize();
}

}  // namespace
}  // namespace kovrena::testing
