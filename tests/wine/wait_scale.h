#pragma once
// The bounded waits of the Windows tests, stretched on a slow machine: the
// environment's KOVRENA_WAIT_SCALE (a whole number, 1 when unset) multiplies
// every limit and every pause that gives a program time to react.
#include <windows.h>

#include <chrono>
#include <cwchar>

namespace kovrena::testing {

inline int waitScale() {
  static const int scale = [] {
    wchar_t text[16] = {};
    const DWORD length = GetEnvironmentVariableW(L"KOVRENA_WAIT_SCALE", text, 16);
    if (length == 0 || length >= 16) return 1;
    const long value = std::wcstol(text, nullptr, 10);
    return value >= 1 && value <= 1000 ? static_cast<int>(value) : 1;
  }();
  return scale;
}

inline DWORD scaled(DWORD milliseconds) { return milliseconds * static_cast<DWORD>(waitScale()); }

inline std::chrono::milliseconds scaled(std::chrono::milliseconds limit) { return limit * waitScale(); }

}  // namespace kovrena::testing
