#include "ui/win32/window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/scoped.h"

namespace kovrena::ui::win32 {
namespace {

// A window that notes what reaches it, with one static control subclassed.
class NotingWindow final : public Window {
 public:
  bool create() {
    if (!Window::create({.name = L"KovrenaWindowTest"}, {.style = WS_POPUP, .width = 50, .height = 40})) return false;
    child_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, handle(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    subclass(child_);
    return true;
  }
  HWND child() const { return child_; }

  std::vector<UINT> messages;
  std::vector<UINT> childMessages;
  HWND handleAtDestroy = nullptr;
  LRESULT setTextAtDestroy = 0;
  std::vector<bool> printing;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    messages.push_back(message);
    if (message == WM_DESTROY) {
      handleAtDestroy = handle();
      // After WM_DESTROY the window is still there, and its default answers
      // are its own.
      setTextAtDestroy = defaultAnswer(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"gone"));
    }
    if (const auto painted = AnswerPaint(handle(), message, wParam, [this](HDC, bool p) { printing.push_back(p); })) {
      return *painted;
    }
    return defaultAnswer(message, wParam, lParam);
  }
  LRESULT onChildMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam) override {
    childMessages.push_back(message);
    return childAnswer(child, message, wParam, lParam);
  }

  HWND child_ = nullptr;
};

bool contains(const std::vector<UINT>& messages, UINT message) {
  for (const UINT each : messages) {
    if (each == message) return true;
  }
  return false;
}

std::wstring textOf(HWND window) {
  wchar_t text[32] = {};
  GetWindowTextW(window, text, 32);
  return text;
}

TEST(Window, KnowsItsWindowUntilTheLastMessageAndNotAfter) {
  NotingWindow window;
  ASSERT_TRUE(window.create());
  const HWND created = window.handle();
  ASSERT_NE(created, nullptr);
  EXPECT_TRUE(contains(window.messages, WM_NCCREATE)) << "the thunk hands WM_NCCREATE on";
  ASSERT_TRUE(DestroyWindow(created));
  EXPECT_EQ(window.handleAtDestroy, created);
  EXPECT_EQ(window.setTextAtDestroy, TRUE) << "a default answer during WM_DESTROY went to no window";
  EXPECT_FALSE(contains(window.messages, WM_NCDESTROY)) << "the base answers WM_NCDESTROY";
  EXPECT_EQ(window.handle(), nullptr);
  EXPECT_FALSE(IsWindow(created));
}

TEST(Window, SubclassedControlsReachTheWindowWhileItLives) {
  HWND child = nullptr;
  HWND window = nullptr;
  {
    NotingWindow noting;
    ASSERT_TRUE(noting.create());
    child = noting.child();
    window = noting.handle();
    SendMessageW(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x"));
    EXPECT_TRUE(contains(noting.childMessages, WM_SETTEXT));
    EXPECT_EQ(textOf(child), L"x") << "the control's own procedure still answers";
  }
  // The object is gone: so are its window and the control, without its
  // last messages reaching the object.
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(IsWindow(child));
}

TEST(Window, PaintsThroughOneDrawingAndRunsMessagesUntilDoneOrQuit) {
  NotingWindow window;
  ASSERT_TRUE(window.create());
  EXPECT_EQ(SendMessageW(window.handle(), WM_ERASEBKGND, 0, 0), 1) << "the drawing covers the client area";
  SendMessageW(window.handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(kovrena::win32::WindowDC(nullptr).get()), PRF_CLIENT);
  ShowWindow(window.handle(), SW_SHOWNOACTIVATE);
  UpdateWindow(window.handle());
  EXPECT_EQ(window.printing, (std::vector<bool>{true, false}));

  // One message to run, then done.
  PostMessageW(window.handle(), WM_NULL, 0, 0);
  int rounds = 0;
  EXPECT_EQ(RunMessages(window, [&] { return ++rounds > 1; }), std::nullopt);
  PostQuitMessage(7);
  EXPECT_EQ(RunMessages(window, [] { return false; }), 7);
}

}  // namespace
}  // namespace kovrena::ui::win32
