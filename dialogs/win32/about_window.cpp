#include "dialogs/win32/about_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "dialogs/win32/program_version.h"
#include "platform/product.h"
#include "platform/win32/file_system.h"
#include "platform/win32/message_box.h"
#include "platform/win32/process_launcher.h"
#include "platform/win32/registry.h"
#include "platform/win32/text.h"
#include "resources/resource_ids.h"
#include "resources/version.h"
#include "ui/win32/gdi_design.h"

namespace kovrena::dialogs::win32 {

using kovrena::win32::ToWide;
using ui::win32::ColorRef;

namespace {

constexpr wchar_t kClassName[] = L"KovrenaFrmHakkında";
constexpr int kFirstControlId = 1000;
// The plain colour when the picture cannot be drawn: the deep blue of the panel.
constexpr ui::Rgb kPlainBackground{0x1E, 0x4E, 0xA8};

int controlId(AboutControl control) {
  return control == AboutControl::cmdOK ? IDOK : kFirstControlId + static_cast<int>(control);
}

RECT toRect(const ui::Rect& rect) { return {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height}; }

// A separator element as the rectangle it covers: its width grows downwards
// from its row, so the grey element stays visible above the white one.
RECT lineRect(const LineDesign& line) { return {line.x1, line.y1, line.x2, line.y1 + line.width}; }

HICON loadIcon(int id, int size) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

}  // namespace

frmHakkında::frmHakkında(const AboutServices& services)
    : services_(services), background_(kAboutBackground, kPlainBackground) {}

bool frmHakkında::create(HWND owner) {
  InitCommonControls();
  // A fixed dialog frame: a title bar with only the close box, no sizing.
  constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
  RECT frame{0, 0, kAboutClientWidth, kAboutClientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  // A double click on a link is one click and one double click, so it opens
  // the link once.
  if (!Window::create({.name = kClassName, .style = CS_DBLCLKS},
                      {.exStyle = kExStyle, .style = kStyle, .width = frame.right - frame.left,
                       .height = frame.bottom - frame.top, .owner = owner})) {
    return false;
  }
  createFonts();
  createControls();
  createTooltips();
  load();
  return true;
}

void frmHakkında::createFonts() {
  for (std::size_t i = 0; i < kAboutFonts.size(); ++i) fonts_[i] = ui::win32::CreateDesignFont(kAboutFonts[i]);
  linkFontUnderlined_ = ui::win32::CreateDesignFont(AboutFontDesign(AboutFont::Link), true);
  setWindowFont(fontFor(AboutFont::Window));
}

HFONT frmHakkında::fontFor(AboutFont font) const { return fonts_[static_cast<std::size_t>(font)].get(); }

HWND frmHakkında::control(AboutControl control) const { return controls_[static_cast<std::size_t>(control)]; }

std::optional<AboutControl> frmHakkında::controlOf(HWND window) const {
  for (const ControlDesign& design : kAboutControls) {
    if (control(design.id) == window) return design.id;
  }
  return std::nullopt;
}

void frmHakkında::createControls() {
  bigIcon_.reset(loadIcon(IDI_HAKKINDA_PENCERE, GetSystemMetrics(SM_CXICON)));
  smallIcon_.reset(loadIcon(IDI_HAKKINDA_PENCERE, GetSystemMetrics(SM_CXSMICON)));
  picture_.reset(loadIcon(IDI_HAKKINDA_RESIM, 32));
  if (bigIcon_) SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  if (smallIcon_) SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  linkPointer_ = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_EL_BAGLANTI));
  if (linkPointer_ == nullptr) linkPointer_ = LoadCursorW(nullptr, IDC_HAND);

  // Created in tab order, which is the design table's order. The labels
  // have no SS_NOTIFY: they are transparent to the mouse, so every move
  // over them reaches the window, which tells them apart by position as the
  // design does.
  for (const ControlDesign& design : kAboutControls) {
    const int id = controlId(design.id);
    const HFONT font = fontFor(design.font);
    HWND created = nullptr;
    switch (design.kind) {
      case ControlKind::Button:
        created = ui::win32::CreateControl(handle(), L"BUTTON", ToWide(design.caption),
                                           WS_TABSTOP | (id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                                           design.rect, id, font);
        break;
      case ControlKind::Label:
      case ControlKind::Link:
        created = ui::win32::CreateControl(handle(), L"STATIC", ToWide(design.caption),
                                           SS_NOPREFIX | ui::win32::StaticAlignment(design.align), design.rect,
                                           id, font);
        break;
      case ControlKind::Icon:
        created = ui::win32::CreateControl(handle(), L"STATIC", L"", SS_ICON, design.rect, id, nullptr);
        if (created != nullptr && picture_) {
          SendMessageW(created, STM_SETICON, reinterpret_cast<WPARAM>(picture_.get()), 0);
        }
        break;
    }
    controls_[static_cast<std::size_t>(design.id)] = created;
  }
  setFirstFocus(control(AboutControl::cmdOK));
}

void frmHakkında::createTooltips() {
  const HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle(), nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
  if (tooltip == nullptr) return;  // owned by the window: destroyed with it
  UINT_PTR toolId = 1;
  for (const ControlDesign& design : kAboutControls) {
    if (design.tooltip.empty()) continue;
    tooltipTexts_.push_back(ToWide(design.tooltip));
    // The size known to every comctl32 from XP's on, with or without the
    // visual styles.
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = handle();
    tool.uId = toolId++;
    tool.rect = toRect(design.rect);
    tool.lpszText = tooltipTexts_.back().data();
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void frmHakkında::load() {
  ProgramVersion version{KOVRENA_VERSION_MAJOR, KOVRENA_VERSION_MINOR};
  if (const std::optional<ProgramVersion> own = ReadProgramVersion()) version = *own;
  const AboutTexts texts = AboutLoadTexts(kProgramTitle, version.major, version.minor);
  SetWindowTextW(handle(), ToWide(texts.title).c_str());
  SetWindowTextW(control(AboutControl::lblVersion), ToWide(texts.lblVersion).c_str());
  SetWindowTextW(control(AboutControl::lblTitle), ToWide(texts.lblTitle).c_str());
  mouse_ = AboutMouse();
}

void frmHakkında::setUnderline(Link link, bool underlined) {
  const HFONT font = underlined ? linkFontUnderlined_.get() : fontFor(AboutFont::Link);
  SendMessageW(control(LinkControl(link)), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void frmHakkında::follow(Link link) {
  const ShellRequest request = link == Link::Email ? MailRequest() : WebRequest();
  const std::wstring file = ToWide(request.file);
  const std::wstring directory = ToWide(request.directory);
  services_.shell.execute(handle(), nullptr, file.c_str(), nullptr, directory.c_str(), request.showCommand);
}

void frmHakkında::paint(HDC dc) {
  RECT client{};
  GetClientRect(handle(), &client);
  background_.paint(dc, client);
  for (const LineDesign* line : {&kLine1Element0, &kLine1Element1}) {
    const kovrena::win32::UniqueBrush brush(CreateSolidBrush(ColorRef(line->colour)));
    const RECT covered = lineRect(*line);
    FillRect(dc, &covered, brush.get());
  }
}

LRESULT frmHakkında::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      const auto window = reinterpret_cast<HWND>(lParam);
      const std::optional<AboutControl> owned = controlOf(window);
      const std::optional<ui::Rgb> colour = owned ? AboutDesign(*owned).colour : std::nullopt;
      SetTextColor(dc, colour ? ColorRef(*colour) : GetSysColor(COLOR_BTNTEXT));
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(background_.brushFor(dc, window));
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == handle() && LOWORD(lParam) == HTCLIENT) {
        POINT point{};
        GetCursorPos(&point);
        ScreenToClient(handle(), &point);
        if (LinkAt(point.x, point.y)) {
          SetCursor(linkPointer_);
          return TRUE;
        }
      }
      break;
    case WM_MOUSEMOVE:
      for (const UnderlineChange& change : mouse_.mouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) {
        setUnderline(change.link, change.underlined);
      }
      return 0;
    case WM_LBUTTONDOWN:
      if (mouse_.buttonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) SetCapture(handle());
      return 0;
    case WM_LBUTTONUP: {
      const std::optional<Link> clicked = mouse_.buttonUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      if (GetCapture() == handle()) ReleaseCapture();
      if (clicked) follow(*clicked);
      return 0;
    }
    case WM_CAPTURECHANGED:
      mouse_.captureLost();
      return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == control(AboutControl::cmdSysInfo) && HIWORD(wParam) == BN_CLICKED) {
        StartSysInfo({services_.registry, services_.files, services_.launcher, services_.messages},
                     services_.lookups);
        return 0;
      }
      break;
    default:
      break;
  }
  return ModalForm::onMessage(message, wParam, lParam);
}

void ShowAboutWindow(HWND owner, const AboutServices& services) {
  frmHakkında form(services);
  if (form.create(owner)) form.showModal(owner);
}

void ShowAboutWindow(HWND owner) {
  kovrena::win32::Win32Registry registry;
  kovrena::win32::Win32FileSystem files;
  kovrena::win32::Win32ProcessLauncher launcher;
  kovrena::win32::Win32MessageBox messages;
  Win32ShellOpener shell;
  frmHakkında form({registry, files, launcher, messages, shell});
  if (!form.create(owner)) return;
  messages.setOwner(form.handle());
  form.showModal(owner);
}

}  // namespace kovrena::dialogs::win32
