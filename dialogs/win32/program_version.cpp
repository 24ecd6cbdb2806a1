#include "dialogs/win32/program_version.h"

#include <windows.h>

#include <vector>

namespace kovrena::dialogs::win32 {

std::optional<ProgramVersion> ReadProgramVersion() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::nullopt;
    if (length < path.size()) break;
    path.resize(path.size() * 2);  // cut short: try again with more room
  }
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.data(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<BYTE> record(size);
  if (!GetFileVersionInfoW(path.data(), 0, size, record.data())) return std::nullopt;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedSize = 0;
  if (!VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize) ||
      fixed == nullptr || fixedSize < sizeof *fixed) {
    return std::nullopt;
  }
  return ProgramVersion{HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS)};
}

}  // namespace kovrena::dialogs::win32
