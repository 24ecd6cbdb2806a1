#include "platform/win32/host_system.h"

#include <windows.h>

#include <string>

#include "platform/win32/scoped.h"

namespace kovrena::win32 {

namespace {

bool runsUnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The 32-bit half of a 64-bit system: its syswow64 folder with the 32-bit
// kernel32 in it (a Wine prefix made without 32-bit Wine has the folder
// empty). Looked up: XP 32-bit has no such function.
bool has32BitHalf() {
  using Function = UINT(WINAPI*)(LPWSTR, UINT);
  const auto folderOf = reinterpret_cast<Function>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetSystemWow64DirectoryW")));
  if (folderOf == nullptr) return false;
  wchar_t folder[MAX_PATH];
  const UINT length = folderOf(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  const std::wstring kernel = std::wstring(folder, length) + L"\\kernel32.dll";
  return GetFileAttributesW(kernel.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Whether this process runs with full rights. The token's elevation exists
// from Vista on; a token that cannot be asked counts as elevated, so that
// nothing is offered that may not be needed.
bool runsElevated() {
  UniqueHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put())) return true;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  if (!GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size)) return true;
  return elevation.TokenIsElevated != 0;
}

}  // namespace

HostSystem DetectHostSystem() {
  HostSystem host;
  OSVERSIONINFOEXW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  const bool known = GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&version)) != 0;
  // Wine reports a Windows of its prefix's choice: its token decides there.
  const bool vistaOrLater = known && version.dwMajorVersion >= 6;
  host.fullRightsOnConsent = vistaOrLater && !runsElevated();
  if (runsUnderWine()) {
    host.system = System::Wine;
    host.wineRuns32Bit = sizeof(void*) == 4 || has32BitHalf();
    return host;
  }
  host.cachesManifests = vistaOrLater;
  // XP itself goes by the file beside the program, and so did Server 2003
  // before its first service pack; XP x64 is Server 2003 SP1 underneath.
  host.system = System::Server2003Sp1AndLater;
  if (known) {
    const bool xp = version.dwMajorVersion == 5 && version.dwMinorVersion <= 1;
    const bool server2003WithoutServicePack =
        version.dwMajorVersion == 5 && version.dwMinorVersion == 2 && version.wServicePackMajor == 0;
    if (version.dwMajorVersion < 5 || xp || server2003WithoutServicePack) host.system = System::Xp;
  }
  return host;
}

}  // namespace kovrena::win32
