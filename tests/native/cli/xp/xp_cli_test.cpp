// The shipping kovrena-cli.exe must load on Windows XP: a 32-bit console
// program for subsystem/OS 5.01, linked statically, importing nothing XP
// lacks. Read with the PE reader of the window program's own check.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "program/program_facts.h"
#include "platform/byte_source.h"
#include "tests/native/cli/cli_own_manifest.h"
#include "tests/native/xp_exe/pe_reader.h"
#include "tests/native/xp_exe/xp_imports.h"

namespace {

TEST(XpCliExecutable, IsA32BitConsoleProgramForXpWithXpImportsOnly) {
  const std::vector<std::uint8_t> bytes = readFileBytes(KOVRENA_XP_CLI_EXE);
  const std::optional<PeFacts> facts = readPe(bytes);
  ASSERT_TRUE(facts.has_value()) << KOVRENA_XP_CLI_EXE << " is not a readable PE file";
  EXPECT_EQ(facts->machine, 0x14c) << "not i386";
  EXPECT_EQ(facts->optionalMagic, 0x10b) << "not PE32";
  EXPECT_EQ(facts->subsystem, 3) << "not a console program";
  EXPECT_EQ(facts->majorSubsystemVersion, 5);
  EXPECT_EQ(facts->minorSubsystemVersion, 1);
  EXPECT_EQ(facts->majorOsVersion, 5);
  EXPECT_EQ(facts->minorOsVersion, 1);
  std::printf("kovrena-cli.exe: %zu bytes\n", bytes.size());
  // Stripped, as shipped: with its symbols it was near twice this.
  constexpr std::size_t kCeiling = 1536 * 1024;
  EXPECT_LT(bytes.size(), kCeiling) << "kovrena-cli.exe grew past " << kCeiling << " bytes: stripped?";

  // Static: no runtime DLL beside it, only what every XP has.
  const std::set<std::string> allowed = {"KERNEL32.DLL", "MSVCRT.DLL", "USER32.DLL", "ADVAPI32.DLL"};
  const std::set<std::string>& newer = functionsNewerThanXp();
  for (const PeImport& import : facts->imports) {
    EXPECT_TRUE(allowed.count(upperCase(import.dll))) << "imports " << import.dll;
    for (const std::string& function : import.functions) {
      EXPECT_FALSE(newer.count(function)) << import.dll << "!" << function << " does not exist on XP";
    }
  }
}

// Its own manifest, as the loader finds it in the file (resource type 24,
// id 1): well-formed, and declaring that it runs as its caller.
TEST(XpCliExecutable, CarriesItsOwnAsInvokerManifest) {
  const std::vector<std::uint8_t> bytes = readFileBytes(KOVRENA_XP_CLI_EXE);
  kovrena::MemorySource source(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  const kovrena::Result<kovrena::program::ProgramFacts> facts = kovrena::program::ReadProgramFacts(source);
  ASSERT_TRUE(facts.ok());
  ASSERT_EQ(facts.value().embedded, kovrena::program::EmbeddedManifest::WithoutCommonControlsV6);
  kovrena::testing::ExpectCliOwnManifest(facts.value().embeddedText, "x86");
}

}  // namespace
