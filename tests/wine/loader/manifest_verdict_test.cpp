// Every manifest variant through Wine's real loader, beside a 32-bit and a
// 64-bit probe: what the loader does must be what the tool says it does.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "program/manifest_check.h"
#include "platform/win32/text.h"
#include "tests/native/program/manifest_variants.h"
#include "tests/wine/loader/probe_run.h"
#include "tests/wine/support/windows_path.h"

namespace kovrena::program {
namespace {

using testing::TempDir;

Binding observed(const testing::ProbeRun& run) {
  if (!run.started || run.exitCode != 0 || run.comctl.empty()) return Binding::DoesNotStart;
  return testing::boundToV6(run) ? Binding::CommonControlsV6 : Binding::SystemControls;
}

struct Probe {
  const char* name;
  std::string path;
  ManifestArchitecture architecture;
  std::uint16_t machine;
};

TEST(ManifestVerdictOnWine, TheLoaderDoesWhatTheVerdictSays) {
  const char* shipping = std::getenv("KOVRENA_LOADER_PROBE");
  if (shipping != nullptr && *shipping != '\0') GTEST_SKIP() << "run once, with both probes";
  TempDir folder{L"kovrena-karar"};
  ASSERT_TRUE(folder.ok());
  const Probe probes[] = {
      {"32-bit", testing::windowsPathTextOf(KOVRENA_PROBE32_PATH), ManifestArchitecture::X86, machine::kX86},
      {"64-bit", testing::windowsPathTextOf(KOVRENA_PROBE_PATH), ManifestArchitecture::Amd64, machine::kX64},
  };
  const bool runs32 = testing::Runs32BitPrograms();
  if (!runs32) std::cout << "this machine runs no 32-bit code: the 32-bit probe's rows are left out\n";
  int index = 0;
  for (const testing::ManifestVariant& v : testing::ManifestVariants("p.exe")) {
    for (const Probe& probe : probes) {
      if (probe.machine == machine::kX86 && !runs32) continue;
      SCOPED_TRACE(std::string(v.name) + ", " + probe.name);
      Binding expected = OnWine(ReadManifest(v.text, probe.architecture, probe.machine));
      if (expected == Binding::Uncertain) continue;
      // Without Wine's 32-bit half there is no x86 assembly to refuse.
      if (expected == Binding::DoesNotStart && !runs32) expected = Binding::SystemControls;
      const std::wstring sub = L"v" + std::to_wstring(index++);
      const std::string dir = folder / win32::ToUtf8(sub);
      ASSERT_TRUE(CreateDirectoryW(win32::ToWide(dir).c_str(), nullptr));
      const std::string exe = dir + "\\p.exe";
      ASSERT_TRUE(CopyFileW(win32::ToWide(probe.path).c_str(), win32::ToWide(exe).c_str(), FALSE));
      ASSERT_TRUE(testing::writeBytes(exe + ".manifest", v.text));
      EXPECT_EQ(observed(testing::runProbe(exe)), expected);
    }
  }
}

}  // namespace
}  // namespace kovrena::program
