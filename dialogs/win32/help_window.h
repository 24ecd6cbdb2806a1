#pragma once
// frmYardım: the frameless help window with the fixed help text.
#include <windows.h>

#include <functional>

#include "dialogs/win32/picture_background.h"
#include "platform/win32/scoped.h"

namespace kovrena::dialogs::win32 {

class frmYardım {
 public:
  frmYardım();
  ~frmYardım();
  frmYardım(const frmYardım&) = delete;
  frmYardım& operator=(const frmYardım&) = delete;

  // Creates the window, hidden, owned by owner, and runs its load.
  bool create(HWND owner);
  HWND handle() const { return window_; }
  HWND label() const { return label_; }      // Label1
  HWND textBox() const { return textBox_; }  // txtYardım
  HWND okButton() const { return ok_; }      // cmdTamam
  bool closed() const { return closed_; }
  HCURSOR pointer() const { return pointer_; }

  // The system's interactive move (ReleaseCapture, then WM_NCLBUTTONDOWN
  // with HTCAPTION, which returns when the button is released). Replaceable
  // so that what surrounds the move can be observed without a real drag.
  void setMover(std::function<void(HWND)> mover) { mover_ = std::move(mover); }

 private:
  static bool registerClass();
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK textBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void createControls();
  void load();
  void moveWindow();
  void paint(HDC dc);

  HWND window_ = nullptr;
  HWND label_ = nullptr;
  HWND textBox_ = nullptr;
  HWND ok_ = nullptr;
  HWND lastFocus_ = nullptr;
  // The edit class's own procedure, the same for every edit box of the
  // process, so it stays reachable while the window is being torn down.
  static inline WNDPROC textBoxOriginal_ = nullptr;
  PictureBackground background_;
  kovrena::win32::UniqueFont windowFont_;
  kovrena::win32::UniqueFont textFont_;
  kovrena::win32::UniqueBrush textBackground_;
  HCURSOR pointer_ = nullptr;
  std::function<void(HWND)> mover_;
  bool closed_ = false;
};

// Shows a new help window modally over owner (which may be null) and
// discards it when it is closed.
void ShowYardım(HWND owner);

}  // namespace kovrena::dialogs::win32
