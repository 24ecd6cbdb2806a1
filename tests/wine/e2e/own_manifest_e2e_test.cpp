// The program's own manifest record, judged by the loader that starts it:
// bound to version 6 of the common controls of its own architecture (the
// shipping build by its x86 record as it is, its x86_64 build by its amd64
// one).
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>

#include "main_window_fixture.h"
#include "platform/win32/text.h"
#include "tests/wine/support/machine_of.h"

namespace kovrena::testing {
namespace {

std::wstring lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

// The full path of a module loaded into a process, empty when it is not
// loaded. The process status functions read a 32-bit program's own module
// list from this 64-bit driver too (a module snapshot shows only the 64-bit
// side of it under Wine).
std::wstring loadedModule(HANDLE process, const std::wstring& name) {
  std::wstring found;
  // The list is complete only once the process has set itself up.
  waitUntil([&] {
    HMODULE modules[512];
    DWORD needed = 0;
    if (!EnumProcessModulesEx(process, modules, sizeof modules, &needed, LIST_MODULES_ALL)) return false;
    const DWORD count = std::min<DWORD>(needed / sizeof(HMODULE), 512);
    for (DWORD i = 0; i < count && found.empty(); ++i) {
      wchar_t base[MAX_PATH];
      wchar_t path[MAX_PATH];
      if (GetModuleBaseNameW(process, modules[i], base, MAX_PATH) != 0 && lower(base) == lower(name) &&
          GetModuleFileNameExW(process, modules[i], path, MAX_PATH) != 0) {
        found = path;
      }
    }
    return !found.empty();
  });
  return found;
}

TEST_F(MainWindow, OwnManifestBindsTheCommonControlsSixOfItsArchitecture) {
  const std::uint16_t machine = MachineOf(win32::ToUtf8(kKovrenaExe));
  ASSERT_TRUE(machine == IMAGE_FILE_MACHINE_I386 || machine == IMAGE_FILE_MACHINE_AMD64) << machine;
  const std::wstring comctl = lower(loadedModule(process_->handle(), L"comctl32.dll"));
  ASSERT_FALSE(comctl.empty()) << "no comctl32 in the program";
  const std::wstring assembly =
      std::wstring(machine == IMAGE_FILE_MACHINE_I386 ? L"x86" : L"amd64") + L"_microsoft.windows.common-controls_";
  EXPECT_NE(comctl.find(L"\\winsxs\\" + assembly), std::wstring::npos) << comctl;
}

}  // namespace
}  // namespace kovrena::testing
