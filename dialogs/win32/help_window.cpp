#include "dialogs/win32/help_window.h"

#include <cstdint>
#include <string>

#include "dialogs/help_design.h"
#include "dialogs/help_text.h"
#include "platform/win32/text.h"
#include "ui/mouse_buttons.h"
#include "ui/win32/control_factory.h"
#include "ui/win32/gdi_design.h"

namespace kovrena::dialogs::win32 {

using kovrena::win32::ToWide;
using ui::win32::ColorRef;

namespace {

constexpr wchar_t kClassName[] = L"KovrenaFrmYardım";
// The plain colour when the picture cannot be drawn: the pink of the panel.
constexpr ui::Rgb kPlainBackground{0xD8, 0x5A, 0x8C};

}  // namespace

frmYardım::frmYardım()
    : background_(kHelpBackground, kPlainBackground), move_(*this, LoadCursorW(nullptr, IDC_ARROW)) {}

bool frmYardım::create(HWND owner) {
  // Frameless: the client area is the whole window.
  const std::wstring title = ToWide(kHelpWindowTitle);
  if (!Window::create({.name = kClassName},
                      {.style = WS_POPUP | WS_CLIPCHILDREN, .title = title.c_str(), .width = kHelpClientWidth,
                       .height = kHelpClientHeight, .owner = owner})) {
    return false;
  }
  createControls();
  load();
  return true;
}

void frmYardım::createControls() {
  fonts_[static_cast<std::size_t>(HelpFont::Window)] = ui::win32::CreateDesignFont(ui::kWindowFont);
  fonts_[static_cast<std::size_t>(HelpFont::Text)] = ui::win32::CreateDesignFont(kHelpTextFont);
  textBackground_.reset(CreateSolidBrush(ColorRef(kHelpTextBackground)));
  setWindowFont(fonts_[static_cast<std::size_t>(HelpFont::Window)].get());
  static_cast<void>(ui::win32::CreateControls(handle(), kHelpControls, fonts_));
  subclass(textBox());
  setFirstFocus(textBox());
}

void frmYardım::load() { SetWindowTextW(textBox(), ToWide(HelpText()).c_str()); }

void frmYardım::paint(HDC dc) {
  RECT client{};
  GetClientRect(handle(), &client);
  background_.paint(dc, client);
}

// A multi-line edit box asks for every key, Enter and Esc included; handing
// those (and Tab) back to the window's keyboard handling lets Enter press the
// default button and Esc close the window while the focus is in the text.
LRESULT frmYardım::onChildMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = childAnswer(child, message, wParam, lParam);
  if (message != WM_GETDLGCODE || lParam == 0) return result;
  const auto* key = reinterpret_cast<const MSG*>(lParam);
  const bool dialogKey = key->message == WM_KEYDOWN &&
                         (key->wParam == VK_RETURN || key->wParam == VK_ESCAPE || key->wParam == VK_TAB);
  return dialogKey ? result & ~(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_WANTTAB) : result;
}

LRESULT frmYardım::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      const auto control = reinterpret_cast<HWND>(lParam);
      if (control == textBox()) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, ColorRef(kHelpTextBackground));
        return reinterpret_cast<LRESULT>(textBackground_.get());
      }
      SetTextColor(dc, ColorRef(kHelpLabelColour));
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(background_.brushFor(dc, control));
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == handle() && LOWORD(lParam) == HTCLIENT && move_.showPointer()) {
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      // As a pressed button does on a form: the window keeps the mouse.
      SetCapture(handle());
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == handle()) ReleaseCapture();
      return 0;
    case WM_MOUSEMOVE:
      ui::DragOnMouseMove(ui::ButtonSetFromKeyFlags(static_cast<std::uint32_t>(wParam)), move_);
      return 0;
    default:
      break;
  }
  return ModalForm::onMessage(message, wParam, lParam);
}

void ShowHelpWindow(HWND owner) {
  frmYardım form;
  if (form.create(owner)) form.showModal(owner);
}

}  // namespace kovrena::dialogs::win32
