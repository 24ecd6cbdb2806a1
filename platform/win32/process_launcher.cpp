#include "platform/win32/process_launcher.h"

#include <windows.h>

#include "platform/win32/last_error.h"
#include "platform/win32/scoped.h"
#include "platform/win32/text.h"

namespace kovrena::win32 {

Status Win32ProcessLauncher::start(const std::string& path, int showCommand) {
  // A path with a NUL inside would be cut short by the system and name a
  // different file than the one asked for.
  if (path.empty() || path.find('\0') != std::string::npos) return ErrorFromCode(ERROR_FILE_NOT_FOUND);
  const std::wstring application = ToWide(path);
  // The program file is named on its own, so a path with blanks can never
  // be read as a shorter one ("C:\Program Files\x.exe" as "C:\Program.exe");
  // the quoted command line only gives the program its usual argv[0].
  std::wstring commandLine = L"\"" + application + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCommand);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return LastError();
  }
  // Not waited for: the handles are only closed.
  UniqueHandle processHandle(process.hProcess);
  UniqueHandle threadHandle(process.hThread);
  return std::nullopt;
}

}  // namespace kovrena::win32
