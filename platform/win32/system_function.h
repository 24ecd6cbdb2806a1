#pragma once
// A function of a system DLL that the program needs only now and then (the
// file dialog, the shell): the DLL is loaded from the system folder the
// first time the function is asked for, not with the program. Linked as an
// import, each such DLL and what it brings in itself is loaded before the
// first window can open, every start.
#include <windows.h>

#include <string>

namespace kovrena::win32 {

// The function name of dll, or null when either cannot be had. The DLL
// stays loaded for the rest of the program, as an import would.
template <typename Function>
Function* SystemFunction(const wchar_t* dll, const char* name) {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\" + dll;
  HMODULE module = GetModuleHandleW(path.c_str());
  if (module == nullptr) module = LoadLibraryW(path.c_str());
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace kovrena::win32
