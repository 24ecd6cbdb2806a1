#pragma once
// One running Kovrena for a whole test suite (a program start is what costs
// time on a slow machine), driven as its user drives it: the help and about
// windows are reached through the "?" picture's menu and the maker label,
// with the real mouse and keyboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/wine/e2e/gui_driver.h"

namespace kovrena::testing {

inline constexpr wchar_t kHelpClass[] = L"KovrenaFrmYardım";
inline constexpr wchar_t kAboutClass[] = L"KovrenaFrmHakkında";

class RunningProgram : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  // Each test starts with the main window alone, taking input.
  void SetUp() override;
  void TearDown() override;

  // Ends the program and starts it anew (it then reads the display settings
  // again); false when it did not come up.
  static bool restart();

  static std::wstring exe();
  static HWND mainWindow() { return main_; }
  static DWORD processId();
  static HANDLE process();

  // The program's visible top-level window of this class, after waiting.
  static HWND windowOfClass(const std::wstring& windowClass);
  // A child of the main window by its control id.
  static HWND mainControl(int id);

  // Through the "?" picture's menu (its first item is the help, the second
  // the about window); null when the window did not open.
  static HWND openFromMenu(int item);
  static HWND openHelp() { return openFromMenu(1); }
  static HWND openAbout() { return openFromMenu(2); }
  // A click on the maker label "Drenvik Electronics".
  static HWND openAboutFromMakerLabel();

  // True once the window has closed and the main window takes input again.
  static bool closedAndMainEnabled(HWND window);

 private:
  static void closeWhatIsOpen();
  static std::unique_ptr<ChildProcess> process_;
  static HWND main_;
};

}  // namespace kovrena::testing
