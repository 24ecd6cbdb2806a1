#pragma once
// ShellExecute behind an interface, so that the about window's links can be
// followed by a recorder in tests.
#include <windows.h>

namespace kovrena::dialogs::win32 {

class ShellOpener {
 public:
  virtual ~ShellOpener() = default;
  // The six arguments of ShellExecuteW; the result is not examined.
  virtual void execute(HWND window, const wchar_t* operation, const wchar_t* file,
                       const wchar_t* parameters, const wchar_t* directory, int showCommand) = 0;
};

class Win32ShellOpener : public ShellOpener {
 public:
  void execute(HWND window, const wchar_t* operation, const wchar_t* file, const wchar_t* parameters,
               const wchar_t* directory, int showCommand) override;
};

}  // namespace kovrena::dialogs::win32
