// Started by the launcher tests: leaves "<own path>.ran" behind, holding the
// command line it was given and how it was asked to show its window.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t path[MAX_PATH * 2] = {};
  if (GetModuleFileNameW(nullptr, path, MAX_PATH * 2) == 0) return 1;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  const bool showGiven = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0;
  std::wstring report = std::wstring(GetCommandLineW()) + L"\n" +
                        std::to_wstring(showGiven ? startup.wShowWindow : -1) + L"\n";
  const std::wstring marker = std::wstring(path) + L".ran";
  HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 2;
  DWORD written = 0;
  WriteFile(file, report.data(), static_cast<DWORD>(report.size() * sizeof(wchar_t)), &written, nullptr);
  CloseHandle(file);
  return 0;
}
