#include "ui/win32/window.h"

namespace kovrena::ui::win32 {

namespace {

// The procedure a subclassed control had, kept on the control itself.
constexpr wchar_t kChildProcedure[] = L"KovrenaChildProcedure";

WNDPROC childProcedure(HWND child) { return reinterpret_cast<WNDPROC>(GetPropW(child, kChildProcedure)); }

}  // namespace

Window::~Window() {
  if (!window_) return;
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
  window_.reset();
}

bool Window::create(const WindowClass& windowClass, const WindowShape& shape) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW description{};
  description.cbSize = sizeof description;
  description.style = windowClass.style;
  description.lpfnWndProc = &Window::windowProc;
  description.hInstance = instance;
  description.hIcon = windowClass.icon;
  description.hIconSm = windowClass.smallIcon;
  description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  description.hbrBackground = windowClass.background;
  description.lpszClassName = windowClass.name;
  if (RegisterClassExW(&description) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  // WM_NCCREATE ties the window to this object (windowProc).
  return CreateWindowExW(shape.exStyle, windowClass.name, shape.title, shape.style, shape.x, shape.y,
                         shape.width, shape.height, shape.owner, nullptr, instance, this) != nullptr;
}

bool Window::takeKey(const MSG&) { return false; }

LRESULT Window::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return defaultAnswer(message, wParam, lParam);
}

LRESULT Window::defaultAnswer(UINT message, WPARAM wParam, LPARAM lParam) const {
  return DefWindowProcW(handle(), message, wParam, lParam);
}

LRESULT CALLBACK Window::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->window_.reset(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // Messages before WM_NCCREATE, and those of a window whose object is gone.
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // The last message: the window is gone afterwards, so the object lets
    // go of it rather than destroying it a second time.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    static_cast<void>(self->window_.release());
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->onMessage(message, wParam, lParam);
}

void Window::subclass(HWND child) {
  if (child == nullptr) return;
  // Kept before the switch, so that the first message already finds it.
  SetPropW(child, kChildProcedure, reinterpret_cast<HANDLE>(GetWindowLongPtrW(child, GWLP_WNDPROC)));
  SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::childProc));
}

LRESULT Window::onChildMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
  return childAnswer(child, message, wParam, lParam);
}

LRESULT Window::childAnswer(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(childProcedure(child), child, message, wParam, lParam);
}

LRESULT CALLBACK Window::childProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    const WNDPROC original = childProcedure(child);
    RemovePropW(child, kChildProcedure);
    return CallWindowProcW(original, child, message, wParam, lParam);
  }
  // The object of the window the control lies in; none once it is going.
  auto* owner = reinterpret_cast<Window*>(GetWindowLongPtrW(GetAncestor(child, GA_ROOT), GWLP_USERDATA));
  if (owner == nullptr) return childAnswer(child, message, wParam, lParam);
  return owner->onChildMessage(child, message, wParam, lParam);
}

namespace {

bool isKey(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

bool isWithin(HWND window, HWND target) { return target == window || IsChild(window, target) != FALSE; }

}  // namespace

std::optional<int> RunMessages(Window& window, const std::function<bool()>& done) {
  MSG message{};
  while (!done()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) break;
    const HWND own = window.handle();
    if (own != nullptr && isKey(message.message) && isWithin(own, message.hwnd) && window.takeKey(message)) continue;
    if (own != nullptr && IsDialogMessageW(own, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return std::nullopt;
}

}  // namespace kovrena::ui::win32
