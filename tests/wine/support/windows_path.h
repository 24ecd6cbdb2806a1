#pragma once
// A host path as Wine's Z: drive shows it; a path that already names a
// drive is left as it is. Paths are UTF-8.
#include <windows.h>

#include <algorithm>
#include <string>

namespace kovrena::testing {

inline std::wstring windowsPathOf(const std::string& hostPath) {
  std::wstring wide(hostPath.size(), L'\0');
  const int length = MultiByteToWideChar(CP_UTF8, 0, hostPath.data(), static_cast<int>(hostPath.size()),
                                         wide.data(), static_cast<int>(wide.size()));
  wide.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  if (wide.size() > 1 && wide[1] == L':') return wide;
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  return L"Z:" + wide;
}

// The same as UTF-8 text, for the interfaces that take paths so.
inline std::string windowsPathTextOf(const std::string& hostPath) {
  const std::wstring wide = windowsPathOf(hostPath);
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, nullptr);
  return text;
}

}  // namespace kovrena::testing
