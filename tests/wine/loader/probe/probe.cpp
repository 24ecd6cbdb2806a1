// Reports which comctl32 the loader bound this program to: the full path of
// the module that provides InitCommonControls, as UTF-8 on standard output.
// Kept free of any manifest of its own, so that only the file beside it can
// change the binding.
#include <windows.h>
#include <commctrl.h>

#include <string>

int main() {
  InitCommonControls();
  HMODULE module = nullptr;
  const auto address = reinterpret_cast<LPCWSTR>(&InitCommonControls);
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          address, &module)) {
    return 2;
  }
  wchar_t path[MAX_PATH * 2] = {};
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH * 2);
  if (length == 0) return 3;
  const int size = WideCharToMultiByte(CP_UTF8, 0, path, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, path, static_cast<int>(length), utf8.data(), size, nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
  return 0;
}
