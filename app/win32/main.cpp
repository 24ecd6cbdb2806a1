// Kovrena's entry point: Initialize registers the common controls, the main
// window is created, shaped and shown, and its messages are dispatched until
// it is closed, which ends the process.
#include <windows.h>

#include <commctrl.h>

#include "app/win32/ana_form.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  InitCommonControls();

  kovrena::app::win32::AnaForm anaForm(instance);
  if (!anaForm.create()) return 1;
  anaForm.show(showCommand);

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (anaForm.translateDialogKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
