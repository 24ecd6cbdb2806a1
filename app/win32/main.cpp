// Kovrena's entry point: file virtualization is turned off (a write Windows
// would hide in the VirtualStore is refused and reported instead), Initialize
// registers the common controls, the main window is created, shaped and
// shown, and its messages are dispatched until it is closed, which ends the
// process.
#include <windows.h>

#include <commctrl.h>

#include "app/win32/ana_form.h"
#include "platform/win32/file_virtualization.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  // Whatever the token answers, the program runs on.
  static_cast<void>(kovrena::win32::TurnOffFileVirtualization());
  InitCommonControls();

  kovrena::app::win32::AnaForm anaForm;
  if (!anaForm.create()) return 1;
  anaForm.show(showCommand);
  return kovrena::ui::win32::RunMessages(anaForm, [] { return false; }).value_or(0);
}
