#include "dialogs/win32/shell_opener.h"

#include <shellapi.h>

namespace kovrena::dialogs::win32 {

void Win32ShellOpener::execute(HWND window, const wchar_t* operation, const wchar_t* file,
                               const wchar_t* parameters, const wchar_t* directory, int showCommand) {
  // A missing mail program or browser is not reported: the window stays as it was.
  ShellExecuteW(window, operation, file, parameters, directory, showCommand);
}

}  // namespace kovrena::dialogs::win32
