// The fair floor for Kovrena's start-up: a window with the same fifteen
// controls (the main window's design, read from the one table both use),
// the same font, tool tips and popup menu, bound to the version 6 common
// controls as Kovrena is (its manifest, and comctl32 loaded and
// initialised). It leaves out only what is Kovrena's own: the pictures, the
// icons, the cut outline, the custom painting and the engine.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/ana_form_design.h"

namespace {

using kovrena::app::ControlDesign;
using kovrena::app::ControlKind;

std::wstring wide(std::string_view text) {
  std::wstring result(text.size(), L'\0');
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                                         static_cast<int>(result.size()));
  result.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return result;
}

const wchar_t* classOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextField:
      return L"EDIT";
    case ControlKind::PushButton:
    case ControlKind::OptionButton:
      return L"BUTTON";
    default:
      return L"STATIC";
  }
}

DWORD styleOf(const ControlDesign& design) {
  DWORD style = 0;
  switch (design.kind) {
    case ControlKind::Label:
      style = (design.align == kovrena::ui::Align::Right    ? SS_RIGHT
               : design.align == kovrena::ui::Align::Centre ? SS_CENTER
                                                            : SS_LEFT) |
              (design.takesMouse ? SS_NOTIFY : 0);
      break;
    case ControlKind::TextField:
      style = ES_READONLY | ES_AUTOHSCROLL;
      break;
    case ControlKind::PushButton:
      style = BS_PUSHBUTTON;
      break;
    case ControlKind::OptionButton:
      style = BS_AUTORADIOBUTTON;
      break;
    case ControlKind::Picture:
      style = SS_BITMAP | (design.takesMouse ? SS_NOTIFY : 0);
      break;
    case ControlKind::Icon:
      style = SS_ICON;
      break;
  }
  if (design.tabStop) style |= WS_TABSTOP;
  if (design.groupStart) style |= WS_GROUP;
  if (!design.enabled) style |= WS_DISABLED;
  return style;
}

HWND child(HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style, kovrena::ui::Rect rect,
           int id, HFONT font, DWORD exStyle) {
  HWND control = CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, rect.left,
                                 rect.top, rect.width, rect.height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (control != nullptr && font != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  using namespace kovrena::app;
  InitCommonControls();
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"KovrenaReference";
  RegisterClassW(&windowClass);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT outer = {0, 0, kAnaFormClientWidth, kAnaFormClientHeight};
  AdjustWindowRectEx(&outer, style, FALSE, 0);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, wide(kAnaFormTitle).c_str(), style,
                                work.left + (work.right - work.left - width) / 2,
                                work.top + (work.bottom - work.top - height) / 2, width, height, nullptr, nullptr,
                                instance, nullptr);
  if (window == nullptr) return 1;

  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  LOGFONTW font{};
  font.lfHeight = -MulDiv(kAnaFormFont.hundredthsOfPoint, dpi, 7200);
  font.lfWeight = kAnaFormFont.weight;
  font.lfCharSet = static_cast<BYTE>(kAnaFormFont.charset);
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  wide(kAnaFormFont.face).copy(font.lfFaceName, LF_FACESIZE - 1);
  HFONT hfont = CreateFontIndirectW(&font);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(hfont), FALSE);

  HWND zemin = child(window, L"STATIC", L"", WS_CLIPCHILDREN | SS_BITMAP | SS_NOTIFY, kPictureZeminRect,
                     static_cast<int>(AnaFormControl::PictureZemin), nullptr, WS_EX_CONTROLPARENT);
  for (const ControlDesign& design : kAnaFormControls) {
    HWND control = child(zemin, classOf(design.kind), wide(design.caption), styleOf(design), design.rect,
                         static_cast<int>(design.id), hfont,
                         design.kind == ControlKind::TextField ? WS_EX_CLIENTEDGE : 0);
    if (design.selected) SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
  }

  HWND toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
  std::vector<std::wstring> tips;
  tips.reserve(std::size(kAnaFormControls));
  for (const ControlDesign& design : kAnaFormControls) {
    if (design.tooltip.empty()) continue;
    tips.push_back(wide(design.tooltip));
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = zemin;
    info.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(zemin, static_cast<int>(design.id)));
    info.lpszText = tips.back().data();
    SendMessageW(toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
  HMENU popup = CreatePopupMenu();
  for (const MenuItemDesign& item : kPopupMenu) {
    AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.item), wide(item.caption).c_str());
  }

  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DestroyMenu(popup);
  DeleteObject(hfont);
  return 0;
}
