#include "app/win32/ana_form.h"

#include <commctrl.h>

#include <string>

#include "app/mouse_buttons.h"
#include "app/win32/ana_form_layout.h"
#include "app/win32/ana_form_services.h"
#include "manifest/engine.h"
#include "platform/win32/text.h"
#include "resources/resource_ids.h"

namespace kovrena::app::win32 {

namespace {

using kovrena::win32::toWide;

constexpr wchar_t kWindowClass[] = L"KovrenaAnaForm";
constexpr wchar_t kOriginalProc[] = L"KovrenaOriginalProc";

// Button sets as the handlers know them (1 left, 2 right, 4 middle).
int buttonSet(WPARAM keys) {
  int set = 0;
  if (keys & MK_LBUTTON) set |= kLeftButton;
  if (keys & MK_RBUTTON) set |= kRightButton;
  if (keys & MK_MBUTTON) set |= kMiddleButton;
  return set;
}

bool isPictureButton(int id) { return id == idImgSimge || id == idImgKapat; }
PictureButton pictureButtonOf(int id) { return id == idImgSimge ? PictureButton::Simge : PictureButton::Kapat; }

}  // namespace

AnaForm::AnaForm(HINSTANCE instance) : instance_(instance) {
  pictureButtons_ = std::make_unique<PictureButtons>(values_, *this);
}

AnaForm::~AnaForm() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool AnaForm::create() {
  bigIcon_.reset(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_KOVRENA), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
  smallIcon_.reset(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_KOVRENA), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &AnaForm::windowProc;
  windowClass.hInstance = instance_;
  windowClass.hIcon = bigIcon_.get();
  windowClass.hIconSm = smallIcon_.get();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);

  // Fixed single border, title bar, minimise box, no maximise box: the
  // outline cut at load leaves border and title bar outside the visible shape.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT outer = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&outer, style, FALSE, 0);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int x = work.left + (work.right - work.left - width) / 2;
  const int y = work.top + (work.bottom - work.top - height) / 2;

  window_ = CreateWindowExW(0, kWindowClass, L"Kovrena", style, x, y, width, height, nullptr, nullptr,
                            instance_, this);
  if (window_ == nullptr) return false;

  const int dpi = GetDeviceCaps(kovrena::win32::WindowDC(nullptr).get(), LOGPIXELSY);
  // Tahoma 8.25 pt bold, Turkish character set, on the window and every control.
  font_.reset(CreateFontW(-MulDiv(825, dpi, 7200), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, TURKISH_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                          L"Tahoma"));
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  panelBrush_.reset(CreateSolidBrush(kPanelYellow));
  shapePen_.reset(CreatePen(PS_SOLID, 1, kSurroundPink));
  handCursor_ = LoadCursorW(instance_, MAKEINTRESOURCEW(IDC_EL_ANA));

  createControls();
  createToolTips();

  popup_.reset(CreatePopupMenu());
  AppendMenuW(popup_.get(), MF_STRING, idMnuYardım, L"Yardım ve Uyarılar");
  AppendMenuW(popup_.get(), MF_STRING, idMnuHakkında, L"Hakkında");

  // Load: cut the outline from the background picture with its top-left
  // pixel as the key; a picture it cannot use leaves the plain window.
  cutOutline(*zeminPicture_, window_);
  return true;
}

void AnaForm::show(int showCommand) {
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
}

bool AnaForm::translateDialogKey(MSG& message) {
  return window_ != nullptr && IsDialogMessageW(window_, &message);
}

void AnaForm::createControls() {
  zemin_ = CreateWindowExW(WS_EX_CONTROLPARENT, L"STATIC", L"",
                           WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | SS_BITMAP | SS_NOTIFY, -3, -3, 443, 340,
                           window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(idPictureZemin)), instance_,
                           nullptr);
  zeminPicture_ = std::make_unique<shaping::win32::PictureControl>(zemin_);
  zeminPicture_->show(kovrena::win32::UniqueBitmap(
      static_cast<HBITMAP>(LoadImageW(instance_, L"ZEMIN", IMAGE_BITMAP, 0, 0, 0))));
  // The picture stays 443 x 340 whatever the bitmap's size, as designed.
  SetWindowPos(zemin_, nullptr, -3, -3, 443, 340, SWP_NOZORDER | SWP_NOACTIVATE);
  subclass(zemin_);

  // Labels lie on the picture: they are painted with the picture itself as
  // their background brush, aligned to where they sit.
  if (HBITMAP picture = reinterpret_cast<HBITMAP>(SendMessageW(zemin_, STM_GETIMAGE, IMAGE_BITMAP, 0))) {
    backgroundForBrush_.reset(static_cast<HBITMAP>(CopyImage(picture, IMAGE_BITMAP, 0, 0, 0)));
    backgroundBrush_.reset(CreatePatternBrush(backgroundForBrush_.get()));
  }

  for (const ControlDesign& design : kChildren) {
    const bool picture = (design.style & SS_BITMAP) == SS_BITMAP && std::wstring(design.windowClass) == L"STATIC";
    HWND child = CreateWindowExW(design.exStyle, design.windowClass, picture ? L"" : design.caption,
                                 WS_CHILD | WS_VISIBLE | design.style, design.left, design.top, design.width,
                                 design.height, zemin_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), instance_, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    if (picture) {
      const wchar_t* resource = design.id == idImage2     ? L"YARDIMISARETI"
                                : design.id == idImage1   ? L"BASLIK"
                                : design.id == idImgSimge ? L"SIMGE"
                                                          : L"KAPAT";
      setBitmap(child, resource);
      SetWindowPos(child, nullptr, design.left, design.top, design.width, design.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (picture || design.id == idLabel2) subclass(child);
  }
  SendMessageW(control(idOptXPUygula), BM_SETCHECK, BST_CHECKED, 0);
}

void AnaForm::createToolTips() {
  toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
  if (toolTips_ == nullptr) return;
  const struct {
    int id;
    const wchar_t* text;
  } tips[] = {{idImage2, L"Yardım"}, {idImgSimge, L"Simge Durumuna Küçült"}, {idImgKapat, L"Çıkış"}};
  for (const auto& tip : tips) {
    TOOLINFOW info{};
    // The version-2 size is understood by every common-controls version.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = zemin_;
    info.uId = reinterpret_cast<UINT_PTR>(control(tip.id));
    info.lpszText = const_cast<wchar_t*>(tip.text);
    SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
}

void AnaForm::subclass(HWND child) {
  SetWindowLongPtrW(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  const LONG_PTR original =
      SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AnaForm::childProc));
  SetPropW(child, kOriginalProc, reinterpret_cast<HANDLE>(original));
}

HWND AnaForm::control(int id) const { return id == idPictureZemin ? zemin_ : GetDlgItem(zemin_, id); }

void AnaForm::setBitmap(HWND pictureControl, const wchar_t* resourceName) {
  // Loaded anew each time, as a device-dependent bitmap at the display's depth.
  kovrena::win32::UniqueBitmap bitmap(
      static_cast<HBITMAP>(LoadImageW(instance_, resourceName, IMAGE_BITMAP, 0, 0, 0)));
  const HBITMAP shown = bitmap.get();
  SendMessageW(pictureControl, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown));
  pictures_[GetDlgCtrlID(pictureControl)] = std::move(bitmap);  // the previous picture is freed here
  InvalidateRect(pictureControl, nullptr, FALSE);
}

void AnaForm::showPicture(PictureButton button, std::string_view resourceName) {
  setBitmap(control(button == PictureButton::Simge ? idImgSimge : idImgKapat), toWide(resourceName).c_str());
}

HBRUSH AnaForm::colourFor(HWND child, HDC dc) {
  switch (GetDlgCtrlID(child)) {
    case idTxtExeYolu:
      SetTextColor(dc, kSurroundPink);
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      return GetSysColorBrush(COLOR_WINDOW);
    case idOptXPUygula:
    case idOptGeriAl:
    case idCmdGözat:
    case idCmdUygula:
      SetBkColor(dc, kPanelYellow);
      return panelBrush_.get();
    default: {
      SetBkMode(dc, TRANSPARENT);
      if (GetDlgCtrlID(child) == idLabel2) SetTextColor(dc, RGB(0, 0, 0));
      RECT place{};
      GetWindowRect(child, &place);
      MapWindowPoints(nullptr, zemin_, reinterpret_cast<POINT*>(&place), 2);
      SetBrushOrgEx(dc, -place.left, -place.top, nullptr);
      return backgroundBrush_ ? backgroundBrush_.get() : panelBrush_.get();
    }
  }
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
  Rectangle(dc, kShape1.left, kShape1.top, kShape1.right, kShape1.bottom);
}

// --- what the user does ------------------------------------------------------

void AnaForm::onCommand(int id, int code) {
  switch (id) {
    case idCmdGözat:
      if (code == BN_CLICKED) {
        Services services(window_);
        cmdGözatClick(values_, *this, services.dialog, services.files, services.messages, services.self);
      }
      break;
    case idCmdUygula:
      if (code == BN_CLICKED) {
        Services services(window_);
        manifest::cmdUygulaClick({values_.targetPath, values_.programName}, *this, services.messages,
                                 services.files);
      }
      break;
    case idMnuYardım:
      openHelp();
      break;
    case idMnuHakkında:
      openAbout();
      break;
    default:
      break;  // Enter and Esc (IDOK, IDCANCEL) have no effect of their own
  }
}

void AnaForm::dragWindow() {
  pointer_ = LoadCursorW(nullptr, IDC_SIZEALL);
  SetCursor(pointer_);
  ReleaseCapture();
  // The system moves the window as if its (cut away) title bar were pressed,
  // and returns when the button is released.
  SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  pointer_ = nullptr;
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

void AnaForm::showPopupMenu() {
  POINT at{};
  GetCursorPos(&at);
  TrackPopupMenu(popup_.get(), 0, at.x, at.y, 0, window_, nullptr);
}

void AnaForm::openHelp() { showHelpWindow(window_); }
void AnaForm::openAbout() { showAboutWindow(window_); }

// --- controls the logic changes ------------------------------------------------

void AnaForm::enableControl(int id, bool enabled) {
  HWND target = control(id);
  // A disabled control cannot keep the focus; hand it on so the keyboard still works.
  if (!enabled && GetFocus() == target) SetFocus(control(idCmdGözat));
  EnableWindow(target, enabled);
}

void AnaForm::setApplyEnabled(bool enabled) { enableControl(idCmdUygula, enabled); }

bool AnaForm::applyOptionSelected() const {
  return SendMessageW(control(idOptXPUygula), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void AnaForm::setPathText(const std::string& text) { SetWindowTextW(control(idTxtExeYolu), toWide(text).c_str()); }

void AnaForm::setApplyOptionEnabled(bool enabled) { enableControl(idOptXPUygula, enabled); }

void AnaForm::setUndoOptionEnabled(bool enabled) { enableControl(idOptGeriAl, enabled); }

void AnaForm::selectApplyOption() {
  SendMessageW(control(idOptXPUygula), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(control(idOptGeriAl), BM_SETCHECK, BST_UNCHECKED, 0);
}

void AnaForm::selectUndoOption() {
  SendMessageW(control(idOptGeriAl), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(control(idOptXPUygula), BM_SETCHECK, BST_UNCHECKED, 0);
}

void AnaForm::setUndoLabelEnabled(bool enabled) {
  EnableWindow(control(idLblGeriAl), enabled);
  InvalidateRect(control(idLblGeriAl), nullptr, TRUE);
}

// --- message handling ----------------------------------------------------------

LRESULT CALLBACK AnaForm::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<AnaForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<AnaForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return form->handle(message, wParam, lParam);
}

LRESULT AnaForm::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      return reinterpret_cast<LRESULT>(colourFor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
    case WM_SETCURSOR:
      if (pointer_ != nullptr) {
        SetCursor(pointer_);
        return TRUE;
      }
      break;
    case WM_DESTROY:
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK AnaForm::childProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = reinterpret_cast<AnaForm*>(GetWindowLongPtrW(child, GWLP_USERDATA));
  return form->handleChild(child, message, wParam, lParam);
}

LRESULT AnaForm::handleChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto original = reinterpret_cast<WNDPROC>(GetPropW(child, kOriginalProc));
  const int id = GetDlgCtrlID(child);

  if (id == idPictureZemin) {
    switch (message) {
      // PictureZemin contains the controls: what they tell their parent goes to the window.
      case WM_COMMAND:
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLORBTN:
      case WM_CTLCOLOREDIT:
        return SendMessageW(window_, message, wParam, lParam);
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT: {
        PAINTSTRUCT paint{};
        drawZemin(BeginPaint(child, &paint), true);
        EndPaint(child, &paint);
        return 0;
      }
      case WM_PRINTCLIENT:
        drawZemin(reinterpret_cast<HDC>(wParam), false);
        return 0;
      case WM_SETCURSOR:
        if (pointer_ != nullptr) {
          SetCursor(pointer_);
          return TRUE;
        }
        break;
      case WM_MOUSEMOVE:
        if (isDragButtonSet(buttonSet(wParam))) dragWindow();
        pictureButtons_->backgroundMouseMove();
        return 0;
      case WM_NCDESTROY:
        RemovePropW(child, kOriginalProc);
        break;
      default:
        break;
    }
    return CallWindowProcW(original, child, message, wParam, lParam);
  }

  switch (message) {
    case WM_SETCURSOR:
      if (id == idImage2 && handCursor_ != nullptr) {
        SetCursor(handCursor_);
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (isPictureButton(id)) pictureButtons_->mouseDown(pictureButtonOf(id));
      if (id == idLabel2 && message == WM_LBUTTONDBLCLK) {
        openAbout();
        return 0;
      }
      pressed_ = child;
      SetCapture(child);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      if (isPictureButton(id)) pictureButtons_->mouseDown(pictureButtonOf(id));
      return 0;
    case WM_MOUSEMOVE:
      if (isPictureButton(id)) pictureButtons_->mouseMove(pictureButtonOf(id), buttonSet(wParam));
      return 0;
    case WM_LBUTTONUP: {
      const bool clicked = pressed_ == child;
      pressed_ = nullptr;
      if (GetCapture() == child) ReleaseCapture();
      POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      RECT inside{};
      GetClientRect(child, &inside);
      const bool over = PtInRect(&inside, at) != FALSE;
      if (id == idImage2) {
        showPopupMenu();
      } else if (clicked && over && id == idImgSimge) {
        ShowWindow(window_, SW_MINIMIZE);
        pictureButtons_->minimised();
      } else if (clicked && over && id == idImgKapat) {
        DestroyWindow(window_);
      } else if (clicked && over && id == idLabel2) {
        openAbout();
      }
      return 0;
    }
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (id == idImage2) showPopupMenu();
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != child) pressed_ = nullptr;
      break;
    case WM_NCDESTROY:
      RemovePropW(child, kOriginalProc);
      break;
    default:
      break;
  }
  return CallWindowProcW(original, child, message, wParam, lParam);
}

}  // namespace kovrena::app::win32
