#include "platform/win32/file_system.h"

#include <windows.h>

#include "platform/win32/last_error.h"
#include "platform/win32/output_file.h"
#include "platform/win32/scoped.h"
#include "platform/win32/text.h"

namespace kovrena::win32 {

bool lookupAdmits(DWORD fileAttributes, std::uint32_t mask) {
  if ((fileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
  const DWORD needs = fileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  return (needs & ~static_cast<DWORD>(mask)) == 0;
}

Result<std::string> Win32FileSystem::findFile(const std::string& path, std::uint32_t mask) {
  const std::wstring wide = ToWide(path);
  // The caller asks about one exact path. No Windows file name holds a
  // wildcard, so a path with one names no file, and must not be allowed to
  // match others.
  if (wide.find_first_of(L"*?") != std::wstring::npos) return std::string();

  WIN32_FIND_DATAW found{};
  UniqueFind search(FindFirstFileW(wide.c_str(), &found));
  if (!search) {
    const DWORD code = GetLastError();
    // Nothing there, or no such folder: the listing is simply empty.
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_NO_MORE_FILES) {
      return std::string();
    }
    return ErrorFromCode(code);
  }
  // FindFirstFileW reports hidden, system and folder entries alike; the
  // mask is applied here.
  if (!lookupAdmits(found.dwFileAttributes, mask)) return std::string();
  return ToUtf8(found.cFileName);
}

Result<std::unique_ptr<OutputFile>> Win32FileSystem::createFile(const std::string& path) {
  return openOutputFile(path);
}

Status Win32FileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
  // FILE_ATTRIBUTE_NORMAL is how the API spells "no attribute at all".
  const DWORD value = attributes == attr::kNormal ? FILE_ATTRIBUTE_NORMAL : static_cast<DWORD>(attributes);
  if (!SetFileAttributesW(ToWide(path).c_str(), value)) return LastError();
  return std::nullopt;
}

Result<std::uint32_t> Win32FileSystem::getAttributes(const std::string& path) {
  const DWORD value = GetFileAttributesW(ToWide(path).c_str());
  if (value == INVALID_FILE_ATTRIBUTES) return LastError();
  return static_cast<std::uint32_t>(value & ~static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
}

Status Win32FileSystem::deleteFile(const std::string& path) {
  if (!DeleteFileW(ToWide(path).c_str())) return LastError();
  return std::nullopt;
}

}  // namespace kovrena::win32
