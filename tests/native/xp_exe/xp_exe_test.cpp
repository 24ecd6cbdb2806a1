// The shipping executable must load on Windows XP: a 32-bit GUI program for
// subsystem/OS 5.01 that imports only system DLLs XP has and no function
// that appeared after XP (the usual regressions come from the posix thread
// model and from newer runtime code).
#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>

#include "pe_reader.h"
#include "xp_imports.h"

namespace {

// The compact build (no exception machinery, no demangling terminate
// handler, no second string library, one optimisation across all files)
// keeps the program below this; a compiler, library or code change that
// undoes it fails here instead of passing silently.
constexpr std::size_t kSizeCeiling = 131 * 1024;

class XpExecutable : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    bytes_ = readFileBytes(KOVRENA_XP_EXE);
    facts_ = readPe(bytes_);
  }
  static std::vector<std::uint8_t> bytes_;
  static std::optional<PeFacts> facts_;
};
std::vector<std::uint8_t> XpExecutable::bytes_;
std::optional<PeFacts> XpExecutable::facts_;

TEST_F(XpExecutable, IsA32BitGuiProgramForXp) {
  ASSERT_TRUE(facts_.has_value()) << KOVRENA_XP_EXE << " is not a readable PE file";
  EXPECT_EQ(facts_->machine, 0x14c) << "not i386";
  EXPECT_EQ(facts_->optionalMagic, 0x10b) << "not PE32";
  EXPECT_EQ(facts_->subsystem, 2) << "not a GUI program";
  EXPECT_EQ(facts_->majorSubsystemVersion, 5);
  EXPECT_EQ(facts_->minorSubsystemVersion, 1);
  EXPECT_EQ(facts_->majorOsVersion, 5);
  EXPECT_EQ(facts_->minorOsVersion, 1);
  std::printf("Kovrena.exe: %zu bytes\n", bytes_.size());
}

TEST_F(XpExecutable, StaysBelowItsSizeCeiling) {
  ASSERT_TRUE(facts_.has_value());
  EXPECT_LE(bytes_.size(), kSizeCeiling);
}

TEST_F(XpExecutable, ImportsOnlySystemDllsOfXp) {
  ASSERT_TRUE(facts_.has_value());
  // No runtime DLL may be needed beside the program: it is linked statically.
  const std::set<std::string> allowed = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "COMCTL32.DLL",
                                         "COMDLG32.DLL", "SHELL32.DLL", "ADVAPI32.DLL", "VERSION.DLL",
                                         "MSVCRT.DLL", "MSIMG32.DLL", "UXTHEME.DLL"};
  for (const PeImport& import : facts_->imports) {
    EXPECT_TRUE(allowed.count(upperCase(import.dll))) << "imports " << import.dll;
  }
}

TEST_F(XpExecutable, ImportsNoFunctionNewerThanXp) {
  ASSERT_TRUE(facts_.has_value());
  const std::set<std::string>& newer = functionsNewerThanXp();
  for (const PeImport& import : facts_->imports) {
    for (const std::string& function : import.functions) {
      EXPECT_FALSE(newer.count(function)) << import.dll << "!" << function << " does not exist on XP";
    }
  }
}

}  // namespace
