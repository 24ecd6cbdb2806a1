#pragma once
// The one window base of the program's windows. It holds what every window
// does alike: registering its class, creating the window with the thunk that
// ties it to its object, subclassing controls, the window's end (after
// WM_NCDESTROY the window is gone and the object knows it) and running the
// messages. A window derived from it keeps only what is its own.
#include <windows.h>

#include <functional>
#include <optional>

#include "platform/win32/scoped.h"

namespace kovrena::ui::win32 {

struct WindowClass {
  const wchar_t* name = nullptr;
  UINT style = 0;
  HICON icon = nullptr;
  HICON smallIcon = nullptr;
  HBRUSH background = nullptr;
};

// CreateWindowEx's arguments.
struct WindowShape {
  DWORD exStyle = 0;
  DWORD style = 0;
  const wchar_t* title = L"";
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  HWND owner = nullptr;
};

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  // Destroys the window if it is still there. Its last messages are the
  // system's: they no longer reach the object that is going.
  virtual ~Window();

  // Null before creation and once the window is gone.
  HWND handle() const { return window_.get(); }

  // A key message of this window or of a control in it, offered before the
  // controls and their keyboard interface see it; true when the window took
  // it. By default it takes none.
  virtual bool takeKey(const MSG& message);

 protected:
  // Registers the class (the first time; its procedure is this base's) and
  // creates the window for this object. False when either fails.
  [[nodiscard]] bool create(const WindowClass& windowClass, const WindowShape& shape);

  // Every message of the window from WM_NCCREATE on, but WM_NCDESTROY, which
  // the base answers. By default DefWindowProc's answer.
  virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT defaultAnswer(UINT message, WPARAM wParam, LPARAM lParam) const;

  // Hands a control's messages to onChildMessage from now on; the control
  // lies inside this window.
  void subclass(HWND child);
  // By default the control's own answer.
  virtual LRESULT onChildMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam);
  // The control's own procedure, for what the window leaves to the control.
  static LRESULT childAnswer(HWND child, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK childProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam);

  kovrena::win32::UniqueWindow window_;
};

// The three messages of a window that draws its whole client area itself:
// no erase (the drawing covers it all), WM_PAINT through a PaintDC and
// WM_PRINTCLIENT into the DC it brings. draw(dc, printing); nothing for any
// other message.
template <class Draw>
std::optional<LRESULT> AnswerPaint(HWND window, UINT message, WPARAM wParam, Draw&& draw) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      const kovrena::win32::PaintDC dc(window);
      draw(dc.get(), false);
      return 0;
    }
    case WM_PRINTCLIENT:
      draw(reinterpret_cast<HDC>(wParam), true);
      return 0;
    default:
      return std::nullopt;
  }
}

// Runs this thread's messages, with the window's own keys (takeKey) and the
// keyboard interface of its controls (Tab, arrows, Enter, Esc through
// IsDialogMessage), until done() answers true (nothing returned) or WM_QUIT
// arrives (its exit code).
std::optional<int> RunMessages(Window& window, const std::function<bool()>& done);

}  // namespace kovrena::ui::win32
