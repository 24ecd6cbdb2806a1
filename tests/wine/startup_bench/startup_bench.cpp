// Prints the median time from process start to a visible main window for
// Kovrena.exe and for bare one-window programs, and the ratios.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring windowsPathOf(const char* unixPath) {
  std::wstring path = L"Z:";
  for (const char* c = unixPath; *c; ++c) path.push_back(*c == '/' ? L'\\' : static_cast<wchar_t>(*c));
  return path;
}

struct Search {
  DWORD process;
  HWND found;
};

HWND visibleWindowOf(DWORD process) {
  Search search{process, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s->process && IsWindowVisible(window) && GetWindowTextLengthW(window) > 0) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

double startOnce(const std::wstring& exe) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  const auto begin = std::chrono::steady_clock::now();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return -1;
  }
  HWND window = nullptr;
  while ((window = visibleWindowOf(info.dwProcessId)) == nullptr) Sleep(1);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  PostMessageW(window, WM_CLOSE, 0, 0);
  WaitForSingleObject(info.hProcess, 10000);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  return seconds;
}

double median(const std::wstring& exe, int runs) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(startOnce(exe));
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  const int runs = 9;
  const double kovrena = median(windowsPathOf(KOVRENA_EXE_UNIX_PATH), runs);
  const double bare = median(windowsPathOf(BARE_EXE_UNIX_PATH), runs);
  const double bareV6 = median(windowsPathOf(BARE_V6_EXE_UNIX_PATH), runs);
  std::printf("start to visible main window, median of %d runs:\n", runs);
  std::printf("  Kovrena %.1f ms\n  bare window %.1f ms (ratio %.2f)\n", kovrena * 1000, bare * 1000, kovrena / bare);
  std::printf("  bare window bound to common controls 6 like Kovrena %.1f ms (ratio %.2f)\n", bareV6 * 1000,
              kovrena / bareV6);
  return 0;
}
