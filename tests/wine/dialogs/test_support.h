#pragma once
// Helpers of the Windows tests of the help and about windows and the launcher.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/backgrounds.h"


namespace kovrena::testing {

// A key below HKEY_CURRENT_USER that belongs to the tests alone: deleted
// before and after use, so every test starts from nothing.
class TestKey {
 public:
  static constexpr const wchar_t* kPath = L"Software\\Kovrena Sınama";
  TestKey();
  ~TestKey();
  TestKey(const TestKey&) = delete;
  TestKey& operator=(const TestKey&) = delete;
  // Writes a value under kPath\subkey with exactly these bytes.
  void set(const std::wstring& subkey, const std::wstring& name, DWORD type, const std::string& bytes);
};

// Runs show() (a modal loop) and, once its window is up, the steps one
// after the other from inside the loop, a moment apart. If the window is
// still open some seconds later it is closed, and timedOut() tells so.
class WhileShown {
 public:
  void run(const std::function<void()>& show, const std::function<void()>& action) {
    run(show, std::vector<std::function<void()>>{action});
  }
  void run(const std::function<void()>& show, const std::vector<std::function<void()>>& steps);
  bool timedOut() const { return timedOut_; }

 private:
  static void CALLBACK onTimer(HWND, UINT, UINT_PTR id, DWORD);
  bool timedOut_ = false;
};

// Lets queued messages of this thread be handled.
void pumpMessages();

}  // namespace kovrena::testing

namespace kovrena::testing {

std::wstring windowText(HWND window);
// The control's rectangle in its parent's client coordinates.
RECT childRect(HWND control);
// The font a control draws with.
LOGFONTW fontOf(HWND control);
// The window's client area as drawn through WM_PRINTCLIENT, one COLORREF per pixel.
class ClientPicture {
 public:
  explicit ClientPicture(HWND window);
  COLORREF at(int x, int y) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> pixels_;
};
// A pixel of a window's background picture as the program draws it.
COLORREF panelPixel(const dialogs::PanelPicture& picture, int x, int y);

// A plain top-level window to stand for the main window.
class OwnerWindow {
 public:
  OwnerWindow();
  ~OwnerWindow();
  HWND get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

}  // namespace kovrena::testing
