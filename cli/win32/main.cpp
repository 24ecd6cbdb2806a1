// kovrena-cli on Windows: a console program, loadable on Windows XP.
#include <windows.h>

#include <string>
#include <vector>

#include "cli/run.h"
#include "cli/win32/console.h"
#include "platform/win32/file_system.h"
#include "platform/win32/host_system.h"
#include "platform/win32/file_virtualization.h"
#include "platform/win32/registry.h"
#include "platform/win32/text.h"

// cmd.exe hands "*.exe" on as it is; the runtime expands it into the
// matching names, as a Windows administrator expects of a console tool.
extern "C" {
int _dowildcard = -1;
}

namespace {

// A 32-bit program on 64-bit Windows is shown syswow64 where it names
// system32. The paths given here are the user's own, so they mean what was
// typed. Looked up: XP 32-bit has no such function (and no redirection).
void seeFoldersAsNamed() {
  using DisableFunction = BOOL(WINAPI*)(PVOID*);
  const auto disable = reinterpret_cast<DisableFunction>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "Wow64DisableWow64FsRedirection")));
  PVOID previous = nullptr;
  if (disable != nullptr) disable(&previous);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // A walk over a folder must not stop at a "no disk in drive" box.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  seeFoldersAsNamed();
  // Whatever the token answers, the program runs on.
  static_cast<void>(kovrena::win32::TurnOffFileVirtualization());
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(kovrena::win32::ToUtf8(argv[i]));
  kovrena::win32::Win32FileSystem files;
  kovrena::cli::win32::Win32Console console;
  kovrena::win32::Win32Registry registry;
  const kovrena::cli::Host host{kovrena::win32::DetectHostSystem(), &registry};
  return kovrena::cli::RunCli(arguments, files, console, host);
}
