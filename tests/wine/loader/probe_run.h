#pragma once
// Starting the comctl32 probe and reading which comctl32 the loader gave it.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

#include "platform/win32/scoped.h"
#include "platform/win32/text.h"
#include "tests/wine/support/child_process.h"
#include "tests/wine/platform/win_files.h"
#include "tests/wine/wait_scale.h"

namespace kovrena::testing {

inline std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

struct ProbeRun {
  bool started = false;
  DWORD startError = 0;
  DWORD exitCode = 0;
  std::string comctl;  // the module path the probe reported
};

inline ProbeRun runProbe(const std::string& exe) {
  ProbeRun run;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return run;
  const win32::UniqueHandle reading(readEnd);
  win32::UniqueHandle writing(writeEnd);
  SetHandleInformation(reading.get(), HANDLE_FLAG_INHERIT, 0);
  const ChildProcess probe(win32::ToWide(exe), L"", {writing.get(), writing.get()}, CREATE_NO_WINDOW);
  run.started = probe.started();
  run.startError = probe.startError();
  // Only the probe holds the writing end now: the pipe ends with it.
  writing.reset();
  if (run.started) {
    char buffer[1024];
    DWORD got = 0;
    while (ReadFile(reading.get(), buffer, sizeof buffer, &got, nullptr) && got != 0) run.comctl.append(buffer, got);
    probe.waitForExit(60000);
    run.exitCode = probe.exitCode();
  }
  return run;
}

inline bool boundToV6(const ProbeRun& run) { return lower(run.comctl).find("winsxs") != std::string::npos; }

// Whether this machine runs 32-bit programs at all, as tools/wine-exec found
// out (KOVRENA_RUNS_I386=no has any machine answer no). Started some other
// way, the test expects 32-bit programs to run.
inline bool Runs32BitPrograms() {
  const char* runs = std::getenv("KOVRENA_RUNS_I386");
  return runs == nullptr || std::string(runs) != "no";
}

// Whether Wine here has its 32-bit half, and with it the x86 assemblies, as
// tools/wine-exec found out. Without them an x86 dependency beside a 64-bit
// program finds nothing to refuse, and the loader goes on with the system's
// controls. A machine without i386 has no such half; one told to behave so
// keeps it, and its loader refuses as before. Started some other way: as
// Runs32BitPrograms.
inline bool WineHasX86Assemblies() {
  const char* has = std::getenv("KOVRENA_WINE_X86");
  if (has == nullptr) return Runs32BitPrograms();
  return std::string(has) != "no";
}

}  // namespace kovrena::testing
