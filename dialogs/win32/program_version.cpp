#include "dialogs/win32/program_version.h"

#include <windows.h>

#include <vector>

#include "platform/win32/own_path.h"

namespace kovrena::dialogs::win32 {

std::optional<ProgramVersion> ReadProgramVersion() {
  const std::wstring path = kovrena::win32::OwnExePath();
  if (path.empty()) return std::nullopt;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<BYTE> record(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, record.data())) return std::nullopt;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedSize = 0;
  if (!VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize) ||
      fixed == nullptr || fixedSize < sizeof *fixed) {
    return std::nullopt;
  }
  return ProgramVersion{HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS)};
}

}  // namespace kovrena::dialogs::win32
