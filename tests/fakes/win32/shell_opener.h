#pragma once
// The shell's "open" as a record of what the user asked to open.
#include <windows.h>

#include <string>
#include <vector>

#include "dialogs/win32/shell_opener.h"

namespace kovrena::testing {

class RecordingShell final : public dialogs::win32::ShellOpener {
 public:
  struct Call {
    HWND window;
    bool operationGiven;
    std::wstring file;
    bool parametersGiven;
    std::wstring directory;
    int showCommand;
  };
  std::vector<Call> calls;
  void execute(HWND window, const wchar_t* operation, const wchar_t* file, const wchar_t* parameters,
               const wchar_t* directory, int showCommand) override {
    calls.push_back({window, operation != nullptr, file ? file : L"(null)", parameters != nullptr,
                     directory ? directory : L"(null)", showCommand});
  }
};

}  // namespace kovrena::testing
