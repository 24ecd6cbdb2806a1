#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <string>
#include <vector>

#include "manifest/check.h"
#include "platform/posix/host_system.h"
#include "tests/native/posix_platform/temp_folder.h"

namespace kovrena::manifest {
namespace {

using program::ManifestProblem;

ManifestReading commonControlsFor(std::string architecture, ManifestProblem problem) {
  ManifestReading reading;
  reading.problem = problem;
  reading.commonControls = AssemblyIdentity{"win32", "Microsoft.Windows.Common-Controls", "6.0.0.0",
                                            std::move(architecture), "6595b64144ccf1df", "*"};
  return reading;
}

struct WineCase {
  const char* label;
  std::uint16_t machine;
  std::string dependency;
  ManifestProblem problem;
  bool runs32Bit;
  Binding expected;
};

// An x86 dependency beside a 64-bit program stops it where Wine has x86
// assemblies to refuse with; a Wine without its 32-bit half has none, and
// the program starts on the system's controls.
TEST(WineVerdict, DependsOnWhetherWineHasIts32BitHalf) {
  const std::vector<WineCase> cases = {
      {"x64 program, x86 dependency, 32-bit half", 0x8664, "x86", ManifestProblem::WrongArchitecture, true,
       Binding::DoesNotStart},
      {"x64 program, x86 dependency, 64-bit only", 0x8664, "x86", ManifestProblem::WrongArchitecture, false,
       Binding::SystemControls},
      {"x86 program, amd64 dependency, 64-bit only", 0x014C, "amd64", ManifestProblem::WrongArchitecture, false,
       Binding::DoesNotStart},
      {"x64 program, amd64 dependency, 64-bit only", 0x8664, "amd64", ManifestProblem::None, false,
       Binding::CommonControlsV6},
  };
  for (const WineCase& c : cases) {
    SCOPED_TRACE(c.label);
    CheckFindings findings;
    findings.wine = true;
    findings.wineRuns32Bit = c.runs32Bit;
    findings.external = commonControlsFor(c.dependency, c.problem);
    ProgramFacts facts;
    facts.windowsProgram = true;
    facts.machine = c.machine;
    EXPECT_EQ(BindingOn(System::Wine, findings, facts), c.expected);
  }
}

// The prefix tells: wineboot fills syswow64 only where 32-bit Wine ran.
TEST(WinePrefix, Has32BitHalfOnlyWithTheSystemInSyswow64) {
  struct Case {
    const char* label;
    bool folder;
    bool kernel;
    bool expected;
  };
  const Case cases[] = {
      {"no syswow64", false, false, false},
      {"empty syswow64", true, false, false},
      {"syswow64 with kernel32.dll", true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    testing::TempFolder prefix;
    ASSERT_TRUE(prefix.ok());
    const std::string windows = prefix / "drive_c/windows";
    ::mkdir((prefix / "drive_c").c_str(), 0755);
    ::mkdir(windows.c_str(), 0755);
    if (c.folder) ::mkdir((windows + "/syswow64").c_str(), 0755);
    if (c.kernel) std::ofstream(windows + "/syswow64/kernel32.dll") << "MZ";
    const HostSystem host = posix::HostSystemOfPrefix(prefix.path());
    EXPECT_EQ(host.system, System::Wine);
    EXPECT_EQ(host.wineRuns32Bit, c.expected);
  }
}

}  // namespace
}  // namespace kovrena::manifest
