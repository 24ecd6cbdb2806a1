#include "platform/win32/host_system.h"

#include <windows.h>

#include <string>

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

}  // namespace

HostSystem DetectHostSystem() {
  HostSystem host;
  if (runsUnderWine()) {
    host.system = System::Wine;
    host.wineRuns32Bit = sizeof(void*) == 4 || has32BitHalf();
    return host;
  }
  OSVERSIONINFOEXW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  // XP itself goes by the file beside the program, and so did Server 2003
  // before its first service pack; XP x64 is Server 2003 SP1 underneath.
  host.system = System::Server2003Sp1AndLater;
  if (GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&version))) {
    const bool xp = version.dwMajorVersion == 5 && version.dwMinorVersion <= 1;
    const bool server2003WithoutServicePack =
        version.dwMajorVersion == 5 && version.dwMinorVersion == 2 && version.wServicePackMajor == 0;
    if (version.dwMajorVersion < 5 || xp || server2003WithoutServicePack) host.system = System::Xp;
  }
  return host;
}

}  // namespace kovrena::win32
