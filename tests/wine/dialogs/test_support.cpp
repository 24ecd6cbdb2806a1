#include "test_support.h"

#include <shlwapi.h>

#include "platform/win32/scoped.h"
#include "platform/win32/text.h"

namespace kovrena::testing {

TestKey::TestKey() { SHDeleteKeyW(HKEY_CURRENT_USER, kPath); }
TestKey::~TestKey() { SHDeleteKeyW(HKEY_CURRENT_USER, kPath); }

void TestKey::set(const std::wstring& subkey, const std::wstring& name, DWORD type, const std::string& bytes) {
  const std::wstring path = std::wstring(kPath) + L"\\" + subkey;
  win32::UniqueKey key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(),
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExW(key.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                 static_cast<DWORD>(bytes.size()));
}

namespace {
WhileShown* current = nullptr;
std::vector<std::function<void()>> pendingSteps;
std::size_t nextStep = 0;
constexpr UINT_PTR kActionDelayMs = 150;
constexpr UINT_PTR kGiveUpMs = 8000;
UINT_PTR actionTimer = 0;
UINT_PTR giveUpTimer = 0;
}  // namespace

void CALLBACK WhileShown::onTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (id == actionTimer) {
    actionTimer = 0;
    if (nextStep >= pendingSteps.size()) return;
    const std::function<void()> step = pendingSteps[nextStep++];
    // Armed before the step runs: a step may enter a modal loop of its own
    // (a message box), in which the next step then runs.
    if (nextStep < pendingSteps.size()) actionTimer = SetTimer(nullptr, 0, kActionDelayMs, onTimer);
    step();
    return;
  }
  if (id == giveUpTimer) {
    giveUpTimer = 0;
    if (current != nullptr) current->timedOut_ = true;
    // Close whatever modal window is up, so the test goes on and fails.
    const HWND active = GetActiveWindow();
    if (active != nullptr) PostMessageW(active, WM_COMMAND, IDCANCEL, 0);
  }
}

void WhileShown::run(const std::function<void()>& show, const std::vector<std::function<void()>>& steps) {
  current = this;
  pendingSteps = steps;
  nextStep = 0;
  timedOut_ = false;
  actionTimer = SetTimer(nullptr, 0, kActionDelayMs, onTimer);
  giveUpTimer = SetTimer(nullptr, 0, kGiveUpMs, onTimer);
  show();
  if (actionTimer != 0) KillTimer(nullptr, actionTimer);
  if (giveUpTimer != 0) KillTimer(nullptr, giveUpTimer);
  actionTimer = giveUpTimer = 0;
  pendingSteps.clear();
  current = nullptr;
}

void pumpMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace kovrena::testing

namespace kovrena::testing {

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

RECT childRect(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

LOGFONTW fontOf(HWND control) {
  LOGFONTW font{};
  const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  if (handle != nullptr) GetObjectW(handle, sizeof font, &font);
  return font;
}

ClientPicture::ClientPicture(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  width_ = client.right;
  height_ = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const win32::WindowDC screen(nullptr);
  const win32::MemoryDC memory(screen.get());
  const win32::UniqueBitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) {
    width_ = height_ = 0;  // no picture: every point reads as invalid
    return;
  }
  const win32::SelectedObject drawingInto(memory.get(), bitmap.get());
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT | PRF_ERASEBKGND);
  GdiFlush();
  const auto* raw = static_cast<const std::uint32_t*>(bits);
  pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  for (std::size_t i = 0; i < pixels_.size(); ++i) {
    const std::uint32_t p = raw[i];  // 0x00RRGGBB
    pixels_[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
}

COLORREF ClientPicture::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

COLORREF panelPixel(const dialogs::PanelPicture& picture, int x, int y) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
  picture.draw(pixels.data());
  const std::uint32_t p = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) + static_cast<std::size_t>(x)];
  return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
}

OwnerWindow::OwnerWindow() {
  window_ = CreateWindowExW(0, L"STATIC", L"Sahip", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 500, 400,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

OwnerWindow::~OwnerWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

}  // namespace kovrena::testing
