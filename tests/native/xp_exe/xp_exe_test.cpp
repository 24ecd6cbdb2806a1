// The shipping executable must load on Windows XP: a 32-bit GUI program for
// subsystem/OS 5.01 that imports only system DLLs XP has and no function
// that appeared after XP (the usual regressions come from the posix thread
// model and from newer runtime code). Its x86_64 build of the same making,
// which the machines without i386 test in its place, is held to the same:
// only the instruction set may differ.
#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>

#include "pe_reader.h"
#include "xp_imports.h"

namespace {

struct Build {
  const char* name;
  const char* path;  // empty: the build was not told where it is
  std::uint16_t machine;
  std::uint16_t optionalMagic;
  // The compact build (no exception machinery, no demangling terminate
  // handler, no second string library, one optimisation across all files)
  // keeps the program below this; a compiler, library or code change that
  // undoes it fails here instead of passing silently. A build made some
  // other way (a debug or posix-threaded one) is several times larger.
  std::size_t sizeCeiling;
};

// The i686 exe, the one users get, stays within 140 KiB. The help and about
// windows draw their gradient backgrounds instead of carrying them as
// bitmaps, which left room for the engine it shares with kovrena-cli (the
// PE reader, the XML reader of manifests).
const Build kBuilds[] = {
    {"i686", KOVRENA_XP_EXE, 0x14c, 0x10b, 140 * 1024},
    // x86_64 code and its unwind tables take a little more room.
    {"x86_64", KOVRENA_XP_X64_EXE, 0x8664, 0x20b, 160 * 1024},
};

class XpExecutable : public ::testing::TestWithParam<Build> {
 protected:
  void SetUp() override {
    if (*GetParam().path == '\0') GTEST_SKIP() << "the build was not told where the " << GetParam().name << " exe is";
    bytes_ = readFileBytes(GetParam().path);
    facts_ = readPe(bytes_);
    ASSERT_TRUE(facts_.has_value()) << GetParam().path << " is not a readable PE file";
  }
  std::vector<std::uint8_t> bytes_;
  std::optional<PeFacts> facts_;
};

TEST_P(XpExecutable, IsAGuiProgramForXpOfItsMachine) {
  EXPECT_EQ(facts_->machine, GetParam().machine);
  EXPECT_EQ(facts_->optionalMagic, GetParam().optionalMagic);
  EXPECT_EQ(facts_->subsystem, 2) << "not a GUI program";
  EXPECT_EQ(facts_->majorSubsystemVersion, 5);
  EXPECT_EQ(facts_->minorSubsystemVersion, 1);
  EXPECT_EQ(facts_->majorOsVersion, 5);
  EXPECT_EQ(facts_->minorOsVersion, 1);
  std::printf("Kovrena.exe (%s): %zu bytes\n", GetParam().name, bytes_.size());
}

TEST_P(XpExecutable, StaysBelowItsSizeCeiling) { EXPECT_LE(bytes_.size(), GetParam().sizeCeiling); }

TEST_P(XpExecutable, ImportsOnlySystemDllsOfXp) {
  // No runtime DLL may be needed beside the program: it is linked statically.
  const std::set<std::string> allowed = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "COMCTL32.DLL",
                                         "COMDLG32.DLL", "SHELL32.DLL", "ADVAPI32.DLL", "VERSION.DLL",
                                         "MSVCRT.DLL", "MSIMG32.DLL", "UXTHEME.DLL"};
  for (const PeImport& import : facts_->imports) {
    EXPECT_TRUE(allowed.count(upperCase(import.dll))) << "imports " << import.dll;
  }
}

TEST_P(XpExecutable, ImportsNoFunctionNewerThanXp) {
  const std::set<std::string>& newer = functionsNewerThanXp();
  for (const PeImport& import : facts_->imports) {
    for (const std::string& function : import.functions) {
      EXPECT_FALSE(newer.count(function)) << import.dll << "!" << function << " does not exist on XP";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Builds, XpExecutable, ::testing::ValuesIn(kBuilds),
                         [](const ::testing::TestParamInfo<Build>& row) { return std::string(row.param.name); });

}  // namespace
