#include "app/win32/ana_form.h"

#include <commctrl.h>

#include <span>

#include "app/win32/ana_form_services.h"
#include "manifest/examine.h"
#include "platform/win32/text.h"
#include "resources/resource_ids.h"
#include "ui/win32/control_factory.h"
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

HBITMAP loadBitmap(std::string_view resourceName) {
  // Loaded anew each time, as a device-dependent bitmap at the display's depth.
  return static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), ToWide(resourceName).c_str(), IMAGE_BITMAP, 0, 0, 0));
}

// A bitmap control takes the size of its picture; the design's stays.
void showDesignedPicture(shaping::win32::PictureControl& picture, const ControlDesign& design) {
  // A picture the control does not take leaves it as it was.
  static_cast<void>(picture.show(kovrena::win32::UniqueBitmap(loadBitmap(design.picture))));
  SetWindowPos(picture.window(), nullptr, design.rect.left, design.rect.top, design.rect.width, design.rect.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

HICON loadIcon(int width, int height) {
  return static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KOVRENA), IMAGE_ICON, width, height, 0));
}

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
                      // WS_EX_ACCEPTFILES: files dropped on it come to it (all
                      // that DragAcceptFiles would set).
                      {.exStyle = WS_EX_ACCEPTFILES, .style = style, .title = title.c_str(),
                       .x = work.left + (work.right - work.left - width) / 2, .y = work.top + (work.bottom - work.top - height) / 2, .width = width, .height = height})) {
    return false;
  }

  font_ = ui::win32::CreateDesignFont(kAnaFormFont);
  SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  panelBrush_.reset(CreateSolidBrush(ColorRef(kPanelYellow)));
  shapePen_.reset(CreatePen(PS_SOLID, 1, ColorRef(kShape1Colour)));
  handCursor_ = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_EL_ANA));

  createControls();
  createPopupMenu();
  letDropsThrough();

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
  if (SetTimer(handle(), kToolTipsTimer, USER_TIMER_MINIMUM, nullptr) == 0) {
    ui::win32::CreateToolTips(zemin_, kAnaFormControls);
  }
}

void AnaForm::createControls() {
  const std::span<const kovrena::win32::UniqueFont> fonts(&font_, 1);
  static_cast<void>(ui::win32::CreateControls(handle(), kAnaFormZemin, fonts));
  zemin_ = GetDlgItem(handle(), idOf(AnaFormControl::PictureZemin));
  // Without the picture PictureZemin stays empty and the window keeps its frame.
  zeminPicture_ = std::make_unique<shaping::win32::PictureControl>(zemin_);
  showDesignedPicture(*zeminPicture_, kAnaFormZemin[0]);
  subclass(zemin_);

  // Labels lie on the picture: they are painted with the picture itself as
  // their background brush, aligned to where they sit. PictureZemin keeps
  // showing that picture, so it outlives the brush.
  if (HBITMAP picture = zeminPicture_->image()) backgroundBrush_.reset(CreatePatternBrush(picture));

  static_cast<void>(ui::win32::CreateControls(zemin_, kAnaFormControls, fonts));
  for (const ControlDesign& design : kAnaFormControls) {
    if (design.kind == ControlKind::Picture) {
      showDesignedPicture(pictures_[static_cast<std::size_t>(PictureSlot(design.id))].emplace(control(design.id)),
                          design);
    }
    if (HasMouseHandlers(design.id)) subclass(control(design.id));
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

// --- message handling ----------------------------------------------------------

// Back in front (a message box closed, say): the focus goes back where it
// was, as in a dialog; to "Gözat" when that control was disabled meanwhile.
// False before any control had it: the window's own default then.
bool AnaForm::restoreFocus() {
  if (lastFocus_ == nullptr || !IsWindow(lastFocus_)) return false;
  SetFocus(IsWindowEnabled(lastFocus_) ? lastFocus_ : control(AnaFormControl::cmdGözat));
  return true;
}

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
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(handle(), focus)) lastFocus_ = focus;
        break;
      }
      // Not while minimised: the window takes no input then.
      if (HIWORD(wParam) == 0 && restoreFocus()) return 0;
      break;
    case WM_DROPFILES:
      onDrop(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_TIMER:
      if (wParam != kToolTipsTimer) break;
      KillTimer(handle(), kToolTipsTimer);
      ui::win32::CreateToolTips(zemin_, kAnaFormControls);
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

}  // namespace kovrena::app::win32
