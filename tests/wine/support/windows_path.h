#pragma once
// A host path as Wine's Z: drive shows it; a path that already names a
// drive is left as it is. Paths are UTF-8.
#include <algorithm>
#include <string>

#include "platform/win32/text.h"

namespace kovrena::testing {

inline std::wstring windowsPathOf(const std::string& hostPath) {
  std::wstring wide = win32::ToWide(hostPath);
  if (wide.size() > 1 && wide[1] == L':') return wide;
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  return L"Z:" + wide;
}

// The same as UTF-8 text, for the interfaces that take paths so.
inline std::string windowsPathTextOf(const std::string& hostPath) { return win32::ToUtf8(windowsPathOf(hostPath)); }

}  // namespace kovrena::testing
