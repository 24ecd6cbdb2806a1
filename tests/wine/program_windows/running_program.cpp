#include "running_program.h"

#include "app/ana_form_design.h"
#include "tests/wine/e2e/mouse.h"
#include "tests/wine/wait_scale.h"

namespace kovrena::testing {

std::unique_ptr<ChildProcess> RunningProgram::process_;
HWND RunningProgram::main_ = nullptr;

std::wstring RunningProgram::exe() { return programUnderTest(KOVRENA_EXE_UNIX_PATH); }

DWORD RunningProgram::processId() { return process_ ? process_->id() : 0; }
HANDLE RunningProgram::process() { return process_ ? process_->handle() : nullptr; }

void RunningProgram::SetUpTestSuite() {
  process_ = std::make_unique<ChildProcess>(exe());
  if (!process_->started()) return;
  WaitForInputIdle(process_->handle(), scaled(10000));
  main_ = waitFor([] { return topLevelWindow(process_->id(), L"Kovrena", L"KovrenaAnaForm"); });
}

void RunningProgram::TearDownTestSuite() {
  if (main_ != nullptr) PostMessageW(main_, WM_CLOSE, 0, 0);
  if (process_) process_->waitForExit(5000);
  process_.reset();
  main_ = nullptr;
}

bool RunningProgram::restart() {
  TearDownTestSuite();
  SetUpTestSuite();
  return main_ != nullptr;
}

void RunningProgram::SetUp() {
  ASSERT_NE(main_, nullptr) << "the program did not start: " << std::string(exe().begin(), exe().end());
  ASSERT_TRUE(waitUntil([] { return IsWindowEnabled(main_) != FALSE; })) << "the main window takes no input";
}

void RunningProgram::TearDown() { closeWhatIsOpen(); }

HWND RunningProgram::windowOfClass(const std::wstring& windowClass) {
  struct Search {
    DWORD processId;
    const std::wstring* windowClass;
    HWND found;
  };
  return waitFor([&] {
    Search search{processId(), &windowClass, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto* s = reinterpret_cast<Search*>(data);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          if (owner != s->processId || !IsWindowVisible(window) || className(window) != *s->windowClass) return TRUE;
          s->found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  });
}

HWND RunningProgram::mainControl(int id) {
  for (HWND child : descendants(main_)) {
    if (GetDlgCtrlID(child) == id) return child;
  }
  return nullptr;
}

HWND RunningProgram::openFromMenu(int item) {
  HWND mark = mainControl(static_cast<int>(kovrena::app::AnaFormControl::Image2));  // the "?" picture
  if (mark == nullptr) return nullptr;
  SetForegroundWindow(main_);
  moveMouseTo(centreOf(mark));
  pressMouse(MOUSEEVENTF_LEFTDOWN);
  releaseMouse(MOUSEEVENTF_LEFTUP);
  if (waitFor([] { return topLevelWindow(processId(), L"", L"#32768"); }) == nullptr) return nullptr;
  for (int i = 0; i < item; ++i) pressKey(VK_DOWN);
  pressKey(VK_RETURN);
  return windowOfClass(item == 1 ? kHelpClass : kAboutClass);
}

HWND RunningProgram::openAboutFromMakerLabel() {
  HWND maker = findChild(main_, L"Static", L"Drenvik Electronics");
  if (maker == nullptr) return nullptr;
  SetForegroundWindow(main_);
  moveMouseTo(centreOf(maker));
  pressMouse(MOUSEEVENTF_LEFTDOWN);
  releaseMouse(MOUSEEVENTF_LEFTUP);
  return windowOfClass(kAboutClass);
}

bool RunningProgram::closedAndMainEnabled(HWND window) {
  return waitUntil([&] { return !IsWindowVisible(window) && IsWindowEnabled(main_) != FALSE; });
}

void RunningProgram::closeWhatIsOpen() {
  if (main_ == nullptr) return;
  // A menu closes with Esc; every other window of the program but the main
  // one is asked to close, the innermost (a message box) first.
  if (topLevelWindow(processId(), L"", L"#32768") != nullptr) pressKey(VK_ESCAPE);
  for (const wchar_t* windowClass : {L"#32770", kAboutClass, kHelpClass}) {
    struct Search {
      DWORD processId;
      const wchar_t* windowClass;
    } search{processId(), windowClass};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto* s = reinterpret_cast<Search*>(data);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          if (owner == s->processId && IsWindowVisible(window) && className(window) == s->windowClass) {
            PostMessageW(window, WM_CLOSE, 0, 0);
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    waitUntil([] { return IsWindowEnabled(main_) != FALSE; }, std::chrono::seconds(5));
  }
}

}  // namespace kovrena::testing
