#include "dialogs/win32/about_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "dialogs/about_design.h"
#include "dialogs/win32/gdi_design.h"
#include "dialogs/win32/modal_loop.h"
#include "dialogs/win32/program_version.h"
#include "platform/product.h"
#include "platform/win32/file_system.h"
#include "platform/win32/message_box.h"
#include "platform/win32/process_launcher.h"
#include "platform/win32/registry.h"
#include "platform/win32/text.h"
#include "resources/resource_ids.h"
#include "resources/version.h"

namespace kovrena::dialogs::win32 {

using kovrena::win32::toWide;

namespace {

constexpr wchar_t kClassName[] = L"KovrenaFrmHakkında";
constexpr int kFirstControlId = 1000;
// The plain colour when the picture is missing: the deep blue of the panel.
constexpr Rgb kPlainBackground{0x1E, 0x4E, 0xA8};

int controlId(std::size_t index, const ControlDesign& design) {
  return design.name == "cmdOK" ? IDOK : kFirstControlId + static_cast<int>(index);
}

RECT toRect(const Rect& rect) {
  return {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}

// A separator element as the rectangle it covers: its width grows downwards
// from its row, so the grey element stays visible above the white one.
RECT lineRect(const LineDesign& line) {
  return {line.x1, line.y1, line.x2, line.y1 + line.width};
}

HICON loadIcon(int id, int size) {
  return static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

}  // namespace

frmHakkında::frmHakkında(const HakkındaServices& services)
    : services_(services), background_(L"HAKKINDAZEMIN", kPlainBackground) {}

frmHakkında::~frmHakkında() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool frmHakkında::registerClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    // A double click on a link is one click and one double click, so it
    // opens the link once.
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = frmHakkında::windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

bool frmHakkında::create(HWND owner) {
  InitCommonControls();
  if (!registerClass()) return false;
  // A fixed dialog frame: a title bar with only the close box, no sizing.
  constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
  RECT frame{0, 0, kHakkındaGenişlik, kHakkındaYükseklik};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  if (CreateWindowExW(kExStyle, kClassName, L"", kStyle, 0, 0, frame.right - frame.left,
                      frame.bottom - frame.top, owner, nullptr, GetModuleHandleW(nullptr),
                      this) == nullptr) {
    return false;
  }
  createFonts();
  createControls();
  createTooltips();
  load();
  return true;
}

void frmHakkında::createFonts() {
  windowFont_ = createDesignFont(kPencereYazıTipi);
  verdana_ = createDesignFont(kVerdanaİtalik);
  linkFont_ = createDesignFont(kArialKalınİtalik);
  linkFontUnderlined_ = createDesignFont(kArialKalınİtalik, true);
}

HFONT frmHakkında::fontFor(const FontDesign* design) const {
  if (design == &kVerdanaİtalik) return verdana_.get();
  if (design == &kArialKalınİtalik) return linkFont_.get();
  return windowFont_.get();
}

void frmHakkında::createControls() {
  bigIcon_.reset(loadIcon(IDI_HAKKINDA_PENCERE, GetSystemMetrics(SM_CXICON)));
  smallIcon_.reset(loadIcon(IDI_HAKKINDA_PENCERE, GetSystemMetrics(SM_CXSMICON)));
  picture_.reset(loadIcon(IDI_HAKKINDA_RESIM, 32));
  if (bigIcon_) SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  if (smallIcon_) SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  linkPointer_ = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_EL_BAGLANTI));
  if (linkPointer_ == nullptr) linkPointer_ = LoadCursorW(nullptr, IDC_HAND);

  // Created in tab order, which is the design table's order. The labels
  // have no SS_NOTIFY: they are transparent to the mouse, so every move
  // over them reaches the window, which tells them apart by position as the
  // design does.
  for (std::size_t i = 0; i < kHakkındaDenetimleri.size(); ++i) {
    const ControlDesign& design = kHakkındaDenetimleri[i];
    const int id = controlId(i, design);
    const HFONT font = fontFor(design.font);
    HWND control = nullptr;
    switch (design.kind) {
      case ControlKind::Button:
        control = createControl(window_, L"BUTTON", toWide(design.caption),
                                WS_TABSTOP | (id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                                design.rect, id, font);
        break;
      case ControlKind::Label:
      case ControlKind::Link:
        control = createControl(window_, L"STATIC", toWide(design.caption),
                                SS_NOPREFIX | (design.align == Align::Centre ? SS_CENTER : SS_LEFT),
                                design.rect, id, font);
        break;
      case ControlKind::Icon:
        control = createControl(window_, L"STATIC", L"", SS_ICON, design.rect, id, nullptr);
        if (control != nullptr && picture_) {
          SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(picture_.get()), 0);
        }
        break;
    }
    controls_.push_back({&design, control});
  }
  lastFocus_ = control("cmdOK");
}

void frmHakkında::createTooltips() {
  const HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
  if (tooltip == nullptr) return;  // owned by the window: destroyed with it
  UINT_PTR toolId = 1;
  for (const ControlDesign& design : kHakkındaDenetimleri) {
    if (design.tooltip.empty()) continue;
    tooltipTexts_.push_back(toWide(design.tooltip));
    // The size known to every comctl32 from XP's on, with or without the
    // visual styles.
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = toolId++;
    tool.rect = toRect(design.rect);
    tool.lpszText = tooltipTexts_.back().data();
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void frmHakkında::load() {
  ProgramVersion version{KOVRENA_VERSION_MAJOR, KOVRENA_VERSION_MINOR};
  if (const std::optional<ProgramVersion> own = ReadProgramVersion()) version = *own;
  const HakkındaYükleme texts = HakkındaYükle(kProgramTitle, version.major, version.minor);
  SetWindowTextW(window_, toWide(texts.başlık).c_str());
  SetWindowTextW(control("lblVersion"), toWide(texts.lblVersion).c_str());
  SetWindowTextW(control("lblTitle"), toWide(texts.lblTitle).c_str());
  hover_ = LinkHover();
}

HWND frmHakkında::control(std::string_view name) const {
  for (const Control& control : controls_) {
    if (control.design->name == name) return control.window;
  }
  return nullptr;
}

const frmHakkında::Control* frmHakkında::controlOf(HWND window) const {
  for (const Control& control : controls_) {
    if (control.window == window) return &control;
  }
  return nullptr;
}

HWND frmHakkında::linkWindow(Link link) const {
  return control(link == Link::Email ? "emailgönder" : "lblDrenvikElectronics");
}

std::optional<Link> frmHakkında::linkAt(int x, int y) const {
  switch (AboutAreaAt(x, y)) {
    case AboutArea::Email: return Link::Email;
    case AboutArea::Web: return Link::Web;
    default: return std::nullopt;
  }
}

void frmHakkında::onMouseMove(int x, int y) {
  // While a press on a link holds the mouse, the moves belong to that link.
  AboutArea area = AboutAreaAt(x, y);
  if (pressed_) area = *pressed_ == Link::Email ? AboutArea::Email : AboutArea::Web;
  for (const UnderlineChange& change : hover_.mouseMove(area)) setUnderline(change.link, change.underlined);
}

void frmHakkında::setUnderline(Link link, bool underlined) {
  const HFONT font = underlined ? linkFontUnderlined_.get() : linkFont_.get();
  SendMessageW(linkWindow(link), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void frmHakkında::follow(Link link) {
  const ShellRequest request = link == Link::Email ? EpostaGönder() : WebSitesiniAç();
  const std::wstring file = toWide(request.file);
  const std::wstring directory = toWide(request.directory);
  services_.shell.execute(window_, nullptr, file.c_str(), nullptr, directory.c_str(), request.showCommand);
}

void frmHakkında::paint(HDC dc) {
  RECT client{};
  GetClientRect(window_, &client);
  background_.paint(dc, client);
  for (const LineDesign* line : {&kÇizgi1Öğe0, &kÇizgi1Öğe1}) {
    const kovrena::win32::UniqueBrush brush(CreateSolidBrush(colorRef(line->colour)));
    const RECT covered = lineRect(*line);
    FillRect(dc, &covered, brush.get());
  }
}

LRESULT CALLBACK frmHakkında::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<frmHakkında*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<frmHakkında*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->onMessage(message, wParam, lParam);
}

LRESULT frmHakkında::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
    case WM_CTLCOLORSTATIC: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      const auto window = reinterpret_cast<HWND>(lParam);
      const Control* owned = controlOf(window);
      const std::optional<Rgb> colour = owned != nullptr ? owned->design->colour : std::nullopt;
      SetTextColor(dc, colour ? colorRef(*colour) : GetSysColor(COLOR_BTNTEXT));
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(background_.brushFor(dc, window));
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == window_ && LOWORD(lParam) == HTCLIENT) {
        POINT point{};
        GetCursorPos(&point);
        ScreenToClient(window_, &point);
        if (linkAt(point.x, point.y)) {
          SetCursor(linkPointer_);
          return TRUE;
        }
      }
      break;
    case WM_MOUSEMOVE:
      onMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = linkAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      if (pressed_) SetCapture(window_);
      return 0;
    case WM_LBUTTONUP: {
      // A click: pressed and released over the same link.
      const std::optional<Link> released = linkAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      const std::optional<Link> pressed = pressed_;
      pressed_.reset();
      if (GetCapture() == window_) ReleaseCapture();
      if (pressed && pressed == released) follow(*pressed);
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_.reset();
      return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == control("cmdSysInfo") && HIWORD(wParam) == BN_CLICKED) {
        StartSysInfo({services_.registry, services_.files, services_.launcher, services_.messages},
                     services_.lookups);
        return 0;
      }
      break;
    default:
      break;
  }
  const ModalFormState state{window_, lastFocus_, closed_, windowFont_.get()};
  if (const auto answered = HandleModalFormMessage(state, message, wParam, lParam)) {
    return *answered;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

namespace {

void showModal(HWND owner, frmHakkında& form) {
  centreOver(form.handle(), owner);
  RunModal(owner, form.handle(), [&form] { return form.closed(); });
}

}  // namespace

void ShowHakkında(HWND owner, const HakkındaServices& services) {
  frmHakkında form(services);
  if (form.create(owner)) showModal(owner, form);
}

void ShowHakkında(HWND owner) {
  kovrena::win32::Win32Registry registry;
  kovrena::win32::Win32FileSystem files;
  kovrena::win32::Win32ProcessLauncher launcher;
  kovrena::win32::Win32MessageBox messages;
  Win32ShellOpener shell;
  frmHakkında form({registry, files, launcher, messages, shell});
  if (!form.create(owner)) return;
  messages.setOwner(form.handle());
  showModal(owner, form);
}

}  // namespace kovrena::dialogs::win32
