#pragma once
// Real files for the Windows tests: a fresh folder under the temp folder,
// removed with everything in it (hidden, system and read-only included).
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/scoped.h"
#include "platform/win32/text.h"
#include "tests/wine/support/child_process.h"

namespace kovrena::testing {

inline void removeTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  const win32::UniqueFind search(FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (search) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = folder + L"\\" + name;
      SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        removeTree(child);
      } else {
        DeleteFileW(child.c_str());
      }
    } while (FindNextFileW(search.get(), &found));
  }
  RemoveDirectoryW(folder.c_str());
}

class TempDir {
 public:
  explicit TempDir(const std::wstring& label = L"kovrena") {
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, base);
    for (unsigned attempt = 0; attempt < 1000 && path_.empty(); ++attempt) {
      const std::wstring candidate = std::wstring(base) + label + L"-" +
                                     std::to_wstring(GetCurrentProcessId()) + L"-" +
                                     std::to_wstring(GetTickCount() + attempt);
      if (CreateDirectoryW(candidate.c_str(), nullptr)) path_ = candidate;
    }
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir() {
    if (!path_.empty()) removeTree(path_);
  }
  bool ok() const { return !path_.empty(); }
  const std::wstring& wide() const { return path_; }
  // The path of a child, as the logic speaks it (UTF-8).
  std::string operator/(const std::string& name) const { return win32::ToUtf8(path_) + "\\" + name; }

 private:
  std::wstring path_;
};

inline bool writeBytes(const std::string& path, const std::string& bytes) {
  const win32::UniqueHandle file(CreateFileW(win32::ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  const BOOL done = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  return done && written == bytes.size();
}

inline std::optional<std::string> readBytes(const std::string& path) {
  const win32::UniqueHandle file(CreateFileW(win32::ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                             nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got != 0) bytes.append(buffer, got);
  return bytes;
}

inline DWORD attributesOf(const std::string& path) {
  return GetFileAttributesW(win32::ToWide(path).c_str());
}

// Runs a program of the host (/bin/ln, say) on host paths given as Windows
// paths: Wine starts a Unix program named by its path. False where that
// cannot be done (not under Wine).
inline bool runOnHost(const wchar_t* program, const std::wstring& options, const std::vector<std::string>& paths) {
  using UnixName = char*(CDECL*)(LPCWSTR);
  const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (unixName == nullptr) return false;
  std::wstring arguments = options;
  for (const std::string& path : paths) {
    char* name = unixName(win32::ToWide(path).c_str());
    if (name == nullptr) return false;
    arguments += L" \"" + win32::ToWide(name) + L"\"";
    HeapFree(GetProcessHeap(), 0, name);
  }
  const ChildProcess run(std::wstring(L"Z:\\bin\\") + program, arguments);
  // Wine gives no handle to a host program: the callers wait for its effect.
  return run.launched();
}

// A symbolic link of the host's file system at link, leading to target.
// False where none can be made.
inline bool makeHostLink(const std::string& target, const std::string& link) {
  if (!runOnHost(L"ln", L"-s", {target, link})) return false;
  // Wine does not wait for a Unix program to end: the link is waited for.
  for (int wait = 0; wait < 100; ++wait) {
    WIN32_FIND_DATAW found{};
    if (win32::UniqueFind(FindFirstFileW(win32::ToWide(link).c_str(), &found))) return true;
    Sleep(50);
  }
  return false;
}

// A host link at link that leads to itself. False where none can be made.
inline bool makeHostLinkLoop(const std::string& link) {
  if (!runOnHost(L"ln", L"-s", {link, link})) return false;
  for (int wait = 0; wait < 100; ++wait) {
    if (GetFileAttributesW(win32::ToWide(link).c_str()) == INVALID_FILE_ATTRIBUTES &&
        GetLastError() == ERROR_CANT_RESOLVE_FILENAME) {
      return true;
    }
    Sleep(50);
  }
  return false;
}

// Why the attributes of path cannot be read; 0 when they can.
inline DWORD GetLastErrorOfAttributes(const std::string& path) {
  if (GetFileAttributesW(win32::ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES) return 0;
  return GetLastError();
}

// Removes host links before their folder goes: Wine's own deletion would
// remove what they lead to.
inline void removeHostLinks(const std::vector<std::string>& links) {
  if (!runOnHost(L"rm", L"-f", links)) return;
  for (int wait = 0; wait < 100; ++wait) {
    bool gone = true;
    for (const std::string& link : links) {
      WIN32_FIND_DATAW found{};
      if (win32::UniqueFind(FindFirstFileW(win32::ToWide(link).c_str(), &found))) gone = false;
    }
    if (gone) return;
    Sleep(50);
  }
}

}  // namespace kovrena::testing
