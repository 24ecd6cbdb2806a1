// AnaForm's chrome as the window sees it: the mouse and key messages of
// PictureZemin and the controls on it turned into calls of the chrome, and
// the chrome's answers turned into Win32 calls.
#include "app/win32/ana_form.h"

#include <optional>

#include "dialogs/win32/about_window.h"
#include "dialogs/win32/help_window.h"
#include "ui/mouse_buttons.h"

namespace kovrena::app::win32 {

namespace {

MouseButton buttonOf(UINT message) {
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
      return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
      return MouseButton::Middle;
    default:
      return MouseButton::Left;
  }
}

int buttonSetOf(WPARAM keys) { return ui::ButtonSetFromKeyFlags(static_cast<std::uint32_t>(keys)); }

}  // namespace

void AnaForm::showPicture(PictureButton button, std::string_view resourceName) {
  showBitmap(PictureButtonOf(button).control, resourceName);
}

void AnaForm::captureMouse(AnaFormControl id) { SetCapture(control(id)); }

void AnaForm::releaseMouse(AnaFormControl id) {
  if (GetCapture() == control(id)) ReleaseCapture();
}

void AnaForm::minimise() { ShowWindow(handle(), SW_MINIMIZE); }

void AnaForm::close() { DestroyWindow(handle()); }

void AnaForm::showPopupMenu(MenuPlace place) {
  POINT at{};
  if (place == MenuPlace::Pointer) {
    GetCursorPos(&at);
  } else {
    // Below the picture's left edge, as a menu hangs from what opened it.
    RECT mark{};
    GetWindowRect(control(AnaFormControl::Image2), &mark);
    at = {mark.left, mark.bottom};
  }
  TrackPopupMenu(popup_.get(), 0, at.x, at.y, 0, handle(), nullptr);
}

void AnaForm::showHelp() { dialogs::win32::ShowHelpWindow(handle()); }

void AnaForm::showAbout() { dialogs::win32::ShowAboutWindow(handle()); }

bool AnaForm::takeKey(const MSG& message) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool withControl = GetKeyState(VK_CONTROL) < 0;
  std::optional<ChromeKey> key;
  if (message.wParam == VK_F1 && !shift && !withControl && message.message != WM_SYSKEYDOWN) key = ChromeKey::Help;
  if (message.wParam == VK_APPS || (message.wParam == VK_F10 && shift && !withControl)) key = ChromeKey::Menu;
  if (!key) return false;
  // Bit 30: the key was down already, a repeat while it is held.
  const bool firstPress = (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) &&
                          (message.lParam & (1L << 30)) == 0;
  if (firstPress) chrome_.keyPressed(*key);
  // Its release as well: left to the controls, it would open a control's own
  // context menu (the text field's) after ours.
  return true;
}

LRESULT AnaForm::zeminMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const auto painted =
      ui::win32::AnswerPaint(zemin_, message, wParam, [this](HDC dc, bool printing) { drawZemin(dc, !printing); });
  if (painted) return *painted;
  switch (message) {
    // PictureZemin contains the controls: what they tell their parent goes to the window.
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      return SendMessageW(handle(), message, wParam, lParam);
    case WM_SETCURSOR:
      if (move_.showPointer()) return TRUE;
      break;
    case WM_MOUSEMOVE:
      chrome_.backgroundMouseMove(buttonSetOf(wParam));
      return 0;
    default:
      break;
  }
  return childAnswer(zemin_, message, wParam, lParam);
}

LRESULT AnaForm::controlMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto id = static_cast<AnaFormControl>(GetDlgCtrlID(child));
  switch (message) {
    case WM_SETCURSOR: {
      const ControlDesign* design = AnaFormDesign(id);
      if (design != nullptr && design->handPointer && handCursor_ != nullptr) {
        SetCursor(handCursor_);
        return TRUE;
      }
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      chrome_.buttonDown(id, buttonOf(message), false);
      return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      chrome_.buttonDown(id, buttonOf(message), true);
      return 0;
    case WM_MOUSEMOVE:
      chrome_.mouseMove(id, buttonSetOf(wParam));
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      const POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      RECT inside{};
      GetClientRect(child, &inside);
      chrome_.buttonUp(id, buttonOf(message), PtInRect(&inside, at) != FALSE);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != child) chrome_.captureLost();
      break;
    default:
      break;
  }
  return childAnswer(child, message, wParam, lParam);
}

}  // namespace kovrena::app::win32
