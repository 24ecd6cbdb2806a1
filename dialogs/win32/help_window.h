#pragma once
// frmYardım: the frameless help window with the fixed help text.
#include <windows.h>

#include <array>
#include <functional>

#include "dialogs/help_design.h"
#include "dialogs/win32/modal_form.h"
#include "dialogs/win32/picture_background.h"
#include "platform/win32/scoped.h"
#include "ui/win32/system_move.h"

namespace kovrena::dialogs::win32 {

class frmYardım final : public ModalForm {
 public:
  frmYardım();

  // Creates the window, hidden, owned by owner, and runs its load.
  [[nodiscard]] bool create(HWND owner);
  HWND label() const { return control(HelpControl::Label1); }
  HWND textBox() const { return control(HelpControl::txtYardım); }
  HWND okButton() const { return control(HelpControl::cmdTamam); }
  HCURSOR pointer() const { return move_.pointer(); }

  // The system's interactive move (WM_NCLBUTTONDOWN with HTCAPTION, which
  // returns when the button is released). Replaceable so that what
  // surrounds the move can be observed without a real drag.
  void setMover(std::function<void(HWND)> mover) { move_.setMover(std::move(mover)); }

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT onChildMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam) override;
  void paint(HDC dc) override;
  HWND control(HelpControl control) const { return GetDlgItem(handle(), static_cast<int>(control)); }
  void createControls();
  void load();

  PictureBackground background_;
  std::array<kovrena::win32::UniqueFont, 2> fonts_;  // by HelpFont
  kovrena::win32::UniqueBrush textBackground_;
  ui::win32::SystemMove move_;
};

// Shows a new help window modally over owner (which may be null) and
// discards it when it is closed.
void ShowHelpWindow(HWND owner);

}  // namespace kovrena::dialogs::win32
