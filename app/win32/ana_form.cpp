#include "app/win32/ana_form.h"

#include <commctrl.h>

#include <utility>

#include "app/win32/ana_form_services.h"
#include "dialogs/win32/about_window.h"
#include "dialogs/win32/help_window.h"
#include "manifest/engine.h"
#include "platform/win32/text.h"
#include "resources/resource_ids.h"
#include "ui/mouse_buttons.h"
#include "ui/win32/gdi_design.h"

namespace kovrena::app::win32 {

namespace {

using kovrena::win32::ToWide;
using ui::win32::ColorRef;

constexpr wchar_t kWindowClass[] = L"KovrenaAnaForm";
// The timer that brings the tool tips in after the first paint.
constexpr UINT_PTR kToolTipsTimer = 1;

constexpr int idOf(AnaFormControl control) { return static_cast<int>(control); }
constexpr int idOf(MenuItem item) { return static_cast<int>(item); }

// The buttons and options share the one back colour of the design, the
// panel's, and with it the panel brush.
constexpr bool backColoursAreThePanel() {
  for (const ControlDesign& design : kAnaFormControls) {
    if (design.backColour && !(*design.backColour == kPanelYellow)) return false;
  }
  return true;
}
static_assert(backColoursAreThePanel());

const wchar_t* windowClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextField:
      return L"EDIT";
    case ControlKind::PushButton:
    case ControlKind::OptionButton:
      return L"BUTTON";
    case ControlKind::Label:
    case ControlKind::Picture:
      break;
  }
  return L"STATIC";
}

DWORD styleOf(const ControlDesign& design) {
  // Without SS_NOTIFY a static control is transparent to the mouse.
  const DWORD notify = design.takesMouse ? SS_NOTIFY : 0;
  DWORD style = 0;
  switch (design.kind) {
    case ControlKind::Label:
      style = ui::win32::StaticAlignment(design.align) | notify;
      break;
    case ControlKind::TextField:
      style = ES_READONLY | ES_AUTOHSCROLL;  // locked against typing
      break;
    case ControlKind::PushButton:
      style = BS_PUSHBUTTON;
      break;
    case ControlKind::OptionButton:
      style = BS_AUTORADIOBUTTON;
      break;
    case ControlKind::Picture:
      style = SS_BITMAP | notify;
      break;
  }
  if (design.tabStop) style |= WS_TABSTOP;
  if (design.groupStart) style |= WS_GROUP;
  if (!design.enabled) style |= WS_DISABLED;
  return style;
}

HBITMAP loadBitmap(std::string_view resourceName) {
  // Loaded anew each time, as a device-dependent bitmap at the display's depth.
  return static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), ToWide(resourceName).c_str(), IMAGE_BITMAP, 0, 0, 0));
}

HICON loadIcon(int width, int height) {
  return static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KOVRENA), IMAGE_ICON, width, height, 0));
}

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

AnaForm::AnaForm() : move_(*this, nullptr), chrome_(values_, *this, move_) {}

AnaForm::~AnaForm() = default;

bool AnaForm::create() {
  bigIcon_.reset(loadIcon(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)));
  smallIcon_.reset(loadIcon(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)));

  // Fixed single border, title bar, minimise box, no maximise box: the
  // outline cut at load leaves border and title bar outside the visible shape.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT outer = {0, 0, kAnaFormClientWidth, kAnaFormClientHeight};
  AdjustWindowRectEx(&outer, style, FALSE, 0);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const std::wstring title = ToWide(kAnaFormTitle);
  if (!Window::create({.name = kWindowClass, .icon = bigIcon_.get(), .smallIcon = smallIcon_.get(),
                       .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)},
                      {.style = style, .title = title.c_str(), .x = work.left + (work.right - work.left - width) / 2,
                       .y = work.top + (work.bottom - work.top - height) / 2, .width = width, .height = height})) {
    return false;
  }

  font_ = ui::win32::CreateDesignFont(kAnaFormFont);
  SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  panelBrush_.reset(CreateSolidBrush(ColorRef(kPanelYellow)));
  shapePen_.reset(CreatePen(PS_SOLID, 1, ColorRef(kShape1Colour)));
  handCursor_ = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_EL_ANA));

  createControls();
  createPopupMenu();

  // Load: cut the outline from the background picture with its top-left
  // pixel as the key; a picture it cannot use leaves the plain window.
  CutOutline(*zeminPicture_, handle());
  return true;
}

void AnaForm::show(int showCommand) {
  ShowWindow(handle(), showCommand);
  UpdateWindow(handle());
  // The tool tips only once the window is on screen and the program waits
  // for the user: a timer message comes when nothing else is waiting, long
  // before a pointer can rest on a control for a tip to show.
  if (SetTimer(handle(), kToolTipsTimer, USER_TIMER_MINIMUM, nullptr) == 0) createToolTips();
}

void AnaForm::createControls() {
  zemin_ = ui::win32::CreateControl(handle(), L"STATIC", L"", WS_CLIPCHILDREN | SS_BITMAP | SS_NOTIFY,
                                    kPictureZeminRect, idOf(AnaFormControl::PictureZemin), nullptr,
                                    WS_EX_CONTROLPARENT);
  zeminPicture_ = std::make_unique<shaping::win32::PictureControl>(zemin_);
  // Without the picture PictureZemin stays empty and the window keeps its frame.
  static_cast<void>(zeminPicture_->show(kovrena::win32::UniqueBitmap(loadBitmap(kPictureZeminPicture))));
  // The picture stays 443 x 340 whatever the bitmap's size, as designed.
  SetWindowPos(zemin_, nullptr, kPictureZeminRect.left, kPictureZeminRect.top, kPictureZeminRect.width,
               kPictureZeminRect.height, SWP_NOZORDER | SWP_NOACTIVATE);
  subclass(zemin_);

  // Labels lie on the picture: they are painted with the picture itself as
  // their background brush, aligned to where they sit. PictureZemin keeps
  // showing that picture, so it outlives the brush.
  if (HBITMAP picture = zeminPicture_->image()) backgroundBrush_.reset(CreatePatternBrush(picture));

  for (const ControlDesign& design : kAnaFormControls) {
    const HWND child = ui::win32::CreateControl(zemin_, windowClassOf(design.kind), ToWide(design.caption),
                                                styleOf(design), design.rect, idOf(design.id), font_.get(),
                                                design.kind == ControlKind::TextField ? WS_EX_CLIENTEDGE : 0);
    if (design.kind == ControlKind::Picture) {
      pictures_[static_cast<std::size_t>(PictureSlot(design.id))].emplace(child);
      showBitmap(design.id, design.picture);
      // A bitmap control takes the size of its picture; the design's stays.
      SetWindowPos(child, nullptr, design.rect.left, design.rect.top, design.rect.width, design.rect.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (HasMouseHandlers(design.id)) subclass(child);
  }
  for (const ControlDesign& design : kAnaFormControls) {
    if (design.selected) SendMessageW(control(design.id), BM_SETCHECK, BST_CHECKED, 0);
  }
}

void AnaForm::createToolTips() {
  const HWND toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle(),
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
  if (toolTips == nullptr) return;  // owned by the window: destroyed with it
  for (const ControlDesign& design : kAnaFormControls) {
    if (design.tooltip.empty()) continue;
    toolTipTexts_.push_back(ToWide(design.tooltip));
    TOOLINFOW info{};
    // The version-2 size is understood by every common-controls version.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = zemin_;
    info.uId = reinterpret_cast<UINT_PTR>(control(design.id));
    info.lpszText = toolTipTexts_.back().data();
    SendMessageW(toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
}

void AnaForm::createPopupMenu() {
  popup_.reset(CreatePopupMenu());
  for (const MenuItemDesign& item : kPopupMenu) {
    AppendMenuW(popup_.get(), MF_STRING, idOf(item.item), ToWide(item.caption).c_str());
  }
}

HWND AnaForm::control(AnaFormControl id) const {
  return id == AnaFormControl::PictureZemin ? zemin_ : GetDlgItem(zemin_, idOf(id));
}

void AnaForm::showBitmap(AnaFormControl id, std::string_view resourceName) {
  const int slot = PictureSlot(id);
  if (slot < 0 || !pictures_[static_cast<std::size_t>(slot)]) return;
  shaping::win32::PictureControl& picture = *pictures_[static_cast<std::size_t>(slot)];
  // A picture the control does not take leaves it as it was.
  static_cast<void>(picture.show(kovrena::win32::UniqueBitmap(loadBitmap(resourceName))));
  InvalidateRect(picture.window(), nullptr, FALSE);
}

void AnaForm::showPicture(PictureButton button, std::string_view resourceName) {
  showBitmap(PictureButtonOf(button).control, resourceName);
}

HBRUSH AnaForm::colourFor(HWND child, HDC dc) {
  const ControlDesign* design = AnaFormDesign(static_cast<AnaFormControl>(GetDlgCtrlID(child)));
  if (design != nullptr && design->backColour) {
    SetBkColor(dc, ColorRef(*design->backColour));
    return panelBrush_.get();
  }
  if (design != nullptr && design->kind == ControlKind::TextField) {
    if (design->textColour) SetTextColor(dc, ColorRef(*design->textColour));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
  }
  SetBkMode(dc, TRANSPARENT);
  if (design != nullptr && design->textColour) SetTextColor(dc, ColorRef(*design->textColour));
  RECT place{};
  GetWindowRect(child, &place);
  MapWindowPoints(nullptr, zemin_, reinterpret_cast<POINT*>(&place), 2);
  SetBrushOrgEx(dc, -place.left, -place.top, nullptr);
  return backgroundBrush_ ? backgroundBrush_.get() : panelBrush_.get();
}

void AnaForm::drawZemin(HDC dc, bool withShape) {
  // The picture at its own size from the top-left corner: a static control
  // would stretch it to the control's 443 x 340 and move the outline's edges.
  RECT client{};
  GetClientRect(zemin_, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (HBITMAP picture = zeminPicture_ ? zeminPicture_->image() : nullptr) {
    BITMAP size{};
    GetObjectW(picture, sizeof(size), &size);
    kovrena::win32::MemoryDC source(dc);
    kovrena::win32::SelectedObject selected(source.get(), picture);
    BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source.get(), 0, 0, SRCCOPY);
  }
  if (!withShape) return;
  // Shape1 is drawn over the picture, never into it.
  kovrena::win32::SelectedObject pen(dc, shapePen_.get());
  kovrena::win32::SelectedObject brush(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, kShape1.left, kShape1.top, kShape1.left + kShape1.width, kShape1.top + kShape1.height);
}

// --- what the user does ------------------------------------------------------

void AnaForm::onCommand(int id, int code) {
  if (id == idOf(AnaFormControl::cmdGözat) && code == BN_CLICKED) {
    Services services(handle());
    cmdGözatClick(values_, *this, services.dialog, services.files, services.messages, services.self);
  } else if (id == idOf(AnaFormControl::cmdUygula) && code == BN_CLICKED) {
    Services services(handle());
    cmdUygulaClick({values_.targetPath, values_.programName}, *this, services.manifestServices());
  } else if (id == idOf(MenuItem::mnuYardım)) {
    chrome_.menuClick(MenuItem::mnuYardım);
  } else if (id == idOf(MenuItem::mnuHakkında)) {
    chrome_.menuClick(MenuItem::mnuHakkında);
  }
  // Enter and Esc (IDOK, IDCANCEL) have no effect of their own.
}

void AnaForm::captureMouse(AnaFormControl id) { SetCapture(control(id)); }

void AnaForm::releaseMouse(AnaFormControl id) {
  if (GetCapture() == control(id)) ReleaseCapture();
}

void AnaForm::minimise() { ShowWindow(handle(), SW_MINIMIZE); }

void AnaForm::close() { DestroyWindow(handle()); }

void AnaForm::showPopupMenu() {
  POINT at{};
  GetCursorPos(&at);
  TrackPopupMenu(popup_.get(), 0, at.x, at.y, 0, handle(), nullptr);
}

void AnaForm::showHelp() { dialogs::win32::ShowHelpWindow(handle()); }

void AnaForm::showAbout() { dialogs::win32::ShowAboutWindow(handle()); }

// --- controls the logic changes ------------------------------------------------

void AnaForm::enableControl(AnaFormControl id, bool enabled) {
  HWND target = control(id);
  // A disabled control cannot keep the focus; hand it on so the keyboard still works.
  if (!enabled && GetFocus() == target) SetFocus(control(AnaFormControl::cmdGözat));
  EnableWindow(target, enabled);
}

void AnaForm::setApplyEnabled(bool enabled) { enableControl(AnaFormControl::cmdUygula, enabled); }

bool AnaForm::applyOptionSelected() const {
  return SendMessageW(control(AnaFormControl::optXPUygula), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void AnaForm::setPathText(const std::string& text) {
  SetWindowTextW(control(AnaFormControl::txtExeYolu), ToWide(text).c_str());
}

void AnaForm::setApplyOptionEnabled(bool enabled) { enableControl(AnaFormControl::optXPUygula, enabled); }

void AnaForm::setUndoOptionEnabled(bool enabled) { enableControl(AnaFormControl::optGeriAl, enabled); }

void AnaForm::selectApplyOption() {
  SendMessageW(control(AnaFormControl::optXPUygula), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(control(AnaFormControl::optGeriAl), BM_SETCHECK, BST_UNCHECKED, 0);
}

void AnaForm::selectUndoOption() {
  SendMessageW(control(AnaFormControl::optGeriAl), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(control(AnaFormControl::optXPUygula), BM_SETCHECK, BST_UNCHECKED, 0);
}

void AnaForm::setUndoLabelEnabled(bool enabled) {
  EnableWindow(control(AnaFormControl::lblGeriAl), enabled);
  InvalidateRect(control(AnaFormControl::lblGeriAl), nullptr, TRUE);
}

// --- message handling ----------------------------------------------------------

LRESULT AnaForm::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      return reinterpret_cast<LRESULT>(colourFor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
    case WM_SETCURSOR:
      if (move_.showPointer()) return TRUE;
      break;
    case WM_TIMER:
      if (wParam != kToolTipsTimer) break;
      KillTimer(handle(), kToolTipsTimer);
      createToolTips();
      return 0;
    case WM_DESTROY:
      // Unload: with the main window gone the program ends.
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return defaultAnswer(message, wParam, lParam);
}

LRESULT AnaForm::onChildMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
  return child == zemin_ ? zeminMessage(message, wParam, lParam) : controlMessage(child, message, wParam, lParam);
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
