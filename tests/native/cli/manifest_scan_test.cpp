#include <gtest/gtest.h>

#include <string>

#include "cli/pe/manifest_scan.h"

namespace kovrena::cli {
namespace {

std::string dependency(const std::string& identity) {
  return "<assembly><dependency><dependentAssembly>" + identity + "</dependentAssembly></dependency></assembly>";
}

struct Case {
  const char* name;
  std::string document;
  bool v6;
};

TEST(ManifestScanTest, FindsTheCommonControlsV6DependencyOnly) {
  const std::string v6 = R"(<assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0"/>)";
  const Case cases[] = {
      {"plain dependency", dependency(v6), true},
      {"single quotes and blanks round =",
       dependency("<assemblyIdentity name = 'Microsoft.Windows.Common-Controls' version = '6.0.0.0' />"), true},
      {"name in other letter case",
       dependency(R"(<assemblyIdentity name="microsoft.windows.common-controls" version="6.0.0.0"/>)"), true},
      {"version 6.1", dependency(R"(<assemblyIdentity name="Microsoft.Windows.Common-Controls" version="6.1.2.3"/>)"),
       true},
      {"namespace prefixes",
       "<asmv1:assembly><asmv1:dependency><asmv1:dependentAssembly>"
       R"(<asmv1:assemblyIdentity name="Microsoft.Windows.Common-Controls" version="6.0.0.0"></asmv1:assemblyIdentity>)"
       "</asmv1:dependentAssembly></asmv1:dependency></asmv1:assembly>",
       true},
      {"written across lines", "<dependency>\r\n <dependentAssembly>\r\n  <assemblyIdentity\r\n   type=\"win32\"\r\n"
                               "   name=\"Microsoft.Windows.Common-Controls\"\r\n   version=\"6.0.0.0\"/>",
       true},
      {"second of two dependencies",
       dependency(R"(<assemblyIdentity name="Microsoft.VC90.CRT" version="9.0.21022.8"/>)") + dependency(v6), true},
      {"a '>' inside another attribute",
       dependency(R"(<assemblyIdentity description="a > b" name="Microsoft.Windows.Common-Controls" version="6.0.0.0"/>)"),
       true},
      {"version 5", dependency(R"(<assemblyIdentity name="Microsoft.Windows.Common-Controls" version="5.82.0.0"/>)"),
       false},
      {"version 60", dependency(R"(<assemblyIdentity name="Microsoft.Windows.Common-Controls" version="60.0.0.0"/>)"),
       false},
      {"no version", dependency(R"(<assemblyIdentity name="Microsoft.Windows.Common-Controls"/>)"), false},
      {"another assembly", dependency(R"(<assemblyIdentity name="Microsoft.VC90.CRT" version="6.0.0.0"/>)"), false},
      {"the program's own identity", R"(<assembly><assemblyIdentity name="Microsoft.Windows.Common-Controls" version="6.0.0.0"/></assembly>)",
       false},
      {"commented out", "<assembly><!-- " + dependency(v6) + " --></assembly>", false},
      {"inside CDATA", "<assembly><![CDATA[" + dependency(v6) + "]]></assembly>", false},
      {"dependency closed before the identity",
       "<dependency><dependentAssembly></dependentAssembly></dependency>" + v6, false},
      {"unterminated comment", "<assembly><!-- " + dependency(v6), false},
      {"text ends inside the tag", dependency(v6).substr(0, 80), false},
      {"text ends inside a quoted value", "<dependency><dependentAssembly><assemblyIdentity name=\"Microsoft", false},
      {"empty", "", false},
      {"only '<'", "<", false},
      {"binary noise", std::string("\0\x01<<\xFF/>=\"\x80", 11), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(AsksForCommonControlsV6(c.document), c.v6);
  }
}

TEST(ManifestScanTest, DeepNestingIsSkippedAndStillClosesCorrectly) {
  std::string deep;
  for (int i = 0; i < 200; ++i) deep += "<x>";
  for (int i = 0; i < 200; ++i) deep += "</x>";
  const std::string v6 = R"(<assemblyIdentity name="Microsoft.Windows.Common-Controls" version="6.0.0.0"/>)";
  EXPECT_TRUE(AsksForCommonControlsV6("<dependency><dependentAssembly>" + deep + v6));
  EXPECT_FALSE(AsksForCommonControlsV6("<dependency><dependentAssembly><x>" + deep + v6));
}

}  // namespace
}  // namespace kovrena::cli
