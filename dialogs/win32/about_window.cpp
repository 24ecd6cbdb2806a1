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
#include "ui/win32/control_factory.h"
#include "ui/win32/gdi_design.h"

namespace kovrena::dialogs::win32 {

using kovrena::win32::ToWide;
using ui::win32::ColorRef;

namespace {

constexpr wchar_t kClassName[] = L"KovrenaFrmHakkında";
// The plain colour when the picture cannot be drawn: the deep blue of the panel.
constexpr ui::Rgb kPlainBackground{0x1E, 0x4E, 0xA8};

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
  ui::win32::CreateToolTips(handle(), kAboutControls);
  load();
  return true;
}

void frmHakkında::createFonts() {
  for (std::size_t i = 0; i < kAboutFonts.size(); ++i) fonts_[i] = ui::win32::CreateDesignFont(kAboutFonts[i]);
  linkFontUnderlined_ = ui::win32::CreateDesignFont(AboutFontDesign(AboutFont::Link), true);
  setWindowFont(fontFor(AboutFont::Window));
}

HFONT frmHakkında::fontFor(AboutFont font) const { return fonts_[static_cast<std::size_t>(font)].get(); }

HWND frmHakkında::control(AboutControl control) const { return GetDlgItem(handle(), static_cast<int>(control)); }

void frmHakkında::createControls() {
  bigIcon_.reset(loadIcon(IDI_HAKKINDA_PENCERE, GetSystemMetrics(SM_CXICON)));
  smallIcon_.reset(loadIcon(IDI_HAKKINDA_PENCERE, GetSystemMetrics(SM_CXSMICON)));
  picture_.reset(loadIcon(IDI_HAKKINDA_RESIM, 32));
  if (bigIcon_) SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  if (smallIcon_) SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  linkPointer_ = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_EL_BAGLANTI));
  if (linkPointer_ == nullptr) linkPointer_ = LoadCursorW(nullptr, IDC_HAND);

  static_cast<void>(ui::win32::CreateControls(handle(), kAboutControls, fonts_));
  if (picture_) {
    SendMessageW(control(AboutControl::Image1), STM_SETICON, reinterpret_cast<WPARAM>(picture_.get()), 0);
  }
  // The links hear of the keyboard focus, which they show as the pointer's underline.
  for (const Link link : {Link::Web, Link::Email}) subclass(control(LinkControl(link)));
  linkRoles_.emplace(std::initializer_list<HWND>{control(LinkControl(Link::Web)), control(LinkControl(Link::Email))});
  setFirstFocus(control(AboutControl::cmdOK));
}

std::optional<Link> frmHakkında::linkOf(HWND window) const {
  for (const Link link : {Link::Web, Link::Email}) {
    if (window != nullptr && window == control(LinkControl(link))) return link;
  }
  return std::nullopt;
}

// Enter or the space bar on a link follows it, as a click does; Enter
// elsewhere stays the OK button's.
bool frmHakkında::takeKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || (message.wParam != VK_RETURN && message.wParam != VK_SPACE)) return false;
  const std::optional<Link> link = linkOf(GetFocus());
  if (!link) return false;
  // Not again while the key is held.
  if ((message.lParam & (1L << 30)) == 0) follow(*link);
  return true;
}

LRESULT frmHakkında::onChildMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETFOCUS || message == WM_KILLFOCUS) {
    if (const std::optional<Link> link = linkOf(child)) setUnderline(*link, message == WM_SETFOCUS);
  }
  return childAnswer(child, message, wParam, lParam);
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
      const ControlDesign* design = ui::DesignOf(kAboutControls, AboutControl(GetDlgCtrlID(window)));
      const bool coloured = design != nullptr && design->textColour;
      SetTextColor(dc, coloured ? ColorRef(*design->textColour) : GetSysColor(COLOR_BTNTEXT));
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
        // A link with the keyboard focus keeps its underline.
        setUnderline(change.link, change.underlined || linkOf(GetFocus()) == change.link);
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
