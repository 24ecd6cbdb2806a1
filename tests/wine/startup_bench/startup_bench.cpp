// Kovrena's start-up against its fair floor, the reference window (same
// controls, font, tool tips and menu, bound to the version 6 common
// controls). Each round starts every program once, in an order rotated from
// round to round, so that drift of the machine falls on all alike. A start
// is timed from CreateProcess until WaitForInputIdle returns (the program
// has shown and painted its window and waits for input), the window is
// checked to be visible, then closed.
//
//   startup_bench.exe [rounds] [program reference]
//
// Without paths: the shipping 32-bit Kovrena.exe and the 32-bit reference
// where they exist, else the 64-bit ones of this build. Printed: median and
// quartiles of each program's times, and the ratio Kovrena / reference per
// round (median and quartiles) and of the medians.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::wstring windowsPathOf(const std::string& unixPath) {
  if (unixPath.size() > 1 && unixPath[1] == ':') return std::wstring(unixPath.begin(), unixPath.end());
  std::wstring path = L"Z:";
  for (char c : unixPath) path.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(c));
  return path;
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

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

// Milliseconds to ready, or a negative number when the program did not start
// or showed no window.
double startOnce(const std::wstring& exe) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  const auto begin = std::chrono::steady_clock::now();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return -1;
  }
  const DWORD idle = WaitForInputIdle(info.hProcess, 20000);
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
  HWND window = visibleWindowOf(info.dwProcessId);
  for (int i = 0; window == nullptr && i < 5000; ++i) {
    Sleep(1);
    window = visibleWindowOf(info.dwProcessId);
  }
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  return idle == 0 && window != nullptr ? ms : -1;
}

// The p-quantile of sorted values, interpolated between neighbours.
double quantile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const double at = p * static_cast<double>(values.size() - 1);
  const size_t below = static_cast<size_t>(at);
  const size_t above = std::min(below + 1, values.size() - 1);
  return values[below] + (values[above] - values[below]) * (at - static_cast<double>(below));
}

void printSpread(const char* name, const std::vector<double>& values, const char* unit) {
  std::printf("  %-28s median %7.3f%s  quartiles %7.3f%s - %7.3f%s\n", name, quantile(values, 0.5), unit,
              quantile(values, 0.25), unit, quantile(values, 0.75), unit);
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = 60;
  if (argc > 1) rounds = std::max(1, std::atoi(argv[1]));
  std::wstring program, reference;
  if (argc > 3) {
    program = windowsPathOf(argv[2]);
    reference = windowsPathOf(argv[3]);
  } else {
    program = windowsPathOf(SHIPPING_EXE_UNIX_PATH);
    reference = windowsPathOf(REFERENCE32_EXE_UNIX_PATH);
    if (!exists(program) || !exists(reference) || startOnce(program) < 0) {
      program = windowsPathOf(KOVRENA_EXE_UNIX_PATH);
      reference = windowsPathOf(REFERENCE_EXE_UNIX_PATH);
    }
  }
  const std::wstring programs[] = {program, reference};
  std::wprintf(L"program:   %ls\nreference: %ls\n", program.c_str(), reference.c_str());
  // One start of each first: disk cache and Wine's own start-up warmed alike.
  for (const std::wstring& exe : programs) {
    if (startOnce(exe) < 0) {
      std::wprintf(L"%ls does not start or shows no window\n", exe.c_str());
      return 1;
    }
  }
  std::vector<double> times[2], ratios;
  for (int round = 0; round < rounds; ++round) {
    double taken[2] = {};
    for (int k = 0; k < 2; ++k) {
      const int which = (round + k) % 2;
      taken[which] = startOnce(programs[which]);
      if (taken[which] < 0) {
        std::wprintf(L"%ls failed to start in round %d\n", programs[which].c_str(), round);
        return 1;
      }
    }
    times[0].push_back(taken[0]);
    times[1].push_back(taken[1]);
    ratios.push_back(taken[0] / taken[1]);
  }
  std::printf("start to input idle (window shown and painted), n = %d rounds, order rotated:\n", rounds);
  printSpread("Kovrena", times[0], " ms");
  printSpread("reference", times[1], " ms");
  printSpread("ratio per round", ratios, "");
  std::printf("  ratio of the medians %.3f\n", quantile(times[0], 0.5) / quantile(times[1], 0.5));
  return 0;
}
