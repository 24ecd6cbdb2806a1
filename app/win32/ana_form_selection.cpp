// AnaForm as the program selection and the engine see it: the controls
// they enable, select and fill.
#include "app/win32/ana_form.h"

#include "platform/win32/text.h"

namespace kovrena::app::win32 {

using kovrena::win32::ToWide;

void AnaForm::enableControl(AnaFormControl id, bool enabled) {
  HWND target = control(id);
  // A disabled control cannot keep the focus; hand it on so the keyboard still works.
  if (!enabled && GetFocus() == target) SetFocus(control(AnaFormControl::cmdGözat));
  EnableWindow(target, enabled);
}

void AnaForm::setApplyEnabled(bool enabled) { enableControl(AnaFormControl::cmdUygula, enabled); }

bool AnaForm::applyOptionSelected() const {
  return SendMessageW(control(AnaFormControl::optXPUygula), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void AnaForm::setPathText(const std::string& text) {
  SetWindowTextW(control(AnaFormControl::txtExeYolu), ToWide(text).c_str());
}

void AnaForm::setApplyOptionEnabled(bool enabled) { enableControl(AnaFormControl::optXPUygula, enabled); }

void AnaForm::setUndoOptionEnabled(bool enabled) { enableControl(AnaFormControl::optGeriAl, enabled); }

void AnaForm::selectApplyOption() {
  SendMessageW(control(AnaFormControl::optXPUygula), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(control(AnaFormControl::optGeriAl), BM_SETCHECK, BST_UNCHECKED, 0);
}

void AnaForm::selectUndoOption() {
  SendMessageW(control(AnaFormControl::optGeriAl), BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(control(AnaFormControl::optXPUygula), BM_SETCHECK, BST_UNCHECKED, 0);
}

void AnaForm::setUndoLabelEnabled(bool enabled) {
  EnableWindow(control(AnaFormControl::lblGeriAl), enabled);
  InvalidateRect(control(AnaFormControl::lblGeriAl), nullptr, TRUE);
}

}  // namespace kovrena::app::win32
