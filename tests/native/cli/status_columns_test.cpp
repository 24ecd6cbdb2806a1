// The status lines are written one by one as the work goes; their path
// still begins at the same column whatever each line holds, the widest
// entries included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/report.h"
#include "text/utf.h"

namespace kovrena::cli {
namespace {

ProgramReport statusOf(bool windowsProgram, std::uint16_t machineType, bool library, EmbeddedManifest embedded,
                       ManifestState state, bool hiddenSystem) {
  ProgramReport report;
  report.path = "C:\\Oyun\\oyun.exe";
  report.outcome = Outcome::Status;
  ProgramFacts facts;
  facts.windowsProgram = windowsProgram;
  facts.machine = machineType;
  facts.library = library;
  facts.embedded = embedded;
  report.facts = facts;
  ManifestInfo manifest;
  manifest.state = state;
  manifest.hiddenSystem = hiddenSystem;
  report.manifest = manifest;
  return report;
}

TEST(StatusColumnsTest, ThePathBeginsAtTheSameColumnOnEveryLine) {
  const std::vector<ProgramReport> reports = {
      statusOf(true, machine::kX86, false, EmbeddedManifest::None, ManifestState::None, false),
      statusOf(true, 0x1C4, true, EmbeddedManifest::Faulty, ManifestState::Ours, false),  // ARMNT DLL
      statusOf(true, machine::kX64, false, EmbeddedManifest::WithoutCommonControlsV6,
               ManifestState::OursOtherArchitecture, true),
      statusOf(true, machine::kArm64, false, EmbeddedManifest::Unreadable, ManifestState::NotAFile, false),
      statusOf(false, 0, false, EmbeddedManifest::None, ManifestState::Foreign, false),
  };
  Request request;
  std::size_t column = 0;
  for (const ProgramReport& report : reports) {
    const std::string line = ReportLine(request, report);
    SCOPED_TRACE(line);
    const std::size_t at = line.rfind(report.path);
    ASSERT_NE(at, std::string::npos);
    ASSERT_GE(at, 2u);
    EXPECT_EQ(line.substr(at - 2, 2), "  ") << "two blanks before the path";
    const std::size_t characters = ::kovrena::text::Utf8Length(line.substr(0, at));
    if (column == 0) column = characters;
    EXPECT_EQ(characters, column);
  }
}

}  // namespace
}  // namespace kovrena::cli
