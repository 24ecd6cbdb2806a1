#include "dialogs/win32/help_window.h"

#include <windowsx.h>

#include "dialogs/help_design.h"
#include "dialogs/help_text.h"
#include "dialogs/window_move.h"
#include "dialogs/win32/gdi_design.h"
#include "dialogs/win32/modal_loop.h"
#include "platform/win32/text.h"

namespace kovrena::dialogs::win32 {

using kovrena::win32::toWide;

namespace {

constexpr wchar_t kClassName[] = L"KovrenaFrmYardım";
constexpr int kLabelId = 100;
constexpr int kTextBoxId = 101;
// The plain colour when the picture is missing: the pink of the panel.
constexpr Rgb kPlainBackground{0xD8, 0x5A, 0x8C};

void systemMove(HWND window) {
  ReleaseCapture();
  // The pointer's position goes along, as a real press on a caption would
  // send it: the move starts where the pointer is.
  const DWORD position = GetMessagePos();
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, static_cast<LPARAM>(position));
}

}  // namespace

bool frmYardım::registerClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = frmYardım::windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

frmYardım::frmYardım()
    : background_(L"YARDIMZEMIN", kPlainBackground),
      pointer_(LoadCursorW(nullptr, IDC_ARROW)),
      mover_(systemMove) {}

frmYardım::~frmYardım() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool frmYardım::create(HWND owner) {
  if (!registerClass()) return false;
  // Frameless: the client area is the whole window.
  if (CreateWindowExW(0, kClassName, toWide(kYardımPencereBaşlığı).c_str(), WS_POPUP | WS_CLIPCHILDREN,
                      0, 0, kYardımGenişlik, kYardımYükseklik, owner, nullptr,
                      GetModuleHandleW(nullptr), this) == nullptr) {
    return false;
  }
  createControls();
  load();
  return true;
}

void frmYardım::createControls() {
  windowFont_ = createDesignFont(kPencereYazıTipi);
  textFont_ = createDesignFont(kYardımMetinYazıTipi);
  textBackground_.reset(CreateSolidBrush(colorRef(kYardımMetinZemini)));

  // In tab order. Label1 is left without SS_NOTIFY: it is transparent to the
  // mouse, so the moves over it reach the window and drag it like the
  // background does.
  label_ = createControl(window_, L"STATIC", toWide(kYardımEtiketi), SS_CENTER | SS_NOPREFIX,
                         kYardımEtiketKonumu, kLabelId, windowFont_.get());
  // No ES_WANTRETURN: Enter belongs to the default button.
  textBox_ = createControl(window_, L"EDIT", L"",
                           WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                           kYardımMetinKonumu, kTextBoxId, textFont_.get(), WS_EX_CLIENTEDGE);
  ok_ = createControl(window_, L"BUTTON", toWide(kTamamYazısı), WS_TABSTOP | BS_DEFPUSHBUTTON,
                      kYardımTamamKonumu, IDOK, windowFont_.get());
  if (textBox_ != nullptr) {
    textBoxOriginal_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(textBox_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(textBoxProc)));
  }
  lastFocus_ = textBox_;
}

void frmYardım::load() { SetWindowTextW(textBox_, toWide(YardımMetni()).c_str()); }

void frmYardım::moveWindow() {
  pointer_ = LoadCursorW(nullptr, IDC_SIZEALL);
  SetCursor(pointer_);
  mover_(window_);
  pointer_ = LoadCursorW(nullptr, IDC_ARROW);
  SetCursor(pointer_);
}

void frmYardım::paint(HDC dc) {
  RECT client{};
  GetClientRect(window_, &client);
  background_.paint(dc, client);
}

LRESULT CALLBACK frmYardım::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<frmYardım*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<frmYardım*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->onMessage(message, wParam, lParam);
}

// A multi-line edit box asks for every key, Enter and Esc included; handing
// those (and Tab) back to the window's keyboard handling lets Enter press the
// default button and Esc close the window while the focus is in the text.
LRESULT CALLBACK frmYardım::textBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcW(textBoxOriginal_, window, message, wParam, lParam);
  if (message != WM_GETDLGCODE || lParam == 0) return result;
  const auto* key = reinterpret_cast<const MSG*>(lParam);
  const bool dialogKey = key->message == WM_KEYDOWN &&
                         (key->wParam == VK_RETURN || key->wParam == VK_ESCAPE || key->wParam == VK_TAB);
  return dialogKey ? result & ~(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_WANTTAB) : result;
}

LRESULT frmYardım::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paintStruct{};
      const HDC dc = BeginPaint(window_, &paintStruct);
      paint(dc);
      EndPaint(window_, &paintStruct);
      return 0;
    }
    case WM_PRINTCLIENT:
      paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      const auto control = reinterpret_cast<HWND>(lParam);
      if (control == textBox_) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, colorRef(kYardımMetinZemini));
        return reinterpret_cast<LRESULT>(textBackground_.get());
      }
      SetTextColor(dc, colorRef(kYardımEtiketRengi));
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(background_.brushFor(dc, control));
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == window_ && LOWORD(lParam) == HTCLIENT) {
        SetCursor(pointer_);
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      // As a pressed button does on a form: the window keeps the mouse.
      SetCapture(window_);
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == window_) ReleaseCapture();
      return 0;
    case WM_MOUSEMOVE:
      if (PencereyiTaşır(ButtonSetFromKeyFlags(static_cast<std::uint32_t>(wParam)))) moveWindow();
      return 0;
    default:
      break;
  }
  const ModalFormState state{window_, lastFocus_, closed_, windowFont_.get()};
  if (const auto answered = HandleModalFormMessage(state, message, wParam, lParam)) {
    return *answered;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void ShowYardım(HWND owner) {
  frmYardım form;
  if (!form.create(owner)) return;
  centreOver(form.handle(), owner);
  RunModal(owner, form.handle(), [&form] { return form.closed(); });
}

}  // namespace kovrena::dialogs::win32
