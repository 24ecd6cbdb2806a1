#pragma once
// Owners for Win32 handles. release() hands ownership on explicitly, e.g.
// SetWindowRgn(window, region.release(), TRUE): the window owns it then.
#include <windows.h>

#include <utility>

namespace kovrena::win32 {

template <class Handle, class Traits>
class Unique {
 public:
  Unique() = default;
  explicit Unique(Handle handle) : handle_(handle) {}
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : handle_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~Unique() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return Traits::valid(handle_); }
  [[nodiscard]] Handle release() { return std::exchange(handle_, Traits::empty()); }
  void reset(Handle handle = Traits::empty()) {
    Handle old = std::exchange(handle_, handle);
    if (Traits::valid(old)) Traits::close(old);
  }
  // For APIs that return the handle through an out parameter.
  Handle* put() {
    reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::empty();
};

// Handles whose "none" is null, closed by the given function.
template <class Handle, auto Close>
struct NullTraits {
  static Handle empty() { return nullptr; }
  static bool valid(Handle h) { return h != nullptr; }
  static void close(Handle h) { Close(h); }
};
// Handles for which both NULL and INVALID_HANDLE_VALUE mean "none".
template <auto Close>
struct FileTraits {
  static HANDLE empty() { return INVALID_HANDLE_VALUE; }
  static bool valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) { Close(h); }
};

using UniqueHandle = Unique<HANDLE, FileTraits<&CloseHandle>>;
using UniqueFind = Unique<HANDLE, FileTraits<&FindClose>>;
using UniqueRegion = Unique<HRGN, NullTraits<HRGN, &DeleteObject>>;
using UniqueBitmap = Unique<HBITMAP, NullTraits<HBITMAP, &DeleteObject>>;
using UniqueFont = Unique<HFONT, NullTraits<HFONT, &DeleteObject>>;
using UniqueBrush = Unique<HBRUSH, NullTraits<HBRUSH, &DeleteObject>>;
using UniquePen = Unique<HPEN, NullTraits<HPEN, &DeleteObject>>;
using UniqueKey = Unique<HKEY, NullTraits<HKEY, &RegCloseKey>>;
using UniqueIcon = Unique<HICON, NullTraits<HICON, &DestroyIcon>>;
using UniqueMenu = Unique<HMENU, NullTraits<HMENU, &DestroyMenu>>;
// A window destroyed with its owner; release() when the window is gone
// already (after its WM_NCDESTROY).
using UniqueWindow = Unique<HWND, NullTraits<HWND, &DestroyWindow>>;

// GetDC/ReleaseDC for one scope.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory DC deleted at scope end.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  ~MemoryDC() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  ~PaintDC() { EndPaint(window_, &paint_); }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// SelectObject for one scope; the previous object is put back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace kovrena::win32
