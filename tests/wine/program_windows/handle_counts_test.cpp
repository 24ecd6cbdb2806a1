// What the program holds of GDI and USER after opening and closing the help
// and the about window: the first round may take what the program keeps for
// good (fonts, brushes, pictures it loads once), every later round must give
// back all it took. Wine has no GetGuiResources, so the counts are taken
// from outside: GDI objects from the process's GDI handle table, which Wine
// keeps in the process's own memory where its PEB points (as Windows does),
// and the USER side as the process's windows, top-level and children.
#include <windows.h>

#include <commctrl.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

#include "app/ana_form_design.h"
#include "running_program.h"
#include "tests/wine/e2e/mouse.h"

namespace kovrena::testing {
namespace {

// One entry of the handle table (Wine's GDI_HANDLE_ENTRY): in use while its
// type is not zero. The table has room for 65536 handles.
constexpr std::size_t kEntrySize = 24;
constexpr std::size_t kTypeOffset = 14;
constexpr std::size_t kEntries = 0x10000;
// Where the PEB names the table. A 32-bit program under Wine has the 64-bit
// PEB as well, where the table is named for it too: the one layout serves
// both.
constexpr std::size_t kTableInPeb = 0xF8;

std::optional<std::uintptr_t> gdiTableOf(HANDLE process) {
  PROCESS_BASIC_INFORMATION basic{};
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
    return std::nullopt;
  }
  std::uint64_t table = 0;
  if (!ReadProcessMemory(process, reinterpret_cast<char*>(basic.PebBaseAddress) + kTableInPeb, &table, sizeof table,
                         nullptr)) {
    return std::nullopt;
  }
  return static_cast<std::uintptr_t>(table);
}

std::optional<int> gdiObjectsOf(HANDLE process) {
  const std::optional<std::uintptr_t> table = gdiTableOf(process);
  if (!table || *table == 0) return std::nullopt;
  std::vector<std::uint8_t> entries(kEntries * kEntrySize);
  if (!ReadProcessMemory(process, reinterpret_cast<void*>(*table), entries.data(), entries.size(), nullptr)) {
    return std::nullopt;
  }
  int count = 0;
  for (std::size_t i = 0; i < kEntries; ++i) count += entries[i * kEntrySize + kTypeOffset] != 0 ? 1 : 0;
  return count;
}

int windowsOf(DWORD processId) {
  struct Count {
    DWORD process;
    int windows;
  } count{processId, 0};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* c = reinterpret_cast<Count*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == c->process) c->windows += 1 + static_cast<int>(descendants(window).size());
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count.windows;
}

struct Counts {
  int gdi = 0;
  int windows = 0;
  bool operator==(const Counts&) const = default;
};

class HandleCounts : public RunningProgram {
 protected:
  // Taken once the program has settled: the same counts twice in a row.
  Counts settledCounts() {
    Counts previous{-1, -1};
    for (int i = 0; i < 50; ++i) {
      const std::optional<int> gdi = gdiObjectsOf(process());
      EXPECT_TRUE(gdi.has_value()) << "the program's GDI handle table cannot be read";
      const Counts now{gdi.value_or(-1), windowsOf(processId())};
      if (now == previous) return now;
      previous = now;
      Sleep(100);
    }
    return previous;
  }

  // The menu is opened with the mouse on the "?" picture. Resting there,
  // the pointer brings up the picture's tip half a second later, and the
  // first tip the program shows keeps a GDI object for good: in whichever
  // round that came, it would count as a leak. So the tip is shown once
  // before anything is counted, and the pointer leaves the windows as each
  // one closes.
  static void pointerOffTheWindows() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  }

  static bool showTheFirstTip() {
    const HWND mark = mainControl(static_cast<int>(app::AnaFormControl::Image2));
    if (mark == nullptr) return false;
    moveMouseTo(centreOf(mark));
    const bool shown = windowOfClass(TOOLTIPS_CLASSW) != nullptr;
    pointerOffTheWindows();
    return shown;
  }

  void helpAndAboutRound() {
    HWND help = openHelp();
    ASSERT_NE(help, nullptr) << "the help window did not open";
    pressKey(VK_ESCAPE);
    pointerOffTheWindows();
    ASSERT_TRUE(closedAndMainEnabled(help)) << "the help window stayed open";
    HWND about = openAbout();
    ASSERT_NE(about, nullptr) << "the about window did not open";
    pressKey(VK_ESCAPE);
    pointerOffTheWindows();
    ASSERT_TRUE(closedAndMainEnabled(about)) << "the about window stayed open";
  }
};

TEST_F(HandleCounts, StayAfterTheFirstHelpAndAboutRoundUpToTheTenth) {
  EXPECT_TRUE(showTheFirstTip()) << "the tip of the \"?\" picture did not show";
  ASSERT_NO_FATAL_FAILURE(helpAndAboutRound());
  const Counts first = settledCounts();
  EXPECT_GT(first.gdi, 0);
  EXPECT_GT(first.windows, 0);
  for (int round = 2; round <= 10; ++round) {
    SCOPED_TRACE(round);
    ASSERT_NO_FATAL_FAILURE(helpAndAboutRound());
  }
  const Counts tenth = settledCounts();
  std::printf("after the first round: %d GDI objects, %d windows; after the tenth: %d, %d\n", first.gdi,
              first.windows, tenth.gdi, tenth.windows);
  EXPECT_EQ(tenth.gdi, first.gdi) << "GDI objects";
  EXPECT_EQ(tenth.windows, first.windows) << "windows";
}

}  // namespace
}  // namespace kovrena::testing
