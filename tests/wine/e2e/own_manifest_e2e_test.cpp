// The program's own manifest record, judged by the loader that starts it:
// bound to version 6 of the common controls of its own architecture (the
// shipping build by its x86 record as it is, the x86_64 twin by its amd64
// one).
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

#include "main_window_fixture.h"

namespace kovrena::test {
namespace {

std::wstring lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

// The full path of a module loaded into a process (32-bit ones included),
// empty when it is not loaded.
std::wstring loadedModule(DWORD processId, const std::wstring& name) {
  HANDLE snapshot = INVALID_HANDLE_VALUE;
  // The list can be taken only once the process has set itself up.
  waitUntil([&] {
    snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, processId);
    return snapshot != INVALID_HANDLE_VALUE;
  });
  if (snapshot == INVALID_HANDLE_VALUE) return L"";
  std::wstring found;
  MODULEENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Module32FirstW(snapshot, &entry); more && found.empty(); more = Module32NextW(snapshot, &entry)) {
    if (lower(entry.szModule) == lower(name)) found = entry.szExePath;
  }
  CloseHandle(snapshot);
  return found;
}

// IMAGE_FILE_MACHINE_* of a program file, 0 when it is not one.
WORD machineOf(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  IMAGE_DOS_HEADER dos{};
  DWORD got = 0;
  WORD machine = 0;
  if (ReadFile(file, &dos, sizeof dos, &got, nullptr) && got == sizeof dos && dos.e_magic == IMAGE_DOS_SIGNATURE &&
      SetFilePointer(file, dos.e_lfanew, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER) {
    struct {
      DWORD signature;
      IMAGE_FILE_HEADER header;
    } nt{};
    if (ReadFile(file, &nt, sizeof nt, &got, nullptr) && got == sizeof nt && nt.signature == IMAGE_NT_SIGNATURE) {
      machine = nt.header.Machine;
    }
  }
  CloseHandle(file);
  return machine;
}

TEST_F(MainWindow, OwnManifestBindsTheCommonControlsSixOfItsArchitecture) {
  const WORD machine = machineOf(kKovrenaExe);
  ASSERT_TRUE(machine == IMAGE_FILE_MACHINE_I386 || machine == IMAGE_FILE_MACHINE_AMD64) << machine;
  const std::wstring comctl = lower(loadedModule(process_->id(), L"comctl32.dll"));
  ASSERT_FALSE(comctl.empty()) << "no comctl32 in the program";
  const std::wstring assembly =
      std::wstring(machine == IMAGE_FILE_MACHINE_I386 ? L"x86" : L"amd64") + L"_microsoft.windows.common-controls_";
  EXPECT_NE(comctl.find(L"\\winsxs\\" + assembly), std::wstring::npos) << comctl;
}

}  // namespace
}  // namespace kovrena::test
