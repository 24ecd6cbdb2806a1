// Kovrena's entry point: Initialize registers the common controls, the main
// window is created, shaped and shown, and its messages are dispatched until
// it is closed, which ends the process.
#include <windows.h>

#include <commctrl.h>

#include "app/win32/ana_form.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  InitCommonControls();

  kovrena::app::win32::AnaForm anaForm;
  if (!anaForm.create()) return 1;
  anaForm.show(showCommand);
  return kovrena::ui::win32::RunMessages(anaForm, [] { return false; }).value_or(0);
}
