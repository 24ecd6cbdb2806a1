#pragma once
// Real windows for the shaping tests: a top-level window with a STATIC
// SS_BITMAP child holding a picture drawn from text, one letter per pixel.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/scoped.h"
#include "shaping/pixel_grid.h"

namespace kovrena::shaping::testing {

// Letters and their colours (red, green, blue).
inline COLORREF LetterColour(char letter) {
  switch (letter) {
    case 'W': return RGB(255, 255, 255);
    case 'Y': return RGB(0xF8, 0xE0, 0x40);
    case 'M': return RGB(255, 0, 255);
    case 'C': return RGB(0, 255, 255);
    case 'B': return RGB(0, 0, 0);
    default: return RGB(0x12, 0x34, 0x56);
  }
}

// The picture at 32 bits per pixel, blue first, as the display holds it.
inline PixelGrid GridFromDesign(const std::vector<std::string>& rows) {
  PixelGrid grid;
  grid.height = static_cast<std::int32_t>(rows.size());
  grid.width = static_cast<std::int32_t>(rows[0].size());
  grid.bytesPerPixel = 4;
  grid.stride = grid.width * 4;
  for (const std::string& row : rows) {
    for (char letter : row) {
      const COLORREF c = LetterColour(letter);
      grid.bytes.insert(grid.bytes.end(), {GetBValue(c), GetGValue(c), GetRValue(c), 0});
    }
  }
  return grid;
}

// A top-down 32-bit DIB section with the design's pixels.
inline kovrena::win32::UniqueBitmap BitmapFromDesign(const std::vector<std::string>& rows) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(rows[0].size());
  info.bmiHeader.biHeight = -static_cast<LONG>(rows.size());
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  kovrena::win32::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return bitmap;
  const PixelGrid grid = GridFromDesign(rows);
  std::copy(grid.bytes.begin(), grid.bytes.end(), static_cast<std::uint8_t*>(bits));
  GdiFlush();
  return bitmap;
}

inline const wchar_t* TestWindowClass() {
  static const wchar_t* name = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"KovrenaShapingTest";
    RegisterClassW(&wc);
    return L"KovrenaShapingTest";
  }();
  return name;
}

// A top-level window and its picture control at (left, top) in the client
// area; both destroyed at scope end. Hidden unless asked: without a window
// manager, Wine waits two seconds for every shown window it destroys.
class TestWindow {
 public:
  explicit TestWindow(DWORD style, int left = -3, int top = -3, DWORD pictureStyle = SS_BITMAP,
                      bool visible = false) {
    window_ = CreateWindowExW(0, TestWindowClass(), L"Kovrena", style, 40, 40, 320, 240, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    picture_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | pictureStyle, left, top, 10, 10,
                               window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (visible) {
      ShowWindow(window_, SW_SHOWNOACTIVATE);
      UpdateWindow(window_);
    }
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  ~TestWindow() {
    if (IsWindow(window_)) DestroyWindow(window_);
  }
  HWND window() const { return window_; }
  HWND picture() const { return picture_; }

 private:
  HWND window_ = nullptr;
  HWND picture_ = nullptr;
};

// Where the picture control's client origin lies in the window's own
// coordinates, found directly rather than through frame and caption.
inline POINT PictureOffsetInWindow(HWND window, HWND picture) {
  RECT outer{};
  GetWindowRect(window, &outer);
  POINT origin{0, 0};
  ClientToScreen(picture, &origin);
  return POINT{origin.x - outer.left, origin.y - outer.top};
}

// The rectangles of a region, for messages when two regions differ.
inline std::string DescribeRegion(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  if (size == 0) return "(no region data)";
  std::vector<std::uint8_t> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  GetRegionData(region, size, data);
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  std::string text = std::to_string(data->rdh.nCount) + " rects:";
  for (DWORD i = 0; i < data->rdh.nCount && i < 40; ++i) {
    text += " (" + std::to_string(rects[i].left) + "," + std::to_string(rects[i].top) + ")-(" +
            std::to_string(rects[i].right) + "," + std::to_string(rects[i].bottom) + ")";
  }
  return text;
}

}  // namespace kovrena::shaping::testing
