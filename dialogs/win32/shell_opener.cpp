#include "dialogs/win32/shell_opener.h"

#include <shellapi.h>

#include "platform/win32/system_function.h"

namespace kovrena::dialogs::win32 {

void Win32ShellOpener::execute(HWND window, const wchar_t* operation, const wchar_t* file,
                               const wchar_t* parameters, const wchar_t* directory, int showCommand) {
  // shell32 is loaded on the first link followed. A missing mail program or
  // browser (or shell) is not reported: the window stays as it was.
  static const auto shellExecute = kovrena::win32::SystemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
  if (shellExecute != nullptr) shellExecute(window, operation, file, parameters, directory, showCommand);
}

}  // namespace kovrena::dialogs::win32
