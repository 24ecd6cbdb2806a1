#pragma once
// A program a Windows test starts: owned by the test and ended if it still
// runs when the test lets go of it; its standard output and error can go to
// handles the test gives (files, a pipe).
#include <windows.h>

#include <string>

#include "tests/wine/wait_scale.h"

namespace kovrena::testing {

// An argument quoted so that the C runtime splits the command line back
// into the same arguments (none here holds a quote of its own).
inline std::wstring QuotedArgument(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  return L"\"" + argument + L"\"";
}

struct ChildStreams {
  HANDLE output = nullptr;  // inheritable; none: the child keeps its own
  HANDLE errors = nullptr;
};

class ChildProcess {
 public:
  // arguments: the command line after the program's quoted path. token:
  // the rights it runs with; none: the test's own.
  explicit ChildProcess(const std::wstring& exePath, const std::wstring& arguments = L"",
                        const ChildStreams& streams = {}, DWORD creationFlags = 0, HANDLE token = nullptr) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const bool redirected = streams.output != nullptr || streams.errors != nullptr;
    if (redirected) {
      startup.dwFlags = STARTF_USESTDHANDLES;
      startup.hStdOutput = streams.output;
      startup.hStdError = streams.errors;
    }
    const BOOL inherit = redirected ? TRUE : FALSE;
    const BOOL created =
        token != nullptr ? CreateProcessAsUserW(token, exePath.c_str(), commandLine.data(), nullptr, nullptr, inherit,
                                                creationFlags, nullptr, nullptr, &startup, &info_)
                         : CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, inherit, creationFlags,
                                          nullptr, nullptr, &startup, &info_);
    if (created) {
      launched_ = true;
    } else {
      startError_ = GetLastError();
      info_ = {};
    }
  }
  ~ChildProcess() {
    if (info_.hProcess == nullptr) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return info_.hProcess != nullptr; }
  // Started, or handed to the host: Wine runs a Linux program (Z:\bin\ln)
  // without giving a handle to it, so it can be neither waited for nor
  // ended from here.
  bool launched() const { return launched_; }
  DWORD startError() const { return startError_; }
  DWORD id() const { return info_.dwProcessId; }
  HANDLE handle() const { return info_.hProcess; }
  // True when the process ended within the limit, stretched by the wait scale.
  bool waitForExit(DWORD milliseconds) const {
    return started() && WaitForSingleObject(info_.hProcess, scaled(milliseconds)) == WAIT_OBJECT_0;
  }
  // STILL_ACTIVE while it runs (or when it never started).
  DWORD exitCode() const {
    DWORD code = STILL_ACTIVE;
    if (started()) GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION info_{};
  bool launched_ = false;
  DWORD startError_ = 0;
};

}  // namespace kovrena::testing
