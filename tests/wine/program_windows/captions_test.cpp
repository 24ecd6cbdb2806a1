// Every caption of the three windows shows whole, at the normal and the
// large font settings (96, 120 and 144 DPI, Wine's LogPixels): measured on
// the real windows' own device contexts in the font each control is
// designed with, against the room the control gives its text at that
// setting; and every label shows the very pixels it shows at 96 DPI, so the
// font measured is the font shown. Under Wine the fonts that the windows
// name come from the machine's replacements, so a wider stand-in shows here
// as a clipped caption.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "dialogs/about_design.h"
#include "ui/design.h"
#include "platform/win32/scoped.h"
#include "platform/win32/text.h"
#include "running_program.h"
#include "tests/wine/support/handled.h"
#include "tests/wine/e2e/mouse.h"

namespace kovrena::testing {
namespace {

using kovrena::win32::ToUtf8;
using kovrena::win32::ToWide;

enum class Room { Label, PushButton, CheckButton };

struct Measured {
  std::string window;
  std::string caption;
  std::string font;  // the font the face name was mapped to
  Room room = Room::Label;
  SIZE box{};        // the control's client area
  SIZE line{};       // the caption on one line (GetTextExtentPoint32), overhang included
  SIZE laidOut{};    // as the control lays it out (DrawText with its wrapping), overhang included
  SIZE available{};  // the room for the text
  bool fits() const { return laidOut.cx <= available.cx && laidOut.cy <= available.cy; }
};

// The display settings the windows must stand: normal, large (common on
// XP) and larger still.
constexpr UINT kDpis[] = {96, 120, 144};

// The designs are in pixels: a font keeps its pixel height at every setting.
LOGFONTW logFontOf(const ui::FontDesign& design) {
  LOGFONTW font{};
  font.lfHeight = -ui::DesignPixelHeight(design);
  font.lfWeight = design.weight;
  font.lfItalic = design.italic ? TRUE : FALSE;
  font.lfCharSet = static_cast<BYTE>(design.charset);
  const std::wstring face = ToWide(design.face);
  lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
  return font;
}

// What the caption shows: an ampersand marks the next letter unless the
// control shows it as it stands.
std::wstring shownText(const std::wstring& caption, bool prefixes) {
  if (!prefixes) return caption;
  std::wstring shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
    shown.push_back(caption[i]);
  }
  return shown;
}

// The most an italic glyph of the text leans out past its advance.
int overhang(HDC dc, const std::wstring& text) {
  int most = 0;
  for (wchar_t c : text) {
    ABC abc{};
    if (GetCharABCWidthsW(dc, c, c, &abc)) most = std::max({most, -abc.abcA, -abc.abcC});
  }
  return most;
}

// A system measure as a program sees it at that setting: this test itself
// runs at the setting it started with.
int metricAt(int index, UINT dpi) {
  using ForDpi = int(WINAPI*)(int, UINT);
  static const auto forDpi = reinterpret_cast<ForDpi>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
  return forDpi != nullptr ? forDpi(index, dpi) : MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), 96);
}

Measured measure(HWND control, const std::string& window, const ui::FontDesign& design, UINT dpi) {
  Measured m;
  m.window = window;
  const std::wstring caption = windowText(control);
  m.caption = ToUtf8(caption);
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const bool isButton = _wcsicmp(className(control).c_str(), L"Button") == 0;
  const LONG buttonType = style & BS_TYPEMASK;
  m.room = !isButton ? Room::Label
           : (buttonType == BS_PUSHBUTTON || buttonType == BS_DEFPUSHBUTTON) ? Room::PushButton
                                                                              : Room::CheckButton;
  RECT client{};
  GetClientRect(control, &client);
  m.box = {client.right, client.bottom};

  const win32::WindowDC controlDC(control);
  const HDC dc = controlDC.get();
  const LOGFONTW wanted = logFontOf(design);
  const win32::UniqueFont font(CreateFontIndirectW(&wanted));
  const win32::SelectedObject measuring(dc, font.get());
  std::vector<char> metrics(GetOutlineTextMetricsW(dc, 0, nullptr));
  if (!metrics.empty() && GetOutlineTextMetricsW(dc, static_cast<UINT>(metrics.size()),
                                                 reinterpret_cast<OUTLINETEXTMETRICW*>(metrics.data()))) {
    const auto* outline = reinterpret_cast<const OUTLINETEXTMETRICW*>(metrics.data());
    m.font = ToUtf8(reinterpret_cast<const wchar_t*>(metrics.data() + reinterpret_cast<std::size_t>(outline->otmpFaceName)));
  }
  const bool prefixes = isButton || (style & SS_NOPREFIX) == 0;
  const std::wstring shown = shownText(caption, prefixes);
  const int lean = overhang(dc, shown);
  GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &m.line);
  m.line.cx += lean;

  // The room: a push button keeps its frame and focus line clear, a radio
  // button its round mark and the gap after it.
  const int edge = metricAt(SM_CXEDGE, dpi) + 1;
  m.available = m.box;
  if (m.room == Room::PushButton) m.available = {m.box.cx - 2 * edge, m.box.cy - 2 * edge};
  if (m.room == Room::CheckButton) m.available.cx -= metricAt(SM_CXMENUCHECK, dpi) + 4;
  RECT laid{0, 0, m.available.cx, 0};
  const UINT wrapping = m.room == Room::Label ? DT_WORDBREAK | DT_EXPANDTABS : DT_SINGLELINE;
  DrawTextW(dc, caption.c_str(), -1, &laid, DT_CALCRECT | wrapping | (prefixes ? 0 : DT_NOPREFIX));
  m.laidOut = {laid.right + lean, laid.bottom};
  return m;
}

// The captions of a window: its labels and buttons with a text.
std::vector<HWND> captioned(HWND window) {
  std::vector<HWND> found;
  for (HWND child : descendants(window)) {
    const std::wstring windowClass = className(child);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    const bool label = _wcsicmp(windowClass.c_str(), L"Static") == 0 &&
                       (style & SS_TYPEMASK) <= SS_RIGHT;  // text, not a picture
    const bool button = _wcsicmp(windowClass.c_str(), L"Button") == 0;
    if ((label || button) && !windowText(child).empty()) found.push_back(child);
  }
  return found;
}

// The about window's controls have fonts of their own; the design tells
// them by their place.
const ui::FontDesign& aboutFontOf(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  for (const dialogs::ControlDesign& design : dialogs::kAboutControls) {
    if (design.rect.left == rect.left && design.rect.top == rect.top) return dialogs::AboutFontDesign(design.font);
  }
  return ui::kWindowFont;
}

const char* roomName(Room room) {
  switch (room) {
    case Room::Label: return "label";
    case Room::PushButton: return "button";
    case Room::CheckButton: return "option";
  }
  return "";
}

// The table of measurements, on the test's output and as an artifact.
void record(const std::vector<Measured>& all, const std::wstring& exe, UINT dpi) {
  std::string table = "window  | kind   | font                         | box     | one line | laid out | room    | caption\n";
  for (const Measured& m : all) {
    char row[256];
    std::snprintf(row, sizeof row, "%-7s | %-6s | %-28s | %3ldx%-3ld | %3ldx%-3ld  | %3ldx%-3ld  | %3ldx%-3ld | ",
                  m.window.c_str(), roomName(m.room), m.font.c_str(), m.box.cx, m.box.cy, m.line.cx, m.line.cy,
                  m.laidOut.cx, m.laidOut.cy, m.available.cx, m.available.cy);
    table += row + m.caption + (m.fits() ? "\n" : "   <-- CLIPPED\n");
  }
  std::cout << "at " << dpi << " DPI:\n" << table;
  wchar_t folder[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"KOVRENA_ARTIFACTS", folder, MAX_PATH) == 0) return;
  std::wstring path = folder[0] == L'/' ? windowsPathOf(ToUtf8(folder)) : std::wstring(folder);
  // Made here when the tests run without the test command, which makes it.
  CreateDirectoryW(path.c_str(), nullptr);
  const std::wstring name = exe.substr(exe.find_last_of(L"\\/") + 1);
  // Both builds may run in one session: one table each, per setting.
  DWORD binary = 0;
  const bool x86 = GetBinaryTypeW(exe.c_str(), &binary) && binary == SCS_32BIT_BINARY;
  path += std::wstring(L"\\caption-widths-") + (x86 ? L"i686" : L"x86_64") + L"-" + std::to_wstring(dpi) + L"dpi.txt";
  const win32::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (!file) return;
  const std::string header =
      ToUtf8(L"Captions of " + name + L" (" + exe + L") at " + std::to_wstring(dpi) + L" DPI\n");
  DWORD written = 0;
  WriteFile(file.get(), header.data(), static_cast<DWORD>(header.size()), &written, nullptr);
  WriteFile(file.get(), table.data(), static_cast<DWORD>(table.size()), &written, nullptr);
}

// The display setting of the programs started while it lives (Wine reads
// it as a program starts); the one before is put back afterwards.
class DisplaySetting {
 public:
  explicit DisplaySetting(UINT dpi) {
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                    nullptr, key_.put(), nullptr);
    DWORD size = sizeof before_;
    had_ = RegQueryValueExW(key_.get(), kValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&before_), &size) ==
           ERROR_SUCCESS;
    const DWORD value = dpi;
    set_ = RegSetValueExW(key_.get(), kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
  }
  DisplaySetting(const DisplaySetting&) = delete;
  DisplaySetting& operator=(const DisplaySetting&) = delete;
  ~DisplaySetting() {
    if (!had_) {
      RegDeleteValueW(key_.get(), kValue);
      return;
    }
    RegSetValueExW(key_.get(), kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&before_), sizeof before_);
  }
  bool set() const { return set_; }

 private:
  static constexpr wchar_t kValue[] = L"LogPixels";
  win32::UniqueKey key_;
  DWORD before_ = 0;
  bool had_ = false;
  bool set_ = false;
};

// The height of a window's title bar and frame, which the system draws at
// the display's setting (the main window's outline hides them from the user).
LONG frameHeight(HWND window) {
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  return (outer.bottom - outer.top) - client.bottom;
}

// What the screen shows of a control's client area, pixel by pixel.
std::vector<std::uint32_t> pixelsOf(HWND control) {
  RECT area{};
  GetClientRect(control, &area);
  MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&area), 2);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  const win32::WindowDC screen(nullptr);
  const win32::MemoryDC memory(screen.get());
  const win32::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  const win32::SelectedObject copyingInto(memory.get(), bitmap.get());
  BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  return pixels;
}

// The window's outline in its client area's coordinates: the frame and
// title bar it cuts away grow with the setting, the outline must not.
win32::UniqueRegion clientOutline(HWND window) {
  win32::UniqueRegion outline(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(window, outline.get()) == ERROR) return win32::UniqueRegion();
  RECT outer{};
  GetWindowRect(window, &outer);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  OffsetRgn(outline.get(), outer.left - origin.x, outer.top - origin.y);
  return outline;
}

using Captions = RunningProgram;

TEST_F(Captions, EveryCaptionOfTheThreeWindowsShowsWholeAndLooksAsAtNormalSizeAtEverySetting) {
  // However it ends, the other tests find the program at the setting it had.
  struct RestartAfter {
    ~RestartAfter() { restart(); }
  } restartAfter;
  LONG normalFrame = 0;
  win32::UniqueRegion normalOutline;
  std::map<std::string, std::vector<std::uint32_t>> normalLabels;  // by window and caption, at 96 DPI
  for (const UINT dpi : kDpis) {
    SCOPED_TRACE(::testing::Message() << dpi << " DPI");
    const bool normal = dpi == kDpis[0];
    const std::wstring at = L"-" + std::to_wstring(dpi) + L"dpi";
    {
      const DisplaySetting setting(dpi);
      ASSERT_TRUE(setting.set()) << "LogPixels could not be set";
      ASSERT_TRUE(restart()) << "the program did not start";
    }
    // The program took the setting: the system draws its frame larger.
    const win32::UniqueRegion outline = clientOutline(mainWindow());
    ASSERT_TRUE(outline) << "the main window has no outline";
    if (normal) {
      normalFrame = frameHeight(mainWindow());
      normalOutline.reset(CreateRectRgn(0, 0, 0, 0));
      CombineRgn(normalOutline.get(), outline.get(), nullptr, RGN_COPY);
    } else {
      EXPECT_GT(frameHeight(mainWindow()), normalFrame) << "the setting did not reach the program";
      EXPECT_TRUE(EqualRgn(outline.get(), normalOutline.get())) << "the outline differs from the one at 96 DPI";
    }

    std::vector<Measured> all;
    const auto measureAll = [&](HWND window, const std::string& name, const std::wstring& screenshot, auto fontOf) {
      SetForegroundWindow(window);
      ASSERT_TRUE(WaitUntilHandled(window)) << name << " window not painted";
      for (HWND control : captioned(window)) {
        all.push_back(measure(control, name, fontOf(control), dpi));
        if (all.back().room != Room::Label) continue;
        const std::string key = name + ": " + all.back().caption;
        if (normal) {
          normalLabels[key] = pixelsOf(control);
        } else {
          EXPECT_TRUE(pixelsOf(control) == normalLabels[key]) << key << " does not look as at 96 DPI";
        }
      }
      saveScreenshot(window, screenshot + at);
    };
    const auto windowFont = [](HWND) -> const ui::FontDesign& { return ui::kWindowFont; };

    measureAll(mainWindow(), "main", L"main-window", windowFont);
    HWND help = openHelp();
    ASSERT_NE(help, nullptr) << "the help window did not open";
    measureAll(help, "help", L"help-window", windowFont);
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(closedAndMainEnabled(help));

    HWND about = openAbout();
    ASSERT_NE(about, nullptr) << "the about window did not open";
    measureAll(about, "about", L"about-window", aboutFontOf);
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(closedAndMainEnabled(about));

    record(all, exe(), dpi);
    // Main window 8 (the pictures have none), help 2, about 8 (lblDisclaimer's is empty).
    EXPECT_EQ(all.size(), 18u) << "captions found";
    for (const Measured& m : all) {
      EXPECT_TRUE(m.fits()) << m.window << ": \"" << m.caption << "\" needs " << m.laidOut.cx << " x "
                            << m.laidOut.cy << " in " << m.font << ", the control gives " << m.available.cx << " x "
                            << m.available.cy;
    }
  }
}

}  // namespace
}  // namespace kovrena::testing
