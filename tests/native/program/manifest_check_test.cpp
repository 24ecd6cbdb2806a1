#include <gtest/gtest.h>

#include <string>

#include "program/architecture.h"
#include "program/manifest_check.h"
#include "program/xml.h"
#include "tests/native/program/manifest_variants.h"

namespace kovrena::program {
namespace {

TEST(ManifestCheckTest, VerdictOfEachVariant) {
  for (const testing::ManifestVariant& v : testing::ManifestVariants("Eski Oyun.exe")) {
    SCOPED_TRACE(v.name);
    EXPECT_EQ(ReadManifest(v.text, ManifestArchitecture::X86, machine::kX86).problem, v.forX86);
    EXPECT_EQ(ReadManifest(v.text, ManifestArchitecture::Amd64, machine::kX64).problem, v.forX64);
  }
}

struct Program {
  const char* name;
  std::uint16_t machine;
  bool library;
  std::optional<std::uint32_t> corFlags;
  ManifestArchitecture expected;
};

// Machine field × runtime header flags → the manifest the tool writes.
TEST(ManifestCheckTest, ArchitectureOfEachKindOfProgram) {
  const Program cases[] = {
      {"x86", machine::kX86, false, std::nullopt, ManifestArchitecture::X86},
      {"x64", machine::kX64, false, std::nullopt, ManifestArchitecture::Amd64},
      {"ARM64", machine::kArm64, false, std::nullopt, ManifestArchitecture::None},
      {"other processor", 0x01C4, false, std::nullopt, ManifestArchitecture::None},
      {"x86 DLL", machine::kX86, true, std::nullopt, ManifestArchitecture::None},
      {".NET AnyCPU", machine::kX86, false, cor::kIlOnly, ManifestArchitecture::Any},
      {".NET x86 only", machine::kX86, false, cor::kIlOnly | cor::k32BitRequired, ManifestArchitecture::X86},
      {".NET AnyCPU preferring 32 bit", machine::kX86, false, cor::kIlOnly | cor::k32BitRequired | 0x00020000,
       ManifestArchitecture::X86},
      {".NET with native code (C++/CLI)", machine::kX86, false, 0u, ManifestArchitecture::X86},
      {".NET x64", machine::kX64, false, cor::kIlOnly, ManifestArchitecture::Amd64},
  };
  for (const Program& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramFacts facts;
    facts.windowsProgram = true;
    facts.machine = c.machine;
    facts.library = c.library;
    facts.managed = c.corFlags.has_value();
    facts.corFlags = c.corFlags.value_or(0);
    EXPECT_EQ(ArchitectureFor(facts), c.expected);
  }
}

TEST(ManifestCheckTest, OtherDependenciesAreListed) {
  const std::string text =
      R"(<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0"><dependency><dependentAssembly>)"
      R"(<assemblyIdentity type="win32" name="Microsoft.VC90.CRT" version="9.0.21022.8" processorArchitecture="x86")"
      R"( publicKeyToken="1fc8b3b9a1e18e3b"/></dependentAssembly></dependency></assembly>)";
  const ManifestReading reading = ReadManifest(text, ManifestArchitecture::X86, machine::kX86);
  EXPECT_EQ(reading.problem, ManifestProblem::NoCommonControlsV6);
  ASSERT_EQ(reading.otherDependencies.size(), 1u);
  EXPECT_EQ(reading.otherDependencies[0].name, "Microsoft.VC90.CRT");
  EXPECT_EQ(reading.otherDependencies[0].version, "9.0.21022.8");
}

struct Document {
  const char* name;
  std::string text;
  bool wellFormed;
};

TEST(XmlTest, WellFormedOrRefused) {
  const Document cases[] = {
      {"element", "<a/>", true},
      {"declaration, comment, nesting, references",
       "<?xml version=\"1.0\"?>\n<!-- c --><a x='1' y=\"&amp;&#65;&#x42;\"><b>t&lt;</b><![CDATA[<&>]]><?p i?></a>", true},
      {"namespace prefixes", "<p:a xmlns:p=\"u\"><p:b/></p:a>", true},
      {"empty", "", false},
      {"text only", "abc", false},
      {"two roots", "<a/><b/>", false},
      {"unclosed", "<a><b></b>", false},
      {"mismatched", "<a></b>", false},
      {"bare ampersand", "<a>x & y</a>", false},
      {"unknown entity", "<a>&nbsp;</a>", false},
      {"unquoted attribute", "<a x=1/>", false},
      {"duplicate attribute", "<a x='1' x='2'/>", false},
      {"'<' in an attribute", "<a x='<'/>", false},
      {"document type", "<!DOCTYPE a><a/>", false},
      {"invalid UTF-8", "<a>\xFF</a>", false},
      {"control character reference", "<a>&#1;</a>", false},
      {"control character as it stands", "<a x='\x01'/>", false},
      {"U+FFFF as it stands", "<a>\xEF\xBF\xBF</a>", false},
      {"tab, line feed and carriage return", "<a\tx='1'>\r\n</a>", true},
      {"\"--\" in a comment", "<a><!-- a -- b --></a>", false},
  };
  for (const Document& c : cases) {
    SCOPED_TRACE(c.name);
    const XmlReading reading = ReadXml(c.text);
    EXPECT_EQ(reading.root.has_value(), c.wellFormed) << reading.fault;
    EXPECT_EQ(reading.fault.empty(), c.wellFormed);
  }
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<a>";
  EXPECT_FALSE(ReadXml(deep).root.has_value());
  // Among many attributes, the first one written again is the one named,
  // on its own line; the rest are found by name.
  std::string many = "<a";
  for (int i = 0; i < 1000; ++i) many += " n" + std::to_string(i) + "='" + std::to_string(i) + "'";
  EXPECT_EQ(ReadXml(many + "/>").root->attribute("n999"), "999");
  EXPECT_FALSE(ReadXml(many + "/>").root->attribute("n1000").has_value());
  EXPECT_EQ(ReadXml(many + "\n n7='x' n5='y'/>").fault, "satır 2: yinelenen öznitelik: n7");
  EXPECT_TRUE(ReadXml(std::string(kLargestXml + 1, ' ')).tooLarge);
}

}  // namespace
}  // namespace kovrena::program
