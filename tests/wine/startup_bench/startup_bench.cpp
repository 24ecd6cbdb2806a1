// Kovrena's start-up against its fair floor, the reference window (same
// controls, font, tool tips and menu, bound to the version 6 common
// controls). Each round starts every program once, in an order rotated from
// round to round, so that drift of the machine falls on all alike. A start
// is timed from CreateProcess until WaitForInputIdle returns (the program
// has shown and painted its window and waits for input), the window is
// checked to be visible, then closed.
//
//   startup_bench.exe [rounds] [reference program program ...]
//
// Without paths, the first pair of these that is built and starts, named in
// the output: the shipping 32-bit Kovrena.exe and the 32-bit reference
// where this machine runs 32-bit programs (KOVRENA_RUNS_I386, from
// tools/wine-exec), else its x86_64 build of the same making (the xp-x64
// preset) and the 64-bit reference built as the 32-bit one is. Given
// several programs (two builds of Kovrena, say), all are measured in the
// same rounds.
// Printed: median and quartiles of each program's times, and of its ratio to
// the reference per round, and the ratio of the medians; with
// STARTUP_BENCH_RAW set in the environment, every time as well, sorted (a
// busy machine shows as a second, slower cluster).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/wine/support/child_process.h"
#include "tests/wine/support/windows_path.h"

namespace {

using kovrena::testing::windowsPathOf;

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
  const auto begin = std::chrono::steady_clock::now();
  const kovrena::testing::ChildProcess program(exe);
  if (!program.started()) return -1;
  const DWORD idle = WaitForInputIdle(program.handle(), 20000);
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
  HWND window = visibleWindowOf(program.id());
  for (int i = 0; window == nullptr && i < 5000; ++i) {
    Sleep(1);
    window = visibleWindowOf(program.id());
  }
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  program.waitForExit(10000);  // one that does not end is ended on the way out
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
  std::printf("  %-36s median %7.3f%s  quartiles %7.3f%s - %7.3f%s\n", name, quantile(values, 0.5), unit,
              quantile(values, 0.25), unit, quantile(values, 0.75), unit);
}

struct Pair {
  const wchar_t* name;
  const char* reference;
  const char* program;
};

// The pair measured without paths given; its name is printed.
std::vector<std::wstring> defaultPair() {
  const char* runs = std::getenv("KOVRENA_RUNS_I386");
  const bool runs32 = runs == nullptr || std::string(runs) != "no";
  const Pair pairs[] = {
      {L"the shipping i686 Kovrena.exe against the 32-bit reference", REFERENCE32_EXE_UNIX_PATH,
       SHIPPING_EXE_UNIX_PATH},
      {L"the x86_64 Kovrena.exe built the shipping way (xp-x64) against the 64-bit reference built as the 32-bit "
       L"one",
       REFERENCE64_EXE_UNIX_PATH, SHIPPING_X64_EXE_UNIX_PATH},
  };
  for (size_t i = runs32 ? 0 : 1; i < std::size(pairs); ++i) {
    const std::vector<std::wstring> pair = {windowsPathOf(pairs[i].reference), windowsPathOf(pairs[i].program)};
    if (exists(pair[0]) && exists(pair[1]) && startOnce(pair[1]) >= 0) {
      std::wprintf(L"pair measured: %ls\n", pairs[i].name);
      return pair;
    }
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = 60;
  if (argc > 1) rounds = std::max(1, std::atoi(argv[1]));
  // The reference first, then the programs measured against it.
  std::vector<std::wstring> programs;
  if (argc > 3) {
    for (int i = 2; i < argc; ++i) programs.push_back(windowsPathOf(argv[i]));
  } else {
    programs = defaultPair();
    if (programs.empty()) {
      std::wprintf(L"neither Kovrena.exe starts here: build the xp-x64 preset (and the xp one)\n");
      return 1;
    }
  }
  const size_t count = programs.size();
  for (size_t i = 0; i < count; ++i) std::wprintf(L"%ls %zu: %ls\n", i == 0 ? L"reference" : L"program", i, programs[i].c_str());
  // One start of each first: disk cache and Wine's own start-up warmed alike.
  for (const std::wstring& exe : programs) {
    if (startOnce(exe) < 0) {
      std::wprintf(L"%ls does not start or shows no window\n", exe.c_str());
      return 1;
    }
  }
  std::vector<std::vector<double>> times(count), ratios(count);
  for (int round = 0; round < rounds; ++round) {
    std::vector<double> taken(count);
    for (size_t k = 0; k < count; ++k) {
      const size_t which = (static_cast<size_t>(round) + k) % count;
      taken[which] = startOnce(programs[which]);
      if (taken[which] < 0) {
        std::wprintf(L"%ls failed to start in round %d\n", programs[which].c_str(), round);
        return 1;
      }
    }
    for (size_t i = 0; i < count; ++i) {
      times[i].push_back(taken[i]);
      ratios[i].push_back(taken[i] / taken[0]);
    }
  }
  if (std::getenv("STARTUP_BENCH_RAW") != nullptr) {
    for (size_t i = 0; i < count; ++i) {
      std::vector<double> sorted = times[i];
      std::sort(sorted.begin(), sorted.end());
      std::printf("%zu:", i);
      for (double t : sorted) std::printf(" %.0f", t);
      std::printf("\n");
    }
  }
  std::printf("start to input idle (window shown and painted), n = %d rounds, order rotated:\n", rounds);
  printSpread("reference 0", times[0], " ms");
  for (size_t i = 1; i < count; ++i) {
    const std::string name = "program " + std::to_string(i);
    printSpread(name.c_str(), times[i], " ms");
    printSpread((name + " / reference per round").c_str(), ratios[i], "");
    std::printf("  %-36s %.3f\n", (name + " / reference of medians").c_str(),
                quantile(times[i], 0.5) / quantile(times[0], 0.5));
    // The fastest quarter of the starts is where a busy machine got in the
    // way least.
    std::printf("  %-36s %.3f\n", (name + " / reference of lower quartiles").c_str(),
                quantile(times[i], 0.25) / quantile(times[0], 0.25));
  }
  std::printf("goal: each program / reference of medians <= 1.05\n");
  return 0;
}
