#include "cli/win32/host.h"

#include <windows.h>

namespace kovrena::cli::win32 {

bool RunsUnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace kovrena::cli::win32
